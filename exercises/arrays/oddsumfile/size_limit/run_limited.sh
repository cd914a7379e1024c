#!/bin/sh
# Runs a command that may create files but not write a single byte to one:
# the file-size limit is 0 and SIGXFSZ is ignored, so a write fails with
# "File too large" instead of killing the command.
#   run_limited.sh COMMAND [ARGS...]
ulimit -f 0
trap '' XFSZ
exec "$@"
