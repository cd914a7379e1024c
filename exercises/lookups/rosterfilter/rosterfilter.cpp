#include "rosterfilter.hpp"

#include <iostream>

void printIneligiblePlayers(std::string* names, float* values, int n) {
  for (int i = 0; i < n; ++i) {
    const float v = values[i];
    if (v > 4.0f && v < 6.0f) {
      std::cout << names[i] << " " << v << std::endl;
    }
  }
}
