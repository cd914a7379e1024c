#!/usr/bin/env bash
# Plays the opening of a game in a real terminal (tmux) and checks that each
# question is on the screen before its answer is typed: the program must flush
# every question, not leave it in a buffer until the next read.
#   terminal_test.sh PATH-TO-DICEDUEL
# Exit 77 (skipped) when tmux is not installed.
set -euo pipefail
program=$1
command -v tmux >/dev/null || { echo "tmux is not installed (Debian package tmux)"; exit 77; }

dir=$(mktemp -d)
socket=$dir/tmux.sock
trap 'tmux -S "$socket" kill-server 2>/dev/null || true; rm -rf "$dir"' EXIT

# The pane stays open after the game ends so its last screen can be read.
# tmux hands the command to a shell: the path goes in quoted.
tmux -S "$socket" new-session -d -x 100 -y 60 "$(printf %q "$program"); echo '[exited' \$?']'; sleep 30"

screen() { tmux -S "$socket" capture-pane -p -S -200; }

# Waits up to five seconds until the screen holds TEXT.
wait_for() {
  for _ in $(seq 100); do
    screen | grep -qF -- "$1" && return 0
    sleep 0.05
  done
  echo "never appeared on the screen: $1"
  screen
  exit 1
}

# Types ANSWER once the screen shows QUESTION as its latest question, and
# checks the question was not followed by anything yet.
answer() {
  local count=$1 question=$2 reply=$3
  wait_for "$question"
  for _ in $(seq 100); do
    [ "$(screen | grep -cF -- "$question")" -ge "$count" ] && break
    sleep 0.05
  done
  [ "$(screen | grep -cF -- "$question")" -ge "$count" ] || { echo "question $count not shown: $question"; screen; exit 1; }
  tmux -S "$socket" send-keys "$reply" Enter
}

first="Do you want to roll a dice (Y/N)?:"
again="Do you want to roll again (Y/N)?:"

answer 1 "$first" y
wait_for "You rolled a 2"
answer 1 "$again" n
wait_for "Computer turn total is 11"
answer 2 "$first" y
wait_for "You rolled a 6"
answer 3 "$first" q
wait_for "That's not a valid input numb nut"
answer 4 "$first" n
tmux -S "$socket" send-keys C-d
wait_for "[exited 0]"
echo "every question was on the screen before its answer"
