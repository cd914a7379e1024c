#include "input.hpp"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// What a read leaves: the value, the stream's state and the text not read.
std::string after(std::istringstream& in, int value) {
  std::string rest;
  in.clear();
  std::getline(in, rest, '\0');
  return std::to_string(value) + " " + rest;
}

struct Read {
  std::string input;
  std::string left; // value, then what is left unread
  bool ok;
  bool eof;
};

class ReadInt : public ::testing::TestWithParam<Read> {};

// The same as in >> value, held to the standard library's own answer too.
TEST_P(ReadInt, ReadsAsTheStreamsExtractionDoes) {
  std::istringstream in(GetParam().input);
  std::istringstream reference(GetParam().input);
  int value = 77;
  int expected = 77;
  reference >> expected;
  const bool ok = readInt(in, value);
  EXPECT_EQ(ok, GetParam().ok);
  EXPECT_EQ(in.eof(), GetParam().eof);
  EXPECT_EQ(in.eof(), reference.eof());
  EXPECT_EQ(in.fail(), reference.fail());
  EXPECT_EQ(value, expected);
  EXPECT_EQ(after(in, value), GetParam().left);
  EXPECT_EQ(after(reference, expected), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Input, ReadInt,
    ::testing::Values(Read{"  42 next", "42  next", true, false}, Read{"-7", "-7 ", true, true},
                      Read{"+5x", "5 x", true, false}, Read{"12abc", "12 abc", true, false},
                      Read{"0000000000000000000000000042 ", "42  ", true, false},
                      Read{"2147483647", "2147483647 ", true, true},
                      Read{"-2147483648", "-2147483648 ", true, true},
                      Read{"2147483648 ", "2147483647  ", false, false},
                      Read{"-99999999999999999999999", "-2147483648 ", false, true},
                      Read{"abc", "0 abc", false, false}, Read{"-x", "0 x", false, false},
                      Read{" \n\t", "77 ", false, true}));

} // namespace
