#include "exitstatus.hpp"
#include "strprobe.hpp"

#include <iostream>
#include <string>

int main() {
  const std::string word = "zebra";
  std::cout << getLastIndex('z', word) << std::endl;
  return exitStatus(SUITE_PROGRAM);
}
