#include "marblepile.hpp"

#include "input.hpp"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iostream>

bool game = true;
const std::string plr[2] = {"Computer", "Human"};
const std::string yesno[2] = {"No", "Yes"};
int marb = 0;
bool smode = false;
bool fmove = false;

namespace {

// The next count; a word that is no int counts as 0, an illegal take. False when no word is left,
// and without reading once output has failed, as the human never saw the prompt.
bool readCount(int& count) {
  if (!std::cout) {
    return false;
  }
  std::cin >> std::ws;
  if (std::cin.peek() == std::char_traits<char>::eof()) {
    return false;
  }
  if (readInt(std::cin, count)) {
    return true;
  }
  // The failed read may have taken part of the word; drop the rest of it, not the next one.
  std::cin.clear();
  for (int c = std::cin.peek(); c != std::char_traits<char>::eof() && !std::isspace(c);
       c = std::cin.peek()) {
    std::cin.get();
  }
  count = 0;
  return true;
}

void inputEnded() {
  game = false;
  std::cout << "No more moves; the game ends here." << std::endl;
}

} // namespace

// Below 2 marbles nothing is drawn: a half of 0 would divide by zero.
int rollDice() {
  const long half = marb / 2;
  if (half < 1) {
    return 1;
  }
  return static_cast<int>(random() % half) + 1;
}

void moveanalysis(int take) {
  const int half = marb / 2;
  while (take < 1 || take > half) {
    std::cout << "Wrong Move. You can only choose between 1 to " << half << std::endl;
    std::cout << "Your move. Marbles remaining: " << marb << std::endl;
    if (!readCount(take)) {
      inputEnded();
      return;
    }
  }
  marb -= take;
}

// Smart mode leaves the smallest 2^p - 1 marbles of at least half the pile; on a pile of 2^k - 1
// (3, 7, 15, ...) that take is one above half, so it takes a random one instead.
int robot() {
  const int half = marb / 2;
  int take = 0;
  if (smode) {
    int p = 0;
    while (static_cast<double>(half) > std::pow(2.0, p) - 1) {
      ++p;
      take = static_cast<int>(marb - (std::pow(2.0, p) - 1));
    }
    if (take > half) {
      take = rollDice();
    }
  } else {
    take = rollDice();
  }
  if (take == 0) {
    take = 1;
  }
  return take;
}

void marbleRun(int size, bool smart, bool computerFirst) {
  smode = smart;
  fmove = !computerFirst;
  marb = size;
  std::cout << "Lets start the game!" << std::endl;
  std::cout << "Initial size is: " << size << std::endl;
  std::cout << "First player to play: " << plr[fmove] << std::endl;
  std::cout << "Is computer in smart mode? " << yesno[smode] << std::endl;
  if (marb < 2) {
    game = false;
    return;
  }

  while (game) {
    if (fmove) {
      std::cout << "Your move. Marbles remaining: " << marb << std::endl;
      int take = 0;
      if (!readCount(take)) {
        inputEnded();
        return;
      }
      moveanalysis(take);
    } else {
      std::cout << "Computer is playing.." << std::endl;
      const int take = robot();
      moveanalysis(take);
      if (game) {
        std::cout << "Computer took " << take << std::endl;
      }
    }
    if (!game) {
      return; // the input ended while moveanalysis asked for a count
    }
    std::cout << "Remaining marbles: " << marb << std::endl;
    if (marb <= 1) {
      game = false;
      std::cout << (fmove ? "You win. Human won" : "You lose. Computer won");
    }
    fmove = !fmove;
  }
}
