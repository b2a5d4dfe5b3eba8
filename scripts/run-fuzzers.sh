#!/usr/bin/env bash
# Runs every libFuzzer target found in the fuzz build for the given number of seconds each,
# starting from its seed corpus fuzz/<target>/corpus (copied, so the kept corpus stays small).
set -euo pipefail
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
found=0
for exe in "$build"/fuzz/*/fuzz_*; do
  [ -x "$exe" ] || continue
  found=1
  name=$(basename "$exe")
  area=$(basename "$(dirname "$exe")")
  work=$(mktemp -d)
  seeds="$root/fuzz/$area/corpus"
  [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
  extra=()
  [ -f "$root/fuzz/$area/$name.dict" ] && extra+=("-dict=$root/fuzz/$area/$name.dict")
  echo "== $name for ${seconds}s"
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0 \
    "$exe" -max_total_time="$seconds" -print_final_stats=1 -max_len=65536 -timeout=20 \
    "${extra[@]}" "$work" 2>&1 | tail -n 25
  rm -rf "$work"
done
[ $found -eq 1 ] || echo "no fuzz targets built"
