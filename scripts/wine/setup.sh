#!/usr/bin/env bash
# Prepares one build's Wine world before its tests: the private prefix (created
# once and reused), a running wineserver, and Xvfb on a free display.
# Usage: setup.sh BUILD_DIR BITS
set -euo pipefail
here=$(dirname "$0")
source "$here/env.sh" "$1" "$2"
mkdir -p "$WINE_STATE_DIR"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating Wine prefix $WINEPREFIX"
  LANG=$WINE_LOCALE LC_ALL=$WINE_LOCALE /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
  wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not create the prefix" >&2; exit 1; }
  # Link a Chinese font behind the dialog fonts so screenshots show the
  # boxes' Chinese texts (for both registry views).
  link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for loader in /usr/lib/wine/wine64 /usr/lib/wine/wine; do
    for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2'; do
      "$loader" reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1 || true
    done
  done
  wineserver -w
fi

# Xvfb on a display number it picks itself among the free ones (-displayfd),
# so tests never touch a display of the machine and two builds starting at
# the same moment cannot take the same number.
"$here/teardown.sh" "$1" "$2" >/dev/null 2>&1 || true
rm -f "$WINE_STATE_DIR/display.number"
setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
  3>"$WINE_STATE_DIR/display.number" >"$WINE_STATE_DIR/xvfb.log" 2>&1 </dev/null &
echo $! >"$WINE_STATE_DIR/xvfb.pid"
for _ in $(seq 100); do
  n=$(head -n 1 "$WINE_STATE_DIR/display.number" 2>/dev/null || true)
  if [ -n "$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
    echo ":$n" >"$WINE_STATE_DIR/display"
    break
  fi
  kill -0 "$(cat "$WINE_STATE_DIR/xvfb.pid")" 2>/dev/null || break
  sleep 0.1
done
[ -f "$WINE_STATE_DIR/display" ] || { echo "Xvfb did not start:" >&2; cat "$WINE_STATE_DIR/xvfb.log" >&2; exit 1; }
export DISPLAY=$(cat "$WINE_STATE_DIR/display")

# One persistent wineserver for the whole run saves its start-up per test.
LANG=$WINE_LOCALE LC_ALL=$WINE_LOCALE setsid wineserver -p >/dev/null 2>&1 </dev/null || true
# Start the prefix's background services now, detached from every test's
# output: a service started by a test would inherit its output pipe and keep
# CTest waiting for the test long after it ended.
LANG=$WINE_LOCALE LC_ALL=$WINE_LOCALE setsid /usr/lib/wine/wine64 wineboot >/dev/null 2>&1 </dev/null || true
echo "Wine prefix $WINEPREFIX, display $DISPLAY"
