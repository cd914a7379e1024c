#include "hikecalc.hpp"

#include <gtest/gtest.h>

TEST(Hikecalc, NonNegativeFormulaIsTheResult) {
  EXPECT_EQ(hikingTime(6.0, 600.0), 2.3);
  EXPECT_EQ(hikingTime(3.0, 0.0), 1.0);
}

TEST(Hikecalc, NegativeFormulaFallsBackToAFifthOfTheFirst) {
  EXPECT_EQ(hikingTime(1.0, -1000.0), 0.2); // t about -0.1667
}

TEST(Hikecalc, ExactlyZeroIsNotNegative) {
  // 0.0005 x -6000 + 9 x 0.333... cancels to 0.0 exactly; the fallback would
  // give 1.8.
  EXPECT_EQ(hikingTime(9.0, -6000.0), 0.0);
}
