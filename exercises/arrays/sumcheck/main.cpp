#include "exitstatus.hpp"
#include "sumcheck.hpp"

#include <iostream>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  int values[3];
  for (int i = 0; i <= 2; ++i) {
    values[i] = i + 1;
  }
  std::cout << check(values, 3);
  return exitStatus(SUITE_PROGRAM);
}
