#include "exitstatus.hpp"
#include "menutable.hpp"

int main() {
  gameMenu(3);
  gameMenu(14);
  return exitStatus(SUITE_PROGRAM);
}
