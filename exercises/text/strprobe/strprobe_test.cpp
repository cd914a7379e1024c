#include "console.hpp"
#include "match_count.hpp"
#include "strprobe.hpp"

#include <climits>
#include <cstddef>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

namespace {

using namespace std::string_literals; // "a\0b"s keeps its NUL characters

// n lines of "Successful loop".
std::string lines(int n) {
  std::string out;
  for (int k = 0; k < n; ++k) {
    out += "Successful loop\n";
  }
  return out;
}

// Calls getMatchCount and compares it with standardMatchCount: the result
// (the grown total, or -1 or -2), the lines written, the total and the
// stored strings.
::testing::AssertionResult agreesWithStandardCount(const std::string& pattern,
                                                   const std::string& text) {
  const int before = looped;
  const int reference = standardMatchCount(pattern, text);
  const int found = reference < 0 ? 0 : reference;
  const int expected = reference < 0 ? reference : before + found;
  CoutCapture out;
  const int result = getMatchCount(pattern, text);
  if (result == expected && looped == before + found && out.str() == lines(found) &&
      sub == pattern && str == text) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << ::testing::PrintToString(pattern) << " in " << ::testing::PrintToString(text)
         << ": returned " << result << ", expected " << expected << "; total " << looped
         << ", expected " << before + found;
}

// Every test starts as a fresh program would: no total, no stored strings.
class Strprobe : public ::testing::Test {
protected:
  void SetUp() override {
    looped = 0;
    sub.clear();
    str.clear();
  }
};

TEST_F(Strprobe, WordCountAddsSpacesAfterTheFirstCharacterToTheLength) {
  const struct {
    std::string text;
    int count;
  } cases[] = {
      {"", 0},      {" ", 1},   {" a b", 5},   {"hello", 5},
      {"a b c", 7}, {"   ", 5}, {"\0 \0"s, 4}, {"\xff \x80", 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(getWordCount(c.text), c.count) << '"' << c.text << '"';
  }
}

TEST_F(Strprobe, DigitCountCountsOnlyZeroToNine) {
  const struct {
    std::string text;
    int count;
  } cases[] = {
      {"a1b22", 3},
      {"907", 3},
      {"", 0},
      {"0123456789", 10},
      {"/:", 0},               // the neighbours of '0' and '9'
      {"\xb0\xb5\xb9\xff", 0}, // digits with the high bit set
      {"1\0"
       "2\0"s,
       2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(getDigitCount(c.text), c.count) << '"' << c.text << '"';
  }
}

TEST_F(Strprobe, LastIndexFindsTheHighestPositionTerminatorIncluded) {
  const struct {
    char c;
    std::string text;
    int index;
  } cases[] = {
      {'a', "banana", 5},
      {'q', "banana", -2},
      {'x', "", -1},
      {'\0', "", -1},
      {'\0', "abc", 3},
      {'z', "zebra", 0},
      {'\0', "a\0b"s, 3},
      {'b', "a\0b\0"s, 2},
      {'\xff', "\xff a\xff b", 3},
      {'\x80', "\x80\x7f\x80", 2},
      {'\x7f', "\xff", -2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(getLastIndex(c.c, c.text), c.index)
        << "char " << int{c.c} << " in \"" << c.text << '"';
  }
}

TEST_F(Strprobe, MatchCountReturnsTheRunningTotalAcrossCalls) {
  CoutCapture out;
  EXPECT_EQ(getMatchCount("ab", "abab"), 2);
  EXPECT_EQ(getMatchCount("ab", "abab"), 4);
  EXPECT_EQ(out.str(), lines(4));
}

TEST_F(Strprobe, RejectedCallsStoreBothStringsAndLeaveTheTotal) {
  const struct {
    std::string pattern, text;
    int result;
  } cases[] = {
      {"", "x", -1}, {"x", "", -1}, {"", "", -1}, {"abc", "ab", -2}, {"a\0\0"s, "\0\0"s, -2},
  };
  for (const auto& c : cases) {
    looped = 7;
    CoutCapture out;
    EXPECT_EQ(getMatchCount(c.pattern, c.text), c.result);
    EXPECT_EQ(looped, 7);
    EXPECT_EQ(sub, c.pattern);
    EXPECT_EQ(str, c.text);
    EXPECT_EQ(out.str(), "");
  }
}

TEST_F(Strprobe, MatchCountCountsEachOccurrenceIncludingOverlaps) {
  const struct {
    std::string pattern, text;
    int found;
  } cases[] = {
      {"abc", "xab", 0},
      {"aa", "aaa", 2},
      {"aba", "ababa", 2},
      {"a", "banana", 3},
      {"\xff\xfe", "\xff\xfe\xff\xfe\xff", 2},
      {"\0"s, "abc", 1},               // the terminator
      {"\0"s, "a\0b\0c"s, 3},          // two embedded NULs and the terminator
      {"b\0"s, "ab", 1},               // ends on the terminator
      {"b\0x"s, "aab", 0},             // would need a position past the terminator
      {"\0\0"s, "a\0"s, 1},            // the text's NUL, then the terminator
      {std::string(3, 'a'), "aaa", 1}, // the start at 1 cannot fit
  };
  for (const auto& c : cases) {
    looped = 10;
    CoutCapture out;
    EXPECT_EQ(getMatchCount(c.pattern, c.text), 10 + c.found)
        << '"' << c.pattern << "\" in \"" << c.text << '"';
    EXPECT_EQ(out.str(), lines(c.found));
  }
}

// Notes, at every flush of the stream, the running total and what was
// written since the previous flush.
class FlushLog : public std::stringbuf {
public:
  std::string log;

protected:
  int sync() override {
    log += std::to_string(looped) + ' ' + str();
    str("");
    return 0;
  }
};

TEST_F(Strprobe, EachLineIsFlushedBeforeItIsCounted) {
  // The lines are all alike; what can be seen of their order is that each one
  // reaches the console, flushed, before looped counts it.
  FlushLog flushes;
  std::streambuf* saved = std::cout.rdbuf(&flushes);
  getMatchCount("aa", "aaaa");
  std::cout.rdbuf(saved);
  EXPECT_EQ(flushes.log, "0 Successful loop\n1 Successful loop\n2 Successful loop\n");
}

// Inputs on which a search that starts over at every position costs the
// product of the two lengths, where one pass takes well under a second.
// Tests of a suite named *WorstCase run under a limit of a minute.
class StrprobeWorstCase : public Strprobe {};

TEST_F(StrprobeWorstCase, TenMillionCharacterPatternMatchesAnEqualTextOnce) {
  // A call per pattern character would also overflow the stack.
  const std::string text(10'000'000, 'a');
  CoutCapture out;
  EXPECT_EQ(getMatchCount(text, text), 1);
  EXPECT_EQ(out.str(), lines(1));
}

TEST_F(StrprobeWorstCase, LongRunNeverMatchesARunThatEndsInAnotherCharacter) {
  // Starting over at every position compares 10^12 characters for the first
  // pattern (about ten minutes as a byte loop, 18 s with memcmp) and ten
  // times as many for the second.
  const std::string text(10'000'000, 'a');
  CoutCapture out;
  EXPECT_EQ(getMatchCount(std::string(100'000, 'a') + 'b', text), 0);
  EXPECT_EQ(getMatchCount(std::string(1'000'000, 'a') + 'b', text), 0);
  EXPECT_EQ(out.str(), "");
}

TEST_F(Strprobe, CharloopReturnsOneOnlyWhenItsOwnPositionCompletesTheMatch) {
  sub = "ab";
  str = "xab";
  CoutCapture out;
  EXPECT_EQ(charloop(1, 0), 0); // matches, but through a later position
  EXPECT_EQ(charloop(2, 1), 1);
  EXPECT_EQ(charloop(0, 0), 0); // no match
  EXPECT_EQ(looped, 2);
  EXPECT_EQ(out.str(), lines(2));
}

TEST_F(Strprobe, CharloopMatchesAtZeroAndTurnsAwayARestThatCannotFit) {
  const struct {
    std::string sub, str;
    int i, result;
  } cases[] = {{"z", "zebra", 0, 1},
               {"aaa", "aaa", 2, 0},
               {"bcd", "ab", 1, 0},
               // A start before the string, where the rest's end would wrap
               // around: nothing before the string may be read (often a NUL).
               {"\0a"s, "ab", -1, 0}};
  for (const auto& c : cases) {
    sub = c.sub;
    str = c.str;
    looped = 0;
    CoutCapture out;
    EXPECT_EQ(charloop(c.i, 0), c.result) << c.sub << " at " << c.i << " in " << c.str;
    EXPECT_EQ(out.str(), lines(c.result));
  }
}

TEST_F(Strprobe, CharloopTurnsAwayPositionsOutsideTheStrings) {
  str = "ab";
  sub = "";
  // An empty sub matches nowhere, not even the terminator.
  EXPECT_EQ(charloop(0, 0), 0);
  EXPECT_EQ(charloop(2, 0), 0);
  sub = "\0"s;
  const struct {
    int i, j;
  } cases[] = {{-1, 0}, {3, 0}, {INT_MIN, 0}, {INT_MAX, 0}, {2, -1}, {2, 1}, {2, INT_MAX}};
  CoutCapture out;
  for (const auto& c : cases) {
    EXPECT_EQ(charloop(c.i, c.j), 0) << c.i << ", " << c.j;
  }
  EXPECT_EQ(charloop(2, 0), 1); // the one valid call: NUL at the terminator
  EXPECT_EQ(out.str(), lines(1));
}

TEST_F(Strprobe, TotalStopsAtTheLargestInt) {
  looped = INT_MAX;
  CoutCapture out;
  EXPECT_EQ(getMatchCount("a", "a"), INT_MAX);
  EXPECT_EQ(out.str(), lines(1));
}

TEST_F(Strprobe, MatchCountAgreesWithAFindLoopWhereAMatchFallsBackToABorder) {
  // Partial matches that fail and go on from a shorter border, down to and
  // from a one-character one (aa of aab fails in aaab and goes on from a).
  const struct {
    std::string pattern, text;
  } cases[] = {{"aab", "aaab"}, {"abac", "ababac"}, {"aabaaab", "aabaabaaabaaab"}};
  for (const auto& c : cases) {
    EXPECT_TRUE(agreesWithStandardCount(c.pattern, c.text));
  }
}

TEST_F(Strprobe, MatchCountAgreesWithAFindLoopOnRandomStrings) {
  // A fixed seed keeps failures reproducible.
  std::mt19937 gen(20261208);
  std::uniform_int_distribution<int> len(0, 6), pick(0, 2);
  const char alphabet[] = {'a', 'b', '\0'};
  auto draw = [&] {
    std::string s(static_cast<std::size_t>(len(gen)), ' ');
    for (char& ch : s) {
      ch = alphabet[pick(gen)];
    }
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string pattern = draw(), text = draw();
    ASSERT_TRUE(agreesWithStandardCount(pattern, text));
  }
}

TEST_F(Strprobe, MatchCountAgreesWithAFindLoopOnPeriodicStrings) {
  // Texts that repeat a short word, now and then with one character changed,
  // and patterns cut from the same repetition at any offset, some with their
  // last character changed or a NUL added: runs of one character, patterns
  // that are their own prefix (aabaa, abab), partial matches that must fall
  // back to a shorter one, and occurrences that end on the terminator.
  std::mt19937 gen(20261211);
  std::uniform_int_distribution<int> wordLen(1, 3), textLen(1, 40), patternLen(1, 12), pick(0, 2),
      coin(0, 3);
  const char alphabet[] = {'a', 'b', '\0'};
  auto repeat = [](const std::string& word, std::size_t from, int n) {
    std::string s;
    for (std::size_t k = from; s.size() < static_cast<std::size_t>(n); ++k) {
      s += word[k % word.size()];
    }
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    std::string word(static_cast<std::size_t>(wordLen(gen)), ' ');
    for (char& ch : word) {
      ch = alphabet[pick(gen)];
    }
    std::string text = repeat(word, 0, textLen(gen));
    std::string pattern = repeat(word, static_cast<std::size_t>(pick(gen)), patternLen(gen));
    if (coin(gen) == 0) {
      text[gen() % text.size()] = alphabet[pick(gen)];
    }
    if (coin(gen) == 0) {
      pattern.back() = alphabet[pick(gen)];
    }
    if (coin(gen) == 0) {
      pattern += '\0';
    }
    ASSERT_TRUE(agreesWithStandardCount(pattern, text));
  }
}

TEST_F(Strprobe, LastIndexAgreesWithAScanFromTheStartOnRandomStrings) {
  // The reference visits every position from 0 to the length, the terminator
  // included, and keeps the last match. Bytes with the high bit set check
  // that the search compares all eight bits.
  std::mt19937 gen(20261209);
  std::uniform_int_distribution<int> len(0, 40), pick(0, 3), pickSought(0, 4);
  // The texts' bytes, and 'b', which never occurs.
  const char alphabet[] = {'a', ' ', '\0', '\xff', 'b'};
  for (int round = 0; round < 3000; ++round) {
    std::string text(static_cast<std::size_t>(len(gen)), ' ');
    for (char& ch : text) {
      ch = alphabet[pick(gen)];
    }
    const char c = alphabet[pickSought(gen)];
    int expected = text.empty() ? -1 : -2;
    for (std::size_t i = 0; !text.empty() && i <= text.size(); ++i) {
      if (text.c_str()[i] == c) {
        expected = static_cast<int>(i);
      }
    }
    ASSERT_EQ(getLastIndex(c, text), expected)
        << "char " << int{c} << " in " << ::testing::PrintToString(text);
  }
}

TEST_F(Strprobe, MatchCountAgreesWithAFindLoopOnLongTextsWithHighBytes) {
  // Longer texts than the test above, where a pattern's first character
  // comes up many times, with a byte whose high bit is set among them.
  std::mt19937 gen(20261210);
  std::uniform_int_distribution<int> len(1, 60), patternLen(1, 3), pick(0, 2);
  const char alphabet[] = {'\xff', 'a', '\0'};
  for (int round = 0; round < 2000; ++round) {
    std::string text(static_cast<std::size_t>(len(gen)), ' ');
    std::string pattern(static_cast<std::size_t>(patternLen(gen)), ' ');
    for (char& ch : text) {
      ch = alphabet[pick(gen)];
    }
    for (char& ch : pattern) {
      ch = alphabet[pick(gen)];
    }
    looped = 0;
    ASSERT_TRUE(agreesWithStandardCount(pattern, text));
  }
}

} // namespace
