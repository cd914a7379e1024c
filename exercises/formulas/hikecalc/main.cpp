#include "exitstatus.hpp"
#include "hikecalc.hpp"

#include <iostream>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  std::cout << hikingTime(5.0, -4000.0) << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
