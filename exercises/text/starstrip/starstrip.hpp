// The star stripper: takes every asterisk out of a text.
#pragma once

#include <string>

// The text with every '*' removed, the other characters in their order. Texts
// are shorter than 2^31 characters, so every position fits an int.
std::string removeStars(std::string text);
