#include "exitstatus.hpp"
#include "shapetable.hpp"

#include <iostream>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  const std::string name = shapeName(2);
  std::cout << name << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
