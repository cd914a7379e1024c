#!/bin/sh
# Runs the program in a folder that everybody may write and that has the
# sticky bit, like /tmp, with the system's protections on as Debian ships
# them (fs.protected_symlinks=1, fs.protected_regular=2,
# fs.protected_fifos=1): once as root and once as an ordinary user. What
# another user (nobody) planted there as a.txt must be refused as the
# shell's > would refuse it, with nothing changed or created anywhere; the
# runner's own a.txt and own link there must still be written. The program
# runs as a copy in the test's folder under /tmp, which every user can
# reach, wherever the build lies (root's home, say, is closed to others).
#   protected_test.sh PATH-TO-ODDSUMFILE
# The protections are switched on for the run and restored afterwards. Exit
# 77 (skipped) where they cannot be switched: not root, or /proc/sys
# read-only (as in a container).
set -eu
skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root, to switch fs.protected_* on and to plant files as nobody"
# One run at a time on the machine, so that the values saved are those from
# before any run, whatever other build folder is tested meanwhile: the lock
# is on a setting itself, which no other user can hold or plant.
exec 9</proc/sys/fs/protected_regular
flock 9
settings="symlinks=1 regular=2 fifos=1"
saved=
for setting in $settings; do
  file=/proc/sys/fs/protected_${setting%=*}
  value=$(cat "$file")
  { echo "$value" >"$file"; } 2>/dev/null || skip "$file cannot be written here (read-only /proc/sys)"
  saved="$saved ${setting%=*}=$value"
done

base=$(mktemp -d /tmp/oddsumfile-protected.XXXXXX)
restore() {
  for setting in $saved; do
    echo "${setting#*=}" >"/proc/sys/fs/protected_${setting%=*}"
  done
  rm -rf "$base"
}
trap restore EXIT
for setting in $settings; do
  echo "${setting#*=}" >"/proc/sys/fs/protected_${setting%=*}"
done
chmod 755 "$base"
program=$base/oddsumfile
cp "$1" "$program"
chmod 755 "$program"

# The runners: root, and an ordinary user; any id but nobody's will do for
# that one, it needs no name. as UID CMD... runs CMD as that user.
runners="0 4242"
as() {
  uid=$1
  shift
  if [ "$uid" -eq 0 ]; then "$@"; else setpriv --reuid="$uid" --regid="$uid" --clear-groups "$@"; fi
}
nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }

# Every path in the shared folder and the runner's home with its type,
# owner, mode and link target, then the content of every regular file.
snapshot() {
  (cd "$base" && find ./shared ./home -printf '%p %y %u %m %l\n' | sort &&
    find ./shared ./home -type f | sort | while read -r f; do printf '%s: %s\n' "$f" "$(cat "$f")"; done)
}

failures=0
for runner in $runners; do
  # Each case: its name, what a.txt is in the shared folder, the exit status.
  while read -r name setup status; do
    rm -rf "${base:?}/shared" "${base:?}/home"
    mkdir -m 1777 "$base/shared"
    mkdir -m 755 "$base/home"
    printf 'mine' >"$base/home/mine.txt"
    chown -R "$runner:$runner" "$base/home"
    cd "$base/shared"
    case $setup in
      planted-link-to-mine) nobody ln -s "$base/home/mine.txt" a.txt ;;
      planted-link-to-new) nobody ln -s "$base/home/new.txt" a.txt ;;
      planted-file) nobody sh -c 'printf planted >a.txt && chmod 666 a.txt' ;;
      planted-fifo) nobody mkfifo -m 666 a.txt ;;
      own-file) as "$runner" sh -c 'printf old >a.txt' ;;
      own-link) as "$runner" ln -s "$base/home/mine.txt" a.txt ;;
    esac
    before=$(snapshot)
    got=0
    as "$runner" timeout 10 "$program" >"$base/out" 2>"$base/err" || got=$?
    after=$(snapshot)
    cd /
    if [ "$status" -eq 0 ]; then
      written=./shared/a.txt
      [ "$setup" = own-link ] && written=./home/mine.txt
      expected=$(echo "$before" | sed "s|^$written: .*|$written: 4|")
      errors=
    else
      expected=$before
      errors="oddsumfile: a.txt: Permission denied"
    fi
    if [ "$got" -ne "$status" ] || [ "$after" != "$expected" ] || [ "$(cat "$base/err")" != "$errors" ] ||
      [ -s "$base/out" ]; then
      echo "FAILED as $runner: $name: exit status $got, expected $status; standard error:"
      cat "$base/err"
      echo "the scratch folder, expected and found:"
      echo "$expected" | diff - /dev/fd/3 3<<EOF || true
$after
EOF
      failures=$((failures + 1))
    else
      echo "passed as $runner: $name"
    fi
  done <<'CASES'
link_planted_to_my_file      planted-link-to-mine  1
link_planted_to_a_new_file   planted-link-to-new   1
world_writable_file_planted  planted-file          1
fifo_planted                 planted-fifo          1
my_own_file                  own-file              0
my_own_link                  own-link              0
CASES
done
[ "$failures" -eq 0 ]
