// check on any array of ints: the sum of the elements, wrapped to an int as
// two's complement when it leaves the range, the array unchanged. The input
// is read as ints. A count of 0 or less reads nothing.
#include "console.hpp"
#include "fuzz_check.hpp"
#include "sumcheck.hpp"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IntArray array = asInts(data, size);
  int* const values = array.values.get();
  const std::vector<int> before(values, values + array.count);
  CoutCapture out;
  const int result = check(values, array.count);

  // Unsigned arithmetic wraps modulo 2^32 by definition.
  std::uint32_t sum = 0;
  for (const int v : before) {
    sum += static_cast<std::uint32_t>(v);
  }
  require(result == static_cast<int>(sum), "check gives the wrapped sum");
  require(std::equal(before.begin(), before.end(), values), "check leaves the array alone");
  require(check(nullptr, 0) == 0 && check(nullptr, -array.count - 1) == 0,
          "check of no elements is 0 and reads nothing");
  require(out.str().empty(), "check writes nothing");
  return 0;
}
