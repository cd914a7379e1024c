// The dice duel: a human and the computer take turns rolling one die until
// one of them reaches maxpointwin points. All game state is global.
#pragma once

#include <string>

// Points at which a player wins.
extern const int maxpointwin;

// Whose turn it is: 0 the computer, 1 the human.
extern int plr;
// Becomes 1 when a player has won; ends the game loop.
extern int winstate;
// Each player's points; every scoring roll is added at once.
extern int gamepoints[2];
// What the current turn has gained so far, by player.
extern int turntotal[2];

// Words for each player: [p][0] name, [p][1] subject, [p][2] possessive.
extern const std::string pRefer[2][3];
// The two questions put to the human: the first of a turn, and "again".
extern const std::string response[2];

// One roll of the die, 1 to 6, from exactly one draw of random().
int rollDice();

// The computer's answer to the roll question at turn total t: 'y' while t is
// 9 or less, 'n' from 10 on.
char robot(int t);

// Rolls once for plr, scores the face and prints the roll and turn total
// (and the score lines when the turn ends). Returns the turn total after the
// roll, 0 when the roll ended the turn. The argument is not consulted.
int rollanalysis(int total);

// Plays the rest of plr's turn, opening with question response[k]. Returns
// 10 without a word when a player already holds maxpointwin points, else 0.
int turn(int k);

// The banner and the loop of turns, human first, until a player wins, the
// input ends or standard output fails.
void game();
