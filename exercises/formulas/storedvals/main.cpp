#include "exitstatus.hpp"
#include "storedvals.hpp"

#include <iostream>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  std::cout << x << std::endl;
  std::cout << y << std::endl;
  std::cout << false << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
