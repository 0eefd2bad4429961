#!/usr/bin/env bash
# Runs a Windows program of one build under its Wine prefix, with its bitness's
# loader; CTest uses it as the cross-compiling emulator.
# Usage: run.sh BUILD_DIR BITS PROGRAM.exe [ARG...]
set -euo pipefail
source "$(dirname "$0")/env.sh" "$1" "$2"
require_wine_loader
shift 2
LANG=$WINE_LOCALE LC_ALL=$WINE_LOCALE exec "$WINE_LOADER" "$@"
