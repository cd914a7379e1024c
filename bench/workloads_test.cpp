#include "console.hpp"
#include "peaksmooth.hpp"
#include "primetally.hpp"
#include "starstrip.hpp"
#include "strprobe.hpp"
#include "sumcheck.hpp"
#include "workloads.hpp"

#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals; // "a\0b"s keeps its NUL characters

// Short texts over a few bytes that the functions treat specially (space,
// digits, NUL, '*', bytes with the high bit set), so that matches, overlaps
// and terminator cases come up often.
std::string drawText(std::mt19937& draws, std::size_t maxLength) {
  static const std::string bytes = "ab 09*\0\xff\xb0"s;
  std::string text(draws() % (maxLength + 1), ' ');
  for (char& c : text) {
    c = bytes[draws() % bytes.size()];
  }
  return text;
}

// getMatchCount's result for one call on a fresh program, its lines silenced.
int freshMatchCount(const std::string& pattern, const std::string& text) {
  looped = 0;
  CoutCapture out;
  return getMatchCount(pattern, text);
}

TEST(Workloads, BenchTextNeverHoldsTheSoughtByteOrPattern) {
  const std::string text = benchText(1 << 20);
  EXPECT_EQ(text.find(absentByte), std::string::npos);
  EXPECT_EQ(text.find(absentPattern), std::string::npos);
  // The matcher must get going: the pattern's start occurs often.
  EXPECT_GT(text.find(absentPattern.substr(0, 2)), 0U);
  EXPECT_NE(text.find(absentPattern.substr(0, 2)), std::string::npos);
  for (const char c : {' ', '*', '0', '9'}) {
    EXPECT_NE(text.find(c), std::string::npos) << c;
  }
  EXPECT_EQ(benchText(1000), text.substr(0, 1000));
}

TEST(Workloads, BenchIntsStayWhereTheirSumsFitAnInt) {
  const auto values = benchInts(1 << 16);
  for (const int v : values) {
    ASSERT_GE(v, -100);
    ASSERT_LE(v, 100);
  }
  EXPECT_EQ(benchInts(10), std::vector<int>(values.begin(), values.begin() + 10));
}

TEST(Workloads, StandardTextJobsAgreeWithTheFunctionsOnBenchData) {
  for (const std::size_t length : {1U, 2U, 1024U, 65536U}) {
    const std::string text = benchText(length);
    EXPECT_EQ(standardWordCount(text), getWordCount(text)) << length;
    EXPECT_EQ(standardDigitCount(text), getDigitCount(text)) << length;
    EXPECT_EQ(standardLastIndex(absentByte, text), getLastIndex(absentByte, text)) << length;
    EXPECT_EQ(standardLastIndex('e', text), getLastIndex('e', text)) << length;
    EXPECT_EQ(standardMatchCount(absentPattern, text), freshMatchCount(absentPattern, text));
    EXPECT_EQ(standardMatchCount("e ", text), freshMatchCount("e ", text)) << length;
    EXPECT_EQ(memmemMatchCount(absentPattern, text), freshMatchCount(absentPattern, text));
    EXPECT_EQ(memmemMatchCount("e ", text), freshMatchCount("e ", text)) << length;
    EXPECT_EQ(standardRemoveStars(text), removeStars(text)) << length;
  }
}

TEST(Workloads, StandardTextJobsAgreeWithTheFunctionsOnAwkwardText) {
  std::mt19937 draws(7);
  for (int k = 0; k < 3000; ++k) {
    const std::string text = drawText(draws, 12);
    const std::string pattern = drawText(draws, 3);
    const char c = "a \0*\xff"[k % 5];
    EXPECT_EQ(standardWordCount(text), getWordCount(text)) << testing::PrintToString(text);
    EXPECT_EQ(standardDigitCount(text), getDigitCount(text)) << testing::PrintToString(text);
    EXPECT_EQ(standardLastIndex(c, text), getLastIndex(c, text))
        << int{c} << " in " << testing::PrintToString(text);
    const int matches = freshMatchCount(pattern, text);
    EXPECT_EQ(standardMatchCount(pattern, text), matches)
        << testing::PrintToString(pattern) << " in " << testing::PrintToString(text);
    EXPECT_EQ(memmemMatchCount(pattern, text), matches)
        << testing::PrintToString(pattern) << " in " << testing::PrintToString(text);
    EXPECT_EQ(standardRemoveStars(text), removeStars(text)) << testing::PrintToString(text);
  }
}

TEST(Workloads, MemmemLoopAgreesOnRunsOfOneCharacter) {
  // The inputs of the worst-case benchmarks, small: every start matches, or
  // every start matches all but the last character.
  const std::string text(1000, 'a');
  const struct {
    std::string pattern;
    int count;
  } cases[] = {
      {std::string(10, 'a'), 991},      {std::string(9, 'a') + 'b', 0}, {std::string(1000, 'a'), 1},
      {std::string(999, 'a') + 'b', 0}, {std::string(1001, 'a'), -2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(memmemMatchCount(c.pattern, text), c.count) << c.pattern.size();
    EXPECT_EQ(freshMatchCount(c.pattern, text), c.count) << c.pattern.size();
  }
}

// The array jobs on the given values: replaceNums and its counterpart must
// leave equal arrays, check and isPrime must return equal results.
void expectArrayJobsAgree(std::vector<int> values) {
  const int n = static_cast<int>(values.size());
  const std::string shown = testing::PrintToString(values);
  EXPECT_EQ(standardCheck(values.data(), n), check(values.data(), n)) << shown;
  EXPECT_EQ(standardIsPrime(values.data(), n), isPrime(values.data(), n)) << shown;
  std::vector<int> smoothed = values;
  replaceNums(smoothed.data(), n);
  standardReplaceNums(values.data(), n);
  EXPECT_EQ(values, smoothed) << shown;
}

TEST(Workloads, StandardArrayJobsAgreeWithTheFunctions) {
  expectArrayJobsAgree(benchInts(65536));
  expectArrayJobsAgree({});
  expectArrayJobsAgree({2});
  expectArrayJobsAgree({5, 1});
  expectArrayJobsAgree({INT_MIN, INT_MAX, -1, 0, 1, 2, 3, 4, 6, 12, 60, 720720, INT_MAX - 1});
  // Short arrays of small values: peaks, plateaus, 2s and negatives.
  std::mt19937 draws(11);
  for (int k = 0; k < 2000; ++k) {
    std::vector<int> values(draws() % 7);
    for (int& v : values) {
      v = static_cast<int>(draws() % 9) - 3;
    }
    expectArrayJobsAgree(values);
  }
}

TEST(Workloads, ArrayJobsGivenANegativeCountAgree) {
  int values[] = {2, -1};
  EXPECT_EQ(standardCheck(values, -3), check(values, -3));
  EXPECT_EQ(standardIsPrime(values, -3), isPrime(values, -3));
  standardReplaceNums(values, -3);
  replaceNums(values, -3);
  EXPECT_EQ(values[0], 2);
  EXPECT_EQ(values[1], -1);
}

} // namespace
