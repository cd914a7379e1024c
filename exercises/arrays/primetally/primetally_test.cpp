#include "primetally.hpp"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Tally {
  std::vector<int> values;
  int result;
};

// Names each case in test listings by its input.
void PrintTo(const Tally& c, std::ostream* os) { *os << ::testing::PrintToString(c.values); }

class Tallying : public ::testing::TestWithParam<Tally> {};

TEST_P(Tallying, CountsNegativesOnceAndTwosTwice) {
  std::vector<int> values = GetParam().values;
  EXPECT_EQ(isPrime(values.data(), static_cast<int>(values.size())), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Primetally, Tallying,
    ::testing::Values(Tally{{0, 1, 2, 3, 4}, 2}, Tally{{}, 0}, Tally{{2, 2}, 4}, Tally{{-7}, 1},
                      Tally{{5}, 0}, Tally{{9}, 0},
                      // Even numbers whose divisor loop runs past 2 (6 stops at 4, 12 at 5).
                      Tally{{4, 6, 8}, 0}, Tally{{12, 60}, 0},
                      // Extremes: INT_MIN never reaches the loop, INT_MAX stops at 2.
                      Tally{{INT_MIN, INT_MAX, -1}, 2}, Tally{{0, 1, -2, 2}, 3}));

} // namespace
