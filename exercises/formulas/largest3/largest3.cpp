#include "largest3.hpp"

#include <cmath>

double largestNumber(double a, double b, double c) {
  if (a > b && a > c) {
    return a;
  }
  if (b > a && b > c) {
    return b;
  }
  if (c > a && c > b) {
    return c;
  }
  // No argument is strictly the largest: either one is a NaN, which is passed
  // on, or the largest value is shared, which is returned.
  if (std::isnan(a)) {
    return a;
  }
  if (std::isnan(b)) {
    return b;
  }
  if (std::isnan(c)) {
    return c;
  }
  return a >= b ? (a >= c ? a : c) : (b >= c ? b : c);
}
