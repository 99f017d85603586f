#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, where
# they are missing. Sourced by run.sh and test.sh.
VEMO_PACKAGES="cmake ninja-build g++ qtbase5-dev qttools5-dev-tools qttools5-dev libqt5svg5-dev
  qtbase5-dev-tools libqt5network5 openssl iproute2 xauth xvfb poppler-utils
  desktop-file-utils appstream dpkg-dev file libxml2-utils postgresql libqt5sql5-psql libqt5sql5-sqlite libssl-dev
  sqlite3"

vemo_ensure_packages() {
  local missing=""
  for p in $VEMO_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  echo "Installing missing packages:$missing"
  local apt="apt-get"
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
      apt="sudo apt-get"
    else
      echo "Please install them first, as root:"
      echo "  apt-get install -y$missing"
      exit 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  $apt install -y -q $missing || { $apt update -q && $apt install -y -q $missing; } || {
    echo "Installing the packages failed. Run: apt-get install -y$missing"; exit 1; }
}

# vemo_build <folder> [cmake options...]
vemo_build() {
  local dir="$1"
  shift
  cmake -S "$VEMO_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null || exit 1
  cmake --build "$dir" || exit 1
}
