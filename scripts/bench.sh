#!/usr/bin/env bash
# Runs every benchmark program of the native build (make bench) and prints its
# figures; results also land as JSON in build/native/benchmarks/results/.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/native/benchmarks/results
mkdir -p "$out"
found=0
while IFS= read -r prog; do
  found=1
  name=$(basename "$prog")
  echo "== $name"
  "$prog" --benchmark_out="$out/$name.json" --benchmark_out_format=json "$@"
done < <(find build/native/benchmarks -type f -perm -u+x -name '*_bench' | sort)
[ "$found" = 1 ] || echo "no benchmark programs are built"
