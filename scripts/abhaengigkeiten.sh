#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Tempara needs, only those that are missing, and generates the
# German locale the program, its tests and `make screenshot` run in when the system lacks it.
# Before anything changes it says what and what for; without root rights it asks once before
# sudo runs, and a user whom sudo refuses is told what to ask the administrator for.
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

# Decimal commas and German dates need this locale; Debian's "locales" generates it.
gebietsschema=de_DE.UTF-8
gebietsschema_fehlt=0

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
  if [[ "$g" == basis || "$g" == bild ]] && ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    gebietsschema_fehlt=1
  fi
done
[ ${#fehlend[@]} -eq 0 ] && [ $gebietsschema_fehlt -eq 0 ] && exit 0

schritte=()
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Tempara braucht diese Debian-Pakete, die noch fehlen:"
  printf '%s\n' "${erklaerung[@]}"
  schritte+=("apt-get install --no-install-recommends ${fehlend[*]}")
fi
if [ $gebietsschema_fehlt -eq 1 ]; then
  echo "Die deutsche Spracheinstellung $gebietsschema fehlt (Tempara zeigt sonst Dezimalpunkte statt"
  echo "Dezimalkommas); sie wird mit locale-gen erzeugt."
  schritte+=("in /etc/locale.gen die Zeile \"$gebietsschema UTF-8\" aktivieren, dann locale-gen")
fi

# What to ask the administrator for, when this user cannot do it.
an_die_verwaltung() {
  echo "Bitte lassen Sie Ihre Systemverwaltung (root) Folgendes ausführen:" >&2
  printf '  %s\n' "${schritte[@]}" >&2
  exit 1
}

als_root=(env DEBIAN_FRONTEND=noninteractive)
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Dafür braucht es Administratorrechte, und sudo ist nicht installiert." >&2
    an_die_verwaltung
  fi
  if [ ! -t 0 ]; then
    echo "Ohne Terminal wird nicht nachgefragt." >&2
    an_die_verwaltung
  fi
  echo "Das braucht Administratorrechte: sudo fragt gleich nach Ihrem Passwort."
  read -r -p "Jetzt einrichten? [j/N] " antwort
  case "${antwort,,}" in
    j|ja|y|yes) ;;
    *) echo "Nichts geändert." >&2; an_die_verwaltung ;;
  esac
  # sudo drops the environment; the variable goes on its command line instead.
  als_root=(sudo DEBIAN_FRONTEND=noninteractive)
  if ! sudo -v; then
    echo "sudo hat die Rechte verweigert." >&2
    an_die_verwaltung
  fi
fi
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere mit apt-get: ${fehlend[*]}"
  "${als_root[@]}" apt-get update -qq || an_die_verwaltung
  "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}" || an_die_verwaltung
fi
if [ $gebietsschema_fehlt -eq 1 ]; then
  echo "Erzeuge die Spracheinstellung $gebietsschema"
  if grep -q "^# *$gebietsschema UTF-8" /etc/locale.gen 2>/dev/null; then
    "${als_root[@]}" sed -i "s/^# *\($gebietsschema UTF-8\)/\1/" /etc/locale.gen || an_die_verwaltung
  elif ! grep -q "^$gebietsschema UTF-8" /etc/locale.gen 2>/dev/null; then
    echo "$gebietsschema UTF-8" | "${als_root[@]}" tee -a /etc/locale.gen >/dev/null || an_die_verwaltung
  fi
  "${als_root[@]}" locale-gen || an_die_verwaltung
fi
