#!/usr/bin/env bash
# Builds the application and starts it together with the terminal simulator
# and its sample data, so that search, connect, login (password 1234) and
# download work without a harvester.
#   ./run.sh            application + simulator (demo)
#   ./run.sh --alone    the application alone, for a real terminal
#   ./run.sh --package  builds the Debian package and prints its path
set -u
VEMO_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$VEMO_ROOT/tools/ensure-packages.sh"
vemo_ensure_packages
BUILD="${VEMO_BUILD_DIR:-$VEMO_ROOT/build}"
vemo_build "$BUILD"

if [ "${1:-}" = "--package" ]; then
  rm -f "$BUILD"/feldbrief_*.deb
  cmake --build "$BUILD" --target package >"$BUILD/package.log" 2>&1 || {
    cat "$BUILD/package.log"; echo "Building the package failed."; exit 1; }
  ls "$BUILD"/feldbrief_*.deb
  exit 0
fi

APP="$BUILD/app/vemoapp"
SIM="$BUILD/tools/simulator/vemo-terminal-sim"
NS=vemo-terminal
SIM_PID=""

start_app() {
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting on a virtual screen (xvfb-run)."
    xvfb-run -a -s "-screen 0 1024x768x24" "$APP"
  else
    "$APP"
  fi
}

# Network commands need root: directly, or through sudo where that works
# without a password prompt.
if [ "$(id -u)" -eq 0 ]; then AS_ROOT=""; elif sudo -n true 2>/dev/null; then AS_ROOT="sudo -n"; else AS_ROOT="none"; fi

cleanup() {
  [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null
  [ "$AS_ROOT" = "none" ] && return
  if $AS_ROOT ip netns list 2>/dev/null | grep -q "^$NS\b"; then
    $AS_ROOT ip netns pids "$NS" 2>/dev/null | xargs -r $AS_ROOT kill 2>/dev/null
    $AS_ROOT ip link del vemo-app 2>/dev/null
    $AS_ROOT ip netns del "$NS" 2>/dev/null
  fi
}

if [ "${1:-}" = "--alone" ]; then
  start_app
  exit $?
fi

DATA="$BUILD/demo-data"
if [ ! -f "$DATA/Fahrer.csv" ]; then
  "$BUILD/tools/sampledata/sampledata" "$DATA" --encoding utf8bom >/dev/null || exit 1
fi
# The demo keeps its archive in the build folder, filled with a few thousand
# orders of ten machines over ten campaigns: the user's own archive stays
# untouched, and so does what the demo downloads.
export XDG_DATA_HOME="$BUILD/demo-share"
if [ ! -f "$XDG_DATA_HOME/Lindqvarth/archive.sqlite" ]; then
  "$BUILD/tools/sampledata/sampledata" --archive 5000 "$XDG_DATA_HOME/Lindqvarth/archive.sqlite" >/dev/null ||
    exit 1
fi
SIM_ARGS=(--data "$DATA" --password 1234 --chassis WAB123 --quiet)
trap cleanup EXIT INT TERM

# Discovery broadcasts to 192.168.x.255, and the app and the terminal both
# use UDP port 33555, so the simulator gets a network namespace of its own
# with a 192.168 address pair: the app's side is 192.168.77.1.
if [ "$AS_ROOT" != "none" ] && command -v ip >/dev/null; then
  cleanup
  $AS_ROOT ip netns add "$NS" &&
  $AS_ROOT ip link add vemo-app type veth peer name vemo-term &&
  $AS_ROOT ip link set vemo-term netns "$NS" &&
  $AS_ROOT ip addr add 192.168.77.1/24 dev vemo-app && $AS_ROOT ip link set vemo-app up &&
  $AS_ROOT ip netns exec "$NS" ip addr add 192.168.77.2/24 dev vemo-term &&
  $AS_ROOT ip netns exec "$NS" ip link set vemo-term up &&
  $AS_ROOT ip netns exec "$NS" ip link set lo up || { echo "Could not create the demo network."; exit 1; }
  $AS_ROOT ip netns exec "$NS" "$SIM" "${SIM_ARGS[@]}" &
  SIM_PID=$!
  echo "Simulated terminal WAB123 runs at 192.168.77.2 (network namespace $NS)."
else
  echo "The demo network needs root (or sudo without password): run ./run.sh as root."
  echo "Or start the simulator on another machine of a 192.168 network and this app alone:"
  echo "  $SIM --data $DATA        (there)"
  echo "  ./run.sh --alone          (here)"
  exit 1
fi

echo "Demo: settings (gear) -> 'Verbinden' finds the terminal; its password is 1234."
echo "      the folder button beside the search -> 'Archiv' shows the demo archive."

start_app
