#include "peaksmooth.hpp"

#include <cstddef>
#include <iostream>
#include <vector>

void replaceNums(int* values, int n) {
  if (n <= 0) {
    return;
  }
  // Results go here first, so that each comes from the old values; on the heap, as fifty million
  // ints overflow a stack, and a vector, as libc++ before 16 lacks make_unique_for_overwrite.
  std::vector<int> buffer(static_cast<std::size_t>(n));
  int* const work = buffer.data();
  work[0] = values[0];
  work[n - 1] = values[n - 1];
  for (int i = 1; i < n - 1; ++i) {
    const int left = values[i - 1];
    const int right = values[i + 1];
    const int self = values[i];
    // One product is 0 and the other its factor, so nothing leaves the range of int.
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
