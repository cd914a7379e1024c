#!/bin/bash
# One run of oddsumfile per row: a.txt in a SHAPE, on a file system or
# under a limit that users have. Each must end with exit status 0 and a.txt
# holding 4, with the calls that make the content visible in the row's order
# (the content synced before a rename or link names it, then the folder, or
# the whole file system where the folder cannot be read), or "any"; a row
# that expects !REASON, with exit status 1, that reason and the old content.
# Nothing may be left but a.txt and the file it leads to. Rows that need
# root or a mount namespace are skipped, and then the table exits 77 unless
# a row failed; rows without /proc or descriptors to spare do not apply to
# a sanitized build.
#   sync_order_test.sh PATH-TO-ODDSUMFILE
set -euo pipefail
# Mounts and unmounts stay in a mount namespace of the table's own.
if [ "$(id -u)" -eq 0 ] && [ -z "${ODDSUMFILE_NAMESPACE:-}" ] && unshare -m true 2>/dev/null; then
  ODDSUMFILE_NAMESPACE=1 exec unshare -m --propagation private "$0" "$@"
fi
dir=$(mktemp -d)
trap 'cd / && { umount -q "$dir/w" 2>/dev/null || true; } && rm -rf "$dir"' EXIT
chmod 755 "$dir"
dir=$(cd "$dir" && pwd -P)
# A copy that any user can run, wherever the build lies.
install -m 755 "$1" "$dir/oddsumfile"
# LeakSanitizer stops the program with ptrace at exit, which a traced
# program cannot allow; the sanitize workflow finds leaks everywhere else.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
export LC_ALL=C

# The successful syncs, links and renames of the trace, ;-separated, as CALL
# FILE...: paths from the row's folder, an unnamed file as new, a temporary
# name's random end as .tmp.
calls() {
  local line rest path name out
  local call='^(fsync|syncfs|link|rename)(at2?)?\((.*)\) += 0$'
  local file='^(AT_FDCWD|[0-9]+)<([^>]*)>(\(deleted\))?(, "([^"]*)")?(, )?(.*)$'
  while IFS= read -r line; do
    [[ $line =~ $call ]] || continue
    out=${BASH_REMATCH[1]} rest=${BASH_REMATCH[3]}
    while [[ $rest =~ $file ]]; do
      path=${BASH_REMATCH[2]} name=${BASH_REMATCH[5]} rest=${BASH_REMATCH[7]}
      case $name in /*) path=$name ;; ?*) path=$path/$name ;; esac
      path=${path#"$dir/w"}
      path=$(sed -E 's|^/||; s|^(.*/)?#[0-9]+$|new|; s|^/?proc/self/fd/[0-9]+$|new|
        s|(\.txt)\.[[:alnum:]]{6}$|\1.tmp|' <<<"$path")
      out+=" ${path:-.}"
    done
    printf '%s;' "$out"
  done <"$dir/trace" | sed 's/;$//'
}

# Every name under the folder, sorted.
names() { (cd "$dir/w" && find . -mindepth 1 | sort); }

nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
noproc=(unshare -m sh -c 'umount -l /proc && exec "$@"' sh)
failures=0
skipped=0

# Runs a step of a row's set-up; where the system refuses it (in a user
# namespace or a container, say), the row is skipped, saying so.
step() {
  "$@" >/dev/null 2>&1 && return
  reason="needs what the system refuses here: $*"
  return 1
}

# Lays out the row $1 with a.txt as the shape $2 (file, none, link to a
# file, dangling link) in $dir/w, and goes where the program runs; sets run,
# the command before the program. Fails with a reason to skip.
lay_out() {
  run=()
  case $1 in
    nobody_* | *_as_nobody | bind_* | append_* | no_proc*)
      if [ -z "${ODDSUMFILE_NAMESPACE:-}" ]; then
        reason="needs root and a mount namespace of its own" && return 1
      fi
      ;;
  esac
  # The sanitizers' run-time reads its options (not to look for leaks under
  # strace) from /proc, and probes memory through a pipe of its own.
  if [[ $1 == no_proc* || $1 == ulimit_4 ]] && grep -q __asan_init "$dir/oddsumfile"; then
    reason="is not for a sanitized build, whose run-time needs /proc and descriptors" && return 2
  fi
  case $1 in
    append_*)
      command -v mkfs.ext4 >/dev/null || { reason="needs mkfs.ext4 (Debian package e2fsprogs)" && return 1; }
      [ -c /dev/loop-control ] || { reason="needs /dev/loop-control, to mount an ext4 image" && return 1; }
      rm -f "$dir/ext4.img" && truncate -s 8M "$dir/ext4.img" && mkfs.ext4 -q "$dir/ext4.img"
      step mount -o loop "$dir/ext4.img" "$dir/w" || return 1
      ;;
  esac
  cd "$dir/w"
  # A path longer than PATH_MAX: forty-five folders of a hundred letters,
  # made and entered one at a time.
  if [ "$1" = long_path ]; then
    local folder
    folder=$(printf 'd%.0s' {1..100})
    for _ in {1..45}; do mkdir "$folder" && cd "$folder"; done
  fi
  case $2 in
    file) printf old >a.txt ;;
    link) mkdir sub && printf old >sub/old.txt && ln -s sub/old.txt a.txt ;;
    dangling) mkdir sub && ln -s sub/new.txt a.txt ;;
  esac
  case $1 in
    nobody_unreadable_folder) step chown -R nobody:nogroup . && chmod 300 . && run=("${nobody[@]}") ;;
    setid) chmod 4755 a.txt ;;
    bind_mounted) printf elsewhere >"$dir/bound.txt" && step mount --bind "$dir/bound.txt" a.txt ;;
    append_only_folder*) step chattr +a . ;;
    no_proc*) step unshare -m umount -l /proc && run=("${noproc[@]}") ;;
    # The limit counts standard input, output and error alone: any other
    # descriptor the test's runner left open is closed first.
    ulimit_*)
      # shellcheck disable=SC2016 # expanded by the inner shell
      run=(bash -c 'for fd in /proc/$$/fd/*; do [ "${fd##*/}" -le 2 ] || eval "exec ${fd##*/}>&-"; done
        ulimit -n "$0" && exec "$@"' "${1#ulimit_}")
      ;;
  esac || return 1
  case $1 in
    *_as_nobody) step chown -R nobody:nogroup . && run+=("${nobody[@]}") ;;
  esac
}

