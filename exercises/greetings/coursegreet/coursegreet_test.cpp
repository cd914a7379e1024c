#include "cases.hpp"
#include "console.hpp"
#include "coursegreet.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

// Every test starts with no course number and the generator at its default
// sequence (seed 1, the same as never seeding), so the draws are known.
class Coursegreet : public ::testing::Test {
protected:
  void SetUp() override {
    a = 0;
    std::srand(1);
  }
};

TEST_F(Coursegreet, FugFollowsTheDefaultSequenceOneDrawPerCall) {
  const int indices[] = {1, 4, 3, 1, 5, 1, 4, 0, 3, 1, 2};
  for (const int i : indices) {
    EXPECT_EQ(fug(), phrases[i]);
  }
}

TEST_F(Coursegreet, PhrasesAreTheSixTextsInDrawOrder) {
  EXPECT_EQ(phrases[0], "AAAAAHHHH");
  EXPECT_EQ(phrases[1], "MAKE IT END");
  EXPECT_EQ(phrases[2], "STOP");
  EXPECT_EQ(phrases[3], "KILL ME");
  EXPECT_EQ(phrases[4], "Do you think god stays in heaven because he too fears what he created?");
  EXPECT_EQ(phrases[5], "I WANT TO DIE");
}

TEST_F(Coursegreet, PrintsOneNumberedLinePerCourse) {
  a = 4;
  CoutCapture out;
  sheeeeeiiiittt();
  EXPECT_EQ(out.str(), "1 MAKE IT END\n"
                       "2 Do you think god stays in heaven because he too fears what he created?\n"
                       "3 KILL ME\n"
                       "4 MAKE IT END\n");
}

class CountOfOneOrLess : public Coursegreet, public ::testing::WithParamInterface<int> {};

TEST_P(CountOfOneOrLess, StillPrintsOneLineNumberedOne) {
  a = GetParam();
  CoutCapture out;
  sheeeeeiiiittt();
  EXPECT_EQ(out.str(), "1 MAKE IT END\n");
}
INSTANTIATE_TEST_SUITE_P(Coursegreet, CountOfOneOrLess,
                         ::testing::Values(1, 0, -1, -2147483647 - 1), ByNumber{"Count"});

} // namespace
