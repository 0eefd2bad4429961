#!/usr/bin/env bash
# Stops what setup.sh started for one build: the wineserver and its programs, and Xvfb.
# Usage: teardown.sh BUILD_DIR BITS
set -uo pipefail
source "$(dirname "$0")/env.sh" "$1" "$2"
wineserver -k 2>/dev/null
if [ -f "$WINE_STATE_DIR/xvfb.pid" ]; then
  kill "$(cat "$WINE_STATE_DIR/xvfb.pid")" 2>/dev/null
  rm -f "$WINE_STATE_DIR/xvfb.pid"
fi
rm -f "$WINE_STATE_DIR/display"
exit 0
