# Sourced by the scripts in packaging/ and by tests/with-tool: the commands
# they need, each named with its Debian package when it is missing.
#   need COMMAND PACKAGE...  notes each COMMAND that is not installed
#   needed STATUS            says what is missing and exits with STATUS (1
#                            for a release check, 77 for a test that skips),
#                            or returns when nothing is
# A caller may add its own line to missing for a need that is not a command.
missing=()
need() {
  while [ $# -ge 2 ]; do
    command -v "$1" >/dev/null || missing+=("$1 is not installed (Debian package $2)")
    shift 2
  done
}
needed() {
  [ ${#missing[@]} -eq 0 ] || { printf '%s\n' "${missing[@]}"; exit "$1"; }
}
