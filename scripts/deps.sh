#!/usr/bin/env bash
# Installs, only when missing, every Debian package the build and the tests need.
# Quick when everything is there; safe to run again.
set -euo pipefail

native_pkgs=(
  build-essential cmake ninja-build pkg-config locales python3
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  libsqlite3-dev sqlite3
  unixodbc unixodbc-dev odbcinst libsqliteodbc tdsodbc
  mingw-w64 mingw-w64-tools g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 libwine-dev
  xvfb xdotool x11-utils imagemagick fonts-wqy-microhei bsdextrautils
  tesseract-ocr tesseract-ocr-eng tesseract-ocr-chi-sim tesseract-ocr-chi-tra tesseract-ocr-jpn
)
# 32-bit Windows programs under Wine need the 32-bit loader and the 32-bit
# ODBC stack, because Wine's odbc32 forwards to the host's unixODBC.
i386_pkgs=(wine32:i386 libodbc2:i386 odbcinst1debian2:i386 libsqliteodbc:i386)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
native_arch=$(dpkg --print-architecture)
# A name without an architecture means the machine's own (or "all"); a
# package installed for both architectures shows one line for each.
installed() {
  local name=${1%%:*} arch=${1#*:}
  [ "$arch" = "$1" ] && arch=$native_arch
  dpkg-query -W -f='${Status} ${Architecture}\n' "$name" 2>/dev/null |
    grep -Eq "^install ok installed ($arch|all)\$"
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi
for p in "${native_pkgs[@]}" "${i386_pkgs[@]}"; do
  installed "$p" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "deps: everything is installed"
else
  echo "deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The SQLite ODBC driver registers itself for the host's architecture only;
# make sure odbcinst.ini names "SQLite3" and "FreeTDS" with paths both
# architectures resolve (a bare file name is looked up by the loader).
ini=/etc/odbcinst.ini
ensure_driver() {
  local name=$1 lib=$2
  if ! grep -q "^\[$name\]" "$ini" 2>/dev/null; then
    printf '\n[%s]\nDescription=%s\nDriver=%s\nSetup=%s\n' "$name" "$name" "$lib" "$lib" |
      "${sudo_cmd[@]}" tee -a "$ini" >/dev/null
  fi
}
ensure_driver SQLite3 libsqlite3odbc.so
ensure_driver FreeTDS libtdsodbc.so

# Windows programs under Wine run in a zh_CN locale (ANSI code page 936, as on
# the print shops' machines); Wine needs that locale to exist on the host.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  "${sudo_cmd[@]}" sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
exit 0
