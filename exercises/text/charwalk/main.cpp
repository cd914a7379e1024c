#include "exitstatus.hpp"

#include <cstddef>
#include <iostream>
#include <string>

// The fifth piece starts at the length: still in range for substr, and empty.
int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  const std::string digits = "1234";
  for (int i = 0; i <= 4; ++i) {
    std::cout << digits.substr(static_cast<std::size_t>(i), 1);
  }
  return exitStatus(SUITE_PROGRAM);
}
