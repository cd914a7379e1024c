#include "cases.hpp"
#include "console.hpp"
#include "tallyshow.hpp"

#include <gtest/gtest.h>
#include <iostream>
#include <string>

namespace {

struct Shown {
  std::string name;
  double total;
  int count;
  std::string line;
};

class DisplayLine : public ::testing::TestWithParam<Shown> {};

TEST_P(DisplayLine, ShowsTheCountAndTheTotalToTwoDecimals) {
  CoutCapture out;
  display(GetParam().total, GetParam().count);
  EXPECT_EQ(out.str(), GetParam().line);
}
INSTANTIATE_TEST_SUITE_P(
    Tallyshow, DisplayLine,
    ::testing::Values(Shown{"Nothing", 0.0, 0, "0 $0.00\n"}, Shown{"OneItem", 1.95, 1, "1 $1.95\n"},
                      Shown{"TwoItems", 1.95 + 0.95, 2, "2 $2.90\n"},
                      Shown{"RoundsToCents", 12345.678, 1000000, "1000000 $12345.68\n"},
                      Shown{"Negative", -0.5, -3, "-3 $-0.50\n"}),
    ByName());

TEST(Tallyshow, FixedNotationStaysSetAfterDisplayButOnlyWithinTheCapture) {
  {
    CoutCapture out;
    display(1.0, 1);
    std::cout << 2.5 << ' ' << 7 << std::endl;
    EXPECT_EQ(out.str(), "1 $1.00\n2.50 7\n");
  }
  CoutCapture out;
  std::cout << 2.5 << std::endl;
  EXPECT_EQ(out.str(), "2.5\n");
}

TEST(Tallyshow, ANegativePriceLowersTheTotal) {
  EXPECT_EQ(addItemToTotal(5.0, -1.25), 3.75);
  EXPECT_EQ(addItemToTotal(clearTotal(), -2.0), -2.0);
}

} // namespace
