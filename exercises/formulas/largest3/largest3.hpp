// The largest of three numbers.
#pragma once

// The argument strictly greater than both others. When two or three tie for
// the largest, that value; when any argument is a NaN, a NaN.
double largestNumber(double a, double b, double c);
