#!/usr/bin/env bash
# Installs the Debian packages Tempara needs, only those that are missing.
# Usage: scripts/abhaengigkeiten.sh [basis] [bench] [fuzz] [bild] [paket]
set -euo pipefail

declare -A gruppe=(
  [basis]="cmake make g++ qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core fonts-liberation2 locales"
  [bench]="libbenchmark-dev"
  [fuzz]="clang-14 libclang-rt-14-dev"
  [bild]="xvfb xauth x11-utils imagemagick xdotool"
  [paket]="dpkg-dev file lintian desktop-file-utils appstream man-db"
)

gruppen=("$@")
[ ${#gruppen[@]} -gt 0 ] || gruppen=(basis)

fehlend=()
for g in "${gruppen[@]}"; do
  for p in ${gruppe[$g]:?unbekannte Gruppe $g}; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
  done
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${fehlend[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
