#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the main window under a virtual X server (Xvfb):
# starts Tempara, waits for the start-up window to hand over, captures the main window.
set -euo pipefail
build=${1:-build}
ziel=${2:-doc/hauptfenster.png}
warten=${3:-12}
mkdir -p "$(dirname "$ziel")"
export QT_QPA_PLATFORM=xcb LANG=de_DE.UTF-8 LC_NUMERIC=de_DE.UTF-8
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1"/bin/tempara & pid=$!
  sleep "$3"
  id=$(xwininfo -root -tree | awk "/\"TEMPARA 1.3\"/ {print \$1; exit}")
  if [ -n "$id" ]; then import -window "$id" -frame "$2"; else import -window root "$2"; fi
  kill $pid
' _ "$build" "$ziel" "$warten"
echo "Bildschirmfoto: $ziel"
