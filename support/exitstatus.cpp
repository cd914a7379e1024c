#include "exitstatus.hpp"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>

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

// Put in place before main runs (std::cout is built by then: the initializer
// of <iostream>, included above, runs first), so that every write of the
// program passes the watch. std::cout gets its own buffer back at exit,
// before the standard streams are flushed for the last time.
struct Watched {
  WriteWatch watch{std::cout.rdbuf()};
  Watched() { std::cout.rdbuf(&watch); }
  ~Watched() { std::cout.rdbuf(watch.target()); }
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
  if (std::cout) {
    return status;
  }
  // The stream also turns bad without a failed write when a caller sets its
  // state; that too is a write that did not happen.
  report(program, "write error", watched.watch.error() != 0 ? watched.watch.error() : EIO);
  return 1;
}

int fileError(const char* program, const char* file, int error) {
  report(program, file, error);
  return 1;
}
