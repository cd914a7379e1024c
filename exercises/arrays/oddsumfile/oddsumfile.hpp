// Odd-sum file writer: adds up the non-negative odd elements of an array and
// writes the sum into a file.
#pragma once

#include <string>

// Writes the sum of the non-negative odd elements into the file named by
// name, replacing what it held: only the decimal digits, no newline. The sum
// goes into a temporary file beside it, renamed over name once written and
// closed. Returns 1 when the sum reached the file; -1, with errno set by the
// call that failed, when the file could not be created, written, closed or
// renamed (a full disk is never reported as success). Then an earlier file
// keeps its old content and no temporary file is left behind.
int sumOfPositiveOdd(std::string name, int* values, int n);
