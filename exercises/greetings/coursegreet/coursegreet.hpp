// Greets a course number, then prints numbered phrases drawn at random from six.
#pragma once

#include <string>

// The course number entered; also how many phrase lines follow.
extern int a;

extern const std::string phrases[6];

// A copy of the phrase at index rand() % 6; one draw per call.
std::string fug();

// Writes "k phrase" lines numbered 1 to a, at least one (the count is tested after each line);
// stops early when output fails.
void sheeeeeiiiittt();
