#!/usr/bin/env bash
# Waits for a window whose title is exactly TITLE, takes a screenshot of the
# screen into SHOT (when given), then dismisses the window with Return.
# Usage: dismiss.sh BUILD_DIR BITS TITLE [SHOT.png] [TIMEOUT_SECONDS]
set -euo pipefail
here=$(dirname "$0")
source "$here/env.sh" "$1" "$2"
title=$3 shot=${4:-} limit=${5:-30}
win=$(timeout "$limit" xdotool search --sync --onlyvisible --name "^${title}\$" | head -n 1) || {
  echo "no window titled '$title' within ${limit}s" >&2; exit 1; }
sleep 0.3  # let the box finish drawing before the screenshot
[ -z "$shot" ] || "$here/screenshot.sh" "$1" "$2" "$shot"
xdotool windowfocus --sync "$win"
xdotool key Return
