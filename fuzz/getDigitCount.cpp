// getDigitCount on any text: the number of bytes '0' to '9', whatever else
// the text holds (bytes above 127, NUL), and nothing written to the console.
#include "console.hpp"
#include "fuzz_check.hpp"
#include "strprobe.hpp"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = asText(data, size);
  CoutCapture out;
  const int result = getDigitCount(text);

  constexpr std::string_view digits = "0123456789";
  int expected = 0;
  for (const char c : text) {
    expected += digits.find(c) != std::string_view::npos ? 1 : 0;
  }
  require(result == expected, "getDigitCount counts the bytes '0' to '9'");
  require(out.str().empty(), "getDigitCount writes nothing");
  return 0;
}
