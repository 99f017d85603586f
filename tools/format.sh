#!/usr/bin/env bash
# Formats every C++ source of the project with the repository's .clang-format.
#   tools/format.sh          rewrite the files in place
#   tools/format.sh --check  change nothing; fail and list what is not formatted
set -u
VEMO_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$VEMO_ROOT" || exit 1
. "$VEMO_ROOT/tools/ensure-packages.sh"
VEMO_PACKAGES="clang-format"
vemo_ensure_packages
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run -Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
