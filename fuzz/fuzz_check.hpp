// Shared by the fuzz targets: reading the raw input as text or as ints, and
// stopping the run when a property fails, so that libFuzzer keeps the input
// that broke it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

// Aborts with the name of the property that does not hold.
inline void require(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property does not hold: %s\n", property);
    std::abort();
  }
}

// The input's bytes as a string, NUL bytes included.
inline std::string asText(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The input read as native ints, four bytes each; trailing bytes are dropped.
// The array is allocated at its exact length, so a read or write past either
// end is a heap overflow that the address sanitizer reports.
struct IntArray {
  std::unique_ptr<int[]> values;
  int count;
};

inline IntArray asInts(const std::uint8_t* data, std::size_t size) {
  const std::size_t count = size / sizeof(int);
  IntArray array{std::make_unique<int[]>(count), static_cast<int>(count)};
  if (count > 0) {
    std::memcpy(array.values.get(), data, count * sizeof(int));
  }
  return array;
}
