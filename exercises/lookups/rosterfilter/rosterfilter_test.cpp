#include "console.hpp"
#include "rosterfilter.hpp"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(Rosterfilter, LeavesOutValuesOfExactlyFourAndSix) {
  std::string names[5] = {"Four", "JustAbove", "Five", "JustBelow", "Six"};
  float values[5] = {4.0f, 4.000001f, 5.0f, 5.999999f, 6.0f};
  CoutCapture out;
  printIneligiblePlayers(names, values, 5);
  EXPECT_EQ(out.str(), "JustAbove 4\nFive 5\nJustBelow 6\n");
}

TEST(Rosterfilter, KeepsRosterOrderAndPrintsShortestFloatForm) {
  std::string names[4] = {"Zoe", "Al", "Low", "Mo"};
  float values[4] = {5.25f, 4.5f, 3.0f, 4.123456789f};
  CoutCapture out;
  printIneligiblePlayers(names, values, 4);
  EXPECT_EQ(out.str(), "Zoe 5.25\nAl 4.5\nMo 4.12346\n");
}

TEST(Rosterfilter, WritesNothingForAnEmptyOrNegativeCount) {
  std::string names[1] = {"Solo"};
  float values[1] = {5.0f};
  CoutCapture out;
  printIneligiblePlayers(names, values, 0);
  printIneligiblePlayers(names, values, -1);
  EXPECT_EQ(out.str(), "");
}

} // namespace
