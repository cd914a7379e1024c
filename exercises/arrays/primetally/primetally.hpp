// Prime tally: an array's length less a tally kept with a trial-division loop.
#pragma once

// n less a tally: 0 and 1 add 1, 2 takes 1 away, 3 or more add 1 through the divisor loop and
// negatives nothing; so the number of negatives plus twice the number of 2s. Writes nothing.
int isPrime(int* values, int n);
