#include "coursegreet.hpp"
#include "exitstatus.hpp"
#include "input.hpp"

#include <iostream>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  std::cout << "Enter a CS course number" << std::endl;
  // The end of input, a non-number and a number beyond int all leave the course number at 0.
  if (!readInt(std::cin, a)) {
    a = 0;
  }
  std::cout << "Hello, CS " << a << " World!" << std::endl;
  sheeeeeiiiittt();
  return exitStatus(SUITE_PROGRAM);
}
