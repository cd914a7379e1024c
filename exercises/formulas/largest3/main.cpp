#include "exitstatus.hpp"
#include "largest3.hpp"

#include <iostream>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  std::cout << largestNumber(10.0, 12.5, 62.5) << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
