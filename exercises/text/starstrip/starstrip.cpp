#include "starstrip.hpp"

#include <cstddef>

// The kept characters move to the front of the text itself, which never
// overtakes the scan; the text is then cut to them and handed back, moved,
// so no byte is copied beyond the argument. The store happens for every
// character and only the count depends on it, so the loop runs at the same
// speed whatever the mix of asterisks.
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
