#!/usr/bin/env bash
# Soak run: the application's pages and wiring against the terminal simulator
# for a long time, as tools/soak/ describes: live records at 500 ms, the
# terminal breaking each connection now and then (the app finds it again by
# its quiet search), all six downloads every minute, and the resident memory
# sampled every 10 s.
#   tools/soak.sh [minutes] [vemo-soak options]     (default 60 minutes)
# Prints every reconnect time, the memory samples and a summary; exits 0 only
# when the memory grows by less than 1 MB/h (least squares after the warm-up),
# every reconnect took at most 6 s (two search periods) and nothing else went
# wrong. Needs root for the two network namespaces. Builds into build/ (or
# VEMO_BUILD_DIR) the programs it runs.
set -u
VEMO_ROOT=$(cd "$(dirname "$0")/.." && pwd)
MINUTES="${1:-60}"
case "$MINUTES" in
  '' | *[!0-9]* | 0) echo "usage: tools/soak.sh [minutes] [vemo-soak options]"; exit 2 ;;
esac
shift $(( $# > 0 ? 1 : 0 ))

if [ "$(id -u)" -ne 0 ]; then
  echo "tools/soak.sh: the soak run needs root: the app and the simulated terminal find each other by"
  echo "broadcasts, in two network namespaces of their own, which only root can make."
  echo "Run it as root, e.g.: sudo tools/soak.sh $MINUTES"
  exit 2
fi

. "$VEMO_ROOT/tools/ensure-packages.sh"
vemo_ensure_packages
BUILD="${VEMO_BUILD_DIR:-$VEMO_ROOT/build}"
# As vemo_build, but only what the run needs.
cmake -S "$VEMO_ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
cmake --build "$BUILD" --target vemo-soak vemo-terminal-sim sampledata || exit 1

export QT_QPA_PLATFORM=offscreen
exec "$BUILD/tools/soak/vemo-soak" --minutes "$MINUTES" "$@"
