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
      // Stops at the first divisor that leaves a remainder, which for v >= 3
      // comes at the latest at v - 1; for negative v the loop does not run.
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
