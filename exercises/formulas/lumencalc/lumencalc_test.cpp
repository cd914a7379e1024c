#include "lumencalc.hpp"

#include <climits>
#include <gtest/gtest.h>
#include <limits>

TEST(Lumencalc, ZeroDistanceOrBrightnessGivesZero) {
  EXPECT_EQ(luminosity(0.0, 0.0), 0);
  EXPECT_EQ(luminosity(0.0, 49.0), 0);
  EXPECT_EQ(luminosity(9.0, 0.0), 0);
}

TEST(Lumencalc, SquaresTheBrightnessAndTruncatesTowardZero) {
  EXPECT_EQ(luminosity(1.0, 1.0), 12);      // 12.566...
  EXPECT_EQ(luminosity(2.0, 0.5), 6);       // 25.13... x 0.25 = 6.28...
  EXPECT_EQ(luminosity(9.0, 49.0), 271546); // the largest that main can draw
  EXPECT_EQ(luminosity(-1.0, 1.0), -12);    // toward zero, not down
}

TEST(Lumencalc, ResultsBeyondIntArePinnedToTheLimits) {
  EXPECT_EQ(luminosity(1e300, 1.0), INT_MAX);
  EXPECT_EQ(luminosity(1.0, 1e200), INT_MAX);
  EXPECT_EQ(luminosity(-1e300, 1.0), INT_MIN);
}

// 2^31 itself, just past the largest int, is the first value pinned.
TEST(Lumencalc, ExactlyTwoToTheThirtyOneGivesTheLargestInt) {
  EXPECT_EQ(luminosity(2147483648.0 / 12.566370614359172, 1.0), INT_MAX);
}

// -2^31 - 1, just past the smallest int, is the first value pinned below:
// converting it would be undefined. Just above it, the result truncates to
// the smallest int itself.
TEST(Lumencalc, ExactlyMinusTwoToTheThirtyOneMinusOneGivesTheSmallestInt) {
  EXPECT_EQ(luminosity(-2147483649.0 / 12.566370614359172, 1.0), INT_MIN);
  EXPECT_EQ(luminosity(-2147483648.9 / 12.566370614359172, 1.0), INT_MIN);
}

TEST(Lumencalc, NanGivesZero) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(luminosity(nan, 1.0), 0);
  EXPECT_EQ(luminosity(1.0, nan), 0);
}
