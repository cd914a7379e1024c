// Neighbour-peak smoothing: every interior element of an array rises to the
// largest of itself and its two neighbours. Also a printer for rows of five.
#pragma once

// Raises values[1] to values[n-2] each to the largest of itself and its two
// neighbours, all taken as they were before the call; the first and the last
// element stay. n of 0 or less does nothing.
void replaceNums(int* values, int n);

// Writes each of the given rows on a line of its own, the five values
// separated by commas and nothing else. A row count of 0 or less writes
// nothing.
void printTwoDArray(int (*rows)[5], int count);
