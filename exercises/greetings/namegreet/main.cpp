#include "exitstatus.hpp"
#include "namegreet.hpp"

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  converse();
  return exitStatus(SUITE_PROGRAM);
}
