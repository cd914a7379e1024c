#include "cases.hpp"
#include "oddsumfile.hpp"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Every test writes into a fresh directory of its own, removed afterwards, so
// tests that run side by side never share a file.
class Oddsumfile : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "oddsumfile-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override { fs::remove_all(dir); }

  // The whole content of the file, byte for byte.
  static std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir;
};

struct OddSum {
  std::string name;
  std::vector<int> values;
  std::string written;
};

class Writing : public Oddsumfile, public ::testing::WithParamInterface<OddSum> {};

TEST_P(Writing, WritesTheDigitsOfTheNonNegativeOddSum) {
  std::vector<int> values = GetParam().values;
  const fs::path file = dir / "a.txt";
  EXPECT_EQ(sumOfPositiveOdd(file.string(), values.data(), static_cast<int>(values.size())), 1);
  EXPECT_EQ(contents(file), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Oddsumfile, Writing,
    ::testing::Values(OddSum{"ProgramsValues", {1, 2, 2, 3}, "4"},
                      OddSum{"NegativesLeftOut", {-3, -1, 5}, "5"}, OddSum{"Empty", {}, "0"},
                      OddSum{"NoOddValue", {2, 0, -4}, "0"},
                      // INT_MIN is even and -INT_MAX odd: both add 0.
                      OddSum{"Extremes", {INT_MIN, -INT_MAX, INT_MAX}, "2147483647"},
                      // A sum past int is written exactly.
                      OddSum{"SumBeyondInt", {INT_MAX, INT_MAX}, "4294967294"}),
    ByName());

TEST_F(Oddsumfile, ReplacesALongerFileWhole) {
  const fs::path file = dir / "a.txt";
  std::ofstream(file) << "a much longer old content\n";
  int values[4] = {1, 2, 2, 3};
  EXPECT_EQ(sumOfPositiveOdd(file.string(), values, 4), 1);
  EXPECT_EQ(contents(file), "4");
}

TEST_F(Oddsumfile, MissingDirectoryReturnsMinusOneAndCreatesNothing) {
  int values[1] = {1};
  EXPECT_EQ(sumOfPositiveOdd((dir / "absent" / "a.txt").string(), values, 1), -1);
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(Oddsumfile, FailedWriteReturnsMinusOne) {
  // /dev/full opens, but every write to it fails with "no space left".
  ASSERT_TRUE(fs::is_character_file("/dev/full"));
  int values[1] = {7};
  EXPECT_EQ(sumOfPositiveOdd("/dev/full", values, 1), -1);
}

} // namespace
