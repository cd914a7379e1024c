#!/bin/bash
# Makes each system call of a good run fail once, in turn, under strace, and
# checks what a user sees afterwards. The calls come from a trace of the good
# run, so the tables follow the code as it changes. No standard tool runs
# such a table; strace stages each failure
# (-e inject=SYSCALL:error=ERRNO:when=N, or retval=0 for a write that
# writes nothing).
#   faults.sh file SHAPE ODDSUMFILE
#     Table A: every call oddsumfile makes after it first names a.txt, with
#     a.txt as SHAPE: plain (a file), symlink (a link to a file), hardlink
#     (a file with a second link) or missing. After each run a.txt holds its
#     old content or the new one, never a mix; exit status 0 only with the
#     new one; a failure is named on standard error; no temporary file is
#     left; the link, the hard link, the owner and the mode are kept.
#   faults.sh streams PROGRAM INPUT TRAITS
#     Table B: the program's reads of standard input and writes to standard
#     output, a few occurrences of each, with INPUT (a file, or "" for empty
#     input) as standard input; TRAITS as in programs.tsv. Each failure must
#     end in status 1 and its one line "NAME: read error: REASON" or
#     "NAME: write error: REASON".
# Exit 77 (skipped) when strace is missing or cannot trace here.
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
uid=$(id -u)

# The system's text for each error that the tables inject.
declare -A reasons=([EIO]="Input/output error" [retval=0]="Input/output error"
  [ENOSPC]="No space left on device" [EPIPE]="Broken pipe" [EACCES]="Permission denied"
  [EPERM]="Operation not permitted" [EINTR]="Interrupted system call")

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
# (error=ERRNO or retval=0) injected into call $1, occurrence $3, and further
# strace options after them; standard input from $work/in, output and error
# to $work/out and $work/err. Sets status.
inject() {
  local call=$1 how=$2 when=$3
  shift 3
  runs=$((runs + 1))
  status=0
  # strace kills a program it started when it is killed itself.
  timeout -s KILL 20 strace -f -o "$work/trace" -e signal=none "$@" -e inject="$call:$how:when=$when" \
    "$program" <"$work/in" >"$work/out" 2>"$work/err" || status=$?
  # Made where the good run made the call: after the start of the table.
  if ! awk -v start="$start" '$0 ~ start { on = 1 } on && /INJECTED/ { found = 1 } END { exit !found }' \
    "$work/trace"; then
    fail "the fault was not injected after the table's start: the run no longer makes that call there"
  fi
}

# Notes the failure of the current case with what explains it.
fail() {
  echo "FAILED: $label: $*"
  failures=$((failures + 1))
}

# --- Table A -------------------------------------------------------------

old='old content 123'
new=4

# Makes the folder $1 hold a.txt as the shape, beside a file X that no run
# may touch. As root the file belongs to another user with root's group,
# which the program must give a new file as well.
lay_out() {
  mkdir "$1"
  cd "$1"
  printf neighbour >X
  case $shape in
    plain) printf %s "$old" >a.txt ;;
    symlink) printf %s "$old" >target.txt && ln -s target.txt a.txt ;;
    hardlink) printf %s "$old" >a.txt && ln a.txt b.txt ;;
    missing) ;;
    *) echo "unknown shape $shape" && exit 2 ;;
  esac
  if [ -e a.txt ]; then
    chmod 640 a.txt
    if [ "$uid" -eq 0 ]; then chown 4242:0 a.txt; fi
  fi
}

# What the runs must keep, content aside: the folder's entries with their
# kinds, modes and link targets, and the owner, mode and number of links of
# the files they lead to.
keeps() {
  stat -c '%N: %A' -- *
  stat -L -c '%n leads to %u:%g, mode %a, %h links' -- * 2>&1 || true
}

# Sets got to the content of the file a.txt leads to; none when there is no
# such file.
content() {
  got=
  if [ -e a.txt ]; then IFS= read -r -d '' got <a.txt || true; fi
}

# The errors that matter for each call, EIO for every one: a full disk, an
# interruption that must be retried and a write that writes nothing; the
# refusals after which the program updates the file in place instead.
errors_of() {
  case $1 in
    write) echo EIO ENOSPC EINTR retval=0 ;;
    openat | fchown | rename) echo EIO EACCES EPERM ;;
    *) echo EIO ;;
  esac
}

# Table A for the shape $1 and the program $2.
file_table() {
  shape=$1
  program=$2
  start='"a\.txt"'
  umask 022
  : >"$work/in"
  lay_out "$work/shape"
  before=$(keeps)
  label="$shape, good run"
  strace -f -o "$work/good" -e trace=%file,%desc -e signal=none "$program" \
    <"$work/in" >"$work/out" 2>"$work/err" || {
    fail "exit status $?, standard error: $(<"$work/err")"
    return
  }
  good=$(keeps)
  content
  # A missing file is created with mode 0666 less the umask. An empty file
  # is the old content then: the open that creates it is the shell's too.
  expected=$before
  if [ "$shape" = missing ]; then
    old=
    expected="'X': -rw-r--r--"$'\n'"'a.txt': -rw-r--r--"$'\n'"${before#*$'\n'}"$'\n'
    expected+="a.txt leads to $uid:$(id -g), mode 644, 1 links"
  fi
  if [ "$got" != "$new" ] || [ "$good" != "$expected" ] || [ -s "$work/out" ] || [ -s "$work/err" ]; then
    fail "a.txt holds '$got', the folder:"$'\n'"$good"$'\n'"expected '$new' and"$'\n'"$expected"
    return
  fi
  cd "$work"
  rm -rf shape
  lay_out "$work/shape"
  cd "$work"

  local call when how
  while read -r call when; do
    for how in $(errors_of "$call"); do
      label="$shape: $call number $when fails with $how"
      [ "$how" = retval=0 ] || how=error=$how
      rm -rf run
      cp -a shape run
      cd run
      inject "$call" "$how" "$when" -e trace=%file,%desc
      check_file_run "${how#error=}"
      cd "$work"
    done
  done < <(calls_from "$start" "$work/good")
}

