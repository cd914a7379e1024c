// Luminosity from a distance and a brightness.
#pragma once

// Distance times 4 pi times the brightness squared, truncated toward zero; beyond int's range the
// nearest limit, and 0 for a NaN.
int luminosity(double distance, double brightness);
