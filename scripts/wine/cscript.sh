#!/usr/bin/env bash
# Runs a VBScript test with the cscript of one bitness and prints, as UTF-8,
# what it reported. The script is tests/wine/lib.vbs followed by SCRIPT; it
# reports through Report/Check into a UTF-16 file (cscript's own console goes
# through the ANSI code page and would lose Chinese text). cscript reads a
# script in the ANSI code page, so the script is handed over in code page 936.
# Passes when the script reached its end ("done") and no check failed.
# Usage: cscript.sh BUILD_DIR BITS LIB.vbs SCRIPT.vbs OUT_DIR [NAME=VALUE...]
# Each NAME=VALUE becomes an environment variable the script reads with Env(NAME).
set -euo pipefail
source "$(dirname "$0")/env.sh" "$1" "$2"
require_wine_loader
lib=$3 script=$4 out=$5
shift 5
mkdir -p "$out"
combined="$out/$(basename "$script" .vbs).run.vbs"
result="$out/$(basename "$script" .vbs).result.txt"
cat "$lib" "$script" | iconv -f UTF-8 -t GBK >"$combined"
rm -f "$result"
for kv in "$@"; do export "WINETEST_${kv%%=*}=${kv#*=}"; done
export WINETEST_RESULT="$(winpath "$result")"
status=0
LANG=$WINE_LOCALE LC_ALL=$WINE_LOCALE timeout "${CSCRIPT_TIMEOUT:-120}" "$WINE_LOADER" "$WINE_SYSDIR\\cscript.exe" //nologo "$(winpath "$combined")" || status=$?
if [ ! -f "$result" ]; then
  echo "the script wrote no result file (cscript status $status)" >&2
  exit 1
fi
iconv -f UTF-16 -t UTF-8 "$result" | tr -d '\r' >"$result.utf8"
cat "$result.utf8"
if grep -q '^not ok' "$result.utf8"; then exit 1; fi
if ! grep -qx 'done' "$result.utf8"; then echo "the script stopped before its end" >&2; exit 1; fi
exit 0
