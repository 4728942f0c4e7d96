#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder and checks it as a distribution would:
# the expected files, the desktop entry, the AppStream metadata, and tempara-cli running.
set -euo pipefail
build=${1:-build}
stufe=$(mktemp -d)
trap 'rm -rf "$stufe"' EXIT
DESTDIR="$stufe" cmake --install "$build" --prefix /usr > /dev/null

fehler=0
for datei in \
  usr/bin/tempara usr/bin/tempara-cli \
  usr/share/applications/de.tempara.Tempara.desktop \
  usr/share/metainfo/de.tempara.Tempara.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/de.tempara.Tempara.svg \
  usr/share/icons/hicolor/48x48/apps/de.tempara.Tempara.png \
  usr/share/icons/hicolor/256x256/apps/de.tempara.Tempara.png \
  usr/share/man/man1/tempara-cli.1.gz usr/share/man/man1/tempara.1.gz \
  usr/share/bash-completion/completions/tempara-cli \
  usr/share/doc/tempara/copyright usr/share/doc/tempara/changelog.gz \
  usr/share/doc/tempara/hilfe usr/share/doc/tempara/examples/buero_jahr.txt; do
  if [ ! -e "$stufe/$datei" ]; then
    echo "fehlt: /$datei"
    fehler=1
  fi
done
desktop-file-validate "$stufe/usr/share/applications/de.tempara.Tempara.desktop"
appstreamcli validate --no-net --pedantic "$stufe/usr/share/metainfo/de.tempara.Tempara.metainfo.xml" \
  || appstreamcli validate --no-net "$stufe/usr/share/metainfo/de.tempara.Tempara.metainfo.xml"
"$stufe/usr/bin/tempara-cli" --help > /dev/null
"$stufe/usr/bin/tempara-cli" pmv 20 20 0 60 70 0 0 1 > /dev/null
"$stufe/usr/bin/tempara-cli" --version > /dev/null
# Without a screen: --version and --help answer, anything else is explained in German, nothing aborts.
ohne_bildschirm() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stufe/usr/bin/tempara" "$@" 2>&1; }
[[ "$(ohne_bildschirm --version)" == "tempara "[0-9]* ]] || { echo "tempara --version ohne Bildschirm gescheitert"; fehler=1; }
[[ "$(ohne_bildschirm --help)" == "Aufruf: tempara"* ]] || { echo "tempara --help ohne Bildschirm gescheitert"; fehler=1; }
status=0
meldung=$(ohne_bildschirm) || status=$?
[[ $status -eq 1 && "$meldung" == *"Kein Bildschirm"* ]] || { echo "tempara ohne Bildschirm: Rückgabewert $status"; fehler=1; }
# The manual page's example with the shipped year, in a folder of its own as a user runs it.
beispiel=$(mktemp -d)
cp "$stufe/usr/share/doc/tempara/examples/buero_jahr.txt" "$beispiel/"
(cd "$beispiel" && "$stufe/usr/bin/tempara-cli" stapel buero_jahr.txt --bekleidung 0,5 > /dev/null \
  && "$stufe/usr/bin/tempara-cli" stapel buero_jahr.txt --ausgabe jahr.TPR --tabelle jahr.csv --bild jahr.png \
  > /dev/null \
  && "$stufe/usr/bin/tempara-cli" stapel buero_jahr.txt --ausgabe nachweis.TPR --nachweis nachweis.csv \
  --nutzung "Mo-Sa 6-22" --klimaregion C > /dev/null) || { echo "Beispiele der Handbuchseite gescheitert"; fehler=1; }
rm -rf "$beispiel"
man -l "$stufe/usr/share/man/man1/tempara-cli.1.gz" > /dev/null 2>&1 || { echo "Handbuchseite nicht lesbar"; fehler=1; }
[ $fehler -eq 0 ] && echo "Installation vollständig: $(find "$stufe" -type f | wc -l) Dateien"
exit $fehler
