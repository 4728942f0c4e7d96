#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package with apt, starts Tempara as the menu would (its desktop entry's
# Exec line, under Xvfb), removes the package again and checks that nothing of it is left.
# Changes the system: run it as root on a machine meant for such checks.
set -euo pipefail
paket=$(ls "${1:-build}"/tempara_*.deb | head -n1)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$(realpath "$paket")" > /dev/null
dateien=$(dpkg -L tempara | while read -r f; do [ -f "$f" ] && echo "$f"; done)
befehl=$(sed -n 's/^Exec=//p' /usr/share/applications/de.tempara.Tempara.desktop)
tempara-cli pmv 20 20 0 60 70 0 0 1 > /dev/null

# The start-up window hands over after ten seconds; then the main window must be there.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  QT_QPA_PLATFORM=xcb '"$befehl"' & pid=$!
  sleep 12
  xwininfo -root -tree | grep -q "\"TEMPARA 1.3\"" || { echo "Hauptfenster nicht erschienen"; kill $pid; exit 1; }
  kill $pid'
echo "Start aus dem Menüeintrag: Hauptfenster erschienen"

DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq tempara > /dev/null
uebrig=0
for f in $dateien; do
  if [ -e "$f" ]; then echo "nach dem Entfernen noch da: $f"; uebrig=1; fi
done
[ -d /usr/share/doc/tempara ] && { echo "nach dem Entfernen noch da: /usr/share/doc/tempara"; uebrig=1; }
[ $uebrig -eq 0 ] && echo "Entfernt: keine Datei des Pakets bleibt zurück"
exit $uebrig
