#include "exitstatus.hpp"
#include "gridscan.hpp"

#include <iostream>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  int grid[2][2] = {{1, 2}, {3, 4}};
  std::cout << minElement(grid, 2) << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
