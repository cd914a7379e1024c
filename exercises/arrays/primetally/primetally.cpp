#include "primetally.hpp"

int isPrime(int* values, int n) {
  int tally = 0;
  for (int i = 0; i < n; ++i) {
    const int v = values[i];
    bool settled = false;
    if (v == 0 || v == 1) {
      tally += 1;
      settled = true;
    }
    if (v == 2) {
      tally -= 1;
      settled = true;
    }
    if (!settled) {
      // The first divisor that leaves a remainder, v - 1 at the latest, adds the 1.
      for (int d = 2; d < v; ++d) {
        if (v % d != 0) {
          tally += 1;
          break;
        }
      }
    }
  }
  return n - tally;
}
