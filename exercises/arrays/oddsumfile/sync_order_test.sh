#!/bin/bash
# Checks, for each shape of a.txt, the order of the calls that make the new
# content visible: the file that gets the sum is synced before a rename or
# link gives it its name, and its folder (or, where that cannot be opened,
# the whole file system) is synced after that, before the program exits 0.
# So a crash leaves the old content or the new one, and a success lasts.
#   sync_order_test.sh PATH-TO-ODDSUMFILE
set -euo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
chmod 755 "$dir"
dir=$(cd "$dir" && pwd -P)
# A copy that any user can run, wherever the build lies.
install -m 755 "$1" "$dir/oddsumfile"
# LeakSanitizer stops the program with ptrace at exit, which a traced
# program cannot allow; the sanitize workflow finds leaks everywhere else.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

# The syncs and the calls that name a file, ;-separated, as CALL FILE...:
# paths from the row's folder, a temporary file's random end as .new.
calls() {
  local line
  while IFS= read -r line; do
    line=${line//"$dir/w/"/}
    printf '%s\n' "${line//"$dir/w"/.}"
  done <"$dir/trace" | sed -E -n 's/(\.txt)\.[[:alnum:]]{6}/\1.new/g
    s/^(fsync|fdatasync|syncfs)\([0-9]+<([^>]*)>\).*/\1 \2/p
    s/^(rename|link)[a-z0-9]*\(([A-Z_]+<[^>]*>, )?"([^"]*)", ([A-Z_]+<[^>]*>, )?"([^"]*)".*/\1 \3 \5/p' |
    paste -sd ';'
}

failures=0
while read -r shape expected; do
  rm -rf "$dir/w"
  mkdir "$dir/w"
  cd "$dir/w"
  as=()
  case $shape in
    file) printf old >a.txt ;;
    none) ;;
    link) mkdir sub && printf old >sub/old.txt && ln -s sub/old.txt a.txt ;;
    dangling_link) mkdir sub && ln -s sub/new.txt a.txt ;;
    unreadable_folder)
      if [ "$(id -u)" -ne 0 ]; then
        echo "skipped: $shape, which needs root to run the program as nobody"
        continue
      fi
      printf old >a.txt
      chown -R nobody:nogroup .
      chmod 300 .
      as=(-u nobody)
      ;;
  esac
  status=0
  strace -o "$dir/trace" -y -e signal=none "${as[@]}" \
    -e trace=fsync,fdatasync,syncfs,rename,renameat,renameat2,link,linkat "$dir/oddsumfile" || status=$?
  got=$(calls)
  content=$(cat a.txt 2>&1 || true)
  if [ "$status" -ne 0 ] || [ "$got" != "$expected" ] || [ "$content" != 4 ]; then
    echo "FAILED: $shape: exit status $status, a.txt holds '$content'; the calls, expected and found:"
    echo "$expected"$'\n'"$got" | tr ';' '\n'
    failures=$((failures + 1))
  else
    echo "passed: $shape"
  fi
done <<'ROWS'
file              fsync a.txt.new;rename a.txt.new a.txt;fsync .
none              fsync a.txt.new;link a.txt.new a.txt;fsync .
link              fsync sub/old.txt.new;rename sub/old.txt.new sub/old.txt;fsync sub
dangling_link     fsync sub/new.txt.new;rename sub/new.txt.new sub/new.txt;fsync sub
unreadable_folder fsync a.txt.new;rename a.txt.new a.txt;syncfs a.txt
ROWS
[ "$failures" -eq 0 ]
