#include "sumcheck.hpp"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Sum {
  std::vector<int> values;
  int result;
};

// Names each case in test listings by its input.
void PrintTo(const Sum& c, std::ostream* os) { *os << ::testing::PrintToString(c.values); }

class Summing : public ::testing::TestWithParam<Sum> {};

TEST_P(Summing, AddsEveryElement) {
  std::vector<int> values = GetParam().values;
  EXPECT_EQ(check(values.data(), static_cast<int>(values.size())), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Sumcheck, Summing,
                         ::testing::Values(Sum{{1, 2, 3}, 6}, Sum{{5, -7}, -2},
                                           Sum{{INT_MIN, INT_MAX}, -1},
                                           // Past the range of int the sum wraps around.
                                           Sum{{INT_MAX, 1}, INT_MIN}));

TEST(Sumcheck, NonPositiveLengthReadsNothing) {
  // A null array would crash any read.
  EXPECT_EQ(check(nullptr, 0), 0);
  EXPECT_EQ(check(nullptr, -4), 0);
}

} // namespace
