// Reading a number from standard input, in the same few bytes of memory whatever arrives.
#pragma once

#include <istream>

// Reads an int as in >> value does (white space skipped, an optional sign, decimal digits; no
// digit stores 0, a number beyond int stores INT_MAX or INT_MIN, both with failbit), but keeps
// no digit: the standard library may hold them all (LLVM's libc++ does), a line of digits at a
// time.
bool readInt(std::istream& in, int& value);
