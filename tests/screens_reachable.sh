#!/usr/bin/env bash
# Every page in landscape (1024 x 768) and portrait (768 x 1024), each on a
# virtual screen of its own: the screenshot program fails, naming page and
# control, on a shown control that lies outside its window.
#   screens_reachable.sh <screenshots program>
set -u
PROGRAM="$1"
command -v xvfb-run >/dev/null || { echo "skipped: xvfb-run is missing (package xvfb)"; exit 77; }
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
for size in 1024x768 768x1024; do
  xvfb-run -a -s "-screen 0 ${size}x24" env QT_QPA_PLATFORM=xcb "$PROGRAM" "$OUT/$size" >"$OUT/$size.log" 2>&1 || {
    cat "$OUT/$size.log"
    echo "FAIL: a control lies outside the window at $size"
    exit 1
  }
  echo "$size: every control within the window"
done
