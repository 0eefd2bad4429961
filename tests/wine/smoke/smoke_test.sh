#!/usr/bin/env bash
# Runs smoke_box under Wine: finds its message box by the Chinese title,
# screenshots and dismisses it, then checks the file it wrote byte for byte.
set -euo pipefail
exe=$1
source "$WINE_SCRIPTS/env.sh" "$BUILD_DIR" "$WINE_BITS"
require_wine_loader
mkdir -p "$TEST_OUT"
out="$TEST_OUT/smoke.txt"
rm -f "$out"
"$WINE_SCRIPTS/run.sh" "$BUILD_DIR" "$WINE_BITS" "$exe" "$(winpath "$out")" &
pid=$!
"$WINE_SCRIPTS/dismiss.sh" "$BUILD_DIR" "$WINE_BITS" "冒烟测试" "$TEST_OUT/smoke_box.png" 60 || { kill $pid; exit 1; }
wait $pid
got=$(iconv -f GBK -t UTF-8 "$out")
want="匿名客户，名片 100 盒"
if [ "$got" != "$want" ]; then
  echo "file holds '$got', expected '$want'" >&2
  exit 1
fi
echo "message box dismissed; file read back: $got"
