#!/bin/bash
# Every call oddsumfile makes after it first names a.txt, as a traced good
# run shows them, made to fail in turn under strace, and killed there, with
# a.txt as SHAPE (see lay_out). After each run a.txt holds its old content or
# the new one, never a mix; exit status 0 only with the new one, else 1 with
# the failure named (said to be in place but not lasting with the new one);
# a failed run leaves a missing a.txt missing; nothing else is left, but the
# temporary file of a kill at the rename itself, or on exFAT; the links,
# owner, mode, ACL and extended attributes stay.
#   faults_test.sh INJECT.BASH SHAPE ODDSUMFILE
# shellcheck source=tests/faults/inject.bash
. "$1"
shape=$2
program=$3
start='"a\.txt"'
old='old content 123'
new=4
# shellcheck source=packaging/need.bash
. "$(dirname "$1")/../../packaging/need.bash"
need getfacl acl setfacl acl getfattr attr setfattr attr
needed 77

# exFAT has no hard links, no O_TMPFILE and no exclusive rename; its image
# is mounted through FUSE in a mount namespace of the table's own.
root=$work
if [[ $shape == exfat* ]]; then
  if [ -z "${ODDSUMFILE_NAMESPACE:-}" ]; then
    [ "$(id -u)" -eq 0 ] || skip "needs root, to mount an exFAT image"
    need mkfs.exfat exfatprogs mount.exfat-fuse exfat-fuse losetup mount unshare util-linux
    needed 77
    { [ -c /dev/fuse ] && [ -c /dev/loop-control ]; } || skip "needs /dev/fuse and /dev/loop-control, to mount an exFAT image"
    rm -rf "$work"
    ODDSUMFILE_NAMESPACE=1 exec unshare -m --propagation private "$0" "$@"
  fi
  truncate -s 16M "$work/exfat.img"
  mkfs.exfat "$work/exfat.img" >/dev/null
  device=$(losetup -f --show "$work/exfat.img" 2>/dev/null) || skip "no loop device can be attached here"
  root=$work/exfat
  mkdir "$root"
  mounted=0
  mount.exfat-fuse "$device" "$root" 2>/dev/null && mounted=1
  # Detached by the system once unmounted.
  losetup -d "$device"
  [ "$mounted" -eq 1 ] || skip "no exFAT image can be mounted through FUSE here"
  trap 'cd / && umount "$root"; rm -rf "$work"' EXIT
fi

# Makes the folder $1 hold a.txt as the shape, beside a file X that no run
# may touch. As root the file belongs to another user, which the program
# must give a new file as well, and with an ACL to another group.
lay_out() {
  mkdir "$1"
  cd "$1"
  printf neighbour >X
  case $shape in
    plain | acl | setid | exfat_file) printf %s "$old" >a.txt ;;
    symlink) printf %s "$old" >target.txt && ln -s target.txt a.txt ;;
    hardlink) printf %s "$old" >a.txt && ln a.txt b.txt ;;
    missing | exfat) ;;
    dangling) ln -s new.txt a.txt ;;
    # A folder whose default ACL would give a new file more rights.
    default_acl) printf %s "$old" >a.txt && setfacl -d -m u:4243:rw,g::rw,o::r . ;;
    default_acl_missing) setfacl -d -m u:4243:rw,g::rw,o::r . ;;
    *) echo "unknown shape $shape" && exit 2 ;;
  esac
  if [ -e a.txt ] && [[ $shape != exfat* ]]; then
    chmod 640 a.txt
    if [ "$(id -u)" -eq 0 ]; then chown 4242:0 a.txt; fi
    case $shape in
      acl)
        if [ "$(id -u)" -eq 0 ]; then chgrp 4244 a.txt; fi
        setfacl -m u:4243:rw a.txt && setfattr -n user.note -v kept a.txt
        ;;
      setid) chmod 6750 a.txt ;;
    esac
  fi
  if [ ! -e a.txt ]; then old=; fi
}

# What the runs must keep, content aside: the folder's entries with their
# kinds, modes and link targets, and the owner, mode, number of links, ACL
# and extended attributes of the files they lead to.
keeps() {
  stat -c '%N: %A' -- *
  stat -L -c '%n leads to %u:%g, mode %a, %h links' -- * 2>&1 || true
  getfacl -n -- * 2>/dev/null || true
  getfattr -d -m - -- * 2>/dev/null || true
}

# Sets got to the content of the file a.txt leads to; none when there is no
# such file.
content() {
  got=
  if [ -e a.txt ]; then IFS= read -r -d '' got <a.txt || true; fi
}

