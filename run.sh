#!/usr/bin/env bash
# Builds the application and starts it.
set -u
VEMO_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$VEMO_ROOT/tools/ensure-packages.sh"
vemo_ensure_packages
BUILD="${VEMO_BUILD_DIR:-$VEMO_ROOT/build}"
vemo_build "$BUILD"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting on a virtual screen (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$BUILD/app/vemoapp" "$@"
fi
exec "$BUILD/app/vemoapp" "$@"
