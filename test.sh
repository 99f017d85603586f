#!/usr/bin/env bash
# Builds the application and runs every test headless.
#   ./test.sh [ctest options]             plain build (build/)
#   ./test.sh --sanitize [ctest options]  address and undefined-behaviour
#                                         sanitizers, warnings as errors
#                                         (build-sanitize/)
set -u
VEMO_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$VEMO_ROOT/tools/ensure-packages.sh"
vemo_ensure_packages

if [ "${1:-}" = "--sanitize" ]; then
  shift
  BUILD="${VEMO_SANITIZE_BUILD_DIR:-$VEMO_ROOT/build-sanitize}"
  # Pages live until the process ends, as the application keeps them, so the
  # leak checker is off; every other finding stops the program.
  export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:strict_string_checks=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  VEMO_CMAKE_OPTIONS="-DVEMO_SANITIZE=ON -DVEMO_WERROR=ON"
else
  BUILD="${VEMO_BUILD_DIR:-$VEMO_ROOT/build}"
  VEMO_CMAKE_OPTIONS=""
fi
vemo_build "$BUILD" $VEMO_CMAKE_OPTIONS
cd "$BUILD" || exit 1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
