#include "cases.hpp"
#include "oddsumfile.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <pwd.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Every test writes into a fresh directory of its own, removed afterwards, so
// tests that run side by side never share a file.
class Oddsumfile : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "oddsumfile-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override { fs::remove_all(dir); }

  // The whole content of the file, byte for byte.
  static std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Every file and folder under folder, by relative path, sorted.
  static std::vector<std::string> tree(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      names.push_back(entry.path().lexically_relative(folder).string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // sumOfPositiveOdd of the program's values 1, 2, 2, 3 into file.
  static int writeProgramsSum(const fs::path& file) {
    int values[4] = {1, 2, 2, 3};
    return sumOfPositiveOdd(file.string(), values, 4);
  }

  // Runs work in a child process, so that the user, limits and signals it
  // sets stay there, and gives its exit status.
  static int inChild(const std::function<int()>& work) {
    const pid_t child = fork();
    if (child == 0) {
      _exit(work());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path dir;
};

struct OddSum {
  std::string name;
  std::vector<int> values;
  std::string written;
};

class Writing : public Oddsumfile, public ::testing::WithParamInterface<OddSum> {};

TEST_P(Writing, WritesTheDigitsOfTheNonNegativeOddSum) {
  std::vector<int> values = GetParam().values;
  const fs::path file = dir / "a.txt";
  EXPECT_EQ(sumOfPositiveOdd(file.string(), values.data(), static_cast<int>(values.size())), 1);
  EXPECT_EQ(contents(file), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Oddsumfile, Writing,
    ::testing::Values(OddSum{"ProgramsValues", {1, 2, 2, 3}, "4"},
                      OddSum{"NegativesLeftOut", {-3, -1, 5}, "5"}, OddSum{"Empty", {}, "0"},
                      OddSum{"NoOddValue", {2, 0, -4}, "0"},
                      // INT_MIN is even and -INT_MAX odd: both add 0.
                      OddSum{"Extremes", {INT_MIN, -INT_MAX, INT_MAX}, "2147483647"},
                      // A sum past int is written exactly.
                      OddSum{"SumBeyondInt", {INT_MAX, INT_MAX}, "4294967294"}),
    ByName());

TEST_F(Oddsumfile, ReplacesALongerFileWhole) {
  const fs::path file = dir / "a.txt";
  std::ofstream(file) << "a much longer old content\n";
  int values[4] = {1, 2, 2, 3};
  EXPECT_EQ(sumOfPositiveOdd(file.string(), values, 4), 1);
  EXPECT_EQ(contents(file), "4");
}

// The file is replaced by a new one: it must keep the old file's
// permissions, and a file that did not exist, named or reached through a
// dangling link, gets 0666 less the umask.
TEST_F(Oddsumfile, KeepsTheOldPermissionsAndGivesANewFileTheUmasksOnes) {
  const fs::path old = dir / "old.txt";
  std::ofstream(old) << "old";
  ASSERT_EQ(chmod(old.c_str(), 0604), 0);
  fs::create_symlink("linked.txt", dir / "link.txt");
  const mode_t saved = umask(026);
  int values[1] = {3};
  const int oldResult = sumOfPositiveOdd(old.string(), values, 1);
  const int newResult = sumOfPositiveOdd((dir / "new.txt").string(), values, 1);
  const int linkedResult = sumOfPositiveOdd((dir / "link.txt").string(), values, 1);
  umask(saved);
  EXPECT_EQ(oldResult, 1);
  EXPECT_EQ(newResult, 1);
  EXPECT_EQ(linkedResult, 1);
  EXPECT_EQ(fs::status(old).permissions(), static_cast<fs::perms>(0604));
  EXPECT_EQ(fs::status(dir / "new.txt").permissions(), static_cast<fs::perms>(0640));
  EXPECT_EQ(fs::status(dir / "linked.txt").permissions(), static_cast<fs::perms>(0640));
  EXPECT_EQ(contents(old), "3");
}

TEST_F(Oddsumfile, MissingDirectoryReturnsMinusOneAndCreatesNothing) {
  int values[1] = {1};
  errno = 0;
  EXPECT_EQ(sumOfPositiveOdd((dir / "absent" / "a.txt").string(), values, 1), -1);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_TRUE(fs::is_empty(dir));
}

struct Link {
  std::string name;
  std::string target; // relative to the link's folder
  bool targetExists;
  std::vector<std::string> tree; // the folder afterwards
};

class Links : public Oddsumfile, public ::testing::WithParamInterface<Link> {};

// The link stays a link, the file it leads to gets the sum (is created when
// missing), and no temporary file is left in either folder.
TEST_P(Links, UpdateTheFileTheLinkLeadsTo) {
  const fs::path target = dir / GetParam().target;
  fs::create_directories(target.parent_path());
  if (GetParam().targetExists) {
    std::ofstream(target) << "old content";
  }
  fs::create_symlink(GetParam().target, dir / "a.txt");
  EXPECT_EQ(writeProgramsSum(dir / "a.txt"), 1);
  EXPECT_EQ(fs::read_symlink(dir / "a.txt"), GetParam().target);
  EXPECT_EQ(contents(target), "4");
  EXPECT_EQ(tree(dir), GetParam().tree);
}

INSTANTIATE_TEST_SUITE_P(
    Oddsumfile, Links,
    ::testing::Values(
        Link{"SameFolder", "sum.txt", true, {"a.txt", "sum.txt"}},
        Link{"OtherFolder", "results/sum.txt", true, {"a.txt", "results", "results/sum.txt"}},
        Link{"Dangling", "new.txt", false, {"a.txt", "new.txt"}}),
    ByName());

TEST_F(Oddsumfile, LinkIntoAMissingFolderIsReportedAndKept) {
  fs::create_symlink("missing/sum.txt", dir / "a.txt");
  errno = 0;
  EXPECT_EQ(writeProgramsSum(dir / "a.txt"), -1);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(fs::read_symlink(dir / "a.txt"), "missing/sum.txt");
  EXPECT_EQ(tree(dir), std::vector<std::string>{"a.txt"});
}

TEST_F(Oddsumfile, HardLinksKeepSharingOneFile) {
  std::ofstream(dir / "b.txt") << "old content";
  fs::create_hard_link(dir / "b.txt", dir / "a.txt");
  struct stat before {};
  ASSERT_EQ(stat((dir / "a.txt").c_str(), &before), 0);
  EXPECT_EQ(writeProgramsSum(dir / "a.txt"), 1);
  struct stat after {};
  ASSERT_EQ(stat((dir / "b.txt").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_nlink, 2U);
  EXPECT_EQ(contents(dir / "a.txt"), "4");
  EXPECT_EQ(contents(dir / "b.txt"), "4");
}

struct Shape {
  std::string name;
  void (*layOut)(const fs::path& dir);
  std::string written; // the file that must hold the sum
};

class ClosedInput : public Oddsumfile, public ::testing::WithParamInterface<Shape> {};

// Run with standard input closed (from cron, say), the program gets
// descriptor 0 for the first file it opens, which is no failure: the sum is
// still written, whatever a.txt is.
TEST_P(ClosedInput, StillWritesTheSum) {
  GetParam().layOut(dir);
  EXPECT_EQ(inChild([&] {
              close(0);
              return writeProgramsSum(dir / "a.txt") == 1 ? 0 : errno;
            }),
            0);
  EXPECT_EQ(contents(dir / GetParam().written), "4");
}

INSTANTIATE_TEST_SUITE_P(
    Oddsumfile, ClosedInput,
    ::testing::Values(
        Shape{"NoFileYet", [](const fs::path&) {}, "a.txt"},
        Shape{"PlainFile", [](const fs::path& d) { std::ofstream(d / "a.txt") << "old"; }, "a.txt"},
        Shape{"LinkToAFile",
              [](const fs::path& d) {
                std::ofstream(d / "b.txt") << "old";
                fs::create_symlink("b.txt", d / "a.txt");
              },
              "b.txt"},
        Shape{"DanglingLink", [](const fs::path& d) { fs::create_symlink("b.txt", d / "a.txt"); },
              "b.txt"},
        Shape{"HardLink",
              [](const fs::path& d) {
                std::ofstream(d / "b.txt") << "old";
                fs::create_hard_link(d / "b.txt", d / "a.txt");
              },
              "b.txt"}),
    ByName());

struct Limited {
  std::string name;
  bool hardLinked; // updated in place, else replaced by rename
};

class SizeLimit : public Oddsumfile, public ::testing::WithParamInterface<Limited> {};

// A file does not lose its old content when the new one cannot be written
// whole: here a size limit of two bytes stops the third digit of 123, after
// the first two went into a new file, or after the second went behind the
// shared file's one old byte. The file still holds just that old byte, and
// nothing else is left.
TEST_P(SizeLimit, ANewContentCutShortKeepsTheOldOne) {
  std::ofstream(dir / "a.txt") << "9";
  std::vector<std::string> folder{"a.txt"};
  if (GetParam().hardLinked) {
    fs::create_hard_link(dir / "a.txt", dir / "b.txt");
    folder.push_back("b.txt");
  }
  const int error = inChild([&] {
    const rlimit limit{2, 2};
    std::signal(SIGXFSZ, SIG_IGN);
    int values[1] = {123};
    return setrlimit(RLIMIT_FSIZE, &limit) != 0                          ? 255
           : sumOfPositiveOdd((dir / "a.txt").string(), values, 1) == -1 ? errno
                                                                         : 0;
  });
  EXPECT_EQ(error, EFBIG);
  EXPECT_EQ(contents(dir / "a.txt"), "9");
  EXPECT_EQ(tree(dir), folder);
}

INSTANTIATE_TEST_SUITE_P(Oddsumfile, SizeLimit,
                         ::testing::Values(Limited{"ReplacedByRename", false},
                                           Limited{"UpdatedInPlace", true}),
                         ByName());

TEST_F(Oddsumfile, AnExistingFilesGroupIsKept) {
  if (geteuid() != 0) {
    GTEST_SKIP() << "needs root, to give the file a group of another user";
  }
  const fs::path file = dir / "a.txt";
  std::ofstream(file) << "old";
  ASSERT_EQ(chown(file.c_str(), 0, 65534), 0);
  EXPECT_EQ(writeProgramsSum(file), 1);
  struct stat info {};
  ASSERT_EQ(stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_gid, 65534U);
  EXPECT_EQ(contents(file), "4");
}

struct Shared {
  std::string name;
  mode_t folderMode;
};

class Unprivileged : public Oddsumfile, public ::testing::WithParamInterface<Shared> {};

// A file root owns and everybody may write, in a folder where the user who
// runs the program may not replace it: not writable at all, or sticky and
// writable by all, like /tmp. The file is updated in place and keeps its
// owner, group and mode.
TEST_P(Unprivileged, WritableFileOfAnotherUserIsUpdatedInPlace) {
  const passwd* nobody = getpwnam("nobody");
  if (geteuid() != 0 || nobody == nullptr) {
    GTEST_SKIP() << "needs root and the user nobody, to run the program as another user";
  }
  const fs::path folder = dir / "shared";
  fs::create_directory(folder);
  const fs::path file = folder / "a.txt";
  std::ofstream(file) << "old content";
  ASSERT_EQ(chmod(file.c_str(), 0666), 0);
  ASSERT_EQ(chmod(folder.c_str(), GetParam().folderMode), 0);
  ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
  const int error = inChild([&] {
    if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0) {
      return 255;
    }
    return writeProgramsSum(file) == 1 ? 0 : errno;
  });
  EXPECT_EQ(error, 0);
  EXPECT_EQ(contents(file), "4");
  struct stat info {};
  ASSERT_EQ(stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 0U);
  EXPECT_EQ(info.st_gid, 0U);
  EXPECT_EQ(info.st_mode & 07777, 0666U);
  EXPECT_EQ(tree(folder), std::vector<std::string>{"a.txt"});
}

INSTANTIATE_TEST_SUITE_P(Oddsumfile, Unprivileged,
                         ::testing::Values(Shared{"ReadOnlyFolder", 0755},
                                           Shared{"StickyFolder", 01777}),
                         ByName());

struct Device {
  std::string name;
  std::string path;
  int result;
  int error;
};

class Devices : public Oddsumfile, public ::testing::WithParamInterface<Device> {};

// A link to a device is followed and the device written as it is: /dev/null
// takes the sum, and every write to /dev/full fails with "no space left".
// Either way the link stays a link. (The link also keeps a faulty
// replacement away from /dev itself.)
TEST_P(Devices, AreWrittenInPlaceThroughALink) {
  ASSERT_TRUE(fs::is_character_file(GetParam().path));
  const fs::path link = dir / "a.txt";
  fs::create_symlink(GetParam().path, link);
  errno = 0;
  EXPECT_EQ(writeProgramsSum(link), GetParam().result);
  EXPECT_EQ(errno, GetParam().error);
  EXPECT_EQ(fs::read_symlink(link), GetParam().path);
  EXPECT_EQ(tree(dir), std::vector<std::string>{"a.txt"});
}

INSTANTIATE_TEST_SUITE_P(Oddsumfile, Devices,
                         ::testing::Values(Device{"Null", "/dev/null", 1, 0},
                                           Device{"Full", "/dev/full", -1, ENOSPC}),
                         ByName());

} // namespace
