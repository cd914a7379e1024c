// Two stored floating-point values.
#pragma once

// 3.75 and 1.75, both exact in a float, set before main runs.
extern float x;
extern float y;
