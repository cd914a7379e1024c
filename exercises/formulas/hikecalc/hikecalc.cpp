#include "hikecalc.hpp"

double hikingTime(double first, double second) {
  // A third is applied as a multiplier, not as a division by 3.
  const double t = 0.0005 * second + first * 0.3333333333333333;
  if (t < 0.0) {
    return first / 5.0;
  }
  return t;
}
