#include "menutable.hpp"

int main() {
  gameMenu(3);
  gameMenu(14);
  return 0;
}
