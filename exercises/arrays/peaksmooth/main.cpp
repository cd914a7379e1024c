#include "exitstatus.hpp"
#include "peaksmooth.hpp"

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  int values[16] = {224, 103, -184, -84,  95,  -207, 254, -195,
                    116, 11,  109,  -228, -66, 52,   -85, -230};
  replaceNums(values, 16);
  return exitStatus(SUITE_PROGRAM);
}
