#!/usr/bin/env bash
# Runs every Google Benchmark executable of the release build, one after another.
set -euo pipefail
build=$1
shopt -s nullglob
for exe in "$build"/bench/*/bench_*; do
  [ -x "$exe" ] || continue
  echo "== $(basename "$exe")"
  QT_QPA_PLATFORM=offscreen "$exe" --benchmark_counters_tabular=true
done
