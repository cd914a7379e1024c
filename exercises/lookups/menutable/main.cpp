#include "exitstatus.hpp"
#include "menutable.hpp"

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  gameMenu(3);
  gameMenu(14);
  return exitStatus(SUITE_PROGRAM);
}
