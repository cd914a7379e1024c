// The count that getMatchCount must give, worked out another way: the unit
// tests, the fuzz target and the benchmarks all check against this one.
#pragma once

#include <string>
#include <string_view>

// getMatchCount's result for one call on a fresh program: the occurrences of
// pattern in text, overlapping ones included, found with std::string_view's
// find over the text and its terminator (a pattern may end on the NUL there,
// never run past it); -1 when either is empty, -2 when the text is the
// shorter.
inline int standardMatchCount(const std::string& pattern, const std::string& text) {
  if (pattern.empty() || text.empty()) {
    return -1;
  }
  if (text.size() < pattern.size()) {
    return -2;
  }
  const std::string_view scanned(text.c_str(), text.size() + 1);
  int count = 0;
  for (auto at = scanned.find(pattern); at != std::string_view::npos;
       at = scanned.find(pattern, at + 1)) {
    ++count;
  }
  return count;
}
