#include "oddsumfile.hpp"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
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
// files named, keeping the errno of the failure.
bool abandon(int fd, std::initializer_list<std::string> names = {}) {
  const int error = errno;
  if (fd >= 0) {
    close(fd);
  }
  for (const std::string& name : names) {
    unlink(name.c_str());
  }
  errno = error;
  return false;
}

// Makes the names in name's folder last through a crash. A folder the
// program may write but not read cannot be opened to be synced: then the
// whole file system is, through fd, a file in that folder.
bool syncFolderOf(const std::string& name, int fd) {
  const fs::path folder = fs::path(name).parent_path();
  const int dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) {
    return errno == EACCES && syncfs(fd) == 0;
  }
  if (fsync(dir) != 0) {
    return abandon(dir);
  }
  return close(dir) == 0;
}

// How a replacement by rename or a creation by link ended.
enum class Rename { done, failed, refused };

// Refused: the folder allows no new file or no rename there, or the old
// file's owner and group cannot be given to a new one. Then the old file
// must be updated in place instead.
Rename refusedOr(int error) {
  return error == EACCES || error == EPERM ? Rename::refused : Rename::failed;
}

// Replaces name by a new file holding text: written and synced beside it,
// renamed over it, and the folder synced, so that a crash leaves the old
// content or the new one. The new file takes the owner, group and
// permissions of old, the file opened as name; refused when name no longer
// leads to that file. On any failure the new file is removed, errno says
// why, and name is as it was.
Rename replaceByRename(const std::string& name, std::string_view text, const struct stat& old) {
  std::string temp = name + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    return refusedOr(errno);
  }
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    abandon(fd, {temp});
    return Rename::failed;
  }
  if ((info.st_uid != old.st_uid || info.st_gid != old.st_gid) &&
      fchown(fd, old.st_uid, old.st_gid) != 0) {
    abandon(fd, {temp});
    return refusedOr(errno);
  }
  // After fchown, which clears the set-user-ID and set-group-ID bits.
  if (fchmod(fd, old.st_mode & 07777) != 0 || !writeAll(fd, text) || fsync(fd) != 0 ||
      lstat(name.c_str(), &info) != 0) {
    abandon(fd, {temp});
    return Rename::failed;
  }
  if (info.st_dev != old.st_dev || info.st_ino != old.st_ino) {
    abandon(fd, {temp});
    return Rename::refused;
  }
  if (rename(temp.c_str(), name.c_str()) != 0) {
    abandon(fd, {temp});
    return refusedOr(errno);
  }
  if (!syncFolderOf(name, fd)) {
    abandon(fd);
    return Rename::failed;
  }
  return close(fd) == 0 ? Rename::done : Rename::failed;
}

// Makes name, which did not exist, hold text: a synced new file beside it,
// with the mode the shell gives a new file (0666 less the umask), is linked
// as name, its own name removed and the folder synced, so that name appears
// whole or not at all. Refused, with nothing left, when name exists by then
// or the file system has no hard links; on any other failure name does not
// exist afterwards and errno says why.
Rename createByLink(const std::string& name, std::string_view text) {
  std::string temp = name + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    return Rename::failed;
  }
  // The umask is read by setting it, and put back at once.
  const mode_t mask = umask(0);
  umask(mask);
  if (fchmod(fd, 0666 & ~mask) != 0 || !writeAll(fd, text) || fsync(fd) != 0) {
    abandon(fd, {temp});
    return Rename::failed;
  }
  if (link(temp.c_str(), name.c_str()) != 0) {
    abandon(fd, {temp});
    return errno == EEXIST ? Rename::refused : refusedOr(errno);
  }
  if (unlink(temp.c_str()) != 0 || !syncFolderOf(name, fd)) {
    abandon(fd, {temp, name});
    return Rename::failed;
  }
  if (close(fd) != 0) {
    abandon(-1, {name});
    return Rename::failed;
  }
  return Rename::done;
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
// group and permissions stay. A missing name is created by link. Otherwise
// everything is decided from the file opened, which is the one written. A
// regular file with a single link, named or behind a link, is replaced by
// rename in its folder where the rename keeps all that; otherwise (several
// links, an owner or group the program cannot give a new file, a folder
// that allows no new file or no rename) it is updated in place. A device or
// a FIFO is written as it is. False, with errno set by the call that
// failed, when text did not arrive; an old file then keeps its content, a
// missing one stays missing, and no temporary file is left.
bool replaceFile(const std::string& name, std::string_view text) {
  struct stat info {};
  if (lstat(name.c_str(), &info) != 0) {
    const Rename made = errno == ENOENT ? createByLink(name, text) : Rename::failed;
    if (made != Rename::refused) {
      return made == Rename::done;
    }
  }
  bool viaLink = false;
  const int fd = openAsTheShellWould(name, viaLink);
  if (fd < 0) {
    return false;
  }
  if (fstat(fd, &info) != 0) {
    return abandon(fd);
  }
  bool written = false;
  if (!S_ISREG(info.st_mode)) {
    written = writeAll(fd, text);
  } else {
    // The file behind a link is replaced in its own folder, under the path
    // the system opened.
    std::error_code error;
    const std::string path =
        viaLink ? fs::read_symlink("/proc/self/fd/" + std::to_string(fd), error).string() : name;
    if (error) {
      errno = error.value();
      return abandon(fd);
    }
    const Rename renamed = info.st_nlink != 1 ? Rename::refused : replaceByRename(path, text, info);
    // An empty file may be one the open has just created: its name must last
    // too.
    written = renamed == Rename::done ||
              (renamed == Rename::refused && updateInPlace(fd, text, info.st_size) &&
               (info.st_size > 0 || syncFolderOf(path, fd)));
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
