#!/bin/bash
# Every call oddsumfile makes after it first names a.txt, as a traced good
# run shows them, made to fail in turn under strace, with a.txt as SHAPE:
# plain (a file), symlink (a link to a file), hardlink (a file with a second
# link), missing, or dangling (a link to a missing file). After each run
# a.txt holds its old content or the new one, never a mix; exit status 0
# only with the new one, and a failure named on standard error; a failed
# run leaves a missing a.txt missing; no temporary file is left; the link,
# the hard link, the owner and the mode are kept.
#   faults_test.sh INJECT.BASH SHAPE ODDSUMFILE
# shellcheck source=tests/faults/inject.bash
. "$1"
shape=$2
program=$3
start='"a\.txt"'
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
    dangling) ln -s new.txt a.txt ;;
    *) echo "unknown shape $shape" && exit 2 ;;
  esac
  if [ -e a.txt ]; then
    chmod 640 a.txt
    if [ "$(id -u)" -eq 0 ]; then chown 4242:0 a.txt; fi
  else
    old=
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
# interruption that must be retried, a call that does nothing (a write that
# writes nothing, a read cut short by a file cut meanwhile), an error a read
# reports as its own; the refusals after which the program takes another
# way.
errors_of() {
  case $1 in
    write) echo EIO ENOSPC EINTR retval=0 ;;
    pread64) echo EIO ENOMEM retval=0 ;;
    openat | fchown | rename) echo EIO EACCES EPERM ;;
    link) echo EIO EEXIST EPERM ;;
    *) echo EIO ;;
  esac
}

# Checks the run that failed with the error $1.
check_run() {
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
  if [ "$shape" = missing ] && [ "$status" -ne 0 ] && [ -e a.txt ]; then
    fail "the run failed, but left a.txt"
  fi
  if [ -s "$work/out" ]; then fail "printed $(<"$work/out")"; fi
  # Each error's allowed endings: exit status and standard error.
  local failed ending="$status $stderr"
  failed="1 oddsumfile: a.txt: ${reasons[$error]}"
  case $error in
    # A retry is due, or a.txt appeared meanwhile and is written as it is:
    # the run must succeed.
    EINTR | EEXIST) allowed=("0 ") ;;
    # The program may take another way: success, or this failure reported.
    EACCES | EPERM) allowed=("0 " "$failed") ;;
    *) allowed=("$failed") ;;
  esac
  if [ "$ending" != "${allowed[0]}" ] && [ "$ending" != "${allowed[${#allowed[@]} - 1]}" ]; then
    fail "exit status $status, standard error: $stderr; expected one of: ${allowed[*]}"
  fi
}

umask 022
: >"$work/in"
# A good run must leave the folder as the shell's > leaves it, content
# aside: a new file with mode 0666 less the umask, an old one as it was.
lay_out "$work/shell"
before=$(keeps)
printf %s "$new" >a.txt
expected=$(keeps)
lay_out "$work/shape"
label="$shape, good run"
strace -f -o "$work/good" -e trace=%file,%desc -e signal=none "$program" \
  <"$work/in" >"$work/out" 2>"$work/err" || {
  fail "exit status $?, standard error: $(<"$work/err")"
  exit 1
}
good=$(keeps)
content
if [ "$got" != "$new" ] || [ "$good" != "$expected" ] || [ -s "$work/out" ] || [ -s "$work/err" ]; then
  fail "a.txt holds '$got', the folder:"$'\n'"$good"$'\n'"expected '$new' and"$'\n'"$expected"
  exit 1
fi
cd "$work"
rm -rf shape
lay_out "$work/shape"
cd "$work"

while read -r call when; do
  for how in $(errors_of "$call"); do
    label="$shape: $call number $when fails with $how"
    [ "$how" = retval=0 ] || how=error=$how
    rm -rf run
    cp -a shape run
    cd run
    inject "$call" "$how" "$when" -e trace=%file,%desc
    check_run "${how#error=}"
    cd "$work"
  done
done < <(calls_from "$start" "$work/good")
summary
