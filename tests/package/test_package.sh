#!/usr/bin/env bash
# The installation as a user gets it: the desktop entry and the AppStream
# metadata validate, the Debian package builds and holds what it should, and
# the application unpacked from it starts headless to its main window.
#   test_package.sh <build folder> <source folder>
set -u
BUILD="$1"
SOURCE="$2"
ID=de.feldbrief.Feldbrief
fail() { echo "FAIL: $*"; exit 1; }

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || fail "$tool is missing (./test.sh installs it)"
done

desktop-file-validate "$SOURCE/packaging/$ID.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$BUILD/packaging/$ID.metainfo.xml" || fail "AppStream metadata"

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
            usr/share/icons/hicolor/scalable/apps/$ID.svg; do
  grep -qx "$path" <<<"$CONTENTS" || fail "$path missing from the package"
done
# Nothing else: no tests, benchmarks, libraries or build files.
UNEXPECTED=$(grep -v -E '^usr/(bin|share/(applications|metainfo|icons/hicolor/[^/]+/apps))/[^/]+$' <<<"$CONTENTS" | grep -v '/$')
[ -z "$UNEXPECTED" ] || fail "unexpected files in the package: $UNEXPECTED"
dpkg-deb -f "$DEB" Depends | grep -q libqt5widgets5 || fail "dependencies not computed: $(dpkg-deb -f "$DEB" Depends)"

UNPACKED=$(mktemp -d)
trap 'rm -rf "$UNPACKED"' EXIT
dpkg-deb -x "$DEB" "$UNPACKED/root" || fail "unpack"
mkdir -p "$UNPACKED/home/.config"
# A home of its own, and the build folder out of reach of the working directory.
OUTPUT=$(cd "$UNPACKED" && HOME="$UNPACKED/home" XDG_CONFIG_HOME="$UNPACKED/home/.config" \
         QT_QPA_PLATFORM=offscreen timeout 60 "$UNPACKED/root/usr/bin/feldbrief" --exit-when-shown 2>&1)
STATUS=$?
grep -q "main window shown" <<<"$OUTPUT" && [ $STATUS -eq 0 ] || { echo "$OUTPUT"; fail "the unpacked application did not show its window (exit $STATUS)"; }
HOME="$UNPACKED/home" timeout 20 "$UNPACKED/root/usr/bin/feldbrief-terminal-simulator" --help >/dev/null 2>&1 ||
  fail "the unpacked simulator does not start"
echo "unpacked application started: $OUTPUT"
