#include "exitstatus.hpp"
#include "marblepile.hpp"

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  marbleRun(11, true, true);
  return exitStatus(SUITE_PROGRAM);
}
