#include "exitstatus.hpp"
#include "marblepile.hpp"

int main() {
  marbleRun(11, true, true);
  return exitStatus(SUITE_PROGRAM);
}
