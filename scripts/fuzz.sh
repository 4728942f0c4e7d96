#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target of a build for a few seconds each, on a corpus kept beside it.
set -euo pipefail
build=${1:-build-fuzz}
sekunden=${2:-20}
status=0
for ziel in "$build"/fuzz/fuzz_*; do
  [ -f "$ziel" ] && [ -x "$ziel" ] || continue  # skip the build's *_autogen folders
  name=$(basename "$ziel")
  korpus="$build/korpus-$name"
  mkdir -p "$korpus"
  [ -d "fuzz/korpus/$name" ] && cp -n fuzz/korpus/"$name"/* "$korpus"/ 2>/dev/null || true
  echo "== $name ($sekunden s)"
  "$ziel" -max_total_time="$sekunden" -max_len=4096 -print_final_stats=1 "$korpus" 2>&1 | tail -n 4 || status=1
done
exit $status
