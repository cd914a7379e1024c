#include "cases.hpp"
#include "primetally.hpp"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Tally {
  std::string name;
  std::vector<int> values;
  int result;
};

class Tallying : public ::testing::TestWithParam<Tally> {};

TEST_P(Tallying, CountsNegativesOnceAndTwosTwice) {
  std::vector<int> values = GetParam().values;
  EXPECT_EQ(isPrime(values.data(), static_cast<int>(values.size())), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Primetally, Tallying,
    ::testing::Values(Tally{"ZeroToFour", {0, 1, 2, 3, 4}, 2}, Tally{"Empty", {}, 0},
                      Tally{"TwoTwos", {2, 2}, 4}, Tally{"Negative", {-7}, 1},
                      Tally{"Five", {5}, 0}, Tally{"Nine", {9}, 0},
                      // Even numbers whose divisor loop runs past 2 (6 stops at 4, 12 at 5).
                      Tally{"SmallEvens", {4, 6, 8}, 0}, Tally{"LargerEvens", {12, 60}, 0},
                      // Extremes: INT_MIN never reaches the loop, INT_MAX stops at 2.
                      Tally{"Extremes", {INT_MIN, INT_MAX, -1}, 2},
                      Tally{"SignsAroundZero", {0, 1, -2, 2}, 3}),
    ByName());

} // namespace
