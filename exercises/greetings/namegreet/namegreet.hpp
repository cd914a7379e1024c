// Asks the user's name, greets it and asks whether the user would like to
// play a game.
#pragma once

#include <string>

// The word entered as the name; empty until one is read.
extern std::string name;
// The word entered as the answer; kept but never used.
extern std::string dialog;

// The whole dialogue: asks the name into name, greets it, asks about a game
// and reads the answer into dialog. Each read takes one whitespace-delimited
// word; at end of input the string keeps its value.
void converse();
