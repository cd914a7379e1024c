#include "sumcheck.hpp"

int check(int* values, int n) {
  // Added up in a wider type, so a sum past the range of int wraps around
  // (two's complement) on the way back instead of overflowing.
  long long sum = 0;
  for (int i = 0; i < n; ++i) {
    sum += values[i];
  }
  return static_cast<int>(sum);
}
