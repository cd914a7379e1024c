#include "exitstatus.hpp"
#include "rosterfilter.hpp"

#include <string>

int main() {
  std::string names[4] = {"Joe", "Jack", "Amy", "Bob"};
  float values[4] = {3.4f, 5.6f, 6.0f, 4.2f};
  printIneligiblePlayers(names, values, 4);
  return exitStatus(SUITE_PROGRAM);
}
