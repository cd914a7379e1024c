// The transcript runner's stand-in program: copies standard input to standard output and ends as
// every program does. Its first line may ask it to touch a file, fail with status 3, complain on
// standard error, leak, or read bytes that only valgrind holds forbidden.
#include "exitstatus.hpp"

#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

#if __has_include(<valgrind/memcheck.h>)
#include <valgrind/memcheck.h>
#else
#define VALGRIND_MAKE_MEM_NOACCESS(address, size) static_cast<void>(0)
#define VALGRIND_MAKE_MEM_DEFINED(address, size) static_cast<void>(0)
#endif

namespace {

// Volatile, so the compiler can neither drop the allocation nor the reads.
char* volatile kept;

void leak() {
  kept = new char[64];
  kept = nullptr;
}

char readForbidden() {
  const auto buffer = std::make_unique<char[]>(16);
  VALGRIND_MAKE_MEM_NOACCESS(buffer.get(), 16);
  const volatile char* bytes = buffer.get();
  const char c = bytes[8];
  VALGRIND_MAKE_MEM_DEFINED(buffer.get(), 16);
  return c;
}

} // namespace

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, "copy standard input to standard output", 1, "0");
  const std::string input{std::istreambuf_iterator<char>(std::cin), {}};
  std::cout << input;
  const std::string first = input.substr(0, input.find('\n'));
  if (first == "touch") {
    std::ofstream("touched.txt") << "touched\n";
  }
  if (first == "leak") {
    leak();
  }
  if (first == "invalid read" && readForbidden() != 0) {
    std::cout << "never: the buffer starts zeroed\n";
  }
  if (first == "complain") {
    std::cerr << "echo_probe: complaint\n";
  }
  return exitStatus(SUITE_PROGRAM, first == "fail" ? 3 : 0);
}
