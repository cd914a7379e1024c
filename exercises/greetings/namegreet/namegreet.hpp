// Asks the user's name, greets it and asks whether the user would like to play a game.
#pragma once

#include <cstddef>
#include <string>

// The most bytes of a word that name and dialog keep; a longer name is still greeted whole.
inline constexpr std::size_t wordBound = 4096;

// The first wordBound bytes of the word entered as the name; empty until one is read.
extern std::string name;
// The first wordBound bytes of the word entered as the answer; kept but never used.
extern std::string dialog;

// The whole dialogue: asks the name, greets it and asks about a game. Each word is read as
// std::cin >> word reads it; at end of input, or once output has failed, a string keeps its value.
void converse();
