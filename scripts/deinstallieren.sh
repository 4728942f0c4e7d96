#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Removes what `make install` installed, as listed in the build's install_manifest.txt, and the
# folders of Tempara's own that are empty afterwards; folders shared with other programs stay.
# The list names the files without DESTDIR; a staged installation is removed with the same
# DESTDIR it was installed with.
# Usage: [DESTDIR=…] scripts/deinstallieren.sh build/install_manifest.txt
set -euo pipefail
wurzel=${DESTDIR:-}
liste=${1:?Aufruf: scripts/deinstallieren.sh BUILD/install_manifest.txt}
if [ ! -f "$liste" ]; then
  echo "Nichts zu entfernen: $liste fehlt (make install lief nicht mit diesem Build-Ordner)." >&2
  exit 1
fi

entfernt=0
fehler=0
ordner=()
while IFS= read -r datei || [ -n "$datei" ]; do
  [ -n "$datei" ] || continue
  datei=$wurzel$datei
  if [ -e "$datei" ] || [ -L "$datei" ]; then
    if rm -f -- "$datei"; then
      entfernt=$((entfernt + 1))
    else
      fehler=1
    fi
  fi
  # Tempara's own folders (…/doc/tempara/hilfe, …/doc/tempara/examples, …/doc/tempara).
  d=$(dirname -- "$datei")
  while [[ "$d" == */tempara || "$d" == */tempara/* ]]; do
    ordner+=("$d")
    d=$(dirname -- "$d")
  done
done < "$liste"
if [ ${#ordner[@]} -gt 0 ]; then
  # Deepest first, each once; rmdir leaves a folder that still holds something.
  printf '%s\n' "${ordner[@]}" | sort -ru | while IFS= read -r d; do
    rmdir -- "$d" 2>/dev/null || true
  done
fi
if [ $fehler -ne 0 ]; then
  echo "Nicht alles ließ sich entfernen; fehlen Rechte? Dann: sudo make uninstall" >&2
  exit 1
fi
echo "Entfernt: $entfernt Dateien aus $liste"
