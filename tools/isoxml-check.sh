#!/usr/bin/env bash
# Exports the sample data's orders as ISOXML with the application's own code
# and validates TASKDATA.XML against the published ISO 11783-10 schema
# (version 4.3, third-party data kept outside the project).
#   tools/isoxml-check.sh [schema folder]   (default: ../shared/isoxml)
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${VEMO_BUILD_DIR:-$ROOT/build}"
SCHEMA_DIR="${1:-$ROOT/../shared/isoxml}"
SCHEMA="$SCHEMA_DIR/ISO11783_TaskFile_V4-3.xsd"
[ -f "$SCHEMA" ] || { echo "ISOXML schema not found: $SCHEMA"; exit 1; }
command -v xmllint >/dev/null || { echo "xmllint not found (Debian package libxml2-utils)"; exit 1; }
cmake --build "$BUILD" --target vemo-isoxml-export sampledata >/dev/null || exit 1

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
"$BUILD/tools/sampledata/sampledata" "$WORK/data" >/dev/null || exit 1
ORDERS=$(ls "$WORK"/data/Auftr*.csv | head -1)
"$BUILD/tools/isoxmlexport/vemo-isoxml-export" "$ORDERS" "$WORK/export" --lists "$WORK/data" \
  --designator WAB123 >/dev/null || exit 1
xmllint --noout --schema "$SCHEMA" "$WORK/export/TASKDATA/TASKDATA.XML" 2>&1 || exit 1
echo "ISOXML export of $(grep -c '<TSK ' "$WORK/export/TASKDATA/TASKDATA.XML") sample orders validates against $(basename "$SCHEMA")."
