#include "exitstatus.hpp"

// The program's content is the Tillbook class; main leaves it untouched.
int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  return exitStatus(SUITE_PROGRAM);
}
