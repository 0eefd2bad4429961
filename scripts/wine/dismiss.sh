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
# Focus and Return until the window is gone: a key that reached another
# window (focus moved in between) is simply sent again.
for _ in 1 2 3 4 5; do
  xdotool windowfocus --sync "$win" 2>/dev/null || exit 0  # already closed
  xdotool key Return
  for _ in $(seq 20); do
    xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | grep -qx "$win" || exit 0
    sleep 0.1
  done
done
echo "window '$title' did not close" >&2
exit 1
