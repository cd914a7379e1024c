#include "exitstatus.hpp"
#include "primetally.hpp"

#include <iostream>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  int values[5] = {0, 1, 2, 3, 4};
  std::cout << isPrime(values, 5);
  return exitStatus(SUITE_PROGRAM);
}
