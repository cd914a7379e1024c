// A money total and an item count that the caller keeps, shown as a count and dollars.
#pragma once

// A cleared total and count: 0.
double clearTotal();
int clearNumItems();

// The total with the price added; a negative price lowers it.
double addItemToTotal(double total, double price);

// Writes "count $total", the total fixed to two decimals, then end of line; the fixed notation
// and the precision stay set on std::cout.
void display(double total, int count);
