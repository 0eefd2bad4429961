#!/usr/bin/env bash
# KVX.dll under Wine, as the macros meet it: regsvr32 registers it (the keys
# are checked in the registry view of its bitness), a VBScript macro drives
# WSTD against a configuration written by kvx, the missing-configuration box
# is found by its caption and dismissed, and regsvr32 /u removes every key.
# Usage: kvx_com_test.sh KVX.dll kvx.exe CAPTION   (environment: add_wine_script_test)
set -euo pipefail
dll=$1 kvx=$2 caption=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$WINE_SCRIPTS/env.sh" "$BUILD_DIR" "$WINE_BITS"
require_wine_loader
mkdir -p "$TEST_OUT"

clsid='{2E8A936C-732C-43AB-9EE4-CC803AA70C29}'
libid='{C13B7B8D-8478-4335-8F7C-0FE5E5AAFEC2}'
iid='{A2A08251-DBCD-4FF4-99C4-AEDD0D18FC22}'
config="$WINEPREFIX/drive_c/windows/Qconfig.ini"
dll_win=$(winpath "$dll")

fail() { echo "not ok $*" >&2; exit 1; }
ok() { echo "ok $*"; }
# reg.exe of this bitness, so a 32-bit server is looked up in its own view.
reg_query() { "$WINE_LOADER" "$WINE_SYSDIR\\reg.exe" query "$@" 2>/dev/null | tr -d '\r'; }
key_exists() { "$WINE_LOADER" "$WINE_SYSDIR\\reg.exe" query "$1" >/dev/null 2>&1; }
expect_value() {  # KEY TEXT LABEL: the key's values mention TEXT (case-insensitive)
  reg_query "$1" | grep -qiF -- "$2" || { reg_query "$1" >&2 || true; fail "$3"; }
  ok "$3"
}

cleanup() {
  rm -f "$config"
  "$WINE_SCRIPTS/regsvr.sh" "$BUILD_DIR" "$WINE_BITS" -u "$dll" >/dev/null 2>&1 || true
}
trap cleanup EXIT

# Registration.
"$WINE_SCRIPTS/regsvr.sh" "$BUILD_DIR" "$WINE_BITS" "$dll" || fail "regsvr32 registers KVX.dll"
ok "regsvr32 registers KVX.dll"
expect_value 'HKCR\VORE.WSTD\Clsid' "$clsid" "the ProgID names the class"
expect_value "HKCR\\CLSID\\$clsid\\InprocServer32" "$dll_win" "InprocServer32 is the DLL's path"
expect_value "HKCR\\CLSID\\$clsid\\InprocServer32" "Apartment" "the class is apartment-threaded"
expect_value "HKCR\\CLSID\\$clsid\\ProgID" "VORE.WSTD" "the class names its ProgID"
expect_value "HKCR\\CLSID\\$clsid\\TypeLib" "$libid" "the class names its type library"
expect_value "HKCR\\TypeLib\\$libid\\cc.0\\409\\win$WINE_BITS" "$dll_win" "type library 204.0 is registered from the DLL"
key_exists "HKCR\\Interface\\$iid" || fail "the interface _WSTD is registered"
ok "the interface _WSTD is registered"

# The macro scenario against a configuration written by the Windows kvx.
texts="$TEST_OUT/texts.txt"
printf '注册客户\r\n服务器\r\n' | iconv -f UTF-8 -t UTF-16 >"$texts"
values=("TEXTS=$(winpath "$texts")" SERVER=srv01 USER=sa "PASSWORD=p w" DATABASE=PrintDB ORDERS=Orders CUSTOMERS=Customers)
"$WINE_SCRIPTS/run.sh" "$BUILD_DIR" "$WINE_BITS" "$kvx" --windir 'C:\windows' config write \
  --server srv01 --user sa --password "p w" --database PrintDB --orders Orders --customers Customers \
  || fail "kvx writes the configuration into the prefix's Windows directory"
"$WINE_SCRIPTS/cscript.sh" "$BUILD_DIR" "$WINE_BITS" "$WINE_TEST_LIB" "$here/wstd_scenario.vbs" "$TEST_OUT" \
  "${values[@]}" || fail "the WSTD scenario"

# Without the file: the message box appears, is dismissed, and LoadCfgINI is False.
rm -f "$config"
"$WINE_SCRIPTS/dismiss.sh" "$BUILD_DIR" "$WINE_BITS" "$caption" "$TEST_OUT/missing_config.png" 60 &
dismisser=$!
status=0
"$WINE_SCRIPTS/cscript.sh" "$BUILD_DIR" "$WINE_BITS" "$WINE_TEST_LIB" "$here/missing_config.vbs" "$TEST_OUT" || status=$?
wait "$dismisser" || fail "the missing-configuration message box titled '$caption' appears"
ok "the missing-configuration message box titled '$caption' appears"
[ "$status" = 0 ] || fail "the missing-configuration scenario"

# Unregistration removes what registration wrote.
"$WINE_SCRIPTS/regsvr.sh" "$BUILD_DIR" "$WINE_BITS" -u "$dll" || fail "regsvr32 /u unregisters KVX.dll"
for key in 'HKCR\VORE.WSTD' "HKCR\\CLSID\\$clsid" "HKCR\\TypeLib\\$libid\\cc.0" "HKCR\\Interface\\$iid"; do
  if key_exists "$key"; then fail "unregistration removes $key"; fi
done
ok "unregistration removes every key"
