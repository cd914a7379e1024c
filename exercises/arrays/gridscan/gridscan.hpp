// Grid scan: a running value walks a two-column grid and ends as its largest
// element, printed after every step.
#pragma once

// Walks the rows in order, column 0 then column 1, letting the running value
// rise to each element that is at least as large; prints the running value
// after every element and returns its last value, the grid's largest element.
// Despite the name it finds the maximum. The first element is always read, so
// the grid needs a row even when count is 0 (which prints nothing and returns
// that element).
int minElement(int (*grid)[2], int count);
