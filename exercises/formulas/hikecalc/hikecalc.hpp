// A hiking-time formula of two quantities.
#pragma once

// 0.0005 times the second quantity plus a third of the first; when that is
// negative, the first quantity divided by 5 instead. Exactly 0 is returned
// as it is.
double hikingTime(double first, double second);
