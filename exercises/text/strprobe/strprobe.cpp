#include "strprobe.hpp"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <utility>
#include <vector>

std::string sub;
std::string str;
int looped;

namespace {

bool inScan(int i, const std::string& text) {
  return i >= 0 && static_cast<std::size_t>(i) <= text.size();
}

// At the length this is the terminating NUL.
char at(const std::string& text, int i) { return text[static_cast<std::size_t>(i)]; }

// The total stays at the largest int rather than overflowing.
void countMatch() {
  std::cout << "Successful loop" << std::endl;
  if (looped < INT_MAX) {
    ++looped;
  }
}

// For each k, the length of the longest proper prefix of pattern[0..k] that is also its suffix.
std::vector<std::uint32_t> borders(const std::string& pattern) {
  std::vector<std::uint32_t> border(pattern.size(), 0);
  std::size_t b = 0;
  for (std::size_t k = 1; k < pattern.size(); ++k) {
    while (b > 0 && pattern[k] != pattern[b]) {
      b = border[b - 1];
    }
    if (pattern[k] == pattern[b]) {
      ++b;
    }
    border[k] = static_cast<std::uint32_t>(b);
  }
  return border;
}

} // namespace

int getWordCount(std::string text) {
  int count = 0;
  for (int i = 1; static_cast<std::size_t>(i) <= text.size(); ++i) {
    if (at(text, i) == ' ') {
      ++count;
    }
  }
  // Summed wide, then narrowed: a sum past int wraps instead of overflowing.
  return static_cast<int>(static_cast<long long>(count) + static_cast<long long>(text.size()));
}

int getDigitCount(std::string text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

int getLastIndex(char c, std::string text) {
  if (text.empty()) {
    return -1;
  }
  if (c == '\0') {
    return static_cast<int>(text.size());
  }
  const void* found = memrchr(text.data(), c, text.size());
  return found == nullptr ? -2 : static_cast<int>(static_cast<const char*>(found) - text.data());
}

int getMatchCount(std::string pattern, std::string text) {
  sub = std::move(pattern);
  str = std::move(text);
  if (sub.empty() || str.empty()) {
    return -1;
  }
  if (str.size() < sub.size()) {
    return -2;
  }
  // Falling back to a border, never stepping back in the text, keeps a pass linear in both lengths.
  const std::vector<std::uint32_t> border = borders(sub);
  const std::size_t last = sub.size() - 1;
  const char* const chars = str.c_str();
  const std::size_t scanned = str.size() + 1;
  std::size_t matched = 0;
  for (std::size_t t = 0; t < scanned; ++t) {
    if (matched == 0) {
      const void* hit = std::memchr(chars + t, sub[0], scanned - t);
      if (hit == nullptr) {
        break;
      }
      t = static_cast<std::size_t>(static_cast<const char*>(hit) - chars);
    } else {
      while (matched > 0 && chars[t] != sub[matched]) {
        matched = border[matched - 1];
      }
      if (matched == 0 && chars[t] != sub[0]) {
        continue;
      }
    }
    if (matched == last) {
      countMatch();
      matched = border[last];
    } else {
      ++matched;
    }
  }
  return looped;
}

// A loop, not a call per character, so that a pattern of millions of characters needs no stack.
int charloop(int i, int j) {
  if (sub.empty() || !inScan(i, str)) {
    return 0;
  }
  const std::size_t last = sub.size() - 1;
  // A negative j turns into a huge size here and is turned away as well.
  if (static_cast<std::size_t>(j) > last) {
    return 0;
  }
  std::size_t t = static_cast<std::size_t>(i);
  std::size_t p = static_cast<std::size_t>(j);
  // A match that would end past the terminator could only fail later: no read goes there.
  if (t + (last - p) > str.size()) {
    return 0;
  }
  for (; str[t] == sub[p]; ++t, ++p) {
    if (p == last) {
      countMatch();
      return p == static_cast<std::size_t>(j) ? 1 : 0;
    }
  }
  return 0;
}
