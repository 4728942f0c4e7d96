#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ source follows .clang-format; lists the files that do not.
# scripts/format-pruefen.sh --anwenden formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format fehlt (scripts/abhaengigkeiten.sh pruefung)" >&2; exit 1; }
mapfile -t quellen < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
if [ "${1:-}" = "--anwenden" ]; then
  clang-format -i "${quellen[@]}"
  exit 0
fi
abweichend=()
for q in "${quellen[@]}"; do
  clang-format --dry-run --Werror "$q" >/dev/null 2>&1 || abweichend+=("$q")
done
if [ ${#abweichend[@]} -gt 0 ]; then
  echo "Nicht nach .clang-format gesetzt (scripts/format-pruefen.sh --anwenden):" >&2
  printf '  %s\n' "${abweichend[@]}" >&2
  exit 1
fi
echo "Alle ${#quellen[@]} Quelldateien nach .clang-format gesetzt."
