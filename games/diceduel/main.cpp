#include "diceduel.hpp"
#include "exitstatus.hpp"

int main() {
  game();
  return exitStatus(SUITE_PROGRAM);
}
