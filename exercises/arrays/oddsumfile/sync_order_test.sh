#!/bin/sh
# Checks the order of the calls that replace an existing a.txt: the new
# content is written and synced to the disk before the rename, and the
# folder is synced after it, so that a crash leaves the old number or the
# new one, never an empty file.
#   sync_order_test.sh PATH-TO-ODDSUMFILE
set -eu
program=$1

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
printf 'old content' >a.txt
# LeakSanitizer stops the program with ptrace at exit, which a traced
# program cannot allow; the sanitize workflow finds leaks everywhere else.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
  strace -o trace -e trace=write,fsync,fdatasync,rename,renameat,renameat2 -e signal=none "$program"

# The write of the sum, and every sync and rename, in their order (the
# sanitizers' run-time makes writes of its own); renameat is a rename too.
calls=$(grep -E '^(write\([0-9]+, "4", 1\)|fsync|fdatasync|rename)' trace |
  sed 's/(.*//; s/^renameat2\{0,1\}$/rename/' | tr '\n' ' ')
if [ "$calls" != "write fsync rename fsync " ] || [ "$(cat a.txt)" != 4 ]; then
  echo "expected: write fsync rename fsync, then a.txt holding 4; the calls were:"
  cat trace
  exit 1
fi
echo "written, synced, renamed, folder synced"
