#include "exitstatus.hpp"

#include <iostream>

// Line 5 ends with a bare newline, every other line with a flush.
int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  const int a = 17;
  const int b = 5;
  const double c = static_cast<double>(a / b); // integer division first: 3, then 3.0

  std::cout << 2 << std::endl;
  std::cout << c << std::endl;
  std::cout << c / static_cast<double>(b) << std::endl;
  std::cout << c / static_cast<double>(b) << std::endl;
  std::cout << "17/5 = " << a / b << "\n";
  std::cout << "17.0/5 = " << static_cast<double>(a) / static_cast<double>(b) << std::endl;
  std::cout << "17/5.0 = " << static_cast<double>(a) / static_cast<double>(b) << std::endl;
  std::cout << "17/5 = " << static_cast<double>(a / b) << std::endl;
  std::cout << "c = " << c << std::endl;
  std::cout << "c/2 = " << c / 2.0 << std::endl;
  std::cout << "(a/b) / 2 = " << static_cast<double>(a / b) / 2.0 << std::endl;
  std::cout << "a/b/2 = " << a / b / 2 << std::endl;
  std::cout << "1/2/3.0/4 = " << 1 / 2 / 3.0 / 4 << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
