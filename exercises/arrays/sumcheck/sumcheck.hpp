// Sequence sum: adds up the elements of an array.
#pragma once

// Returns the sum of the n elements; 0 for n of 0 or less, without reading
// the array. Reads the array only.
int check(int* values, int n);
