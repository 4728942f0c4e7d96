#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Tempara needs, only those that are missing. Before anything is
# installed it says which packages and what for; without root rights it asks before sudo runs.
# Usage: scripts/abhaengigkeiten.sh [basis] [bench] [fuzz] [bild] [paket] [pruefung]
set -euo pipefail

declare -A gruppe=(
  [basis]="cmake make g++ qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core fonts-liberation2 locales"
  [bench]="libbenchmark-dev"
  [fuzz]="clang-14 libclang-rt-14-dev"
  [bild]="xvfb xauth x11-utils imagemagick xdotool"
  [paket]="dpkg-dev file lintian desktop-file-utils appstream man-db"
  [pruefung]="clang-format"
)
declare -A zweck=(
  [basis]="zum Bauen und Testen (Compiler, CMake, Qt 6, Schriften, deutsche Locale)"
  [bench]="für make bench (Google Benchmark)"
  [fuzz]="für make fuzz (clang mit libFuzzer)"
  [bild]="für das Bildschirmfoto und die Paketprobe (virtueller X-Server, ImageMagick)"
  [paket]="für make package und make check-install (Debian-Paketwerkzeuge)"
  [pruefung]="für die Prüfung der Quelltextform (clang-format)"
)

gruppen=("$@")
[ ${#gruppen[@]} -gt 0 ] || gruppen=(basis)

fehlend=()
erklaerung=()
for g in "${gruppen[@]}"; do
  fehlen_hier=()
  for p in ${gruppe[$g]:?unbekannte Gruppe $g}; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlen_hier+=("$p")
  done
  if [ ${#fehlen_hier[@]} -gt 0 ]; then
    fehlend+=("${fehlen_hier[@]}")
    erklaerung+=("  ${zweck[$g]}: ${fehlen_hier[*]}")
  fi
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Tempara braucht diese Debian-Pakete, die noch fehlen:"
printf '%s\n' "${erklaerung[@]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  befehl="sudo apt-get install --no-install-recommends ${fehlend[*]}"
  if ! command -v sudo >/dev/null; then
    echo "Bitte als root installieren: apt-get install --no-install-recommends ${fehlend[*]}" >&2
    exit 1
  fi
  if [ ! -t 0 ]; then
    echo "Ohne Terminal wird nicht nachgefragt; bitte selbst installieren: $befehl" >&2
    exit 1
  fi
  echo "Die Installation braucht Administratorrechte: sudo fragt gleich nach Ihrem Passwort."
  read -r -p "Jetzt mit apt-get installieren? [j/N] " antwort
  case "$antwort" in
    j|J|ja|Ja) ;;
    *) echo "Nicht installiert. Von Hand: $befehl" >&2; exit 1 ;;
  esac
  sudo="sudo"
fi
echo "Installiere mit apt-get: ${fehlend[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
