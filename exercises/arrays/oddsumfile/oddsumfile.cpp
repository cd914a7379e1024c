#include "oddsumfile.hpp"

#include <fstream>

int sumOfPositiveOdd(std::string name, int* values, int n) {
  std::ofstream file;
  file.open(name, std::ios::out | std::ios::trunc);
  if (!file.is_open()) {
    return -1;
  }
  // Kept wider than int so that no array of ints can overflow it; the file
  // gets the exact sum.
  long long sum = 0;
  for (int i = 0; i < n; ++i) {
    const int v = values[i];
    // v % 2 is 1 for odd v, -1 for negative odd v and 0 otherwise, and
    // (v >= 0) gates out the negatives. v * (v % 2) cannot overflow: the one
    // value whose negation would, INT_MIN, is even.
    sum += v * (v % 2) * (v >= 0);
  }
  file << sum;
  // Closing flushes the buffer; a write that fails there (a full disk) must
  // not be reported as success.
  file.close();
  return file ? 1 : -1;
}
