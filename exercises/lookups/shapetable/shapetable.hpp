// Shape names looked up by a 1-based number in a fixed table.
#pragma once

#include <string>

// The shape names, numbers 1 to 6 at positions 0 to 5.
extern const std::string shape[6];

// A copy of the name of shape number n (1 to 6); "UNKNOWN" for any other n.
std::string shapeName(int n);
