// getWordCount on any text: the length plus the spaces after the first
// character, and nothing written to the console.
#include "console.hpp"
#include "fuzz_check.hpp"
#include "strprobe.hpp"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = asText(data, size);
  CoutCapture out;
  const int result = getWordCount(text);

  // Every space counts except one in front; the terminator is never a space.
  const auto spaces = std::count(text.begin(), text.end(), ' ');
  const bool leading = !text.empty() && text.front() == ' ';
  require(result == static_cast<int>(text.size()) + static_cast<int>(spaces) - (leading ? 1 : 0),
          "getWordCount is the length plus the spaces after position 0");
  require(out.str().empty(), "getWordCount writes nothing");
  return 0;
}
