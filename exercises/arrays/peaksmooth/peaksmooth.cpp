#include "peaksmooth.hpp"

#include <cstddef>
#include <iostream>
#include <vector>

void replaceNums(int* values, int n) {
  // Outside the function's contract the steps below would touch memory beyond
  // the array, so such a call changes nothing.
  if (n <= 0) {
    return;
  }
  // The working array lives on the heap: a stack array of fifty million ints
  // would overflow the stack. Every result lands here first, so each one is
  // computed from the values as they were before the call. A vector rather
  // than an uninitialised buffer: libc++ before 16 has no
  // make_unique_for_overwrite, and zeroing the array first costs little.
  std::vector<int> buffer(static_cast<std::size_t>(n));
  int* const work = buffer.data();
  work[0] = values[0];
  work[n - 1] = values[n - 1];
  for (int i = 1; i < n - 1; ++i) {
    const int left = values[i - 1];
    const int right = values[i + 1];
    const int self = values[i];
    // Each selection multiplies by exactly one 1 and one 0 and adds, so no
    // intermediate value leaves the range of int, whatever the inputs.
    const int m = left * (left >= right) + right * (left < right);
    work[i] = self * (self >= m) + m * (self < m);
  }
  for (int j = 0; j < n; ++j) {
    values[j] = work[j];
  }
}

void printTwoDArray(int (*rows)[5], int count) {
  for (int r = 0; r < count; ++r) {
    for (int c = 0; c < 5; ++c) {
      std::cout << rows[r][c];
      if (c < 4) {
        std::cout << ",";
      }
    }
    std::cout << std::endl;
  }
}
