#include "exitstatus.hpp"
#include "storedvals.hpp"

#include <iostream>

// The two stored floats, then false as the digit 0, one per line.
int main() {
  std::cout << x << std::endl;
  std::cout << y << std::endl;
  std::cout << false << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
