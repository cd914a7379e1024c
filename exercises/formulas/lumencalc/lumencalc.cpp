#include "lumencalc.hpp"

#include <climits>
#include <cmath>

namespace {

const double fourPi = 12.566370614359172;

} // namespace

int luminosity(double distance, double brightness) {
  const double t = distance * fourPi;
  const double s = std::pow(brightness, 2.0);
  const double r = s * t;
  // Converting a NaN or a value beyond int's range would be undefined behaviour.
  if (std::isnan(r)) {
    return 0;
  }
  if (r >= 2147483648.0) {
    return INT_MAX;
  }
  if (r <= -2147483649.0) {
    return INT_MIN;
  }
  return static_cast<int>(r);
}
