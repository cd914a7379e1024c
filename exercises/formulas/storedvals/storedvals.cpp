#include "storedvals.hpp"

float x = 3.75F;
float y = 1.75F;
