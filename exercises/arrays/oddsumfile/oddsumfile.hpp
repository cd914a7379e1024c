// Odd-sum file writer: adds up the non-negative odd elements of an array and
// writes the sum into a file.
#pragma once

#include <string>

// Writes the sum of the non-negative odd elements into the file named by
// name, replacing what it held: only the decimal digits, no newline. Returns
// 1 when the sum reached the file, -1 when the file could not be opened or
// the writing or closing failed (a full disk is never reported as success).
int sumOfPositiveOdd(std::string name, int* values, int n);
