#include "shapetable.hpp"

const std::string shape[6] = {"UNKNOWN",           "CONE",    "CYLINDER",
                              "TRIANGULARPYRAMID", "UNKNOWN", "CUBOID"};

// Rather than a read past either end, a number with no entry gets the table's word for unknown.
std::string shapeName(int n) {
  if (n < 1 || n > 6) {
    return "UNKNOWN";
  }
  return shape[n - 1];
}
