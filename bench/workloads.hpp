// The data the benchmarks run on, and the standard library's way of doing the
// job of each measured function on it. The standard versions return exactly
// what the suite's functions return (output aside), so the two can be timed
// side by side on the same bytes.
#pragma once

#include "match_count.hpp"

#include <cstddef>
#include <string>
#include <vector>

// A byte the benchmark text never holds: a last-index search for it, and a
// pattern that ends in it, must read the whole text.
inline constexpr char absentByte = '#';
// A pattern that never occurs in the benchmark text, though its first two
// characters often do, so the matcher starts and fails all along the text.
inline const std::string absentPattern = std::string("e ") + absentByte;

// Text of the given length from a fixed seed: letters, digits, spaces, '.',
// ',' and '*', evenly drawn. Every call with the same length gives the same
// text, and a shorter text is the start of a longer one.
std::string benchText(std::size_t length);

// Ints from -100 to 100 from a fixed seed, so that any prefix sum of up to
// 2^24 of them stays inside int. Every call gives the start of one sequence.
std::vector<int> benchInts(std::size_t count);

// getWordCount: the spaces after the first character plus the length.
int standardWordCount(const std::string& text);
// getDigitCount: the characters '0' to '9'.
int standardDigitCount(const std::string& text);
// getLastIndex: the last position of c, searched from the end with memrchr;
// NUL matches the terminator at the length; -2 when absent, -1 when empty.
int standardLastIndex(char c, const std::string& text);
// standardMatchCount's count (match_count.hpp) by a loop of glibc's memmem
// over the text and its terminator, restarting one past each occurrence
// found. Where the pattern
// never occurs this is one memmem scan; where occurrences overlap at every
// position each call checks the whole pattern again.
int memmemMatchCount(const std::string& pattern, const std::string& text);
// removeStars: the text without its asterisks, by std::remove_copy.
std::string standardRemoveStars(const std::string& text);

// replaceNums: keeps a copy of the values as they were, then sets each
// interior element to std::max of its three in the copy.
void standardReplaceNums(int* values, int n);
// check: std::accumulate, summed wide and narrowed as check does.
int standardCheck(const int* values, int n);
// isPrime: its result worked out directly with std::accumulate, as the
// number of negative elements plus twice the number of 2s (n when n < 0).
int standardIsPrime(const int* values, int n);
