// Neighbour-peak smoothing, and a printer for rows of five.
#pragma once

// Raises values[1] to values[n-2] each to the largest of itself and its neighbours as they were
// before the call; the first and the last stay. n of 0 or less does nothing.
void replaceNums(int* values, int n);

// Writes each row on a line of its own, its five values separated by commas alone.
void printTwoDArray(int (*rows)[5], int count);
