// A till book: how many items were rung up and what they came to in dollars.
#pragma once

#include <cstdint>

class Tillbook {
public:
  // A book with no items and a zero total (through clear).
  Tillbook();

  // Back to no items and a zero total.
  void clear();

  // Counts one more item and adds its price to the total; zero and negative
  // prices are taken like any other.
  void add_item(double price);

  // The sum of the prices added since construction or the last clear.
  double get_total() const;

  // The number of items added since construction or the last clear.
  std::int32_t get_count() const;

private:
  std::int32_t count;
  double total;
};
