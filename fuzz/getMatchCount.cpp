// getMatchCount and charloop on any pattern and text. The input up to its
// first newline is the pattern, the rest the text. After the search, charloop
// is called directly at every start in and around the text, with positions
// in the pattern in and out of range.
#include "console.hpp"
#include "fuzz_check.hpp"
#include "match_count.hpp"
#include "strprobe.hpp"

#include <climits>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view line = "Successful loop\n";

// Whether out holds exactly n lines "Successful loop" and nothing else.
bool successLines(const std::string& out, std::size_t n) {
  if (out.size() != n * line.size()) {
    return false;
  }
  for (std::size_t at = 0; at < out.size(); at += line.size()) {
    if (std::string_view(out).substr(at, line.size()) != line) {
      return false;
    }
  }
  return true;
}

// Keeps the running total far from the largest int, where it stops growing,
// however many runs the fuzzer makes in one process.
void keepTotalSmall() {
  if (looped > INT_MAX / 2) {
    looped = 0;
  }
}

void checkSearch(const std::string& pattern, const std::string& text) {
  keepTotalSmall();
  const int before = looped;
  CoutCapture out;
  const int result = getMatchCount(pattern, text);

  require(sub == pattern && str == text, "getMatchCount stores its pattern and text");
  if (pattern.empty() || text.empty()) {
    require(result == -1, "getMatchCount gives -1 for an empty pattern or text");
  } else if (text.size() < pattern.size()) {
    require(result == -2, "getMatchCount gives -2 for a text shorter than the pattern");
  } else {
    require(result == looped, "getMatchCount returns the running total");
    require(looped - before == standardMatchCount(pattern, text),
            "getMatchCount finds every occurrence, overlapping ones too");
  }
  if (result < 0) {
    require(looped == before, "a rejected getMatchCount leaves the total alone");
  }
  require(successLines(out.str(), static_cast<std::size_t>(looped - before)),
          "the total grows by exactly the number of lines written");
}

// One direct call of charloop(i, j) on the stored sub and str; padded is str
// followed by its terminating NUL. Gives the number of matches it counted.
int checkStep(int i, int j, const std::string& padded) {
  keepTotalSmall();
  const int before = looped;
  const int result = charloop(i, j);

  bool match = false;
  const std::size_t k = sub.size();
  if (k > 0 && i >= 0 && j >= 0 && static_cast<std::size_t>(i) < padded.size() &&
      static_cast<std::size_t>(j) < k) {
    const auto at = static_cast<std::size_t>(i);
    const auto from = static_cast<std::size_t>(j);
    const auto rest = k - from;
    match = at + rest <= padded.size() && padded.compare(at, rest, sub, from, rest) == 0;
  }
  require(looped - before == (match ? 1 : 0), "charloop counts one full match, else nothing");
  require(result == (match && static_cast<std::size_t>(j) + 1 == k ? 1 : 0),
          "charloop gives 1 only when the last pattern character completed the match");
  return match ? 1 : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = asText(data, size);
  const auto cut = input.find('\n');
  const std::string pattern = input.substr(0, cut);
  const std::string text = cut == std::string::npos ? std::string() : input.substr(cut + 1);
  checkSearch(pattern, text);

  // Direct calls, outside getMatchCount's guards: every start from just
  // before the text to past its terminator, and the extremes of int, each
  // at the first, a middle and the last pattern position and just outside.
  const int last = static_cast<int>(sub.size()) - 1;
  const std::vector<int> js{INT_MIN, -1, 0, last / 2, last, last + 1, INT_MAX};
  std::vector<int> is{INT_MIN, INT_MAX};
  // A full sweep costs the product of the two lengths; long inputs get the
  // positions near both ends only.
  const int n = static_cast<int>(str.size());
  for (int i = -2; i <= n + 2; ++i) {
    if (str.size() * (sub.size() + 1) <= 65536 || i < 8 || i > n - 8) {
      is.push_back(i);
    }
  }
  const std::string padded = str + '\0';
  std::size_t matches = 0;
  CoutCapture out;
  for (const int j : js) {
    for (const int i : is) {
      matches += static_cast<std::size_t>(checkStep(i, j, padded));
    }
  }
  require(successLines(out.str(), matches), "charloop writes one line per full match");
  return 0;
}
