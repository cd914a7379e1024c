# Sourced by the fault tables, which make each system call of a good run
# fail once, in turn, under strace, and check what a user sees afterwards.
# The calls come from a trace of the good run, so the tables follow the code
# as it changes. No standard tool runs such a table; strace stages each
# failure (-e inject=SYSCALL:error=ERRNO:when=N, or retval=0 for a call that
# does nothing). Gives the scratch folder $work, the counters runs and
# failures, and the functions below; a table sets program, start and label.
# Exits 77 (skipped) when strace is missing or cannot trace here.
# shellcheck disable=SC2034,SC2154 # variables the sourcing table sets or reads
set -euo pipefail
# The order of names and the tools' messages as the checks expect them.
export LC_ALL=C
skip() {
  echo "skipped: $*"
  exit 77
}
command -v strace >/dev/null || skip "strace is not installed (Debian package strace)"
strace -o /dev/null true 2>/dev/null ||
  skip "strace cannot trace here, ptrace is refused (as in some containers; Debian package strace)"
# LeakSanitizer stops the program with ptrace at exit, which a traced
# program cannot allow; the sanitize workflow finds leaks everywhere else.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
runs=0

# The system's text for each error that the tables inject.
declare -A reasons=([EIO]="Input/output error" [retval=0]="Input/output error"
  [ENOSPC]="No space left on device" [EPIPE]="Broken pipe" [EACCES]="Permission denied"
  [EPERM]="Operation not permitted" [EINTR]="Interrupted system call" [EEXIST]="File exists"
  [ENOMEM]="Cannot allocate memory" [EDQUOT]="Disk quota exceeded" [EMFILE]="Too many open files"
  [EOPNOTSUPP]="Operation not supported" [EBUSY]="Device or resource busy"
  [EXDEV]="Invalid cross-device link" [EINVAL]="Invalid argument" [ENOENT]="No such file or directory"
  [ENOTTY]="Inappropriate ioctl for device" [ENOSYS]="Function not implemented"
  [ENAMETOOLONG]="File name too long")

# Reads a trace and prints, from the first line that matches the extended
# regular expression START on, each call's name and its number among the
# calls of that name since the start: the N of strace's when=N. Left out are
# the sanitizers' run-time's own calls at exit: an anonymous mapping, and a
# pipe through which it probes memory (pipe2, a write and the closes).
calls_from() {
  awk -v start="$1" '{ name = $0; sub(/^[0-9]+ +/, "", name); sub(/\(.*/, "", name) }
    name !~ /^[a-z0-9_]+$/ { next }
    { count[name]++; fd = $0; sub(/^[^(]*\(/, "", fd); sub(/[^0-9].*/, "", fd) }
    $0 ~ start { on = 1 }
    !on { next }
    name == "pipe2" { split($0, p, /[][, ]+/); probe[p[3]] = probe[p[4]] = 1; next }
    name == "mmap" && / -1, 0\)/ { next }
    (name == "write" || name == "close") && fd in probe { if (name == "close") delete probe[fd]; next }
    { print name, count[name] }' "$2"
}

# Runs the program under strace from the current folder, with the fault $2
# (error=ERRNO, retval=0 or signal=KILL) injected into call $1, occurrence $3, and further
# strace options after them; standard input from $work/in, output and error
# to $work/out and $work/err. Sets status.
inject() {
  local call=$1 how=$2 when=$3
  shift 3
  runs=$((runs + 1))
  status=0
  # strace kills a program it started when it is killed itself; the shell's
  # note of a kill goes with the group's standard error.
  { timeout -s KILL 20 strace -f -o "$work/trace" -e signal=none "$@" -e inject="$call:$how:when=$when" \
    "$program" <"$work/in" >"$work/out" 2>"$work/err"; } 2>/dev/null || status=$?
  # Made where the good run made the call: after the start of the table. A
  # kill ends the trace in the middle of that call.
  if ! awk -v start="$start" -v call="$call" '$0 ~ start { on = 1 } on && /INJECTED/ { found = 1 }
    on { last = $0 } END { exit !(found || (last ~ "^[0-9]+ +" call "\\(" && last ~ /= \?$/)) }' \
    "$work/trace"; then
    fail "the fault was not injected after the table's start: the run no longer makes that call there"
  fi
}

# Notes the failure of the current case with what explains it.
fail() {
  echo "FAILED: $label: $*"
  failures=$((failures + 1))
}

# Says how the table went, as its exit status too.
summary() {
  echo "$runs runs with a fault, $failures failed"
  [ "$failures" -eq 0 ]
}
