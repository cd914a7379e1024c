#include "cases.hpp"
#include "console.hpp"
#include "menutable.hpp"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

class MenuChoice : public ::testing::TestWithParam<std::pair<int, std::string>> {};

TEST_P(MenuChoice, WritesTheNumberAndWhatItSelects) {
  CoutCapture out;
  gameMenu(GetParam().first);
  EXPECT_EQ(out.str(), GetParam().second);
}
INSTANTIATE_TEST_SUITE_P(
    Menutable, MenuChoice,
    ::testing::Values(std::pair{1, "Choice 1: Play Game\n"}, std::pair{2, "Choice 2: View Stats\n"},
                      std::pair{3, "Choice 3: Save Game\n"}, std::pair{4, "Choice 4: Exit Game\n"},
                      std::pair{0, "Choice 0: Invalid\n"}, std::pair{5, "Choice 5: Invalid\n"},
                      std::pair{-1, "Choice -1: Invalid\n"}),
    ByNumber{"Choice"});

} // namespace
