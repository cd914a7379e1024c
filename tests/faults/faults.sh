#!/bin/bash
# Every program's reads of standard input and writes to standard output, a
# few occurrences of each, made to fail in turn under strace, with INPUT (a
# file, or "" for empty input) as standard input; TRAITS as in programs.tsv.
# Each failure must end in status 1 and its one line "NAME: read error:
# REASON" or "NAME: write error: REASON".
#   faults.sh PROGRAM INPUT TRAITS
# shellcheck source=tests/faults/inject.bash
. "$(dirname "$0")/inject.bash"

# The occurrences of a call made N times that the table tries: the first two
# and the last, which is often the final flush.
occurrences() {
  local n=$1
  for when in 1 2 "$n"; do
    if [ "$when" -le "$n" ]; then echo "$when"; fi
  done | sort -nu
}

# The table for the program $1, its input $2 and its traits $3.
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

streams_table "$@"
summary