while read -r row shape expected; do
  cd "$dir"
  rm -rf "$dir/w"
  mkdir "$dir/w"
  applies=0
  lay_out "$row" "$shape" || applies=$?
  if [ "$applies" -eq 1 ]; then
    echo "skipped: $row, which $reason"
    skipped=$((skipped + 1))
  fi
  if [ "$applies" -ne 0 ]; then
    if [ "$applies" -eq 2 ]; then echo "left out: $row, which $reason"; fi
    continue
  fi
  before=$(names)
  # What a good run may add: a.txt, or the file a link leads to.
  case $shape in
    none) made=./a.txt ;;
    dangling) made=./sub/new.txt ;;
    *) made= ;;
  esac
  made=$(printf '%s\n' "$before" "$made" | sed '/^$/d' | sort -u)
  status=0
  strace -o "$dir/trace" -y -e signal=none -e trace=fsync,fdatasync,syncfs,rename,renameat,renameat2,link,linkat \
    "${run[@]}" "$dir/oddsumfile" 2>"$dir/err" || status=$?
  got=$(calls)
  content=$(cat a.txt 2>&1 || true)
  after=$(names)
  errors=$(<"$dir/err")
  case $expected in
    '!'*) wanted="1 oddsumfile: a.txt: ${expected#!} old" ;;
    *) wanted="0  4" ;;
  esac
  if [ "$status $errors $content" != "$wanted" ] || [ "$after" != "$made" ] ||
    { [ "$expected" != any ] && [ "${expected:0:1}" != '!' ] && [ "$got" != "$expected" ]; }; then
    echo "FAILED: $row: exit status $status, standard error '$errors', a.txt holds '$content'; the calls, expected and found:"
    echo "$expected"$'\n'"$got" | tr ';' '\n'
    echo "the folder, expected and found:"$'\n'"$made"$'\n'"$after"
    failures=$((failures + 1))
  else
    echo "passed: $row"
  fi
  cd "$dir"
  umount -q "$dir/w/a.txt" 2>/dev/null || true
  chattr -a "$dir/w" 2>/dev/null || true
  umount -q "$dir/w" 2>/dev/null || true
done <<'ROWS'
file                       file      fsync new;link new a.txt.tmp;rename a.txt.tmp a.txt;fsync .
none                       none      fsync new;link new a.txt;fsync .
link                       link      fsync new;link new sub/old.txt.tmp;rename sub/old.txt.tmp sub/old.txt;fsync sub
dangling                   dangling  fsync new;link new sub/new.txt.tmp;rename sub/new.txt.tmp sub/new.txt;fsync sub
nobody_unreadable_folder   file      fsync new;link new a.txt.tmp;rename a.txt.tmp a.txt;syncfs new
setid                      file      fsync a.txt
bind_mounted               file      fsync a.txt
append_only_folder         file      fsync a.txt
append_only_folder_none    none      fsync new;link new a.txt;fsync .
no_proc                    file      fsync new;link new a.txt.tmp;rename a.txt.tmp a.txt;fsync .
no_proc_link               link      fsync sub/old.txt
no_proc_none               none      fsync new;link new a.txt;fsync .
no_proc_dangling           dangling  fsync sub/new.txt;syncfs sub/new.txt
no_proc_as_nobody          file      any
no_proc_link_as_nobody     link      any
no_proc_none_as_nobody     none      any
long_path                  file      any
ulimit_4                   file      !Too many open files
ulimit_4                   none      fsync a.txt;syncfs a.txt
ulimit_5                   file      fsync a.txt
ulimit_5                   none      fsync new;link new a.txt;fsync .
ulimit_6                   file      fsync new;link new a.txt.tmp;rename a.txt.tmp a.txt;fsync .
ulimit_8                   link      fsync new;link new sub/old.txt.tmp;rename sub/old.txt.tmp sub/old.txt;fsync sub
ROWS
echo "$failures failed, $skipped skipped"
[ "$failures" -eq 0 ] || exit 1
[ "$skipped" -eq 0 ] || exit 77
