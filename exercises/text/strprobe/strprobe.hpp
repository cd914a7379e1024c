// String probes over texts shorter than 2^31 - 1 characters, so that every position fits an int.
#pragma once

#include <string>

// The pattern and the text of the latest getMatchCount call.
extern std::string sub;
extern std::string str;
// Complete pattern occurrences found since the program started; never reset.
extern int looped;

// The number of spaces at positions 1 to length (position 0 is never looked at), plus the
// length: "a b c" gives 7.
int getWordCount(std::string text);

// The number of characters '0' to '9' in the text.
int getDigitCount(std::string text);

// The highest position of c, the terminating NUL included (NUL gives the length); -2 when c
// does not occur, -1 for an empty text.
int getLastIndex(char c, std::string text);

// Keeps the strings in sub and str and prints a line per occurrence of the pattern in the text
// and its terminator, overlaps too; returns looped, or -1 (one empty), -2 (the text shorter).
int getMatchCount(std::string pattern, std::string text);

// Whether sub from position j on occurs in str at position i: a full match prints "Successful
// loop" and adds 1 to looped, and returns 1 if j was sub's last position; all else returns 0.
int charloop(int i, int j);
