// replaceNums on any array of ints: each interior element becomes the largest
// of itself and its two neighbours as they were before the call; the ends
// stay. The input is read as ints, four bytes each.
#include "console.hpp"
#include "fuzz_check.hpp"
#include "peaksmooth.hpp"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IntArray array = asInts(data, size);
  const int n = array.count;
  if (n == 0) {
    return 0;
  }
  int* const values = array.values.get();
  const std::vector<int> before(values, values + n);
  CoutCapture out;
  replaceNums(values, n);

  require(values[0] == before[0], "replaceNums keeps the first element");
  require(values[n - 1] == before[static_cast<std::size_t>(n - 1)],
          "replaceNums keeps the last element");
  for (std::size_t i = 1; i + 1 < before.size(); ++i) {
    require(values[i] == std::max({before[i - 1], before[i], before[i + 1]}),
            "an interior element becomes the largest of itself and its original neighbours");
  }
  require(out.str().empty(), "replaceNums writes nothing");
  return 0;
}
