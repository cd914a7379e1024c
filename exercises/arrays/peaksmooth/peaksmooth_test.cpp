#include "cases.hpp"
#include "console.hpp"
#include "peaksmooth.hpp"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Smoothing {
  std::string name;
  std::vector<int> before;
  std::vector<int> after;
};

class Replacement : public ::testing::TestWithParam<Smoothing> {};

TEST_P(Replacement, RaisesToTheNeighbourhoodPeak) {
  std::vector<int> values = GetParam().before;
  replaceNums(values.data(), static_cast<int>(values.size()));
  EXPECT_EQ(values, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Peaksmooth, Replacement,
    ::testing::Values(
        // The program's own sixteen values.
        Smoothing{
            "ProgramsValues",
            {224, 103, -184, -84, 95, -207, 254, -195, 116, 11, 109, -228, -66, 52, -85, -230},
            {224, 224, 103, 95, 95, 254, 254, 254, 116, 116, 109, 109, 52, 52, 52, -230}},
        // Results come from the values before the call, never from results.
        Smoothing{"ReadsOnlyOriginalValues", {5, 1, 1, 1}, {5, 5, 1, 1}},
        // A local minimum takes the larger neighbour; a peak stays.
        Smoothing{"MinimumTakesLargerNeighbour", {5, 1, 7}, {5, 7, 7}},
        Smoothing{"PeakStays", {1, 9, 2}, {1, 9, 2}},
        // Too short to have an interior.
        Smoothing{"OneElement", {42}, {42}}, Smoothing{"TwoElements", {9, -4}, {9, -4}},
        // The extremes of int pass through the selections without overflow.
        Smoothing{"IntMinBetweenMaxima", {INT_MAX, INT_MIN, INT_MAX}, {INT_MAX, INT_MAX, INT_MAX}},
        Smoothing{"IntMaxBetweenMinima", {INT_MIN, INT_MAX, INT_MIN}, {INT_MIN, INT_MAX, INT_MIN}},
        Smoothing{"AllIntMin",
                  {INT_MIN, INT_MIN, INT_MIN, INT_MIN},
                  {INT_MIN, INT_MIN, INT_MIN, INT_MIN}},
        Smoothing{"IntMinBesideSmallValues", {INT_MIN, -1, INT_MIN, 0}, {INT_MIN, -1, 0, 0}}),
    ByName());

TEST(Peaksmooth, NonPositiveLengthChangesNothing) {
  int values[2] = {1, 5};
  replaceNums(values, 0);
  replaceNums(values, -3);
  EXPECT_EQ(values[0], 1);
  EXPECT_EQ(values[1], 5);
}

// A value pattern with local peaks and minima of every shape.
int pattern(int i) { return (i % 7) * 3 - (i % 5) * 4; }

TEST(Peaksmooth, FiftyMillionElements) {
  // A working array of this size on the stack would crash the program.
  const int n = 50'000'000;
  std::vector<int> values(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    values[static_cast<std::size_t>(i)] = pattern(i);
  }
  replaceNums(values.data(), n);

  int wrong = 0;
  for (int i = 0; i < n; ++i) {
    const bool edge = i == 0 || i == n - 1;
    const int expected = edge ? pattern(i) : std::max({pattern(i - 1), pattern(i), pattern(i + 1)});
    wrong += values[static_cast<std::size_t>(i)] != expected;
  }
  EXPECT_EQ(wrong, 0);
}

TEST(Peaksmooth, PrinterWritesCommaSeparatedRows) {
  int rows[2][5] = {{1, 2, 3, 4, 5}, {-6, 7, 8, 9, 10}};
  CoutCapture out;
  printTwoDArray(rows, 2);
  EXPECT_EQ(out.str(), "1,2,3,4,5\n-6,7,8,9,10\n");
}

TEST(Peaksmooth, PrinterWritesNothingForNoRows) {
  int rows[1][5] = {{1, 2, 3, 4, 5}};
  CoutCapture out;
  printTwoDArray(rows, 0);
  printTwoDArray(rows, -1);
  EXPECT_EQ(out.str(), "");
}

} // namespace
