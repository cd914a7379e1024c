#include "cases.hpp"
#include "console.hpp"
#include "marblepile.hpp"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string opening = "Lets start the game!\nInitial size is: 11\n"
                            "First player to play: Computer\nIs computer in smart mode? Yes\n";
const std::string closing = "No more moves; the game ends here.\n";
const std::string computerWon = "Remaining marbles: 1\nYou lose. Computer won";

// Plays main's game on the given input and returns everything it wrote.
std::string playMainsGame(const std::string& input) {
  CinFeed in(input);
  CoutCapture out;
  marbleRun(11, true, true);
  return out.str();
}

// Every test starts from the state the program starts in. The generator is
// reseeded to its default seed, so the random takes are those of a fresh run.
class Marblepile : public ::testing::Test {
protected:
  void SetUp() override {
    game = true;
    marb = 0;
    smode = false;
    fmove = false;
    srandom(1);
  }
};

class SmartTake : public Marblepile, public ::testing::WithParamInterface<std::pair<int, int>> {};

// Piles of 2^k - 1 (3, 7, 15, INT_MAX) take a random legal count: the first
// default draw, 1804289383, modulo half, plus 1.
TEST_P(SmartTake, LeavesTwoToThePMinusOne) {
  const auto [pile, take] = GetParam();
  smode = true;
  marb = pile;
  EXPECT_EQ(robot(), take);
}
INSTANTIATE_TEST_SUITE_P(Marblepile, SmartTake,
                         ::testing::Values(std::pair{2, 1}, std::pair{3, 1}, std::pair{4, 1},
                                           std::pair{5, 2}, std::pair{6, 3}, std::pair{7, 2},
                                           std::pair{8, 1}, std::pair{9, 2}, std::pair{10, 3},
                                           std::pair{11, 4}, std::pair{12, 5}, std::pair{13, 6},
                                           std::pair{14, 7}, std::pair{15, 2}, std::pair{16, 1},
                                           std::pair{100, 37}, std::pair{1000, 489},
                                           std::pair{1 << 20, 1}, std::pair{1000000, 475713},
                                           std::pair{INT_MAX, 730547561}),
                         ByNumber{"Pile"});

TEST_F(Marblepile, EveryComputerTakeLiesBetweenOneAndHalf) {
  for (const bool smart : {true, false}) {
    smode = smart;
    for (int pile = 2; pile <= 20000; ++pile) {
      marb = pile;
      const int take = robot();
      ASSERT_GE(take, 1) << "pile " << pile << " smart " << smart;
      ASSERT_LE(take, pile / 2) << "pile " << pile << " smart " << smart;
    }
  }
}

TEST_F(Marblepile, ComputerWinsMainsGameAgainstEveryLegalHumanSequence) {
  // A game whose input runs out stops at the human's prompt; it is replayed
  // with each legal take at that pile appended, until every game is won.
  std::vector<std::string> pending{""};
  int won = 0;
  while (!pending.empty()) {
    const std::string takes = pending.back();
    pending.pop_back();
    game = true;
    const std::string out = playMainsGame(takes);
    ASSERT_EQ(out.find("Wrong Move"), std::string::npos) << takes;
    if (out.ends_with(closing)) {
      for (int take = 1; take <= marb / 2; ++take) {
        pending.push_back(takes + std::to_string(take) + " ");
      }
    } else {
      EXPECT_TRUE(out.ends_with(computerWon)) << takes;
      ++won;
    }
  }
  EXPECT_EQ(won, 3); // the human leaves 6, 5 or 4; after that every move is forced
}

TEST_F(Marblepile, HumanWhoLeavesTheLastMarbleWins) {
  CinFeed in("1\n1\n");
  CoutCapture out;
  marbleRun(4, false, false);
  EXPECT_FALSE(game);
  EXPECT_EQ(out.str(), "Lets start the game!\nInitial size is: 4\n"
                       "First player to play: Human\nIs computer in smart mode? No\n"
                       "Your move. Marbles remaining: 4\nRemaining marbles: 3\n"
                       "Computer is playing..\nComputer took 1\nRemaining marbles: 2\n"
                       "Your move. Marbles remaining: 2\nRemaining marbles: 1\n"
                       "You win. Human won");
}

TEST_F(Marblepile, ComputerFirstOnSevenTakesALegalCountWithoutAsking) {
  CinFeed in("");
  CoutCapture out;
  marbleRun(7, true, true);
  EXPECT_EQ(out.str(), "Lets start the game!\nInitial size is: 7\n"
                       "First player to play: Computer\nIs computer in smart mode? Yes\n"
                       "Computer is playing..\nComputer took 2\nRemaining marbles: 5\n"
                       "Your move. Marbles remaining: 5\n" +
                           closing);
}

