#include "tillbook.hpp"

Tillbook::Tillbook() { clear(); }

void Tillbook::clear() {
  count = 0;
  total = 0.0;
}

void Tillbook::add_item(double price) {
  count += 1;
  total += price;
}

double Tillbook::get_total() const { return total; }

std::int32_t Tillbook::get_count() const { return count; }
