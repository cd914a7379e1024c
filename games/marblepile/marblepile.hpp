// The marble pile: players take 1 to half of the pile in turn; all game state is global.
#pragma once

#include <string>

// True while the game goes on.
extern bool game;
// Names and words indexed by a bool: plr by fmove, yesno by smode.
extern const std::string plr[2];
extern const std::string yesno[2];
extern int marb;
extern bool smode;
// True when it is the human's move.
extern bool fmove;

// The computer's take in random mode: one draw of random() modulo half the pile, plus 1.
int rollDice();

// Removes take from the pile, asking again while it is not 1 to half the pile; ends the game
// instead, the pile unchanged, when no count can be read or output has failed.
void moveanalysis(int take);

// The computer's take, smart or random by smode; 1 to half for a pile of 2 or more.
int robot();

// Plays one game on a pile of size marbles until a move leaves one or none (its player wins), the
// input ends or output fails; a pile below 2 ends it after the opening lines.
void marbleRun(int size, bool smart, bool computerFirst);
