// getLastIndex on any character and text. The first byte of the input is the
// character sought, the rest is the text.
#include "console.hpp"
#include "fuzz_check.hpp"
#include "strprobe.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const char c = static_cast<char>(data[0]);
  const std::string text = asText(data + 1, size - 1);
  CoutCapture out;
  const int result = getLastIndex(c, text);

  int expected = 0;
  if (text.empty()) {
    expected = -1;
  } else if (c == '\0') {
    // The terminator at position length is the last NUL of every text.
    expected = static_cast<int>(text.size());
  } else {
    const auto found = text.rfind(c);
    expected = found == std::string::npos ? -2 : static_cast<int>(found);
  }
  require(result == expected, "getLastIndex gives the highest position of c, -2 or -1");
  require(out.str().empty(), "getLastIndex writes nothing");
  return 0;
}
