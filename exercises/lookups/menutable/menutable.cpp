#include "menutable.hpp"

#include <iostream>

const std::string opt[4] = {"Play Game", "View Stats", "Save Game", "Exit Game"};

void gameMenu(int i) {
  std::cout << "Choice " << i << ": ";
  if (i >= 1 && i <= 4) {
    std::cout << opt[i - 1];
  } else {
    std::cout << "Invalid";
  }
  std::cout << std::endl;
}
