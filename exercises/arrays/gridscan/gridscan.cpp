#include "gridscan.hpp"

#include <iostream>

int minElement(int (*grid)[2], int count) {
  int running = grid[0][0];
  for (int r = 0; r < count; ++r) {
    for (int c = 0; c < 2; ++c) {
      const int e = grid[r][c];
      // Exactly one product keeps its factor and the other is 0, so no
      // intermediate value leaves the range of int.
      running = running * (e < running) + e * (e >= running);
      std::cout << running << std::endl;
    }
  }
  return running;
}
