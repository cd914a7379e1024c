#include "console.hpp"
#include "namegreet.hpp"

#include <gtest/gtest.h>
#include <iostream>
#include <string>

namespace {

const std::string questions(const std::string& greeted) {
  return "What is your name?\nHello, " + greeted + "!\nWould you like to play a game?\n";
}

// Every test starts with both words empty, as the program does.
class Namegreet : public ::testing::Test {
protected:
  void SetUp() override {
    name.clear();
    dialog.clear();
  }
};

TEST_F(Namegreet, ReadsOneWordEachAndLeavesTheRestUnread) {
  CinFeed in("Player\nyes\nmore input\n");
  CoutCapture out;
  converse();
  EXPECT_EQ(out.str(), questions("Player"));
  EXPECT_EQ(name, "Player");
  EXPECT_EQ(dialog, "yes");
  std::string rest;
  std::cin >> rest;
  EXPECT_EQ(rest, "more");
}

TEST_F(Namegreet, SecondWordOfTheNameLineIsTheAnswer) {
  CinFeed in("  Red Fox\n");
  CoutCapture out;
  converse();
  EXPECT_EQ(out.str(), questions("Red"));
  EXPECT_EQ(dialog, "Fox");
}

TEST_F(Namegreet, EndOfInputLeavesBothWordsEmpty) {
  CinFeed in(" \n\t");
  CoutCapture out;
  converse();
  EXPECT_EQ(out.str(), questions(""));
  EXPECT_EQ(name, "");
  EXPECT_EQ(dialog, "");
}

TEST_F(Namegreet, LongWordsAreGreetedWholeAndKeptUpTo4096Bytes) {
  const std::string named = std::string(4096, 'a') + std::string(5000, 'b');
  const std::string answer = std::string(4096, 'c') + std::string(5000, 'd');
  CinFeed in(named + "\n" + answer + " more");
  CoutCapture out;
  converse();
  EXPECT_EQ(out.str(), questions(named));
  EXPECT_EQ(name, std::string(4096, 'a'));
  EXPECT_EQ(dialog, std::string(4096, 'c'));
  std::string rest;
  std::cin >> rest;
  EXPECT_EQ(rest, "more");
}

} // namespace
