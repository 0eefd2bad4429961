#!/usr/bin/env bash
# Registers (or with -u unregisters) a COM DLL with the regsvr32 of its bitness.
# Exits with regsvr32's status. Usage: regsvr.sh BUILD_DIR BITS [-u] DLL
set -euo pipefail
source "$(dirname "$0")/env.sh" "$1" "$2"
require_wine_loader
shift 2
flag=()
if [ "${1:-}" = -u ]; then flag=(/u); shift; fi
LANG=$WINE_LOCALE LC_ALL=$WINE_LOCALE exec "$WINE_LOADER" "$WINE_SYSDIR\\regsvr32.exe" /s "${flag[@]}" "$(winpath "$1")"
