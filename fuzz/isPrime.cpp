// isPrime on any array of ints: the number of negative elements plus twice
// the number of 2s, the array unchanged. The input is read as ints.
#include "console.hpp"
#include "fuzz_check.hpp"
#include "primetally.hpp"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IntArray array = asInts(data, size);
  int* const values = array.values.get();
  const std::vector<int> before(values, values + array.count);
  CoutCapture out;
  const int result = isPrime(values, array.count);

  const auto negatives = std::count_if(before.begin(), before.end(), [](int v) { return v < 0; });
  const auto twos = std::count(before.begin(), before.end(), 2);
  require(result == static_cast<int>(negatives + 2 * twos),
          "isPrime gives the negatives plus twice the 2s");
  require(std::equal(before.begin(), before.end(), values), "isPrime leaves the array alone");
  require(out.str().empty(), "isPrime writes nothing");
  return 0;
}
