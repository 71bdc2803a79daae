#!/usr/bin/env bash
# The install step leaves a complete, self-contained application folder: the program
# and everything it reads, with the settings files in their first state.
set -uo pipefail
# shellcheck source=tests/lib.sh
. "$(dirname "$0")/lib.sh"
assets=$(cd "$(dirname "$0")/../assets" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cmake --install "$1" --prefix "$dir" >/dev/null || { echo "install failed"; exit 1; }

check "the program is executable" test -x "$dir/trivolo"
while IFS= read -r -d '' file; do
  check "${file#"$assets"/*/} is installed as shipped" cmp -s "$file" "$dir/${file#"$assets"/*/}"
done < <(find "$assets/app" "$assets/settings" -type f -print0)
while IFS= read -r name; do
  check "playerimg.txt names images/${name%$'\r'}" test -s "$dir/images/${name%$'\r'}"
done < "$dir/playerimg.txt"
finish
