#include "exitstatus.hpp"
#include "starstrip.hpp"

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  const std::string text = "etwr3**23dbsh*";
  std::cout << removeStars(text);
  return exitStatus(SUITE_PROGRAM);
}
