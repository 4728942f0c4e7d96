#!/usr/bin/env bash
# Runs the benchmarks of a build and prints the figures for the README's performance section.
set -euo pipefail
build=${1:-build}
if [ -x "$build/bench/tempara-bench" ]; then
  "$build/bench/tempara-bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
fi
for skript in scripts/bench-*.sh; do
  [ -x "$skript" ] && "$skript" "$build"
done
exit 0
