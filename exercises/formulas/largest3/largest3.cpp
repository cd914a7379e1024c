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
  // None is strictly the largest: a NaN is passed on, else the shared largest value.
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
