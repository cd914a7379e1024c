#include "oddsumfile.hpp"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Writes all of text to fd at its current offset; false, with errno set by
// the write that failed, as soon as one does.
bool writeAll(int fd, std::string_view text) {
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

// Writes all of text to the regular file fd from offset at.
bool writeAt(int fd, std::string_view text, off_t at) {
  return lseek(fd, at, SEEK_SET) == at && writeAll(fd, text);
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

// Makes the rename of a file in name's folder last through a crash. A
// folder the program may write but not read cannot be opened to be synced:
// then the file itself, already synced and in place, is the best it gets.
bool syncFolderOf(const std::string& name) {
  const fs::path folder = fs::path(name).parent_path();
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return errno == EACCES;
  }
  if (fsync(fd) != 0) {
    return abandon(fd);
  }
  return close(fd) == 0;
}

// How a replacement by rename ended.
enum class Rename { done, failed, refused };

// Refused: the folder allows no new file or no rename there, or the old
// file's owner and group cannot be given to a new one. Then the old file
// must be updated in place instead.
Rename refusedOr(int error) {
  return error == EACCES || error == EPERM ? Rename::refused : Rename::failed;
}

// Replaces name by a new file holding text: written, synced and closed
// beside it, then renamed over it, and the folder synced, so that a crash
// leaves the old content or the new one. The new file takes the owner,
// group and permissions of old, the file it replaces. On any failure the new
// file is removed, errno says why, and name is as it was.
Rename replaceByRename(const std::string& name, std::string_view text, const struct stat& old) {
  std::string temp = name + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    return refusedOr(errno);
  }
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    abandon(fd, temp);
    return Rename::failed;
  }
  if ((info.st_uid != old.st_uid || info.st_gid != old.st_gid) &&
      fchown(fd, old.st_uid, old.st_gid) != 0) {
    abandon(fd, temp);
    return refusedOr(errno);
  }
  // After fchown, which clears the set-user-ID and set-group-ID bits.
  if (fchmod(fd, old.st_mode & 07777) != 0 || !writeAll(fd, text) || fsync(fd) != 0) {
    abandon(fd, temp);
    return Rename::failed;
  }
  if (close(fd) != 0) {
    abandon(-1, temp);
    return Rename::failed;
  }
  if (rename(temp.c_str(), name.c_str()) != 0) {
    abandon(-1, temp);
    return refusedOr(errno);
  }
  return syncFolderOf(name) ? Rename::done : Rename::failed;
}

// Reads the first bytes.size() bytes of the regular file fd, which is open
// for writing only, into bytes: through a descriptor for reading that the
// system opens from fd's own entry in /proc, so that it is the same file
// whatever name leads to it by now. False, with errno set, when they cannot
// be read whole (a file the program may write but not read, say).
bool readStart(int fd, std::string& bytes) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  const int in = open(self.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) {
    return false;
  }
  const ssize_t got = pread(in, bytes.data(), bytes.size(), 0);
  if (got != static_cast<ssize_t>(bytes.size())) {
    if (got >= 0) {
      errno = EIO;
    }
    return abandon(in);
  }
  return close(in) == 0;
}

// After a failed step of updateInPlace: writes the old bytes back over the
// start of fd and cuts it back to its old size, so that it holds its old
// content again. Keeps the errno of the failure and gives false.
bool putBack(int fd, std::string_view old, off_t oldSize) {
  const int error = errno;
  // When this fails too, nothing more can be done.
  [[maybe_unused]] const bool back = writeAt(fd, old, 0) && ftruncate(fd, oldSize) == 0;
  errno = error;
  return false;
}

// Makes the regular file fd, of oldSize bytes, hold text without emptying it
// first. The old bytes that text covers are kept first. The bytes beyond the
// old end are written first (a full disk or a size limit stops that write),
// then the rest over the start, and the file is cut to the new length: when
// one of these fails, the kept bytes and the old length are put back. A sync
// that fails after the cut leaves the new content.
bool updateInPlace(int fd, std::string_view text, off_t oldSize) {
  const std::size_t keep = std::min(text.size(), static_cast<std::size_t>(oldSize));
  std::string old(keep, '\0');
  if (!readStart(fd, old)) {
    return false;
  }
  if ((text.size() > keep && !writeAt(fd, text.substr(keep), oldSize)) ||
      !writeAt(fd, text.substr(0, keep), 0) ||
      ftruncate(fd, static_cast<off_t>(text.size())) != 0) {
    return putBack(fd, old, oldSize);
  }
  return fsync(fd) == 0;
}

// Opens name as the shell's > does, less the emptying: for writing, created
// with mode 0666 less the umask when missing, every link followed by the
// system, never by us, so that every protection the system gives such an
// open applies (fs.protected_symlinks, _regular and _fifos refuse a link, a
// file or a FIFO that another user planted in a sticky folder). viaLink
// tells whether name itself is a symbolic link: the first open does not
// follow one, and only then does a second open follow it.
int openAsTheShellWould(const std::string& name, bool& viaLink) {
  const int flags = O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC;
  const int error = errno;
  int fd = open(name.c_str(), flags | O_NOFOLLOW, 0666);
  viaLink = fd < 0 && errno == ELOOP;
  if (viaLink) {
    // The ELOOP of the first open is no failure of ours.
    errno = error;
    fd = open(name.c_str(), flags, 0666);
  }
  return fd;
}

// Makes the file that name leads to hold exactly text, and keeps it the same
// file: a link stays a link, hard links keep sharing it, and its owner,
// group and permissions stay. Everything is decided from the opened file,
// which is the one written. A regular file that name holds itself, with a
// single link, is replaced through a synced temporary file renamed over it
// where the rename keeps all that; otherwise (the file behind a link,
// several links, an owner or group the program cannot give a new file, a
// folder that allows no new file or no rename) it is updated in place. A
// device or a FIFO is written as it is. False, with errno set by the call
// that failed, when text did not arrive; an old file then keeps its content
// and no temporary file is left.
bool replaceFile(const std::string& name, std::string_view text) {
  bool viaLink = false;
  const int fd = openAsTheShellWould(name, viaLink);
  if (fd < 0) {
    return false;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    return abandon(fd);
  }
  bool written = false;
  if (!S_ISREG(info.st_mode)) {
    written = writeAll(fd, text);
  } else {
    const Rename renamed =
        viaLink || info.st_nlink != 1 ? Rename::refused : replaceByRename(name, text, info);
    written = renamed == Rename::done ||
              (renamed == Rename::refused && updateInPlace(fd, text, info.st_size));
  }
  if (!written) {
    return abandon(fd);
  }
  return close(fd) == 0;
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
