// Luminosity from a distance and a brightness.
#pragma once

// Distance times 4 pi times the square of the brightness, truncated toward
// zero. Beyond the range of int the result is the nearest int limit; a NaN
// gives 0.
int luminosity(double distance, double brightness);
