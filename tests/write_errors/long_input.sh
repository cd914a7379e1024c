#!/bin/sh
# Runs a program that reads standard input with its standard output on
# /dev/full and, as standard input, a regular file of eight megabytes
# holding one answer over and over (for a game, one it would answer with the
# same question again). The program must end at once with status 1 and its
# one-line message, having read at most a few kilobytes: the file offset,
# which the program's standard input shares with this shell, shows how far
# it read.
#   long_input.sh ANSWER [EMULATOR...] PROGRAM
# A wrapper in TRANSCRIPT_WRAPPER (tests/memcheck), a ;-list as for the
# transcripts, runs the command.
set -eu
answer=$1
shift
for program; do :; done
name=$(basename "$program")
# The wrapper's words, split at ; alone, go in front of the command.
set -f
IFS=';'
# shellcheck disable=SC2086
set -- ${TRANSCRIPT_WRAPPER:-} "$@"
unset IFS
set +f

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
yes "$answer" | head -c 8388608 >"$dir/input"

exec 3<"$dir/input"
start=$(date +%s)
status=0
timeout 30 "$@" <&3 >/dev/full 2>"$dir/stderr" || status=$?
seconds=$(($(date +%s) - start))
offset=$(sed -n 's/^pos:[[:space:]]*//p' "/proc/$$/fdinfo/3")
exec 3<&-

printf '%s: write error: No space left on device\n' "$name" >"$dir/expected"
failed=0
if [ "$status" -ne 1 ]; then
  echo "exit status was $status, expected 1"
  failed=1
fi
if ! cmp -s "$dir/expected" "$dir/stderr"; then
  echo "standard error differs:"
  diff -u --text --label expected --label actual "$dir/expected" "$dir/stderr" || true
  failed=1
fi
if [ "$offset" -gt 65536 ]; then
  echo "read $offset of 8388608 bytes of input"
  failed=1
fi
echo "$name: status $status, $offset bytes of input read, ${seconds} s"
exit $failed
