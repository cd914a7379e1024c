// Feeds a program many hostile inputs and checks that it stays sound: every
// run must exit normally with status 0, without a signal, within a time limit.
//
//   hostile_input [--cases N] [--seed S] [--megabytes M] [--timeout SECONDS] PROGRAM
//
// Without --megabytes, runs N inputs drawn from a fixed seed: random bytes,
// streams of tokens a console dialogue might see (answers, numbers at and
// beyond the int range, signs, NUL, blank lines), very long lines and runs
// of NUL bytes. With --megabytes, runs one input of that many random bytes.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <random>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Options {
  int cases = 100;
  unsigned seed = 20261208;
  long megabytes = 0;
  int timeout = 20;
  std::string program;
};

std::string randomBytes(std::mt19937& gen, std::size_t size) {
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text(size, '\0');
  for (char& c : text) {
    c = static_cast<char>(byte(gen));
  }
  return text;
}

// Words and separators that a reader of characters, words and integers must
// cope with. Numbers sit at and just beyond the int range; the largest int
// itself is left out, since a course number that large legitimately asks for
// two billion lines.
std::string tokenStream(std::mt19937& gen, std::size_t count) {
  static const std::vector<std::string_view> tokens = {"y",
                                                       "n",
                                                       "Y",
                                                       "N",
                                                       "yes",
                                                       "no",
                                                       "0",
                                                       "1",
                                                       "2",
                                                       "5",
                                                       "-1",
                                                       "-3",
                                                       "+4",
                                                       "-",
                                                       "+",
                                                       "2147483648",
                                                       "abc",
                                                       "-2147483648",
                                                       "0x1",
                                                       "1e9",
                                                       "99999999999999999999999",
                                                       "3.5",
                                                       "\xff\xfe",
                                                       " ",
                                                       "\t",
                                                       "\n",
                                                       "\r\n",
                                                       "\v",
                                                       std::string_view("\0", 1)};
  std::uniform_int_distribution<std::size_t> pick(0, tokens.size() - 1);
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += tokens[pick(gen)];
    if (pick(gen) % 3 == 0) {
      text += '\n';
    }
  }
  return text;
}

// The input of case number i: the kinds take turns so every kind is tried
// many times.
std::string hostileInput(std::mt19937& gen, int i) {
  std::uniform_int_distribution<std::size_t> small(0, 4096);
  switch (i % 5) {
  case 0:
    return randomBytes(gen, small(gen));
  case 1:
    return tokenStream(gen, small(gen));
  case 2: { // one very long line of a single repeated byte
    std::uniform_int_distribution<int> byte(1, 255);
    return std::string(1 << 16, static_cast<char>(byte(gen)));
  }
  case 3:
    return std::string(small(gen), '\0');
  default: // a long line of random printable characters, no newline at all
    return std::string(1 << 14, 'x') + tokenStream(gen, 64);
  }
}

// Runs the program with the file at path as standard input and /dev/null as
// standard output; true when it exits normally with status 0 in time.
bool runsSoundly(const Options& opt, const std::string& path, std::string& why) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, path.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv = {const_cast<char*>(opt.program.c_str()), nullptr};
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, opt.program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    why = std::string("cannot start: ") + std::strerror(spawned);
    return false;
  }

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(opt.timeout);
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      break;
    }
    if (done < 0 && errno != EINTR) {
      why = std::string("waitpid: ") + std::strerror(errno);
      return false;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      why = "still running after " + std::to_string(opt.timeout) + " s";
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (WIFSIGNALED(status)) {
    why = std::string("killed by signal ") + strsignal(WTERMSIG(status));
    return false;
  }
  if (WEXITSTATUS(status) != 0) {
    why = "exit status " + std::to_string(WEXITSTATUS(status));
    return false;
  }
  return true;
}

bool parse(int argc, char** argv, Options& opt) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--cases" && hasValue) {
      opt.cases = std::atoi(argv[++i]);
    } else if (arg == "--seed" && hasValue) {
      opt.seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    } else if (arg == "--megabytes" && hasValue) {
      opt.megabytes = std::atol(argv[++i]);
    } else if (arg == "--timeout" && hasValue) {
      opt.timeout = std::atoi(argv[++i]);
    } else if (opt.program.empty() && arg.rfind("--", 0) != 0) {
      opt.program = arg;
    } else {
      return false;
    }
  }
  return !opt.program.empty();
}

} // namespace

int main(int argc, char** argv) {
  Options opt;
  if (!parse(argc, argv, opt)) {
    std::cerr << "usage: hostile_input [--cases N] [--seed S] [--megabytes M] [--timeout SECONDS] "
                 "PROGRAM\n";
    return 2;
  }
  char dir[] = "/tmp/hostile_input.XXXXXX";
  if (mkdtemp(dir) == nullptr) {
    std::perror("mkdtemp");
    return 2;
  }
  const std::string path = std::string(dir) + "/input";

  std::mt19937 gen(opt.seed);
  const int runs = opt.megabytes > 0 ? 1 : opt.cases;
  int failures = 0;
  for (int i = 0; i < runs; ++i) {
    const std::string input = opt.megabytes > 0
                                  ? randomBytes(gen, static_cast<std::size_t>(opt.megabytes) << 20)
                                  : hostileInput(gen, i);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input;
    std::string why;
    if (!runsSoundly(opt, path, why)) {
      ++failures;
      const std::string kept = std::string(dir) + "/failed-" + std::to_string(i);
      std::rename(path.c_str(), kept.c_str());
      std::cout << "case " << i << " (" << input.size() << " bytes, kept as " << kept
                << "): " << why << '\n';
    }
  }
  if (failures == 0) {
    std::remove(path.c_str());
    rmdir(dir);
  }
  std::cout << opt.program << ": " << runs - failures << " passed, " << failures << " failed\n";
  return failures == 0 ? 0 : 1;
}
