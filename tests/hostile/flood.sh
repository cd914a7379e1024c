#!/bin/bash
# Feeds a program that reads standard input a flood through a pipe: KIND "word" is 200 MB of x,
# "number" 200 MB of 9 and a newline, "zeros" NUL bytes for 5 s. A program slower than the flood
# is fed what it takes in 20 s. Its peak memory must stay within PEAK_KB, and it must end with
# status 0 and exactly the output due for what it was fed, or with status 1 and one line on
# standard error; never status 0 with its output cut short.
#   flood.sh KIND PEAK_KB DIR [EMULATOR...] PROGRAM    (DIR: the program's folder)
set -u
export LC_ALL=C
kind=$1
limit=$2
dir=$3
shift 3
name=$(basename "${!#}")

# What the program prints when flooded, from flood.bash in its folder: HEAD, then EACH for every
# byte of the word ("echo": the byte itself), then TAIL.
head='' each='' tail=''
if [ ! -f "$dir/flood.bash" ]; then
  echo "$name: $dir has no flood.bash, which says what it prints when flooded"
  exit 1
fi
# shellcheck source=/dev/null
. "$dir/flood.bash"

case $kind in
  word) byte=x bytes=200000000 seconds=20 end= ;;
  number) byte=9 bytes=200000000 seconds=20 end=$'\n' ;;
  zeros) byte='\0' bytes=1T seconds=5 end= ;;
  *)
    echo "unknown kind $kind"
    exit 1
    ;;
esac

# The expected output, made from the bytes of the word as they reach the program.
expect() {
  printf %s "$head"
  case $each in
    echo) cat ;;
    '') cat >/dev/null ;;
    *) tr '\000-\377' '\n' | EACH=$each awk '{ printf "%s", ENVIRON["EACH"] }' ;;
  esac
  printf %s "$tail"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Each side is summed (CRC and size) on its own: a comparison in step would stall a program that
# holds its output back.
mkfifo "$tmp/fed" "$tmp/counted"
expect <"$tmp/fed" | cksum >"$tmp/expected" &
expecting=$!
wc -c <"$tmp/counted" >"$tmp/count" &
counting=$!
timeout "$seconds" head -c "$bytes" /dev/zero | tr '\0' "$byte" | tee "$tmp/fed" "$tmp/counted" |
  { cat && printf %s "$end"; } |
  /usr/bin/time -f %M -o "$tmp/peak" "$@" 2>"$tmp/err" | cksum >"$tmp/printed"
status=${PIPESTATUS[4]}
wait "$expecting" "$counting"
peak=$(tail -n 1 "$tmp/peak")
read -r _ printed <"$tmp/printed"
read -r _ expected <"$tmp/expected"
echo "$name: fed $(<"$tmp/count") bytes, status $status, printed $printed bytes, peak $peak kB"

failed=0
if ! [[ $peak =~ ^[0-9]+$ ]] || [ "$peak" -gt "$limit" ]; then
  echo "FAILED: peak memory over $limit kB"
  failed=1
fi
if [ "$status" -eq 0 ] && cmp -s "$tmp/printed" "$tmp/expected" && [ ! -s "$tmp/err" ]; then
  :
elif [ "$status" -eq 1 ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q "^$name: " "$tmp/err"; then
  echo "ended with its message: $(<"$tmp/err")"
else
  echo "FAILED: status 0 with the $expected bytes due and nothing on standard error, or 1 and one line"
  cat "$tmp/err"
  failed=1
fi
exit "$failed"
