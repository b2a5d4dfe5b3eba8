#!/usr/bin/env bash
# Runs every libFuzzer target found in the fuzz build for the given number of seconds each,
# starting from its seed corpus fuzz/<area>/corpus (copied, so the kept corpus stays small).
# Optional per target: fuzz/<area>/<target>.dict (a dictionary) and fuzz/<area>/<target>.options
# (more libFuzzer flags on one line). A finding stops the run with a non-zero status and leaves
# the input in <build>/fuzz-artifacts/, to be kept as a regression case.
set -euo pipefail
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
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
  if [ -f "$root/fuzz/$area/$name.options" ]; then
    read -r -a options < "$root/fuzz/$area/$name.options"
    extra+=("${options[@]}")
  fi
  echo "== $name for ${seconds}s"
  status=0
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$exe" -max_total_time="$seconds" -print_final_stats=1 -max_len=65536 -timeout=20 \
    -artifact_prefix="$artifacts/$name-" "${extra[@]}" "$work" > "$work.log" 2>&1 || status=$?
  tail -n 25 "$work.log"
  rm -rf "$work" "$work.log"
  if [ $status -ne 0 ]; then
    echo "$name failed with status $status; inputs in $artifacts" >&2
    exit $status
  fi
done
[ $found -eq 1 ] || echo "no fuzz targets built"
