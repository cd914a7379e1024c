#include "exitstatus.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <sys/resource.h>

namespace {

char probe[] = "probe";
char* args[] = {probe, nullptr};

// Standard input of endless 'x', a buffer at a time, or failing with an exception.
class Endless : public std::streambuf {
public:
  explicit Endless(bool fail) : fail_(fail) { setg(bytes_.data(), bytes_.data(), bytes_.data()); }

protected:
  int_type underflow() override {
    if (fail_) {
      throw std::runtime_error("no input");
    }
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    return traits_type::to_int_type(bytes_[0]);
  }

private:
  bool fail_;
  std::string bytes_ = std::string(4096, 'x');
};

// Reads a word from in as a program would, within limit bytes of address space when given one.
void readWord(std::streambuf* in, rlim_t limit) {
  startProgram(1, args, probe, "probe", 1, "0");
  std::cin.rdbuf(in);
  if (limit != 0) {
    const rlimit room{limit, RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &room);
  }
  std::string word;
  std::cin >> word;
  std::exit(exitStatus(probe));
}

TEST(ExitStatus, ExceptionCaughtByTheStreamIsAReadError) {
  Endless failing(true);
  EXPECT_EXIT(readWord(&failing, 0), testing::ExitedWithCode(1),
              "^probe: read error: Input/output error\n$");
}

TEST(ExitStatus, AllocationFailureInAnExtractionIsAReadErrorOutOfMemory) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer reports a failed allocation itself";
#endif
  Endless endless(false);
  EXPECT_EXIT(readWord(&endless, rlim_t{256} << 20), testing::ExitedWithCode(1),
              "^probe: read error: Cannot allocate memory\n$");
}

} // namespace
