#include "gridscan.hpp"

#include <iostream>

int minElement(int (*grid)[2], int count) {
  int running = grid[0][0];
  for (int r = 0; r < count; ++r) {
    for (int c = 0; c < 2; ++c) {
      const int e = grid[r][c];
      // One product is 0 and the other its factor, so nothing leaves the range of int.
      running = running * (e < running) + e * (e >= running);
      std::cout << running << std::endl;
    }
  }
  return running;
}
