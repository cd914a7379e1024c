#include "workloads.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string_view>

namespace {

// A small, fast generator with a fixed seed (splitmix64): the data must be
// the same on every run and cheap to make at 64 MiB.
class Draws {
public:
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15U);
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9U;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebU;
    return z ^ (z >> 31U);
  }

private:
  std::uint64_t state_ = 20240601;
};

} // namespace

std::string benchText(std::size_t length) {
  static constexpr std::string_view alphabet = "abcdefghijklmnopqrstuvwxyz0123456789 .,*";
  static_assert(alphabet.find(absentByte) == std::string_view::npos);
  std::string text(length, ' ');
  Draws draws;
  for (char& c : text) {
    // The remainder is below alphabet.size(), so it fits a 32-bit size_t.
    c = alphabet[static_cast<std::size_t>(draws.next() % alphabet.size())];
  }
  return text;
}

std::vector<int> benchInts(std::size_t count) {
  std::vector<int> values(count);
  Draws draws;
  for (int& v : values) {
    v = static_cast<int>(draws.next() % 201) - 100;
  }
  return values;
}

int standardWordCount(const std::string& text) {
  if (text.empty()) {
    return 0;
  }
  const auto spaces = std::count(text.begin() + 1, text.end(), ' ');
  return static_cast<int>(static_cast<long long>(spaces) + static_cast<long long>(text.size()));
}

int standardDigitCount(const std::string& text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

int standardLastIndex(char c, const std::string& text) {
  if (text.empty()) {
    return -1;
  }
  if (c == '\0') {
    return static_cast<int>(text.size());
  }
  const void* found = memrchr(text.data(), c, text.size());
  return found == nullptr ? -2 : static_cast<int>(static_cast<const char*>(found) - text.data());
}

int memmemMatchCount(const std::string& pattern, const std::string& text) {
  if (pattern.empty() || text.empty()) {
    return -1;
  }
  if (text.size() < pattern.size()) {
    return -2;
  }
  const char* const scanned = text.c_str();
  const char* const end = scanned + text.size() + 1;
  int count = 0;
  for (const char* at = scanned;; ++at) {
    at = static_cast<const char*>(
        memmem(at, static_cast<std::size_t>(end - at), pattern.data(), pattern.size()));
    if (at == nullptr) {
      return count;
    }
    ++count;
  }
}

std::string standardRemoveStars(const std::string& text) {
  std::string kept(text.size(), '\0');
  kept.erase(std::remove_copy(text.begin(), text.end(), kept.begin(), '*'), kept.end());
  return kept;
}

void standardReplaceNums(int* values, int n) {
  if (n <= 0) {
    return;
  }
  const std::vector<int> before(values, values + n);
  for (int i = 1; i < n - 1; ++i) {
    const auto at = static_cast<std::size_t>(i);
    values[i] = std::max({before[at - 1], before[at], before[at + 1]});
  }
}

int standardCheck(const int* values, int n) {
  return n <= 0 ? 0 : static_cast<int>(std::accumulate(values, values + n, 0LL));
}

int standardIsPrime(const int* values, int n) {
  if (n < 0) {
    return n;
  }
  return std::accumulate(values, values + n, 0,
                         [](int result, int v) { return result + (v < 0) + 2 * (v == 2); });
}
