#include "exitstatus.hpp"
#include "strprobe.hpp"

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  const std::string word = "zebra";
  std::cout << getLastIndex('z', word) << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
