#include "largest3.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(Largest3, StrictlyLargestWinsInEveryOrdering) {
  const double orderings[][3] = {{9, 1, 2}, {9, 2, 1}, {1, 9, 2}, {2, 9, 1}, {1, 2, 9}, {2, 1, 9}};
  for (const auto& o : orderings) {
    EXPECT_EQ(largestNumber(o[0], o[1], o[2]), 9.0) << o[0] << ", " << o[1] << ", " << o[2];
  }
}

TEST(Largest3, NegativeArguments) {
  EXPECT_EQ(largestNumber(-1.0, -2.0, -3.0), -1.0);
  EXPECT_EQ(largestNumber(-3.0, -0.5, -2.0), -0.5);
}

TEST(Largest3, SharedLargestValueIsReturned) {
  EXPECT_EQ(largestNumber(4.0, 4.0, 1.0), 4.0);
  EXPECT_EQ(largestNumber(4.0, 1.0, 4.0), 4.0);
  EXPECT_EQ(largestNumber(1.0, 4.0, 4.0), 4.0);
  EXPECT_EQ(largestNumber(-2.0, -2.0, -2.0), -2.0);
}

TEST(Largest3, AnyNanGivesNan) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(largestNumber(nan, 1.0, 2.0)));
  EXPECT_TRUE(std::isnan(largestNumber(1.0, nan, 2.0)));
  EXPECT_TRUE(std::isnan(largestNumber(2.0, 1.0, nan)));
}
