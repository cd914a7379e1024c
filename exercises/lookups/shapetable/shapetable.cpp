#include "shapetable.hpp"

const std::string shape[6] = {"UNKNOWN",           "CONE",    "CYLINDER",
                              "TRIANGULARPYRAMID", "UNKNOWN", "CUBOID"};

// A number with no table entry gets the table's own word for an unknown shape
// rather than reading past either end.
std::string shapeName(int n) {
  if (n < 1 || n > 6) {
    return "UNKNOWN";
  }
  return shape[n - 1];
}
