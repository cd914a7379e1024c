// The dice duel: a human and the computer take turns rolling one die; all game state is global.
#pragma once

#include <string>

extern const int maxpointwin;

// Whose turn it is: 0 the computer, 1 the human.
extern int plr;
extern int winstate;
// Each player's points, which every scoring roll changes at once.
extern int gamepoints[2];
// What the current turn has gained so far, by player.
extern int turntotal[2];

// Words for each player: [p][0] name, [p][1] subject, [p][2] possessive.
extern const std::string pRefer[2][3];
// The first question of the human's turn, and the one after a roll.
extern const std::string response[2];

// One roll of the die, 1 to 6, from exactly one draw of random().
int rollDice();

// The computer's answer at turn total t: 'y' while t is 9 or less, else 'n'.
char robot(int t);

// Rolls once for plr, scores and prints it; returns the turn total after the roll, 0 when the
// roll ended the turn. The argument is not consulted.
int rollanalysis(int total);

// Plays the rest of plr's turn, opening with response[k]; returns 10 without a word when a player
// already holds maxpointwin points, else 0.
int turn(int k);

// The banner and the turns, human first, until a player wins, the input ends or output fails.
void game();
