#include "diceduel.hpp"
#include "exitstatus.hpp"

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  game();
  return exitStatus(SUITE_PROGRAM);
}
