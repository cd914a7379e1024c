// A game menu of four options, chosen by a 1-based number.
#pragma once

#include <string>

// The options, choices 1 to 4 at positions 0 to 3.
extern const std::string opt[4];

// Writes "Choice i: " and option i, or "Invalid" outside 1 to 4, then end of line.
void gameMenu(int i);
