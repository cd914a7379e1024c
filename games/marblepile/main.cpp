#include "marblepile.hpp"

int main() {
  marbleRun(11, true, true);
  return 0;
}
