// Grid scan: a running value over a two-column grid.
#pragma once

// Prints a running value after each element, row by row, as it rises to every element at least as
// large; returns it, the largest element despite the name. Needs a row even when count is 0.
int minElement(int (*grid)[2], int count);