# The faults that matter for each call: EIO for every one, a kill at every
# one; a full disk, an interruption that must be retried, a call that does
# nothing (a write that writes nothing, a read cut short by a file cut
# meanwhile); and the refusals of a file system, a mount or a limit after
# which the program must take the other way.
errors_of() {
  case $1 in
    write) echo EIO ENOSPC EDQUOT EINTR retval=0 ;;
    pread64) echo EIO ENOMEM retval=0 ;;
    openat) echo EIO EACCES EPERM EMFILE EOPNOTSUPP ;;
    linkat) echo EIO EEXIST EPERM ENOENT ;;
    rename*) echo EIO EACCES EPERM EBUSY EXDEV EINVAL ;;
    fchown | fchmod | fsetxattr | fremovexattr) echo EIO EPERM ENOSYS ;;
    flistxattr | fgetxattr) echo EIO EOPNOTSUPP ;;
    ioctl) echo EIO ENOTTY ;;
    readlink) echo EIO ENOENT ENAMETOOLONG ;;
    *) echo EIO ;;
  esac
  echo signal=KILL
}

# Checks the run in which call $1 met the fault $2.
check_run() {
  local call=$1 fault=$2 after stderr temp
  content
  stderr=$(<"$work/err")
  # A kill may leave the temporary file it was about to rename, whole; where
  # the file system has no unnamed files, one from any moment.
  for temp in *.txt.??????; do
    if [ ! -e "$temp" ]; then continue; fi
    if [ "$fault" = signal=KILL ] && { [[ $shape == exfat* ]] ||
      { [[ $call == rename* ]] && [ "$(<"$temp")" = "$new" ]; }; }; then
      rm "$temp"
    else
      fail "left $temp"
    fi
  done
  after=$(keeps)
  # Only the update in place, killed between its write and its cut, mixes.
  if [ "$got" != "$old" ] && [ "$got" != "$new" ] &&
    ! { [ "$fault" = signal=KILL ] && [ "$call" = ftruncate ] && [ "$got" = "$new${old:${#new}}" ]; }; then
    fail "a.txt holds '$got', neither the old '$old' nor the new '$new'"
  fi
  if [ "$after" != "$before" ] && [ "$after" != "$good" ]; then
    fail "the folder changed:"$'\n'"$after"$'\n'"expected, before or after a good run:"$'\n'"$before"$'\n'"$good"
  fi
  if [ -z "$old" ] && [ ! -L a.txt ] && [ "$status" -eq 1 ] && [ -e a.txt ]; then
    fail "the run failed, but left a.txt"
  fi
  if [ -s "$work/out" ]; then fail "printed $(<"$work/out")"; fi
  local error=${fault#error=} ending="$status $stderr" allowed one
  if [ "$fault" = signal=KILL ]; then
    allowed=("137 ")
  elif [ "$got" = "$new" ]; then
    allowed=("0 " "1 oddsumfile: a.txt: the new content is in place, but may not survive a crash: ${reasons[$error]}")
  else
    allowed=("1 oddsumfile: a.txt: ${reasons[$error]}")
  fi
  case $error in
    # A retry is due, or a name that appeared meanwhile is taken as it is.
    EINTR | EEXIST) allowed=("0 ") ;;
    # A failure of the data is never a success.
    EIO | ENOSPC | EDQUOT | ENOMEM | retval=0) [ "${allowed[0]}" != "0 " ] || allowed=("${allowed[@]:1}") ;;
  esac
  for one in "${allowed[@]}"; do
    if [ "$ending" = "$one" ]; then return; fi
  done
  fail "exit status $status, standard error: $stderr; expected one of: ${allowed[*]}"
}

umask 022
: >"$work/in"
if [ "$(id -u)" -eq 0 ] && ! chown 4242:4244 "$work/in" 2>/dev/null; then
  skip "root here cannot give a file to another user (a user namespace, say)"
fi
if [[ $shape == *acl* ]] &&
  ! { : >"$work/probe" && setfacl -m u:4243:r "$work/probe" && setfattr -n user.probe -v 1 "$work/probe"; } 2>/dev/null; then
  skip "the file system of $work keeps no ACL or user.* attribute"
fi
# A good run must leave the folder as the shell's > leaves it, content
# aside: a new file as the shell makes it, an old one as it was.
lay_out "$root/shell"
before=$(keeps)
printf %s "$new" >a.txt
expected=$(keeps)
lay_out "$root/shape"
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
cd "$root"
rm -rf shape
lay_out "$root/shape"
cd "$root"
copy=(cp -a)
if [[ $shape == exfat* ]]; then copy=(cp -r); fi

while read -r call when; do
  for how in $(errors_of "$call"); do
    label="$shape: $call number $when meets $how"
    case $how in retval=* | signal=*) ;; *) how=error=$how ;; esac
    rm -rf run
    "${copy[@]}" shape run
    cd run
    inject "$call" "$how" "$when" -e trace=%file,%desc
    check_run "$call" "$how"
    cd "$root"
  done
done < <(calls_from "$start" "$work/good")
summary
