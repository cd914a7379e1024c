// Two stored floating-point values, 3.75 and 1.75, both exact in a float, set before main runs.
#pragma once

extern float x;
extern float y;
