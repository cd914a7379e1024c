#include "exitstatus.hpp"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace {

// Stands between std::cout and the buffer it writes through, passes every
// character and every flush on unchanged, and keeps the error number of the
// first write that fails. It is taken at that moment: by the end of the
// program errno may hold the result of any later call (a read of standard
// input, say). After a failure the stream is bad and writes nothing more.
class WriteWatch : public std::streambuf {
public:
  explicit WriteWatch(std::streambuf* target) : target_(target) {}

  std::streambuf* target() const { return target_; }

  // The first failure's error number, 0 while every write has succeeded.
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
  // A failure that set no error number is told as an input/output error.
  void noteFailure() {
    if (error_ == 0) {
      error_ = errno != 0 ? errno : EIO;
    }
  }

  std::streambuf* target_;
  int error_ = 0;
};

// Stands between std::cin and the buffer it reads through, and tells a
// failed read (a directory as standard input, an I/O error) from the end of
// the input: both reach the reader as the end, but a failure keeps its error
// number, taken at once, for exitStatus to report. std::cin reads through
// the C library's stdin, whose error indicator tells the two apart (errno
// alone may hold a failed flush of standard output that the C library made
// on the way). After a failure every later read ends at once, without asking
// the system again.
class ReadWatch : public std::streambuf {
public:
  explicit ReadWatch(std::streambuf* target) : target_(target) {}

  std::streambuf* target() const { return target_; }

  // The failure's error number, 0 while no read has failed.
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
  // One character from the target by read, the end once a read has failed.
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

// Both put in place before main runs (the standard streams are built by
// then: the initializer of <iostream>, included above, runs first), so that
// every read and write of the program passes a watch. The streams get their
// own buffers back at exit, before they are flushed for the last time.
struct Watched {
  WriteWatch writes{std::cout.rdbuf()};
  ReadWatch reads{std::cin.rdbuf()};
  Watched() {
    std::cout.rdbuf(&writes);
    std::cin.rdbuf(&reads);
  }
  ~Watched() {
    std::cin.rdbuf(reads.target());
    std::cout.rdbuf(writes.target());
  }
  Watched(const Watched&) = delete;
  Watched& operator=(const Watched&) = delete;
};

Watched watched;

// One whole line on standard error in a single write.
void report(const char* program, const char* what, int error) {
  const std::string line = std::string(program) + ": " + what + ": " + std::strerror(error) + "\n";
  std::cerr << line << std::flush;
}

} // namespace

int exitStatus(const char* program, int status) {
  std::cout.flush();
  // A failed read ended the input early: the program worked on less than it
  // was given. Told before a failed write, which may have followed from it.
  if (watched.reads.error() != 0) {
    report(program, "read error", watched.reads.error());
    status = 1;
  }
  if (!std::cout) {
    // The stream also turns bad without a failed write when a caller sets
    // its state; that too is a write that did not happen.
    report(program, "write error", watched.writes.error() != 0 ? watched.writes.error() : EIO);
    status = 1;
  }
  return status;
}

int fileError(const char* program, const char* file, int error) {
  report(program, file, error);
  return 1;
}

namespace {

// Answers a command line that holds arguments, as answerArguments tells,
// and gives the exit status: apart from answerArguments, so that its
// strings are freed before std::exit, which unwinds no stack.
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
  // GNU's words: an option the program does not know, or an operand, of
  // which it takes none (anything after --help or --version is one).
  const std::string wrong = known ? argv[2] : argv[1];
  const bool option = !known && wrong.size() > 1 && wrong[0] == '-';
  std::cerr << std::string(program) + ": " +
                   (option ? "unrecognized option '" : "extra operand '") + wrong + "'\n" + usage +
                   "Try '" + program + " --help' for more information.\n"
            << std::flush;
  return 2;
}

} // namespace

void answerArguments(int argc, char* argv[], const char* program, const char* summary, int section,
                     const char* version) {
  if (argc > 1) {
    std::exit(answer(argc, argv, program, summary, section, version));
  }
}