# Checks the run that failed with the error $1.
check_file_run() {
  local error=$1 after stderr allowed
  content
  after=$(keeps)
  stderr=$(<"$work/err")
  if [ "$got" != "$old" ] && [ "$got" != "$new" ]; then
    fail "a.txt holds '$got', neither the old '$old' nor the new '$new'"
  fi
  if [ "$after" != "$before" ] && [ "$after" != "$good" ]; then
    fail "the folder changed:"$'\n'"$after"$'\n'"expected, before or after a good run:"$'\n'"$before"$'\n'"$good"
  fi
  if [ "$status" -eq 0 ] && [ "$got" != "$new" ]; then
    fail "exit status 0, but a.txt holds '$got'"
  fi
  if [ -s "$work/out" ]; then fail "printed $(<"$work/out")"; fi
  # Each error's allowed endings: exit status and standard error.
  local failed ending="$status $stderr"
  failed="1 oddsumfile: a.txt: ${reasons[$error]}"
  case $error in
    # A retry is due: the run must succeed.
    EINTR) allowed=("0 ") ;;
    # The program may take another way: success, or this failure reported.
    EACCES | EPERM) allowed=("0 " "$failed") ;;
    *) allowed=("$failed") ;;
  esac
  if [ "$ending" != "${allowed[0]}" ] && [ "$ending" != "${allowed[${#allowed[@]} - 1]}" ]; then
    fail "exit status $status, standard error: $stderr; expected one of: ${allowed[*]}"
  fi
}

# --- Table B -------------------------------------------------------------

# The occurrences of a call made N times that table B tries: the first two
# and the last, which is often the final flush.
occurrences() {
  local n=$1
  for when in 1 2 "$n"; do
    if [ "$when" -le "$n" ]; then echo "$when"; fi
  done | sort -nu
}

# Table B for the program $1, its input $2 and its traits $3.
streams_table() {
  program=$1
  start=.
  local input=$2 traits=$3 name call when error
  name=$(basename "$program")
  mkdir "$work/run"
  cd "$work/run"
  if [ -n "$input" ]; then cp "$input" "$work/in"; else : >"$work/in"; fi
  # Only the calls on the two files count, for the trace as for when=N.
  local paths=(-P "$work/in" -P "$work/out")
  label="$name, good run"
  strace -o "$work/good" -e trace=read,write -e signal=none "${paths[@]}" "$program" \
    <"$work/in" >"$work/out" 2>"$work/err" || {
    fail "exit status $?, standard error: $(<"$work/err")"
    return
  }
  local reads writes
  reads=$(grep -c '^read(0,' "$work/good" || true)
  writes=$(grep -c '^write(1,' "$work/good" || true)
  echo "$name: $reads reads of standard input, $writes writes to standard output"
  # What the program says of itself must hold.
  case ",$traits," in
    *,reads_input,*) [ "$reads" -gt 0 ] || fail "it reads input, but made no read" ;;
    *) [ "$reads" -eq 0 ] || fail "it reads no input, but made $reads reads" ;;
  esac
  case ",$traits," in
    *,prints_nothing,*) [ "$writes" -eq 0 ] || fail "it prints nothing, but made $writes writes" ;;
    *) [ "$writes" -gt 0 ] || fail "it prints, but made no write" ;;
  esac

  for call in read write; do
    local count=$reads errors=EIO what="read error"
    if [ "$call" = write ]; then count=$writes errors="EIO ENOSPC EPIPE" what="write error"; fi
    [ "$count" -gt 0 ] || continue
    for when in $(occurrences "$count"); do
      for error in $errors; do
        label="$name: $call number $when fails with $error"
        inject "$call" "error=$error" "$when" -e trace=read,write "${paths[@]}"
        local expected="$name: $what: ${reasons[$error]}"
        if [ "$status" -ne 1 ] || [ "$(<"$work/err")" != "$expected" ]; then
          fail "exit status $status, standard error: $(<"$work/err"); expected 1 and: $expected"
        fi
      done
    done
  done
  cd "$work"
}

case ${1:-} in
  file) file_table "$2" "$3" ;;
  streams) streams_table "$2" "$3" "$4" ;;
  *)
    echo "usage: faults.sh file SHAPE ODDSUMFILE | faults.sh streams PROGRAM INPUT TRAITS" >&2
    exit 2
    ;;
esac
echo "$runs runs with a fault, $failures failed"
[ "$failures" -eq 0 ]
