// String probes: a word measure, a digit count, the last index of a character
// and a running count of pattern occurrences. Every scan runs over positions 0
// to the text's length inclusive (where it says so), so the terminating NUL
// at position length takes part as a character that equals only NUL. Texts are
// shorter than 2^31 - 1 characters, so every position fits an int.
#pragma once

#include <string>

// The pattern of the most recent getMatchCount call.
extern std::string sub;
// The text of the most recent getMatchCount call.
extern std::string str;
// Complete pattern occurrences found since the program started; never reset.
extern int looped;

// The number of spaces at positions 1 to length (position 0 is never looked
// at), plus the text's length: "a b c" gives 7.
int getWordCount(std::string text);

// The number of characters '0' to '9' in the text.
int getDigitCount(std::string text);

// The highest position of c in the text, the terminator included: NUL gives
// the length. -2 when c does not occur, -1 for an empty text.
int getLastIndex(char c, std::string text);

// Stores pattern in sub and text in str, then counts every occurrence of the
// pattern in the text and its terminator, overlapping ones too, printing one
// line for each in order of position; one pass, linear in both lengths.
// Returns the running total looped; -1 when either string is empty, -2 when
// the text is shorter than the pattern (both leave looped as it was).
int getMatchCount(std::string pattern, std::string text);

// Tests whether sub from position j on occurs in str at position i. On a full
// match it prints "Successful loop", adds 1 to looped and returns 1 if j was
// already sub's last position, else 0; every other outcome returns 0.
int charloop(int i, int j);
