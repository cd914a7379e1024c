// A money total and an item count kept by the caller, cleared and added to by
// small functions, and shown as a count and a dollar amount.
#pragma once

// A cleared total: 0.0.
double clearTotal();

// A cleared item count: 0.
int clearNumItems();

// The running total with the item's price added; any price is accepted,
// so a negative one lowers the total.
double addItemToTotal(double total, double price);

// Writes "count $total" with the total in fixed notation to two decimals,
// then end of line. Fixed notation and precision 2 stay set on std::cout
// afterwards.
void display(double total, int count);
