#!/usr/bin/env bash
# Runs the ODBC conformance program under Wine against a fresh SQLite file.
# The paths are host paths: the SQLite3 driver and the extension it loads run
# on the host side of Wine's odbc32. Skipped (77) when the native build has
# not built the extension or this bitness's Wine loader cannot run here.
# Usage: odbc_conformance_test.sh PROGRAM.exe EXTENSION.so
set -euo pipefail
exe=$1
extension=$2
source "$WINE_SCRIPTS/env.sh" "$BUILD_DIR" "$WINE_BITS"
require_wine_loader
if [ ! -f "$extension" ]; then
  echo "SKIP: $extension is not built (build the native preset first)" >&2
  exit 77
fi
mkdir -p "$TEST_OUT"
database="$TEST_OUT/conformance.db"
rm -f "$database"
KVX_TEST_DB="$database" KVX_TSQL_EXTENSION="$extension" \
  "$WINE_SCRIPTS/run.sh" "$BUILD_DIR" "$WINE_BITS" "$exe"
