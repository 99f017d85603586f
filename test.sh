#!/usr/bin/env bash
# Builds the application and runs every test headless.
set -u
VEMO_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$VEMO_ROOT/tools/ensure-packages.sh"
vemo_ensure_packages
BUILD="${VEMO_BUILD_DIR:-$VEMO_ROOT/build}"
vemo_build "$BUILD"
cd "$BUILD" || exit 1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
