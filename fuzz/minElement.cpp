// minElement on any grid of two-column rows: it prints the running largest
// value after each element, row by row, and returns the largest element. The
// input is read as ints, two per row; a row count of 0 still reads the first
// element.
#include "console.hpp"
#include "fuzz_check.hpp"
#include "gridscan.hpp"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const IntArray array = asInts(data, size);
  const int rows = array.count / 2;
  if (rows == 0) {
    return 0;
  }
  const std::vector<int> flat(array.values.get(), array.values.get() + 2 * rows);
  // Exactly rows rows, so a read past the grid is a heap overflow.
  const auto grid = std::make_unique<int[][2]>(static_cast<std::size_t>(rows));
  for (int r = 0; r < rows; ++r) {
    grid[static_cast<std::size_t>(r)][0] = flat[static_cast<std::size_t>(2 * r)];
    grid[static_cast<std::size_t>(r)][1] = flat[static_cast<std::size_t>(2 * r + 1)];
  }

  std::string expected;
  int largest = flat[0];
  for (const int v : flat) {
    largest = std::max(largest, v);
    expected += std::to_string(largest) + '\n';
  }
  {
    CoutCapture out;
    const int result = minElement(grid.get(), rows);
    require(result == *std::max_element(flat.begin(), flat.end()),
            "minElement returns the largest element");
    require(out.str() == expected, "minElement prints the running largest after each element");
  }
  {
    CoutCapture out;
    require(minElement(grid.get(), 0) == flat[0], "minElement of no rows gives the first element");
    require(out.str().empty(), "minElement of no rows prints nothing");
  }
  return 0;
}
