#include "tillbook.hpp"

#include <gtest/gtest.h>

namespace {

TEST(Tillbook, NewBookHoldsNoItemsAndAZeroTotal) {
  const Tillbook book;
  EXPECT_EQ(book.get_count(), 0);
  EXPECT_EQ(book.get_total(), 0.0);
}

TEST(Tillbook, ThreeItemsSumToTheDoubleNearestFivePointFour) {
  Tillbook book;
  book.add_item(1.95);
  book.add_item(0.95);
  book.add_item(2.5);
  EXPECT_EQ(book.get_count(), 3);
  EXPECT_EQ(book.get_total(), 5.4);
}

TEST(Tillbook, ClearStartsTheBookAfresh) {
  Tillbook book;
  book.add_item(10.0);
  book.add_item(3.25);
  book.clear();
  EXPECT_EQ(book.get_count(), 0);
  EXPECT_EQ(book.get_total(), 0.0);
  book.add_item(0.5);
  EXPECT_EQ(book.get_count(), 1);
  EXPECT_EQ(book.get_total(), 0.5);
}

TEST(Tillbook, ZeroAndNegativePricesStillCountAsItems) {
  Tillbook book;
  book.add_item(0.0);
  EXPECT_EQ(book.get_count(), 1);
  EXPECT_EQ(book.get_total(), 0.0);
  book.add_item(-1.5);
  EXPECT_EQ(book.get_count(), 2);
  EXPECT_EQ(book.get_total(), -1.5);
}

} // namespace
