#include "exitstatus.hpp"
#include "largest3.hpp"

#include <iostream>

int main() {
  std::cout << largestNumber(10.0, 12.5, 62.5) << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
