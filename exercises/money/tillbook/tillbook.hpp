// A till book: how many items were rung up and what they came to in dollars.
#pragma once

#include <cstdint>

class Tillbook {
public:
  // Both leave no items and a zero total.
  Tillbook();
  void clear();

  // Counts one more item and adds its price, zero and negative prices too.
  void add_item(double price);

  // The sum of the prices, and the number of items, added since construction or the last clear.
  double get_total() const;
  std::int32_t get_count() const;

private:
  std::int32_t count;
  double total;
};