class TooSmallPile : public Marblepile, public ::testing::WithParamInterface<int> {};

TEST_P(TooSmallPile, EndsAfterTheOpeningLinesWithoutADraw) {
  const int size = GetParam();
  CinFeed in("1\n");
  CoutCapture out;
  marbleRun(size, false, true);
  EXPECT_FALSE(game);
  EXPECT_EQ(out.str(), "Lets start the game!\nInitial size is: " + std::to_string(size) +
                           "\nFirst player to play: Computer\nIs computer in smart mode? No\n");
  EXPECT_EQ(random(), 1804289383); // still the first default draw
}
INSTANTIATE_TEST_SUITE_P(Marblepile, TooSmallPile, ::testing::Values(1, 0, -5), ByNumber{"Pile"});

TEST_F(Marblepile, RandomTakeFromOneMarbleOrNoneIsOneWithoutADraw) {
  for (const int pile : {0, 1}) {
    marb = pile;
    EXPECT_EQ(rollDice(), 1);
  }
  EXPECT_EQ(random(), 1804289383); // still the first default draw
}

TEST_F(Marblepile, SmartTakeFromOneMarbleOrNoneIsOne) {
  smode = true;
  for (const int pile : {0, 1}) {
    marb = pile;
    EXPECT_EQ(robot(), 1) << "pile " << pile;
  }
}

TEST_F(Marblepile, RandomTakeFromTwoOrThreeIsOneFromOneDraw) {
  for (const int pile : {2, 3}) {
    srandom(1);
    marb = pile;
    EXPECT_EQ(rollDice(), 1);
    EXPECT_EQ(random(), 846930886); // the second default draw
  }
}

TEST_F(Marblepile, PileOfTwoIsPlayedWithATakeOfOne) {
  const struct {
    bool computerFirst;
    std::string first, moves;
  } cases[] = {
      {true, "Computer",
       "Computer is playing..\nComputer took 1\nRemaining marbles: 1\nYou lose. Computer won"},
      {false, "Human", "Your move. Marbles remaining: 2\nRemaining marbles: 1\nYou win. Human won"},
  };
  for (const auto& c : cases) {
    game = true;
    CinFeed in("1");
    CoutCapture out;
    marbleRun(2, true, c.computerFirst);
    EXPECT_EQ(out.str(), "Lets start the game!\nInitial size is: 2\nFirst player to play: " +
                             c.first + "\nIs computer in smart mode? Yes\n" + c.moves);
  }
}

struct Word {
  std::string name;
  std::string text;
};

class UnreadableWord : public Marblepile, public ::testing::WithParamInterface<Word> {};

// The word is dropped whole, even when the failed read consumed part of it,
// and the count after it is read as usual.
TEST_P(UnreadableWord, CountsAsZero) {
  const std::string asWord = playMainsGame(GetParam().text + "\n2 1");
  game = true;
  const std::string asZero = playMainsGame("0\n2 1");
  EXPECT_EQ(asWord, asZero);
  EXPECT_TRUE(asWord.ends_with(computerWon));
}
INSTANTIATE_TEST_SUITE_P(Marblepile, UnreadableWord,
                         ::testing::Values(Word{"Letters", "abc"}, Word{"MinusAlone", "-"},
                                           Word{"PlusThenLetter", "+x"},
                                           Word{"LetterThenDigit", "x1"},
                                           Word{"BeyondInt", "99999999999"},
                                           Word{"NulAndHighByte", std::string("\0\xff", 2)}),
                         ByName());

class RandomBytes : public Marblepile, public ::testing::WithParamInterface<unsigned> {};

TEST_P(RandomBytes, EndTheGame) {
  std::mt19937 gen(GetParam());
  std::string bytes(300'000, '\0');
  for (char& c : bytes) {
    c = static_cast<char>(gen() & 0xffU); // every byte value, NUL included
  }
  const std::string out = playMainsGame(bytes);
  EXPECT_FALSE(game);
  EXPECT_TRUE(out.starts_with(opening));
  EXPECT_TRUE(out.ends_with(closing) || out.ends_with(computerWon) ||
              out.ends_with("You win. Human won"));
}
INSTANTIATE_TEST_SUITE_P(Marblepile, RandomBytes, ::testing::Values(1U, 2U, 3U), ByNumber{"Seed"});

} // namespace
