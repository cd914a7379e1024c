// A roster filter by value.
#pragma once

#include <string>

// Writes "name value" and end of line for each of the n players whose value lies strictly between
// 4 and 6, in roster order; names and values are parallel arrays, left unchanged.
void printIneligiblePlayers(std::string* names, float* values, int n);
