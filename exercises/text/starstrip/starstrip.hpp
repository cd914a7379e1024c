// The star stripper, for texts shorter than 2^31 characters, so that every position fits an int.
#pragma once

#include <string>

// The text with every '*' removed, the other characters in their order.
std::string removeStars(std::string text);
