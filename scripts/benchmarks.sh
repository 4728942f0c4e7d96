#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmarks of a build and prints the figures for the README's performance section.
set -euo pipefail
build=${1:-build}
if [ ! -x "$build/bench/tempara-bench" ]; then
  echo "Kein Benchmarkprogramm in $build/bench (fehlt Google Benchmark?)" >&2
  exit 1
fi
"$build/bench/tempara-bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
