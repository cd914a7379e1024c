#!/bin/sh
# Checks the arguments a program answers: --help and --version print on
# standard output alone and exit 0; each refused command line below prints
# nothing on standard output and exits 2, and their standard error together
# is refused_arguments.err beside this script, PROGRAM standing for the
# program's name; a --help that cannot be written exits 1 with the write
# error. help.out and version.out in DIR, the program's folder, where it has
# them, hold the exact output of --help and --version.
#   arguments.sh DIR [EMULATOR...] PROGRAM
set -u
dir=$1
shift
for program; do :; done
name=$(basename "$program")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0

# Reports a wrong run, with what it wrote on both streams.
wrong() {
  echo "$name $1"
  cat "$tmp/out" "$tmp/err"
  failed=1
}

for arg in --help --version; do
  status=0
  "$@" "$arg" </dev/null >"$tmp/out" 2>"$tmp/err" || status=$?
  [ "$status" -eq 0 ] && [ -s "$tmp/out" ] && [ ! -s "$tmp/err" ] ||
    wrong "$arg: exit status $status, expected 0 with output on standard output only:"
  expected="$dir/${arg#--}.out"
  [ ! -f "$expected" ] || diff -u "$expected" "$tmp/out" || failed=1
done

set -f
: >"$tmp/refused"
for args in --verbose -h - help '--help --version' '--version x'; do
  status=0
  # shellcheck disable=SC2086
  "$@" $args </dev/null >"$tmp/out" 2>"$tmp/err" || status=$?
  cat "$tmp/err" >>"$tmp/refused"
  [ "$status" -eq 2 ] && [ ! -s "$tmp/out" ] ||
    wrong "$args: exit status $status, expected 2 with nothing on standard output:"
done
set +f
sed "s/PROGRAM/$name/g" "$(dirname "$0")/refused_arguments.err" >"$tmp/expected"
diff -u "$tmp/expected" "$tmp/refused" || failed=1

status=0
"$@" --help </dev/null >/dev/full 2>"$tmp/err" || status=$?
: >"$tmp/out"
[ "$status" -eq 1 ] && [ "$(cat "$tmp/err")" = "$name: write error: No space left on device" ] ||
  wrong "--help >/dev/full: exit status $status, expected 1 with the write error:"
exit "$failed"
