// Picks out the players of a roster whose value lies strictly between 4 and 6.
#pragma once

#include <string>

// Writes "name value" and end of line for each of the n players whose value
// lies strictly between 4 and 6, in roster order; nothing when n <= 0.
// names and values are parallel arrays of n elements, and neither is changed.
void printIneligiblePlayers(std::string* names, float* values, int n);
