#include "oddsumfile.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <string>
#include <string_view>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// How a way of writing ended. Every end but written leaves errno set by the call that failed.
enum class End {
  written,  // the new content is in place and synced
  failed,   // nothing changed: an old file keeps its content, a missing one stays missing
  unsynced, // the new content is in place, but a step after that failed
  cannot,   // this way cannot work here and changed nothing: the other way is taken
};

// A failure of the data itself, where the other way would fare no better and could leave a mix.
bool dataError(int error) {
  return error == EIO || error == ENOSPC || error == EDQUOT || error == EFBIG || error == ENOMEM;
}

// The end of a way whose call failed before it changed anything.
End unchanged() { return dataError(errno) ? End::failed : End::cannot; }

// A descriptor that is closed when it goes out of scope, keeping errno; close() reports.
class Fd {
public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    const int error = errno;
    close();
    errno = error;
  }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  bool close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }

private:
  int fd_;
};

// Writes all of text to fd at its current offset; a write that writes nothing is an I/O error.
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

// Syncs fd; a file that has nothing to sync (a file in /proc, say) says so with EINVAL.
bool synced(int fd) { return fsync(fd) == 0 || errno == EINVAL; }

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The mode of fd and those of its statx attributes (STATX_ATTR_*) that its file system reports.
bool attributesOf(int fd, std::uint64_t& attributes, mode_t& mode) {
  struct statx info {};
  if (statx(fd, "", AT_EMPTY_PATH, STATX_MODE, &info) != 0) {
    return false;
  }
  attributes = info.stx_attributes & info.stx_attributes_mask;
  mode = info.stx_mode;
  return true;
}

// The folder a file lies in and the file's name there, opened before the first change. Opened
// for reading where allowed, so that it can be synced; otherwise as a path, and a sync of the
// whole file system stands in for its own.
struct Folder {
  Fd fd;
  bool readable = false;
  bool sticky = false;
  // Append-only or immutable: a temporary name made there could never be removed.
  bool appendOnly = false;
  std::string name;

  // Opens the folder of path; false, with errno set, where it cannot be opened even as a path.
  bool open(const std::string& path) {
    const fs::path file(path);
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
    name = file.filename().string();
    fd = Fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    readable = static_cast<bool>(fd);
    if (!readable && !dataError(errno)) {
      fd = Fd(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    }
    std::uint64_t attributes = 0;
    mode_t mode = 0;
    if (!fd || !attributesOf(fd.get(), attributes, mode)) {
      return false;
    }
    sticky = (mode & S_ISVTX) != 0;
    appendOnly = (attributes & (STATX_ATTR_APPEND | STATX_ATTR_IMMUTABLE)) != 0;
    return true;
  }

  // Makes the names in the folder last through a crash; file is a descriptor of a file there.
  bool sync(int file) const { return readable ? synced(fd.get()) : syncfs(file) == 0; }
};

// A name for a temporary file beside name: name.XXXXXX with six random letters and digits.
std::string tempName(const std::string& name) {
  static constexpr std::string_view chars =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static unsigned counter = 0;
  std::array<unsigned char, 6> random{};
  if (getrandom(random.data(), random.size(), GRND_NONBLOCK) !=
      static_cast<ssize_t>(random.size())) {
    // Without the kernel's randomness the names are tried in turn, skipping those that exist.
    for (unsigned n = counter++; unsigned char& c : random) {
      c = static_cast<unsigned char>(n % chars.size());
      n /= static_cast<unsigned>(chars.size());
    }
  }
  std::string temp = name + ".";
  for (const unsigned char c : random) {
    temp += chars[c % chars.size()];
  }
  return temp;
}

// The new file that takes the content, made as the shell's open would make it (mode 0666 less the
// umask, a folder's default ACL and set-group-ID group). Unnamed where the file system allows, so
// that nothing is left behind whenever the program stops; otherwise under a temporary name, which
// is removed again unless it became the file's name.
class NewFile {
public:
  explicit NewFile(const Folder& folder) : folder_(folder) {}
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  ~NewFile() {
    const int error = errno;
    if (!temp_.empty()) {
      unlinkat(folder_.fd.get(), temp_.c_str(), 0);
    }
    errno = error;
  }

  int fd() const { return fd_.get(); }
  bool named() const { return !temp_.empty(); }
  const std::string& temp() const { return temp_; }
  Fd& descriptor() { return fd_; }

