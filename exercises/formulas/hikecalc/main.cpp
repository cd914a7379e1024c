#include "exitstatus.hpp"
#include "hikecalc.hpp"

#include <iostream>

int main() {
  std::cout << hikingTime(5.0, -4000.0) << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
