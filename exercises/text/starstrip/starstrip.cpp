#include "starstrip.hpp"

#include <cstddef>

// The kept characters are moved to the front of a working copy, which never
// overtakes the scan; the result is that front part.
std::string removeStars(std::string text) {
  std::string work = text;
  int kept = 0;
  for (int i = 0; static_cast<std::size_t>(i) < text.size(); ++i) {
    const char c = text[static_cast<std::size_t>(i)];
    if (c != '*') {
      work[static_cast<std::size_t>(kept)] = c;
      ++kept;
    }
  }
  return work.substr(0, static_cast<std::size_t>(kept));
}
