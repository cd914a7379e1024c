#include "exitstatus.hpp"
#include "lumencalc.hpp"

#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  for (int pass = 0; pass < 2; ++pass) {
    const double distance = static_cast<double>(std::rand() % 10);
    const double brightness = static_cast<double>(std::rand() % 50);
    std::cout << "If distance is " << distance << " and  brightness is " << brightness
              << " then luminosity is:" << std::endl;
    std::cout << luminosity(distance, brightness) << std::endl;
  }
  return exitStatus(SUITE_PROGRAM);
}
