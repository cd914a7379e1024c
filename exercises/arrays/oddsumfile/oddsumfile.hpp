// Odd-sum file writer: adds up the non-negative odd elements of an array and
// writes the sum into a file.
#pragma once

#include <string>

// Writes the decimal digits of the sum of the non-negative odd elements, and
// nothing else, into the file that name leads to, and keeps it the same file
// (the manual page tells how). Returns 1 once the sum is there and synced; -1,
// with errno set by the call that failed, when it is not, or when a sync after
// it failed (then sumWrittenUnsynced() tells so). An old file then keeps its
// content and a missing one stays missing, but for that late sync.
int sumOfPositiveOdd(std::string name, int* values, int n);

// Whether the last call of sumOfPositiveOdd that returned -1 had already put
// the new sum in place, so that only its lasting through a crash failed.
bool sumWrittenUnsynced();
