# shellcheck shell=bash
# Shared by the shell tests: counting checks and waiting for conditions.
passed=0 failed=0
check() {  # description, command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; exit; }
# Runs the command until it succeeds, for up to thirty seconds (a loaded machine is slow).
wait_for() { local _; for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done; return 1; }
same_bytes() { cmp -s "$1" <(printf '%b' "$2"); }  # file, contents with backslash escapes
