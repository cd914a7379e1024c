#include "oddsumfile.hpp"

int main() {
  int values[4] = {1, 2, 2, 3};
  sumOfPositiveOdd("a.txt", values, 4);
  return 0;
}
