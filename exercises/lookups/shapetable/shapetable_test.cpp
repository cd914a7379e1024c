#include "cases.hpp"
#include "shapetable.hpp"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

class ShapeNumber : public ::testing::TestWithParam<std::pair<int, std::string>> {};

TEST_P(ShapeNumber, GivesTheNameCountedFromOne) {
  EXPECT_EQ(shapeName(GetParam().first), GetParam().second);
}
INSTANTIATE_TEST_SUITE_P(Shapetable, ShapeNumber,
                         ::testing::Values(std::pair{1, "UNKNOWN"}, std::pair{2, "CONE"},
                                           std::pair{3, "CYLINDER"},
                                           std::pair{4, "TRIANGULARPYRAMID"},
                                           std::pair{5, "UNKNOWN"}, std::pair{6, "CUBOID"}),
                         ByNumber{"Number"});

class OutOfRangeNumber : public ::testing::TestWithParam<int> {};

TEST_P(OutOfRangeNumber, GivesUnknown) { EXPECT_EQ(shapeName(GetParam()), "UNKNOWN"); }
INSTANTIATE_TEST_SUITE_P(Shapetable, OutOfRangeNumber, ::testing::Values(0, 7, -1, 1000),
                         ByNumber{"Number"});

TEST(Shapetable, ChangingTheReturnedNameLeavesTheTableUnchanged) {
  std::string name = shapeName(3);
  name[0] = 'X';
  name += "!";
  EXPECT_EQ(shape[2], "CYLINDER");
  EXPECT_EQ(shapeName(3), "CYLINDER");
}

} // namespace
