#include "coursegreet.hpp"

#include <cstdlib>
#include <iostream>

int a = 0;

const std::string phrases[6] = {
    "AAAAAHHHH",
    "MAKE IT END",
    "STOP",
    "KILL ME",
    "Do you think god stays in heaven because he too fears what he created?",
    "I WANT TO DIE"};

std::string fug() { return phrases[std::rand() % 6]; }

void sheeeeeiiiittt() {
  int k = 0;
  do {
    k += 1;
    std::cout << k << " " << fug() << std::endl;
    // Once output has failed, stop rather than draw up to two billion phrases for nobody.
  } while (k < a && std::cout);
}
