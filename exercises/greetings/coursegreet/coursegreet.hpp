// Greets a course number and prints that many numbered phrases drawn at
// random from a fixed set of six.
#pragma once

#include <string>

// The course number the user entered; also how many phrase lines follow.
extern int a;

// The six phrases, picked by a draw modulo 6.
extern const std::string phrases[6];

// A copy of the phrase at index rand() % 6; exactly one draw per call.
std::string fug();

// Writes "k phrase" lines numbered from 1 up to a. The count is tested after
// each line, so one line is written even when a is 0 or negative. Stops
// early when standard output fails.
void sheeeeeiiiittt();
