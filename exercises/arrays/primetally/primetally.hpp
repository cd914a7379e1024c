// Prime tally: a count over an array kept by fixed cases and a trial-division
// loop, reported as the array's length minus the tally.
#pragma once

// Returns n minus a tally over the n elements: 0 and 1 add 1, 2 takes 1 away,
// every element of 3 or more adds 1 through the divisor loop, and negative
// elements add nothing. So the result is the number of negative elements plus
// twice the number of 2s. Writes nothing.
int isPrime(int* values, int n);
