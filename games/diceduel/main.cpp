#include "diceduel.hpp"

int main() {
  game();
  return 0;
}
