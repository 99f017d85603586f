#!/usr/bin/env bash
# The installation as a user gets it: the desktop entry and the AppStream
# metadata validate, the Debian package builds and holds what it should, and
# the programs unpacked from it work without the build folder: the
# application starts headless until its main window is drawn, the terminal
# simulator fills its data folder and makes its certificate.
#   test_package.sh <build folder> <source folder>
set -u
BUILD="$1"
SOURCE="$2"
ID=de.feldbrief.Feldbrief
SIM_PID=""
UNPACKED=""
fail() { echo "FAIL: $*"; exit 1; }
cleanup() {
  [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null
  [ -n "$UNPACKED" ] && rm -rf "$UNPACKED"
}
trap cleanup EXIT

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps file openssl; do
  command -v "$tool" >/dev/null || fail "$tool is missing (./test.sh installs it)"
done

desktop-file-validate "$SOURCE/packaging/$ID.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$BUILD/packaging/$ID.metainfo.xml" || fail "AppStream metadata"

# The package target builds everything first; in a test run that is done.
rm -f "$BUILD"/feldbrief_*.deb
cmake --build "$BUILD" --target package >"$BUILD/package.log" 2>&1 || { cat "$BUILD/package.log"; fail "package build"; }
DEB=$(ls "$BUILD"/feldbrief_*.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || fail "no package written"
echo "package: $DEB"

CONTENTS=$(dpkg-deb -c "$DEB" | awk '{print $6}' | sed 's|^\./||')
for path in usr/bin/feldbrief usr/bin/feldbrief-terminal-simulator usr/bin/feldbrief-sample-data \
            usr/share/applications/$ID.desktop usr/share/metainfo/$ID.metainfo.xml \
            usr/share/icons/hicolor/48x48/apps/$ID.png usr/share/icons/hicolor/64x64/apps/$ID.png \
            usr/share/icons/hicolor/128x128/apps/$ID.png usr/share/icons/hicolor/256x256/apps/$ID.png \
            usr/share/icons/hicolor/scalable/apps/$ID.svg usr/share/doc/feldbrief/copyright; do
  grep -qx "$path" <<<"$CONTENTS" || fail "$path missing from the package"
done
# Nothing else: no tests, benchmarks, internal tools, libraries or build files.
UNEXPECTED=$(grep -v -E '^usr/(bin|share/(applications|metainfo|doc/feldbrief|icons/hicolor/[^/]+/apps))/[^/]+$' <<<"$CONTENTS" | grep -v '/$')
[ -z "$UNEXPECTED" ] || fail "unexpected files in the package: $UNEXPECTED"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
grep -q libqt5widgets5 <<<"$DEPENDS" || fail "dependencies not computed: $DEPENDS"
grep -q libqt5sql5-sqlite <<<"$DEPENDS" || fail "the archive's SQLite driver is no dependency: $DEPENDS"
VERSION=$(dpkg-deb -f "$DEB" Version)

UNPACKED=$(mktemp -d)
ROOT="$UNPACKED/root"
dpkg-deb -x "$DEB" "$ROOT" || fail "unpack"
# No installed file refers to the build folder (Qt's string literals are UTF-16).
while IFS= read -r -d '' f; do
  { strings -a "$f"; strings -a -el "$f"; } | grep -qF "$(cd "$BUILD" && pwd)" &&
    fail "${f#"$ROOT"/} refers to the build folder"
done < <(find "$ROOT" -type f -print0)

# The desktop entry starts an installed program and shows an installed icon of
# every size; the metadata names the entry and the package's version.
DESKTOP="$ROOT/usr/share/applications/$ID.desktop"
EXEC=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$DESKTOP")
[ -x "$ROOT/usr/bin/$EXEC" ] || fail "Exec=$EXEC is not an installed program"
grep -qx "Icon=$ID" "$DESKTOP" || fail "the desktop entry's icon is not $ID"
# The window class a running feldbrief shows, so docks group its windows
# under the entry.
grep -qx "StartupWMClass=$EXEC" "$DESKTOP" || fail "the desktop entry's window class is not $EXEC"
grep -q "^Files: \*" "$ROOT/usr/share/doc/feldbrief/copyright" || fail "the copyright file is not in Debian's format"
for size in 48 64 128 256; do
  file "$ROOT/usr/share/icons/hicolor/${size}x$size/apps/$ID.png" | grep -q "PNG image data, $size x $size," ||
    fail "the ${size}x$size icon is not a PNG of that size"
done
grep -q "<svg" "$ROOT/usr/share/icons/hicolor/scalable/apps/$ID.svg" || fail "the scalable icon is no SVG"
METAINFO="$ROOT/usr/share/metainfo/$ID.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$METAINFO" || fail "metadata names another entry"
grep -q "<release version=\"$VERSION\"" "$METAINFO" || fail "metadata release is not $VERSION"

# A home of its own, and the build folder out of reach of the working directory.
export HOME="$UNPACKED/home" XDG_CONFIG_HOME="$UNPACKED/home/.config" XDG_CACHE_HOME="$UNPACKED/home/.cache"
export XDG_DATA_HOME="$UNPACKED/home/.local/share"
mkdir -p "$XDG_CONFIG_HOME"
cd "$UNPACKED" || fail "cd"
# Help and version need no display.
for option in --help --version; do
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$ROOT/usr/bin/feldbrief" $option | grep -q feldbrief ||
    fail "feldbrief $option does not answer without a display"
done
OUTPUT=$(QT_QPA_PLATFORM=offscreen timeout 60 "$ROOT/usr/bin/feldbrief" --exit-when-shown 2>&1)
STATUS=$?
grep -q "main window shown" <<<"$OUTPUT" && [ $STATUS -eq 0 ] ||
  { echo "$OUTPUT"; fail "the unpacked application did not draw its window (exit $STATUS)"; }
echo "unpacked application: main window shown"

# The simulator with its defaults: the sample data from the generator beside
# it, the certificate from openssl, both in its cache folder. Any free ports,
# so that a simulator elsewhere on this machine does not matter.
SIMLOG="$UNPACKED/simulator.log"
"$ROOT/usr/bin/feldbrief-terminal-simulator" --udp-port 0 --tls-port 0 --no-state --quiet >"$SIMLOG" 2>&1 &
SIM_PID=$!
for _ in $(seq 1 120); do
  grep -q ", data " "$SIMLOG" && break
  kill -0 "$SIM_PID" 2>/dev/null || break
  sleep 0.5
done
kill "$SIM_PID" 2>/dev/null
wait "$SIM_PID" 2>/dev/null
SIM_PID=""
SIMDATA=$(sed -n 's/.*, data //p' "$SIMLOG")
[ -n "$SIMDATA" ] || { cat "$SIMLOG"; fail "the unpacked simulator did not start"; }
[ -f "$SIMDATA/Fahrer.csv" ] || fail "the unpacked simulator has no sample data in $SIMDATA"
[ -f "$(dirname "$SIMDATA")/cert.pem" ] || fail "the unpacked simulator made no certificate"
echo "unpacked simulator: $(cat "$SIMLOG")"
