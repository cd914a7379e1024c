#include "cases.hpp"
#include "oddsumfile.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
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

// The file is replaced by a new one: it must keep the old file's
// permissions, and a file that did not exist gets 0666 less the umask.
TEST_F(Oddsumfile, KeepsTheOldPermissionsAndGivesANewFileTheUmasksOnes) {
  const fs::path old = dir / "old.txt";
  std::ofstream(old) << "old";
  ASSERT_EQ(chmod(old.c_str(), 0604), 0);
  const mode_t saved = umask(027);
  int values[1] = {3};
  const int oldResult = sumOfPositiveOdd(old.string(), values, 1);
  const int newResult = sumOfPositiveOdd((dir / "new.txt").string(), values, 1);
  umask(saved);
  EXPECT_EQ(oldResult, 1);
  EXPECT_EQ(newResult, 1);
  EXPECT_EQ(fs::status(old).permissions(), static_cast<fs::perms>(0604));
  EXPECT_EQ(fs::status(dir / "new.txt").permissions(), static_cast<fs::perms>(0640));
  EXPECT_EQ(contents(old), "3");
}

TEST_F(Oddsumfile, MissingDirectoryReturnsMinusOneAndCreatesNothing) {
  int values[1] = {1};
  errno = 0;
  EXPECT_EQ(sumOfPositiveOdd((dir / "absent" / "a.txt").string(), values, 1), -1);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(Oddsumfile, FailedWriteReturnsMinusOneWithTheWritesError) {
  // /dev/full opens, but every write to it fails with "no space left". A
  // device is written in place, so the link to it stays a link. (The link
  // keeps a faulty replacement away from /dev itself.)
  ASSERT_TRUE(fs::is_character_file("/dev/full"));
  const fs::path link = dir / "a.txt";
  fs::create_symlink("/dev/full", link);
  int values[1] = {7};
  errno = 0;
  EXPECT_EQ(sumOfPositiveOdd(link.string(), values, 1), -1);
  EXPECT_EQ(errno, ENOSPC);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

} // namespace
