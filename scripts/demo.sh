#!/usr/bin/env bash
# The demo (make demo, after the native build): a fresh embedded demo
# database, a handful of print orders submitted through kvx, and the rows
# they left in the order table.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
kvx=${KVX:-$root/build/native/order_service/cli/kvx}
script=$root/scripts/demo_orders.kvx
demo=$root/build/demo
windir=$demo/windows
db=$demo/print_works.db
orders=订单
customers=客户

[ -x "$kvx" ] || { echo "demo: $kvx is not built (run make demo)" >&2; exit 1; }

rm -rf "$demo"
mkdir -p "$windir"
run() { "$kvx" --windir "$windir" "$@"; }

echo "== Configuration: $windir/Qconfig.ini -> sqlite:$db"
run config write --server "sqlite:$db" --user demo --password demo --database print_works \
  --orders "$orders" --customers "$customers" >/dev/null
echo "== Demo print works: customers, price sheets, earlier orders"
run db init --demo
echo

# Each "## " heading of the script is printed, then its calls run through
# kvx as the macros would make them; message boxes show on standard error.
block=""
flush() {
  if [ -n "$block" ]; then
    printf '%s\n' "$block" | run run 2>&1 | sed 's/^/    /'
    block=""
  fi
}
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "## "*) flush; echo "-- ${line#\#\# }" ;;
    "#"* | "") ;;
    *) block+="$line"$'\n' ;;
  esac
done <"$script"
flush

echo
echo "== The order table"
run sql "select ID,下单日期,客户代码,订单编号,类别,单双面,有无覆膜,数量,款数,占位,单价,合计,成本,城市码,区域码,名称规格,重印 from $orders order by ID" |
  column -t -s $'\t' 2>/dev/null || run sql "select * from $orders order by ID"
echo
echo "Demo database: $db"
