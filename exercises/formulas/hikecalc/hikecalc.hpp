// A hiking-time formula.
#pragma once

// 0.0005 times the second quantity plus a third of the first, or, when that is negative (not 0),
// the first divided by 5.
double hikingTime(double first, double second);
