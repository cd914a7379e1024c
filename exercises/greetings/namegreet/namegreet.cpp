#include "namegreet.hpp"

#include <iostream>

std::string name;
std::string dialog;

void converse() {
  std::cout << "What is your name?" << std::endl;
  std::cin >> name;
  std::cout << "Hello, " << name << "!" << std::endl;
  std::cout << "Would you like to play a game?" << std::endl;
  std::cin >> dialog;
}
