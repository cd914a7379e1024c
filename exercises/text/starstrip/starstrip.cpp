#include "starstrip.hpp"

#include <cstddef>

// In place and handed back moved, so that no byte is copied beyond the argument; every character
// is stored and only the count depends on it, so any mix of asterisks runs at the same speed.
std::string removeStars(std::string text) {
  int kept = 0;
  for (int i = 0; static_cast<std::size_t>(i) < text.size(); ++i) {
    const char c = text[static_cast<std::size_t>(i)];
    text[static_cast<std::size_t>(kept)] = c;
    kept += c != '*' ? 1 : 0;
  }
  text.resize(static_cast<std::size_t>(kept));
  return text;
}
