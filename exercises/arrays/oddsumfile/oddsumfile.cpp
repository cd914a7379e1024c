#include "oddsumfile.hpp"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes all of text to fd; false, with errno set by the write that failed,
// as soon as one does.
bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = write(fd, text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) {
      continue;
    }
    if (put <= 0) {
      if (put == 0) {
        errno = EIO;
      }
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return true;
}

// The permissions a file created with mode 0666 would get now.
mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Gives up after a failed call: closes fd when it is open and removes the
// temporary file temp when one is named, keeping the errno of the failure.
bool abandon(int fd, const std::string& temp = "") {
  const int error = errno;
  if (fd >= 0) {
    close(fd);
  }
  if (!temp.empty()) {
    unlink(temp.c_str());
  }
  errno = error;
  return false;
}

// Makes name hold exactly text. A regular file is never changed in place:
// text goes into a new file beside it, which is renamed over name only once
// it has been written and closed without error, so a failure leaves any old
// content whole. An existing name keeps its permissions; a new one gets
// 0666 less the umask. A name that is not a regular file (a device, say) has
// no content to keep and is written in place. A symbolic link named name is
// replaced by the file, not followed. Any name this process could not open
// for writing (a directory, a file it may not write) is refused, as before.
// False, with errno set by the call that failed, when text did not arrive.
bool replaceFile(const std::string& name, const std::string& text) {
  mode_t mode = 0;
  const int existing = open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (existing >= 0) {
    struct stat info {};
    if (fstat(existing, &info) != 0) {
      return abandon(existing);
    }
    if (!S_ISREG(info.st_mode)) {
      if (!writeAll(existing, text)) {
        return abandon(existing);
      }
      return close(existing) == 0;
    }
    close(existing);
    mode = info.st_mode & 07777;
  } else if (errno == ENOENT) {
    mode = newFileMode();
  } else {
    return false;
  }

  std::string temp = name + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    return false;
  }
  if (fchmod(fd, mode) != 0 || !writeAll(fd, text)) {
    return abandon(fd, temp);
  }
  if (close(fd) != 0) {
    return abandon(-1, temp);
  }
  if (rename(temp.c_str(), name.c_str()) != 0) {
    return abandon(-1, temp);
  }
  return true;
}

} // namespace

int sumOfPositiveOdd(std::string name, int* values, int n) {
  // Kept wider than int so that no array of ints can overflow it; the file
  // gets the exact sum.
  long long sum = 0;
  for (int i = 0; i < n; ++i) {
    const int v = values[i];
    // v % 2 is 1 for odd v, -1 for negative odd v and 0 otherwise, and
    // (v >= 0) gates out the negatives. v * (v % 2) cannot overflow: the one
    // value whose negation would, INT_MIN, is even.
    sum += v * (v % 2) * (v >= 0);
  }
  return replaceFile(name, std::to_string(sum)) ? 1 : -1;
}
