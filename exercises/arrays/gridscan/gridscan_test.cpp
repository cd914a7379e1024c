#include "cases.hpp"
#include "console.hpp"
#include "gridscan.hpp"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Scan {
  std::string name;
  std::vector<std::vector<int>> rows;
  std::string printed;
  int result;
};

class Scanning : public ::testing::TestWithParam<Scan> {};

TEST_P(Scanning, PrintsTheRunningMaximumOfEveryElement) {
  const Scan& scan = GetParam();
  int grid[4][2] = {};
  for (std::size_t r = 0; r < scan.rows.size(); ++r) {
    grid[r][0] = scan.rows[r][0];
    grid[r][1] = scan.rows[r][1];
  }
  CoutCapture out;
  EXPECT_EQ(minElement(grid, static_cast<int>(scan.rows.size())), scan.result);
  EXPECT_EQ(out.str(), scan.printed);
}

INSTANTIATE_TEST_SUITE_P(
    Gridscan, Scanning,
    ::testing::Values(
        Scan{"Rising", {{1, 2}, {3, 4}}, "1\n2\n3\n4\n", 4},
        Scan{"Falling", {{4, 3}, {2, 1}}, "4\n4\n4\n4\n", 4},
        Scan{"OneNegativeRow", {{-5, -9}}, "-5\n-5\n", -5},
        // The extremes of int pass through the selection without overflow.
        Scan{"IntMaxAmongMinima",
             {{INT_MIN, INT_MAX}, {INT_MIN, 0}},
             "-2147483648\n2147483647\n2147483647\n2147483647\n",
             INT_MAX},
        Scan{"IntMaxFirst", {{INT_MAX, INT_MIN}}, "2147483647\n2147483647\n", INT_MAX},
        Scan{"AllIntMin", {{INT_MIN, INT_MIN}}, "-2147483648\n-2147483648\n", INT_MIN}),
    ByName());

TEST(Gridscan, NoRowsPrintsNothingAndReturnsTheFirstElement) {
  int grid[1][2] = {{6, 9}};
  CoutCapture out;
  EXPECT_EQ(minElement(grid, 0), 6);
  EXPECT_EQ(out.str(), "");
}

} // namespace
