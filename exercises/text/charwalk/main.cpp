#include "exitstatus.hpp"

#include <cstddef>
#include <iostream>
#include <string>

// Writes "1234" one piece at a time. The fifth piece starts at the length and
// is empty; that start is still in range for substr.
int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  const std::string digits = "1234";
  for (int i = 0; i <= 4; ++i) {
    std::cout << digits.substr(static_cast<std::size_t>(i), 1);
  }
  return exitStatus(SUITE_PROGRAM);
}
