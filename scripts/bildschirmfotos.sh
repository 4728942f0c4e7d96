#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of every window and dialog of Tempara under a virtual X server (Xvfb), for looking
# them over: drives the real program by keyboard and mouse (xdotool) as a user would and
# captures each window (ImageMagick's import). Usage: scripts/bildschirmfotos.sh [build] [ziel]
# SPRACHE=C.UTF-8 takes them in another locale (default de_DE.UTF-8): the texts stay German,
# only the numbers change their decimal separator.
set -euo pipefail
build=$(realpath "${1:-build}")
ziel=$(realpath -m "${2:-$build/bilder}")
beispiel=$(realpath "$(dirname "$0")/../examples/buero_jahr.txt")
mkdir -p "$ziel"
export QT_QPA_PLATFORM=xcb SPRACHE=${SPRACHE:-de_DE.UTF-8}
xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$build" "$ziel" "$beispiel" <<'SKRIPT'
set -uo pipefail
build=$1 ziel=$2 beispiel=$3
arbeit=$(mktemp -d)
cp "$beispiel" "$arbeit/daten.txt"
cd "$arbeit"

# Title patterns stay ASCII: xdotool matches them bytewise in any locale.
fenster() {  # the id of the visible window whose title matches, waiting up to 10 s
  local id=""
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) && [ -n "$id" ] && break
    sleep 0.2
  done
  echo "$id"
}
foto() {  # foto NAME TITEL: captures the window and gives it the keyboard
  local id; id=$(fenster "$2")
  if [ -z "$id" ]; then echo "kein Fenster \"$2\" für $1" >&2; return 0; fi
  xdotool windowfocus --sync "$id" 2>/dev/null; sleep 0.5
  import -window "$id" "$ziel/$1.png" && echo "$ziel/$1.png"
}
bildschirm() { sleep 0.7; import -window root "$ziel/$1.png" && echo "$ziel/$1.png"; }
taste() { xdotool key --delay 80 "$@"; sleep 0.8; }
klick() {  # klick TITEL X Y [KNOPF]: a click at pixel X, Y of the window's client area
  local id; id=$(fenster "$1")
  # the pointer enters the window before it clicks: a click right after a closed menu or
  # dialog would otherwise only deliver the enter event
  xdotool mousemove --window "$id" "$((${2} - 1))" "$3"; sleep 0.3
  xdotool mousemove --window "$id" "$2" "$3"; sleep 0.3
  xdotool click "${4:-1}"; sleep 1
}

LC_ALL=$SPRACHE "$build"/bin/tempara & programm=$!
sleep 2
foto 01-startfenster '^Tempara$'
taste Return
foto 02-hauptfenster 'TEMPARA 1.3'
klick 'TEMPARA 1.3' 150 58 3
bildschirm 03-kontextmenue-schieber
taste Escape

# the catalogue windows (the buttons of the clothing and activity frames, at their pixels)
klick 'TEMPARA 1.3' 180 291
foto 04-bekleidung 'Isolationswerts von Bekleidungskombinationen'
taste Escape
klick 'TEMPARA 1.3' 180 319
foto 05-bekleidungsliste 'typische Bekleidungskombinationen'
taste Escape
klick 'TEMPARA 1.3' 530 319
foto 06-aktivitaet '^Energieums'
taste Escape

# the diagram with its menu, save and printer dialogs
foto 02-hauptfenster 'TEMPARA 1.3' >/dev/null
taste alt+s
foto 07-diagramm 'Darstellung des Behaglichkeitsbereichs'
taste Return
sleep 4
foto 08-diagramm-gezeichnet 'Darstellung des Behaglichkeitsbereichs'
taste alt+d
bildschirm 09-diagramm-menue
taste s
foto 10-diagramm-speichern 'Diagramm speichern'
taste Escape
foto 08-diagramm-gezeichnet 'Darstellung des Behaglichkeitsbereichs' >/dev/null
taste alt+d r
foto 11-drucker-einrichten '^Drucker$'
taste Escape
foto 08-diagramm-gezeichnet 'Darstellung des Behaglichkeitsbereichs' >/dev/null
taste alt+d n
foto 11a-diagramm-neutrallinie 'Darstellung des Behaglichkeitsbereichs'
taste alt+d b
foto 11b-bericht-speichern 'Bericht speichern$'
xdotool type --delay 40 "$PWD/bericht.png"; taste Return
foto 11c-bericht-dialog 'r Bericht$'
taste Return
sleep 2
cp bericht.png "$ziel/11d-bericht.png" 2>/dev/null && echo "$ziel/11d-bericht.png"
foto 08-diagramm-gezeichnet 'Darstellung des Behaglichkeitsbereichs' >/dev/null
taste alt+d n
taste Escape

# the assessment by ISO 7730 (modeless beside the main window)
foto 02-hauptfenster 'TEMPARA 1.3' >/dev/null
taste alt+x b
foto 07b-bewertung 'Behaglichkeit nach ISO 7730'
taste alt+c

# a data file: the open dialog, the column assignment and the user behaviour
foto 02-hauptfenster 'TEMPARA 1.3' >/dev/null
taste alt+f
foto 12-datei-oeffnen '^.+ffnen$'
xdotool type --delay 40 "$PWD/daten.txt"; taste Return
foto 13-datei-spalten 'daten.txt'
taste alt+w
foto 14-datei-konstanten 'daten.txt'
taste alt+w
foto 15-datei-benutzerverhalten 'daten.txt'
taste space
foto 16-nutzen 'Benutzerverhalten einstellen'
# the run, its completion message and the annual evaluation
taste alt+w
foto 16b-fertig '^Tempara$'
taste Return
foto 16c-jahresauswertung 'Jahresauswertung'
taste ctrl+Tab
foto 16e-jahresbild 'Jahresauswertung'
taste ctrl+Tab
foto 16f-nachweis 'Jahresauswertung'
taste alt+s
# DATEI stays open with the result file, ready for another run
foto 16d-datei-ergebnis 'daten.TPR'
taste alt+a

# a message box: a click on the PMV frame
klick 'TEMPARA 1.3' 60 470
foto 17-meldung '^Tempara$'
taste Return

# About, the help on each of its pages
foto 02-hauptfenster 'TEMPARA 1.3' >/dev/null
taste alt+h o
foto 18-info '^Tempara$'
taste Return
foto 02-hauptfenster 'TEMPARA 1.3' >/dev/null
taste F1
# Down in the contents list turns the page, until the last page stays
vorige=""
for seite in $(seq -w 1 40); do
  foto "19-hilfe-$seite" 'Tempara - Hilfe' >/dev/null
  if [ -n "$vorige" ] && cmp -s "$vorige" "$ziel/19-hilfe-$seite.png"; then rm "$ziel/19-hilfe-$seite.png"; break; fi
  vorige="$ziel/19-hilfe-$seite.png"; echo "$vorige"
  xdotool key Down; sleep 0.5
done
kill $programm
rm -rf "$arbeit"
SKRIPT
echo "Bilder in $ziel"
