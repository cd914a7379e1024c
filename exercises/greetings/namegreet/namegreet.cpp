#include "namegreet.hpp"

#include <iostream>
#include <istream>
#include <locale>

std::string name;
std::string dialog;

namespace {

// Skips white space as std::cin >> word does; true when a word follows.
bool wordFollows() { return static_cast<bool>(std::istream::sentry(std::cin)); }

// Reads the word that wordFollows found, keeping its first wordBound bytes in word, and writes all
// of it to echo as it arrives, when given one.
void readWord(std::string& word, std::ostream* echo) {
  using traits = std::istream::traits_type;
  const auto& ctype = std::use_facet<std::ctype<char>>(std::cin.getloc());
  std::streambuf* in = std::cin.rdbuf();
  char chunk[4096];
  std::streamsize held = 0;
  word.clear();
  for (auto c = in->sgetc();; c = in->snextc()) {
    if (traits::eq_int_type(c, traits::eof())) {
      std::cin.setstate(std::ios::eofbit);
      break;
    }
    const char ch = traits::to_char_type(c);
    if (ctype.is(std::ctype_base::space, ch)) {
      break;
    }
    if (word.size() < wordBound) {
      word += ch;
    }
    if (echo != nullptr) {
      chunk[held++] = ch;
      if (held == sizeof chunk) {
        // A greeting that cannot be written needs no more of the name.
        if (!echo->write(chunk, held)) {
          return;
        }
        held = 0;
      }
    }
  }
  if (echo != nullptr) {
    echo->write(chunk, held);
  }
}

} // namespace

void converse() {
  std::cout << "What is your name?" << std::endl;
  // The greeting waits for the name, so that none of it shows before the user has typed one.
  const bool named = std::cout && wordFollows();
  std::cout << "Hello, ";
  if (named) {
    readWord(name, &std::cout);
  }
  std::cout << "!" << std::endl;
  std::cout << "Would you like to play a game?" << std::endl;
  // An answer to a question that never reached the user is not read.
  if (std::cout && wordFollows()) {
    readWord(dialog, nullptr);
  }
}
