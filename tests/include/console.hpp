// Console redirection for in-process tests: run a program's functions against
// a string as standard input and collect what they write to standard output.
#pragma once

#include <iostream>
#include <sstream>
#include <string>
#include <utility>

// While alive, std::cout writes into a string. The stream's format (fixed
// notation, precision, ...) is restored afterwards, so a test that changes it
// leaves no trace on the next one.
class CoutCapture {
public:
  CoutCapture() : saved_(std::cout.rdbuf(out_.rdbuf())) { format_.copyfmt(std::cout); }
  ~CoutCapture() {
    std::cout.copyfmt(format_);
    std::cout.rdbuf(saved_);
  }
  CoutCapture(const CoutCapture&) = delete;
  CoutCapture& operator=(const CoutCapture&) = delete;

  // Everything written so far.
  std::string str() const { return out_.str(); }

private:
  std::ostringstream out_;
  std::streambuf* saved_;
  std::ios format_{nullptr};
};

// While alive, std::cin reads from the given text, starting in a good state.
// The real standard input, and a good state, come back afterwards.
class CinFeed {
public:
  explicit CinFeed(std::string text) : in_(std::move(text)), saved_(std::cin.rdbuf(in_.rdbuf())) {
    std::cin.clear();
  }
  ~CinFeed() {
    std::cin.rdbuf(saved_);
    std::cin.clear();
  }
  CinFeed(const CinFeed&) = delete;
  CinFeed& operator=(const CinFeed&) = delete;

private:
  std::istringstream in_;
  std::streambuf* saved_;
};
