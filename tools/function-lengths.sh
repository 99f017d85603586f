#!/usr/bin/env bash
# Lists every function of the project's C++ sources that is longer than 80
# lines and fails if there is one. Tables are exempt: test tables (*_data)
# and the functions named in EXEMPT, which only hold data.
#   tools/function-lengths.sh [limit]
set -u
VEMO_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$VEMO_ROOT" || exit 1
. "$VEMO_ROOT/tools/ensure-packages.sh"
VEMO_PACKAGES="universal-ctags"
vemo_ensure_packages
LIMIT=${1:-80}
EXEMPT='^(live/livetables\.cpp:(statusTables|fontClasses|__anon.*)|tests/livetypical\.h:typicalLiveRecord)$'
mapfile -t files < <(git ls-files '*.cpp' '*.h')
long=$(ctags --languages=C++ --kinds-C++=f --fields=+ne -x --_xformat='%{end} %{line} %F %N' "${files[@]}" 2>/dev/null |
  awk -v limit="$LIMIT" '$1 != "" && $1 - $2 + 1 > limit { print $3 ":" $4 " " $1 - $2 + 1 " lines (line " $2 ")" }' |
  grep -Ev ':[A-Za-z0-9_]+_data ' | while read -r name rest; do
    [[ "$name" =~ $EXEMPT ]] || echo "$name $rest"
  done)
if [ -n "$long" ]; then
  echo "Functions over $LIMIT lines (split them along their seams):"
  echo "$long"
  exit 1
fi
echo "No function over $LIMIT lines."
