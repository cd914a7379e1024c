#include "exitstatus.hpp"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>
#include <streambuf>
#include <string>
#include <string_view>

namespace {

// Passes std::cout's writes on and keeps the error number of the first that fails, taken at once:
// by the end errno holds whatever a later call left there.
class WriteWatch : public std::streambuf {
public:
  explicit WriteWatch(std::streambuf* target) : target_(target) {}

  std::streambuf* target() const { return target_; }

  int error() const { return error_; }

protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
      return traits_type::not_eof(c);
    }
    errno = 0;
    const int_type put = target_->sputc(traits_type::to_char_type(c));
    if (traits_type::eq_int_type(put, traits_type::eof())) {
      noteFailure();
    }
    return put;
  }

  std::streamsize xsputn(const char* s, std::streamsize n) override {
    errno = 0;
    const std::streamsize put = target_->sputn(s, n);
    if (put != n) {
      noteFailure();
    }
    return put;
  }

  int sync() override {
    errno = 0;
    const int result = target_->pubsync();
    if (result != 0) {
      noteFailure();
    }
    return result;
  }

private:
  void noteFailure() {
    if (error_ == 0) {
      error_ = errno != 0 ? errno : EIO;
    }
  }

  std::streambuf* target_;
  int error_ = 0;
};

// Passes std::cin's reads on and keeps the error number of a failed one, which reaches the reader
// as the end of the input; stdin's error indicator tells the two apart, errno alone cannot.
class ReadWatch : public std::streambuf {
public:
  explicit ReadWatch(std::streambuf* target) : target_(target) {}

  std::streambuf* target() const { return target_; }

  int error() const { return error_; }

protected:
  int_type underflow() override { return pass(&std::streambuf::sgetc); }

  int_type uflow() override { return pass(&std::streambuf::sbumpc); }

  int_type pbackfail(int_type c) override {
    if (error_ != 0) {
      return traits_type::eof();
    }
    return traits_type::eq_int_type(c, traits_type::eof())
               ? target_->sungetc()
               : target_->sputbackc(traits_type::to_char_type(c));
  }

private:
  // After a failure the input has ended, without asking the system again.
  int_type pass(int_type (std::streambuf::*read)()) {
    if (error_ != 0) {
      return traits_type::eof();
    }
    errno = 0;
    const int_type c = (target_->*read)();
    if (traits_type::eq_int_type(c, traits_type::eof()) && std::ferror(stdin) != 0) {
      error_ = errno != 0 ? errno : EIO;
    }
    return c;
  }

  std::streambuf* target_;
  int error_ = 0;
};

// Both watches, in place while this lives.
struct Watches {
  WriteWatch writes{std::cout.rdbuf()};
  ReadWatch reads{std::cin.rdbuf()};
  Watches() {
    std::cout.rdbuf(&writes);
    std::cin.rdbuf(&reads);
  }
  ~Watches() {
    std::cin.rdbuf(reads.target());
    std::cout.rdbuf(writes.target());
  }
  Watches(const Watches&) = delete;
  Watches& operator=(const Watches&) = delete;
};

const Watches* watches = nullptr;
bool allocationFailed = false;

// An extraction swallows its std::bad_alloc, leaving only the bad bit: this keeps the cause.
void noteAllocationFailure() {
  allocationFailed = true;
  throw std::bad_alloc();
}

// One whole line on standard error in a single write.
void report(const char* program, const char* what, int error) {
  const std::string line = std::string(program) + ": " + what + ": " + std::strerror(error) + "\n";
  std::cerr << line << std::flush;
}

// The exit status for a command line with arguments; apart from startProgram so that its strings
// are freed before std::exit, which unwinds no stack.
int answer(int argc, char* argv[], const char* program, const char* summary, int section,
           const char* version) {
  const std::string usage = std::string("Usage: ") + program + " [--help | --version]\n";
  const std::string_view first = argv[1];
  const bool known = first == "--help" || first == "--version";
  if (known && argc == 2) {
    if (first == "--help") {
      std::string line = summary;
      line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
      std::cout << usage << line << ".\n\n"
                << "  --help     display this help and exit\n"
                << "  --version  output version information and exit\n\n"
                << "Full documentation: man " << section << ' ' << program << '\n';
    } else {
      std::cout << program << " (console-suite) " << version << '\n';
    }
    return exitStatus(program);
  }
  // GNU's words; anything after --help or --version is an operand.
  const std::string wrong = known ? argv[2] : argv[1];
  const bool option = !known && wrong.size() > 1 && wrong[0] == '-';
  std::cerr << std::string(program) + ": " +
                   (option ? "unrecognized option '" : "extra operand '") + wrong + "'\n" + usage +
                   "Try '" + program + " --help' for more information.\n"
            << std::flush;
  return 2;
}

} // namespace

void startProgram(int argc, char* argv[], const char* program, const char* summary, int section,
                  const char* version) {
  // Built here and destroyed at exit before the streams' last flush, which needs no watch.
  static Watches installed;
  watches = &installed;
  std::set_new_handler(noteAllocationFailure);
  if (argc > 1) {
    std::exit(answer(argc, argv, program, summary, section, version));
  }
}

int exitStatus(const char* program, int status) {
  std::cout.flush();
  int readError = watches != nullptr ? watches->reads.error() : 0;
  if (readError == 0 && std::cin.bad()) {
    readError = allocationFailed ? ENOMEM : EIO;
  }
  // Told first: a failed read ends the input early, and a failed write may follow from it.
  if (readError != 0) {
    report(program, "read error", readError);
    status = 1;
  }
  if (!std::cout) {
    const int writeError = watches != nullptr ? watches->writes.error() : 0;
    report(program, "write error", writeError != 0 ? writeError : EIO);
    status = 1;
  }
  return status;
}

int fileError(const char* program, const char* file, int error) {
  report(program, file, error);
  return 1;
}
