# Sourced by the Wine helpers: the private prefix and loader of one build.
# Usage: source env.sh BUILD_DIR BITS   (BITS is 32 or 64)
wine_build_dir=$(cd "$1" && pwd)
wine_bits=$2
export WINEPREFIX="$wine_build_dir/wineprefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko download prompts: nothing here needs them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Both bitnesses share one 64-bit prefix; a 32-bit program runs on the 32-bit
# loader and sees its own system folder and registry view.
if [ "$wine_bits" = 32 ]; then
  WINE_LOADER=/usr/lib/wine/wine
  WINE_SYSDIR='C:\windows\syswow64'
else
  WINE_LOADER=/usr/lib/wine/wine64
  WINE_SYSDIR='C:\windows\system32'
fi
export WINE_LOADER WINE_SYSDIR
# Windows programs run as on the print shops' Chinese systems: a zh_CN locale
# gives Wine's processes the ANSI code page 936. Only Wine's processes get it;
# the Linux tools of the harness keep the machine's locale.
WINE_LOCALE=zh_CN.UTF-8
WINE_STATE_DIR="$wine_build_dir/wine-state"
if [ -f "$WINE_STATE_DIR/display" ]; then
  DISPLAY=$(cat "$WINE_STATE_DIR/display")
  export DISPLAY
fi

# A Linux path as the Windows program sees it (Z: maps to /).
winpath() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s' "${p//\//\\}"
}

# Some machines cannot execute 32-bit Linux programs at all (no IA-32
# emulation in the kernel or sandbox), and so cannot run Wine's 32-bit loader.
# Tests of the 32-bit build then stop with status 77, which CTest reports as
# skipped, rather than failing for a reason that is not the code's.
require_wine_loader() {
  if ! "$WINE_LOADER" --version >/dev/null 2>&1; then
    echo "SKIP: this machine cannot run $WINE_LOADER (${wine_bits}-bit programs do not execute here)" >&2
    exit 77
  fi
}