  // Makes it unnamed; false, with errno set, where the file system cannot.
  bool openUnnamed() {
    fd_ = Fd(openat(folder_.fd.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    return static_cast<bool>(fd_);
  }

  // Makes it under a temporary name, never in a folder where that name could not be removed.
  bool openNamed() {
    if (folder_.appendOnly) {
      errno = EPERM;
      return false;
    }
    return attempt([&](const std::string& temp) {
      fd_ = Fd(openat(folder_.fd.get(), temp.c_str(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
      return static_cast<bool>(fd_);
    });
  }

  // Gives the unnamed file a temporary name, just before it is renamed.
  bool nameTemp() {
    return attempt([&](const std::string& temp) { return linkAs(temp); });
  }

  // Links the unnamed file in as name: through its descriptor, or, where the kernel allows that
  // only to privileged users (before Linux 6.10), through its entry in /proc.
  bool linkAs(const std::string& name) const {
    const int folder = folder_.fd.get();
    if (linkat(fd(), "", folder, name.c_str(), AT_EMPTY_PATH) == 0) {
      return true;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd());
    return errno == ENOENT &&
           linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
  }

  // The temporary name now is the file's name: it stays.
  void keepName() { temp_.clear(); }

private:
  // Tries make with fresh temporary names while the one tried exists already.
  template <class Make> bool attempt(Make make) {
    for (int tries = 0; tries < 100; ++tries) {
      std::string temp = tempName(folder_.name);
      if (make(temp)) {
        temp_ = std::move(temp);
        return true;
      }
      if (errno != EEXIST) {
        return false;
      }
    }
    return false;
  }

  const Folder& folder_;
  Fd fd_;
  std::string temp_;
};

// Fills buffer through call, which tells the size it needs when given no room, as the calls for
// extended attributes do; asks again when that size changed meanwhile.
template <class Call> bool fill(std::string& buffer, Call call) {
  for (int tries = 0; tries < 4; ++tries) {
    const ssize_t need = call(nullptr, 0);
    if (need <= 0) {
      buffer.clear();
      return need == 0;
    }
    buffer.resize(static_cast<std::size_t>(need));
    const ssize_t got = call(buffer.data(), buffer.size());
    if (got >= 0) {
      buffer.resize(static_cast<std::size_t>(got));
      return true;
    }
    if (errno != ERANGE) {
      return false;
    }
  }
  return false;
}

using Xattrs = std::vector<std::pair<std::string, std::string>>;

// The extended attributes of fd that this process may see (trusted.* only for root), with their
// values, by name; known is false where the file system has none.
bool xattrsOf(int fd, Xattrs& xattrs, bool& known) {
  xattrs.clear();
  std::string names;
  known = fill(names, [&](char* to, std::size_t size) { return flistxattr(fd, to, size); });
  if (!known) {
    return errno == ENOTSUP;
  }
  for (std::size_t at = 0; at < names.size();) {
    const std::size_t end = std::min(names.find('\0', at), names.size());
    std::string name = names.substr(at, end - at);
    at = end + 1;
    std::string value;
    if (!fill(value,
              [&](char* to, std::size_t size) { return fgetxattr(fd, name.c_str(), to, size); })) {
      return false;
    }
    xattrs.emplace_back(std::move(name), std::move(value));
  }
  std::sort(xattrs.begin(), xattrs.end());
  return true;
}

// The inode flags of fd (lsattr's letters); known is false where the file system has none.
bool flagsOf(int fd, int& flags, bool& known) {
  flags = 0;
  known = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  return known || errno == ENOTTY || errno == ENOTSUP || errno == EINVAL || errno == ENOSYS;
}

// What a file is beyond its content: what a new file must keep to be the same file.
struct Identity {
  struct stat info {};
  Xattrs xattrs;
  int flags = 0;
  bool xattrsKnown = false;
  bool flagsKnown = false;

  // Reads what fd is beyond its stat info, which info holds already.
  bool readBeyond(int fd) {
    return xattrsOf(fd, xattrs, xattrsKnown) && flagsOf(fd, flags, flagsKnown);
  }
  bool read(int fd) { return fstat(fd, &info) == 0 && readBeyond(fd); }

  // Whether now, read from a new file, keeps all of this: owner, group, mode, every extended
  // attribute, and every inode flag (a new file may have more, such as ext4's extents).
  bool keptBy(const Identity& now) const {
    return now.info.st_uid == info.st_uid && now.info.st_gid == info.st_gid &&
           (now.info.st_mode & 07777) == (info.st_mode & 07777) && now.xattrs == xattrs &&
           now.xattrsKnown == xattrsKnown && (flags & ~now.flags) == 0 &&
           now.flagsKnown == flagsKnown;
  }
};

// Gives the new file fd the extended attributes of old (its ACL among them), and removes those
// it got that old lacks, such as the ACL a folder's default ACL gives every new file.
bool copyXattrs(int fd, const Xattrs& old) {
  for (const auto& [name, value] : old) {
    if (fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) != 0) {
      return false;
    }
  }
  Xattrs got;
  bool known = false;
  if (!xattrsOf(fd, got, known)) {
    return false;
  }
  for (const auto& attribute : got) {
    if (!std::binary_search(old.begin(), old.end(), attribute,
                            [](const auto& a, const auto& b) { return a.first < b.first; }) &&
        fremovexattr(fd, attribute.first.c_str()) != 0) {
      return false;
    }
  }
  return true;
}

// Writes text to the new file and syncs it.
bool fillNew(int fd, std::string_view text) { return writeAll(fd, text) && synced(fd); }

// Puts the named new file in place as name, which did not exist, never over a file that has
// taken the name by then: by an exclusive rename, else by a link, else, on a file system with
// neither (exFAT), by a rename once name is seen missing, which a sticky folder never gets, since
// there it could replace a file another user put there meanwhile.
bool putInPlace(const Folder& folder, NewFile& file, const std::string& name) {
  const int at = folder.fd.get();
  if (renameat2(at, file.temp().c_str(), at, name.c_str(), RENAME_NOREPLACE) == 0) {
    file.keepName();
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return false;
  }
  if (linkat(at, file.temp().c_str(), at, name.c_str(), 0) == 0) {
    // Two names for one file are a failure too; the name is taken back.
    if (unlinkat(at, file.temp().c_str(), 0) == 0) {
      file.keepName();
      return true;
    }
    const int error = errno;
    unlinkat(at, name.c_str(), 0);
    errno = error;
    return false;
  }
  if (errno != EPERM && errno != EOPNOTSUPP) {
    return false;
  }
  struct stat info {};
  if (folder.sticky) {
    errno = EPERM;
    return false;
  }
  if (fstatat(at, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
    errno = EEXIST;
    return false;
  }
  if (errno != ENOENT || renameat(at, file.temp().c_str(), at, name.c_str()) != 0) {
    return false;
  }
  file.keepName();
  return true;
}

// Makes name, which was missing, hold text: the new file is written and synced before a name
// shows it, so that name appears whole or not at all, and its folder is synced before it counts
// as written. A name that appears meanwhile is left to the other way (cannot, errno EEXIST).
End createWhole(const std::string& name, std::string_view text) {
  Folder folder;
  if (!folder.open(name)) {
    return unchanged();
  }
  NewFile file(folder);
  bool linked = false;
  if (file.openUnnamed()) {
    if (!fillNew(file.fd(), text)) {
      return unchanged();
    }
    linked = file.linkAs(folder.name);
    if (!linked && (errno == EEXIST || dataError(errno))) {
      return unchanged();
    }
  } else if (dataError(errno)) {
    return End::failed;
  }
  if (!linked &&
      !(file.openNamed() && fillNew(file.fd(), text) && putInPlace(folder, file, folder.name))) {
    return unchanged();
  }
  if (folder.sync(file.fd()) && file.descriptor().close() && folder.fd.close()) {
    return End::written;
  }
  // A failed first run leaves no file, where the folder lets the name be taken back.
  const int error = errno;
  const bool removed = unlink(name.c_str()) == 0;
  errno = error;
  return removed ? End::failed : End::unsynced;
}

// The way a file opened for writing gets its new content.
enum class Way { rename, inPlace, fail };

// Decides from fd, the file opened, and its folder, opened here: a file is replaced by rename
// only where a new one can keep all it is (a regular file with one link, not a mount of its own,
// not set-user-ID, set-group-ID or with capabilities, which the shell's write clears, in a folder
// that allows removing names); otherwise it is updated in place. Whether the new file really
// keeps the extended attributes and inode flags shows once it is made.
Way decide(int fd, const std::string& path, Folder& folder, Identity& old) {
  std::uint64_t attributes = 0;
  mode_t mode = 0;
  if (!folder.open(path) || !old.readBeyond(fd) || !attributesOf(fd, attributes, mode)) {
    return dataError(errno) ? Way::fail : Way::inPlace;
  }
  const bool capable = std::any_of(old.xattrs.begin(), old.xattrs.end(), [](const auto& attribute) {
    return attribute.first == "security.capability";
  });
  const bool keepable = old.info.st_nlink == 1 && (attributes & STATX_ATTR_MOUNT_ROOT) == 0 &&
                        !folder.appendOnly && (old.info.st_mode & (S_ISUID | S_ISGID)) == 0 &&
                        !capable;
  return keepable ? Way::rename : Way::inPlace;
}

// Replaces the old file, open as fd, by a new one renamed over it in its folder: written, given
// the old owner, group, extended attributes and mode, in that order (fchown clears set-ID bits,
// and fchmod sets the ACL's mask), synced, and checked to keep all that. Cannot, leaving nothing,
// where it does not, or where the old file changed meanwhile (a new link, an ACL set).
End replaceByRename(int fd, const Identity& old, const Folder& folder, std::string_view text) {
  NewFile file(folder);
  if (!file.openUnnamed() && (dataError(errno) || !file.openNamed())) {
    return unchanged();
  }
  Identity made;
  if (!writeAll(file.fd(), text) || fchown(file.fd(), old.info.st_uid, old.info.st_gid) != 0 ||
      !copyXattrs(file.fd(), old.xattrs) || fchmod(file.fd(), old.info.st_mode & 07777) != 0 ||
      !synced(file.fd()) || !made.read(file.fd())) {
    return unchanged();
  }
  struct stat now {};
  struct stat named {};
  if (fstat(fd, &now) != 0 ||
      fstatat(folder.fd.get(), folder.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
    return unchanged();
  }
  // The name must still lead to the file decided on, with no new link and no change since.
  if (!old.keptBy(made) || now.st_nlink != 1 || !sameFile(named, old.info) ||
      now.st_ctim.tv_sec != old.info.st_ctim.tv_sec ||
      now.st_ctim.tv_nsec != old.info.st_ctim.tv_nsec) {
    return End::cannot;
  }
  if ((!file.named() && !file.nameTemp()) ||
      renameat(folder.fd.get(), file.temp().c_str(), folder.fd.get(), folder.name.c_str()) != 0) {
    return unchanged();
  }
  file.keepName();
  return folder.sync(file.fd()) && file.descriptor().close() ? End::written : End::unsynced;
}

// Reads the first bytes.size() bytes of the regular file fd (old), which is open for writing
// only: through a descriptor for reading opened by name (O_NONBLOCK, should the name lead to a
// FIFO by now), used only when it is the same file, else through fd's entry in /proc.
bool readStart(int fd, const struct stat& old, const std::string& name, std::string& bytes) {
  Fd in(open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  const int byName = in ? 0 : errno;
  struct stat info {};
  if (dataError(byName) || (in && fstat(in.get(), &info) != 0)) {
    return false;
  }
  if (!in || !sameFile(info, old)) {
    in = Fd(open(("/proc/self/fd/" + std::to_string(fd)).c_str(), O_RDONLY | O_CLOEXEC));
    if (!in) {
      // Told as the failure of the name, which a user can act on.
      errno = byName != 0 ? byName : errno;
      return false;
    }
  }
  const ssize_t got = pread(in.get(), bytes.data(), bytes.size(), 0);
  if (got != static_cast<ssize_t>(bytes.size())) {
    if (got >= 0) {
      errno = EIO;
    }
    return false;
  }
  return in.close();
}

// Makes the regular file fd, old when opened, hold text as the shell's > would, without emptying
// it first: the bytes past the old end are written first (a full disk stops that write), then the
// rest over the start, and the file is cut to the new length. When one of these fails, the old
// bytes that text covers, read beforehand, and the old length are put back. An empty file may be
// one the open has just made: then its folder is synced too.
End updateInPlace(int fd, const struct stat& old, const std::string& name, Folder& folder,
                  std::string_view text) {
  const std::size_t keep = std::min(text.size(), static_cast<std::size_t>(old.st_size));
  std::string saved(keep, '\0');
  // The folder is closed first, so that reading the old bytes needs no more descriptors.
  if (keep > 0 && !(folder.fd.close() && readStart(fd, old, name, saved))) {
    return End::failed;
  }
  if ((text.size() > keep && !writeAt(fd, text.substr(keep), old.st_size)) ||
      !writeAt(fd, text.substr(0, keep), 0) ||
      ftruncate(fd, static_cast<off_t>(text.size())) != 0) {
    const int error = errno;
    // When putting back fails too, nothing more can be done.
    [[maybe_unused]] const bool back = writeAt(fd, saved, 0) && ftruncate(fd, old.st_size) == 0;
    errno = error;
    return End::failed;
  }
  return synced(fd) && (old.st_size > 0 || folder.sync(fd)) ? End::written : End::unsynced;
}

// Opens name as the shell's > does, less the emptying: for writing, created with mode 0666 less
// the umask when missing, a link followed by the system, never by us, so that every protection the
// system gives such an open applies (fs.protected_symlinks, _regular and _fifos). viaLink tells
// whether name itself is a symbolic link: only then does a second open follow it.
int openAsTheShellWould(const std::string& name, bool& viaLink) {
  const int flags = O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC;
  const int error = errno;
  int fd = open(name.c_str(), flags | O_NOFOLLOW, 0666);
  viaLink = fd < 0 && errno == ELOOP;
  if (viaLink) {
    errno = error;
    fd = open(name.c_str(), flags, 0666);
  }
  return fd;
}

// The path the system opened as fd, from /proc: where the file behind a link lies.
bool pathOf(int fd, std::string& path) {
  path.assign(PATH_MAX, '\0');
  const ssize_t size =
      readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path.data(), path.size());
  if (size == static_cast<ssize_t>(path.size())) {
    errno = ENAMETOOLONG;
  }
  path.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
  return size > 0 && size < PATH_MAX;
}

// Makes the file that name leads to hold exactly text, and keeps it the same file. A missing name
// is created whole; otherwise the file opened as the shell would is replaced by rename where a new
// file provably keeps all it is, and updated in place where not; a device or a FIFO is written as
// it is.
End writeFile(const std::string& name, std::string_view text) {
  Identity old;
  if (lstat(name.c_str(), &old.info) != 0) {
    const End made = errno == ENOENT ? createWhole(name, text) : unchanged();
    if (made != End::cannot) {
      return made;
    }
  }
  bool viaLink = false;
  Fd fd(openAsTheShellWould(name, viaLink));
  if (!fd || fstat(fd.get(), &old.info) != 0) {
    return End::failed;
  }
  if (!S_ISREG(old.info.st_mode)) {
    return writeAll(fd.get(), text) && fd.close() ? End::written : End::failed;
  }
  Folder folder;
  std::string path = name;
  const Way way = !viaLink || pathOf(fd.get(), path) ? decide(fd.get(), path, folder, old)
                  : dataError(errno)                 ? Way::fail
                                                     : Way::inPlace;
  if (way == Way::fail) {
    return End::failed;
  }
  End end = way == Way::rename ? replaceByRename(fd.get(), old, folder, text) : End::cannot;
  if (end == End::cannot) {
    end = updateInPlace(fd.get(), old.info, name, folder, text);
  }
  // Closed last and checked, so that no failure goes unreported.
  if (end == End::written && !(fd.close() && folder.fd.close())) {
    end = End::unsynced;
  }
  return end;
}

// Whether the last write ended unsynced.
bool lastUnsynced = false;

} // namespace

int sumOfPositiveOdd(std::string name, int* values, int n) {
  // Kept wider than int so that no array of ints can overflow it; the file gets the exact sum.
  long long sum = 0;
  for (int i = 0; i < n; ++i) {
    const int v = values[i];
    // v % 2 is -1 for negative odd v, and (v >= 0) gates those out. v * (v % 2) cannot
    // overflow: the one value whose negation would, INT_MIN, is even.
    sum += v * (v % 2) * (v >= 0);
  }
  const End end = writeFile(name, std::to_string(sum));
  lastUnsynced = end == End::unsynced;
  return end == End::written ? 1 : -1;
}

bool sumWrittenUnsynced() { return lastUnsynced; }
