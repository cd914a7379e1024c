// A stand-in program for testing the transcript runner: copies standard input
// to standard output byte for byte. A first line "touch" also creates
// touched.txt; a first line "fail" makes the exit status 3.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main() {
  const std::string input{std::istreambuf_iterator<char>(std::cin), {}};
  std::cout << input;
  const std::string first = input.substr(0, input.find('\n'));
  if (first == "touch") {
    std::ofstream("touched.txt") << "touched\n";
  }
  return first == "fail" ? 3 : 0;
}
