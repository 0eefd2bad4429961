#!/usr/bin/env bash
# Order submission through KVX.dll under Wine: the native kvx builds the demo
# database, the Windows kvx writes a configuration that reaches it through
# ODBC, a VBScript macro submits orders and checks results and written-back
# arguments, the "代码为空" box is found and dismissed, and the stored rows
# are read back. Skipped (77) when the native build is missing.
# Usage: kvx_submit_test.sh KVX.dll kvx.exe NATIVE_KVX EXTENSION.so   (environment: add_wine_script_test)
set -euo pipefail
dll=$1 kvx=$2 native_kvx=$3 extension=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$WINE_SCRIPTS/env.sh" "$BUILD_DIR" "$WINE_BITS"
require_wine_loader
if [ ! -x "$native_kvx" ] || [ ! -f "$extension" ]; then
  echo "SKIP: the native kvx and kvx_tsql.so are not built (build the native preset first)" >&2
  exit 77
fi
mkdir -p "$TEST_OUT"
config="$WINEPREFIX/drive_c/windows/Qconfig.ini"
fail() { echo "not ok $*" >&2; exit 1; }
ok() { echo "ok $*"; }
cleanup() {
  rm -f "$config"
  "$WINE_SCRIPTS/regsvr.sh" "$BUILD_DIR" "$WINE_BITS" -u "$dll" >/dev/null 2>&1 || true
}
trap cleanup EXIT

# The demo print works in a fresh SQLite file, built by the native tool.
db="$TEST_OUT/orders.db"
native_windir="$TEST_OUT/native-windows"
rm -rf "$db" "$native_windir"
mkdir -p "$native_windir"
native() { "$native_kvx" --windir "$native_windir" "$@"; }
native config write --server "sqlite:$db" --user demo --password demo --database demo \
  --orders Orders --customers Customers >/dev/null
native db init --demo >/dev/null || fail "kvx db init --demo builds the demo database"
ok "the demo database is built"

"$WINE_SCRIPTS/regsvr.sh" "$BUILD_DIR" "$WINE_BITS" "$dll" || fail "regsvr32 registers KVX.dll"
"$WINE_SCRIPTS/run.sh" "$BUILD_DIR" "$WINE_BITS" "$kvx" --windir 'C:\windows' config write \
  --server "odbc:Driver=SQLite3;Database=$db;LoadExt=$extension" --user demo --password demo \
  --database demo --orders Orders --customers Customers >/dev/null \
  || fail "kvx writes the ODBC configuration into the prefix's Windows directory"

"$WINE_SCRIPTS/dismiss.sh" "$BUILD_DIR" "$WINE_BITS" "代码为空" "$TEST_OUT/no_code.png" 90 &
dismisser=$!
status=0
"$WINE_SCRIPTS/cscript.sh" "$BUILD_DIR" "$WINE_BITS" "$WINE_TEST_LIB" "$here/submit_scenario.vbs" "$TEST_OUT" \
  || status=$?
wait "$dismisser" || fail "the message box titled 代码为空 appears"
ok "the message box titled 代码为空 appears and is dismissed"
[ "$status" = 0 ] || fail "the submission scenario"

# The rows the macro stored, read back through the native layer.
expected=$(printf '%s\n' \
  $'客户代码\t订单编号\t类别\t数量\t单价\t合计\t成本\t备注' \
  $'A0001星光广告\tW-0001\t名片\t30\t9.6\t289\t187\tTom\'s' \
  $'C0005新客户图文\tW-0002\t特种纸卡\t10\t12\t120\t0\t' \
  $'A0002彩虹图文\tW-0003\t宣传单\t0\t0.13\t260\t0\t' \
  $'A0001星光广告\tW-0005\t名片\t0\t2.67\t80\t187\t')
actual=$(native sql "select 客户代码,订单编号,类别,数量,单价,合计,成本,备注 from Orders where 订单编号 like 'W-%' order by ID")
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  fail "the order table holds exactly the stored orders"
fi
ok "the order table holds exactly the stored orders"
