#include "starstrip.hpp"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace std::string_literals; // "a\0b"s keeps its NUL characters

TEST(Starstrip, RemovesEveryAsteriskAndKeepsTheRestInOrder) {
  const struct {
    std::string text, stripped;
  } cases[] = {
      {"", ""},
      {"***", ""},
      {"abc", "abc"},
      {"**a*b**", "ab"},
      {"etwr3**23dbsh*", "etwr323dbsh"},
      {"a\0*\xff**\0"s, "a\0\xff\0"s},
      {"\xaa*\x2a\xaa", "\xaa\xaa"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(removeStars(c.text), c.stripped) << '"' << c.text << '"';
  }
}

} // namespace
