#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The share of test code: non-blank, non-comment lines of .cpp/.h under tests/ against those of
# the production folders (everything but tests/, bench/, fuzz/ and build folders).
set -euo pipefail
cd "$(dirname "$0")/.."

zeilen() {
  # Drops blank lines, // comments and /* … */ blocks (line-wise, good enough for this code).
  xargs -r cat | awk '
    /^[[:space:]]*$/ { next }
    block { if ($0 ~ /\*\//) block = 0; next }
    /^[[:space:]]*\/\*/ { if ($0 !~ /\*\//) block = 1; next }
    /^[[:space:]]*\/\// { next }
    { n++ } END { print n + 0 }'
}

quellen=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
tests=$(grep -E '^tests/' <<<"$quellen" | zeilen)
code=$(grep -v -E '^(tests|bench|fuzz)/' <<<"$quellen" | zeilen)
anteil=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.1f", 100 * t / c }' | tr . ,)
echo "Testanteil: $tests Testzeilen zu $code Programmzeilen = $anteil %"
