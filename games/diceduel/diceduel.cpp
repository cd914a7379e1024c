#include "diceduel.hpp"

#include <cstdlib>
#include <iostream>

const int maxpointwin = 100;

int plr = 1;
int winstate = 0;
int gamepoints[2] = {0, 0};
int turntotal[2] = {0, 0};

const std::string pRefer[2][3] = {{"computer", "Computer", "Computer"}, {"human", "You", "Your"}};
const std::string response[2] = {"Do you want to roll a dice (Y/N)?:",
                                 "Do you want to roll again (Y/N)?:"};

namespace {

// One character, whitespace skipped; false at the input's end, and without reading once output
// has failed, as the human never saw the question.
bool readAnswer(char& answer) { return std::cout && std::cin >> answer; }

void printScores() {
  std::cout << "computer: " << gamepoints[0] << std::endl;
  std::cout << "human: " << gamepoints[1] << std::endl;
  std::cout << std::endl;
}

} // namespace

int rollDice() { return static_cast<int>(random() % 6) + 1; }

char robot(int t) { return t > 9 ? 'n' : 'y'; }

int rollanalysis(int /*total*/) {
  const int p = plr;
  const int face = rollDice();
  bool ended = true;
  switch (face) {
  case 2:
  case 4:
  case 5:
    gamepoints[p] += face;
    turntotal[p] += face;
    ended = false;
    break;
  case 3: // the turn's gain is replaced by 15
    gamepoints[p] += 15 - turntotal[p];
    turntotal[p] = 15;
    break;
  default: // 1 or 6: the turn's gain is lost
    gamepoints[p] -= turntotal[p];
    turntotal[p] = 0;
    break;
  }
  std::cout << pRefer[p][1] << " rolled a " << face << std::endl;
  std::cout << pRefer[p][2] << " turn total is " << turntotal[p] << std::endl;
  if (ended) {
    printScores();
    turntotal[p] = 0;
  }
  return turntotal[p];
}

// A turn goes on in this loop rather than by calling itself, so a long run of
// invalid answers costs no stack.
int turn(int k) {
  if (gamepoints[0] >= maxpointwin || gamepoints[1] >= maxpointwin) {
    return 10;
  }
  for (;;) {
    char answer = 0;
    if (plr != 0) {
      std::cout << response[k] << std::endl;
      if (!readAnswer(answer)) {
        // Nothing more can be asked: close the game instead of asking forever.
        std::cout << "No more answers; the game ends here." << std::endl;
        return 0;
      }
    } else {
      answer = robot(turntotal[0]);
    }

    switch (answer) {
    case 'y':
    case 'Y': {
      int r = rollanalysis(turntotal[plr]);
      if (gamepoints[plr] >= maxpointwin) {
        std::cout << "Congratulations! " << pRefer[plr][0] << " won this round of vortle dice!";
        r = 0;
        winstate = 1;
      }
      if (r == 0) {
        return 0;
      }
      k = 1;
      break;
    }
    case 'n':
    case 'N':
      turntotal[plr] = 0;
      printScores();
      return 0;
    default:
      std::cout << "That's not a valid input numb nut" << std::endl;
      k = 0;
      break;
    }
  }
}

void game() {
  std::cout << "Welcome to Vortle Dice!" << std::endl;
  std::cout << std::endl;
  while (winstate == 0 && std::cin && std::cout) {
    std::cout << "It is now " << pRefer[plr][0] << "'s turn" << std::endl;
    std::cout << std::endl;
    if (turn(0) == 10) {
      break;
    }
    plr = plr == 0 ? 1 : 0;
  }
}
