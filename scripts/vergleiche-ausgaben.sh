#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tempara-cli over the examples and a set of generated data files and compares every
# result file, bitmap and printed output with the checksums in scripts/ausgaben.sha256.
# A change that is meant to leave results alone must leave this list alone.
#   scripts/vergleiche-ausgaben.sh BUILD            compare
#   scripts/vergleiche-ausgaben.sh BUILD --neu      rewrite the list (after an intended change)
set -euo pipefail
build=${1:?Aufruf: $0 BUILD [--neu]}
neu=${2:-}
oben=$(cd "$(dirname "$0")/.." && pwd)
cli=$(cd "$build" && pwd)/bin/tempara-cli
liste=$oben/scripts/ausgaben.sha256
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
export LC_ALL=C.UTF-8 LANG=C.UTF-8 LC_NUMERIC=C.UTF-8
cd "$arbeit"

# Data files: the example year, one with every column, one with comma decimals and CRLF.
cp "$oben/examples/buero_jahr.txt" jahr.txt
awk 'BEGIN { print "C alle Spalten"; print "S 1 2 3 4 5";
             for (h = 1; h <= 500; h++) printf "%d\t%.1f\t%.1f\t%.2f\t%d\n", h, 14 + (h % 17), 15 + (h % 13), (h % 9) * 0.05, 30 + (h % 50) }' > alle.txt
awk 'BEGIN { print "S 2 0 5"; for (h = 1; h <= 300; h++) printf "%d,%d 7 %d\r\n", 18 + (h % 9), h % 10, 40 + (h % 30) }' > komma.txt

{
  "$cli" stapel jahr.txt --v-luft 0,1
  "$cli" stapel jahr.txt --ausgabe jahr_bereiche.TPR --bereiche "2160:70:1,0 4416:70:0,5 2184:70:1,0"
  "$cli" stapel jahr.TPR --ueberschreiben --phi 45 --aktivitaet 120 --bekleidung 0,75
  "$cli" stapel alle.txt --aktivitaet 95 --bekleidung 0,6
  "$cli" stapel komma.txt --ti 22 --v-luft 0,25 --bereiche "100:60:1,2 100:80:0,9 50:140:0,5 50:70:1"
  "$cli" diagramm --x ti --y ts --bmp ti_ts.bmp
  "$cli" diagramm --x v_luft --y icl --xmax 2 --ymax 1,5 --ti 24 --phi 50 --bmp v_icl.bmp
  "$cli" diagramm --x m --y phi --xmin 40 --xmax 300 --ts-getrennt --ts 26 --bmp m_phi.bmp
  "$cli" pmv 20 20 0 60 70 0 0 1
  awk 'BEGIN { for (i = 0; i < 2000; i++) printf "%.1f %.1f %.2f %d %d %d %.2f %.2f\n",
               -10 + (i % 45), -5 + (i % 40), (i % 21) * 0.1, i % 101, 40 + (i % 37) * 10, i % 20, (i % 7) * 0.3, (i % 17) * 0.25 }' \
    | "$cli" pmv
} > ausgabe.txt 2> meldungen.txt || true

sha256sum ./*.TPR ./*.BAK ./*.bmp ausgabe.txt meldungen.txt | sed 's| \./| |' > summen.txt
if [ "$neu" = "--neu" ]; then
  cp summen.txt "$liste"
  echo "$(wc -l < "$liste") Prüfsummen nach $liste geschrieben."
elif diff -u "$liste" summen.txt; then
  echo "Alle $(wc -l < summen.txt) Ausgaben unverändert."
else
  echo "Ausgaben weichen ab (oben die Unterschiede der Prüfsummen)." >&2
  exit 1
fi
