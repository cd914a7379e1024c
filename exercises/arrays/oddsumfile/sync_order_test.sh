#!/bin/bash
# Checks, for each shape of a.txt, the order of the calls that make the new
# content visible: the file that gets the sum is synced before a rename or
# link gives it its name, and the folder (or, where it cannot be opened,
# the whole file system) is synced after that, before the program exits 0.
# So a crash leaves the old content or the new one, and a success lasts.
#   sync_order_test.sh PATH-TO-ODDSUMFILE
set -euo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
chmod 755 "$dir"
dir=$(cd "$dir" && pwd -P)
# A copy that any user can run, wherever the build lies.
cp "$1" "$dir/oddsumfile"
chmod 755 "$dir/oddsumfile"
# LeakSanitizer stops the program with ptrace at exit, which a traced
# program cannot allow; the sanitize workflow finds leaks everywhere else.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

# The writes of the sum, the syncs and the calls that name a file, one a
# line, as CALL FILE...: paths from the row's folder, a temporary file's
# random end as .new.
calls() {
  local line
  while IFS= read -r line; do
    line=${line//"$dir/w/"/}
    printf '%s\n' "${line//"$dir/w"/.}"
  done <"$dir/trace" | sed -E -n 's/(\.txt)\.[[:alnum:]]{6}/\1.new/g
    s/^(write)\([0-9]+<([^>]*)>, "4", 1\).*/\1 \2/p
    s/^(fsync|fdatasync|syncfs)\([0-9]+<([^>]*)>\).*/\1 \2/p
    s/^(rename|link)[a-z0-9]*\(([A-Z_]+<[^>]*>, )?"([^"]*)", ([A-Z_]+<[^>]*>, )?"([^"]*)".*/\1 \3 \5/p'
}

failures=0
# Each row: its name, what a.txt is, and the calls expected, ;-separated.
while read -r name shape expected; do
  rm -rf "$dir/w"
  mkdir "$dir/w"
  cd "$dir/w"
  as=()
  case $shape in
    file) printf 'old content' >a.txt ;;
    none) ;;
    link) mkdir sub && printf 'old content' >sub/old.txt && ln -s sub/old.txt a.txt ;;
    dangling) mkdir sub && ln -s sub/new.txt a.txt ;;
    unreadable)
      if [ "$(id -u)" -ne 0 ]; then
        echo "skipped: $name, which needs root to run the program as nobody"
        continue
      fi
      printf 'old content' >a.txt
      chown -R nobody:nogroup .
      chmod 300 .
      as=(-u nobody)
      ;;
  esac
  status=0
  strace -o "$dir/trace" -y -e signal=none "${as[@]}" \
    -e trace=write,fsync,fdatasync,syncfs,rename,renameat,renameat2,link,linkat \
    "$dir/oddsumfile" || status=$?
  got=$(calls | paste -sd ';')
  cd /
  content=$(cat "$dir/w/a.txt")
  if [ "$status" -ne 0 ] || [ "$got" != "$expected" ] || [ "$content" != 4 ]; then
    echo "FAILED: $name: exit status $status, a.txt holds '$content'; the calls, expected and found:"
    echo "$expected"$'\n'"$got" | tr ';' '\n'
    cat "$dir/trace"
    failures=$((failures + 1))
  else
    echo "passed: $name"
  fi
done <<'ROWS'
plain_file       file       write a.txt.new;fsync a.txt.new;rename a.txt.new a.txt;fsync .
no_file_yet      none       write a.txt.new;fsync a.txt.new;link a.txt.new a.txt;fsync .
link_to_a_file   link       write sub/old.txt.new;fsync sub/old.txt.new;rename sub/old.txt.new sub/old.txt;fsync sub
dangling_link    dangling   write sub/new.txt.new;fsync sub/new.txt.new;rename sub/new.txt.new sub/new.txt;fsync sub
unreadable_dir   unreadable write a.txt.new;fsync a.txt.new;rename a.txt.new a.txt;syncfs a.txt
ROWS
[ "$failures" -eq 0 ]
