// The marble pile: the human and the computer take turns removing between 1
// and half of a pile of marbles until one marble or fewer is left. All game
// state is global.
#pragma once

#include <string>

// True while the game goes on; starts true and is set false when it ends.
extern bool game;
// Player names indexed by the turn flag: 0 "Computer", 1 "Human".
extern const std::string plr[2];
// "No" and "Yes", indexed by a bool.
extern const std::string yesno[2];
// Marbles left in the pile.
extern int marb;
// True when the computer plays in smart mode.
extern bool smode;
// The turn flag: true when the human moves now, false for the computer.
extern bool fmove;

// The computer's take in random mode: one draw of random(), modulo half the
// pile, plus 1, so 1 to half for a pile of 2 or more.
int rollDice();

// Removes a legal take from the pile. While the take is below 1 or above half
// the pile, says so and reads a new count; at end of input, or once standard
// output has failed, it ends the game instead and leaves the pile as it was.
void moveanalysis(int take);

// The computer's take for the current pile, smart or random by smode; always
// between 1 and half for a pile of 2 or more.
int robot();

// Plays one whole game on a pile of size marbles and returns when it has
// ended: by a win, at end of input, when standard output has failed, or at
// once when size is below 2.
void marbleRun(int size, bool smart, bool computerFirst);
