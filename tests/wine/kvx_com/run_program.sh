#!/usr/bin/env bash
# Runs a Windows test program of this build under Wine (skipped, status 77,
# where the build's loader cannot run). Usage: run_program.sh PROGRAM.exe [ARG...]
set -euo pipefail
source "$WINE_SCRIPTS/env.sh" "$BUILD_DIR" "$WINE_BITS"
require_wine_loader
exec "$WINE_SCRIPTS/run.sh" "$BUILD_DIR" "$WINE_BITS" "$@"
