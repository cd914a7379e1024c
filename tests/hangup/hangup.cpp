// Runs a program that reads standard input on a pseudo-terminal, waits
// until it has written its first question and waits for the answer, then
// closes the terminal's other end, as when a terminal window is closed or a
// remote session drops, and checks how the program ends:
//   terminal_hangup PROGRAM default EXPECTED-STDERR
//       SIGHUP at its default: the program ends at once, by that signal;
//   terminal_hangup PROGRAM ignore EXPECTED-STDERR
//       SIGHUP ignored: the program ends at once with status 1 and
//       EXPECTED-STDERR on standard error: its read-error line, then its
//       write-error line.
// Closing the terminal's other end wakes the program's read with an error
// before the kernel hangs the terminal up and sends SIGHUP, and on another
// core the program runs on meanwhile. So a write that follows the read may
// still be taken (then only the read-error line is written), and with
// SIGHUP at its default the program may have written a start of
// EXPECTED-STDERR before the signal ends it, or have exited as when SIGHUP
// is ignored: the kernel's race, not the program's fault. It must never
// exit with any other status or write anything else.
// A shell cannot hang up a terminal it does not hold, hence this program.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int fail(const std::string& why) {
  std::printf("%s\n", why.c_str());
  return 1;
}

// True once the child sleeps, having written something to the terminal fd
// (which this reads as it goes, so that no write of the child can block): it
// then waits in its read of the terminal, the only place where it can sleep.
// A hang-up before that read began would be seen as the end of the input,
// not as a failed read. False after five seconds without that.
bool waitUntilReading(pid_t child, int fd, std::string& screen) {
  for (int tries = 0; tries < 500; ++tries) {
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, 0) > 0 && (p.revents & POLLIN) != 0) {
      char buf[256];
      const ssize_t got = read(fd, buf, sizeof buf);
      if (got <= 0) {
        return false;
      }
      screen.append(buf, static_cast<std::size_t>(got));
    }
    std::ifstream stat("/proc/" + std::to_string(child) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The state follows the command name, which ends with the last ')'.
    const std::size_t end = line.rfind(')');
    if (!screen.empty() && end != std::string::npos && end + 2 < line.size() &&
        line[end + 2] == 'S') {
      return true;
    }
    usleep(10000);
  }
  return false;
}

// The child's status once it has ended, or -1 when it is still running after
// two seconds (then it is killed).
int waitForEnd(pid_t child) {
  for (int tries = 0; tries < 200; ++tries) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      return status;
    }
    usleep(10000);
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return -1;
}

} // namespace

int main(int argc, char** argv) {
  const bool ignore = argc == 4 && std::strcmp(argv[2], "ignore") == 0;
  if (!ignore && !(argc == 4 && std::strcmp(argv[2], "default") == 0)) {
    return fail("usage: terminal_hangup PROGRAM default|ignore EXPECTED-STDERR");
  }
  const std::string expected = argv[3];
  int errors[2];
  if (pipe(errors) != 0) {
    return fail(std::string("pipe: ") + std::strerror(errno));
  }
  int terminal = -1;
  const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child < 0) {
    return fail(std::string("forkpty: ") + std::strerror(errno));
  }
  if (child == 0) {
    // Standard input and output on the terminal, standard error kept apart.
    dup2(errors[1], 2);
    close(errors[0]);
    close(errors[1]);
    std::signal(SIGHUP, ignore ? SIG_IGN : SIG_DFL);
    execl(argv[1], argv[1], static_cast<char*>(nullptr));
    _exit(127);
  }
  close(errors[1]);

  std::string screen;
  if (!waitUntilReading(child, terminal, screen)) {
    kill(child, SIGKILL);
    return fail("never waited for an answer; the terminal showed:\n" + screen);
  }
  close(terminal);
  const int status = waitForEnd(child);
  std::string stderrText;
  char buf[256];
  for (ssize_t got; (got = read(errors[0], buf, sizeof buf)) > 0;) {
    stderrText.append(buf, static_cast<std::size_t>(got));
  }

  if (status == -1) {
    return fail("still running two seconds after the hang-up");
  }
  const bool byHangup = WIFSIGNALED(status) && WTERMSIG(status) == SIGHUP;
  const bool failed = WIFEXITED(status) && WEXITSTATUS(status) == 1;
  if (ignore ? !failed : !byHangup && !failed) {
    return fail(std::string(ignore ? "did not exit with status 1" : "did not end by SIGHUP") +
                "; wait status " + std::to_string(status));
  }
  // Killed midway, the program has written a start of the expected text;
  // ended by itself, the read-error line or both lines.
  const std::string readError = expected.substr(0, expected.find('\n') + 1);
  if (byHangup ? expected.compare(0, stderrText.size(), stderrText) != 0
               : stderrText != expected && stderrText != readError) {
    return fail("standard error was:\n" + stderrText + "expected" +
                (byHangup ? " a start of" : " the first line or both") + ":\n" + expected);
  }
  std::printf("ended as expected after the hang-up\n");
  return 0;
}
