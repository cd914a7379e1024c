// removeStars on any text: every '*' goes, every other byte stays, in order.
#include "console.hpp"
#include "fuzz_check.hpp"
#include "starstrip.hpp"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = asText(data, size);
  CoutCapture out;
  const std::string result = removeStars(text);

  require(result.find('*') == std::string::npos, "removeStars leaves no '*'");
  const auto stars = static_cast<std::size_t>(std::count(text.begin(), text.end(), '*'));
  require(result.size() == text.size() - stars, "removeStars drops only the '*' bytes");
  // Walk the text, skipping stars: each other byte must be the next one of
  // the result.
  std::size_t next = 0;
  for (const char c : text) {
    if (c != '*') {
      require(result[next] == c, "removeStars keeps the other bytes in their order");
      ++next;
    }
  }
  require(out.str().empty(), "removeStars writes nothing");
  return 0;
}
