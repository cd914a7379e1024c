#include "exitstatus.hpp"
#include "oddsumfile.hpp"

#include <cerrno>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  int values[4] = {1, 2, 2, 3};
  int status = 0;
  if (sumOfPositiveOdd("a.txt", values, 4) != 1) {
    const int error = errno;
    status = fileError(SUITE_PROGRAM,
                       sumWrittenUnsynced()
                           ? "a.txt: the new content is in place, but may not survive a crash"
                           : "a.txt",
                       error);
  }
  return exitStatus(SUITE_PROGRAM, status);
}
