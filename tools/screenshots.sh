#!/usr/bin/env bash
# Renders every page in landscape (1024 x 768) and portrait (768 x 1024) into
# screenshots-out/<size>/ (or the folder given), each on its own virtual screen.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${VEMO_BUILD_DIR:-$ROOT/build}"
OUT="${1:-$ROOT/screenshots-out}"
cmake --build "$BUILD" --target screenshots || exit 1
for size in 1024x768 768x1024; do
  xvfb-run -a -s "-screen 0 ${size}x24" env QT_QPA_PLATFORM=xcb "$BUILD/tools/screenshots/screenshots" "$OUT/$size" || exit 1
done
