#include "exitstatus.hpp"
#include "starstrip.hpp"

#include <iostream>
#include <string>

int main() {
  const std::string text = "etwr3**23dbsh*";
  std::cout << removeStars(text);
  return exitStatus(SUITE_PROGRAM);
}
