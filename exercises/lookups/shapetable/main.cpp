#include "exitstatus.hpp"
#include "shapetable.hpp"

#include <iostream>

int main() {
  const std::string name = shapeName(2);
  std::cout << name << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
