#include "exitstatus.hpp"
#include "rosterfilter.hpp"

#include <string>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  std::string names[4] = {"Joe", "Jack", "Amy", "Bob"};
  float values[4] = {3.4f, 5.6f, 6.0f, 4.2f};
  printIneligiblePlayers(names, values, 4);
  return exitStatus(SUITE_PROGRAM);
}
