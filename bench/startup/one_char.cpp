// The least a program that writes through the stream library can be: one
// character to std::cout. Against the do-nothing program it shows what the
// stream library's own set-up costs before any program does its work.
#include <iostream>

int main() {
  std::cout << '0';
  return 0;
}
