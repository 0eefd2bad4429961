#!/usr/bin/env bash
# Takes a screenshot of one build's Xvfb screen into a PNG file.
# Usage: screenshot.sh BUILD_DIR BITS OUT.png
set -euo pipefail
source "$(dirname "$0")/env.sh" "$1" "$2"
mkdir -p "$(dirname "$3")"
/usr/bin/import -display "$DISPLAY" -window root "$3"
