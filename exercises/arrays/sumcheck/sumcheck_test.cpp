#include "cases.hpp"
#include "sumcheck.hpp"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Sum {
  std::string name;
  std::vector<int> values;
  int result;
};

class Summing : public ::testing::TestWithParam<Sum> {};

TEST_P(Summing, AddsEveryElement) {
  std::vector<int> values = GetParam().values;
  EXPECT_EQ(check(values.data(), static_cast<int>(values.size())), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Sumcheck, Summing,
                         ::testing::Values(Sum{"Positives", {1, 2, 3}, 6},
                                           Sum{"MixedSigns", {5, -7}, -2},
                                           Sum{"Extremes", {INT_MIN, INT_MAX}, -1},
                                           // Past the range of int the sum wraps around.
                                           Sum{"WrapsPastIntMax", {INT_MAX, 1}, INT_MIN}),
                         ByName());

TEST(Sumcheck, NonPositiveLengthReadsNothing) {
  // A null array would crash any read.
  EXPECT_EQ(check(nullptr, 0), 0);
  EXPECT_EQ(check(nullptr, -4), 0);
}

} // namespace
