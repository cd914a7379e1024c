# Sourced by packaging/ and tests/with-tool: need COMMAND PACKAGE... notes each missing command with its
# Debian package (a caller may add its own line to missing); needed STATUS says what is missing and exits.
missing=()
need() {
  while [ $# -ge 2 ]; do
    command -v "$1" >/dev/null || missing+=("$1 is not installed (Debian package $2)")
    shift 2
  done
}
needed() { [ ${#missing[@]} -eq 0 ] || { printf '%s\n' "${missing[@]}"; exit "$1"; }; }
