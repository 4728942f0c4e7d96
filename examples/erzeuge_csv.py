#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Erzeugt drei Jahre Stundenwerte in den Formen, in denen sie aus der Praxis kommen.

Die Werte sind dieselben ausgedachten wie in buero_jahr.txt (erzeuge_jahr.py, gleicher
Zufallsstartwert), nur anders geschrieben:

* buero_tabelle.csv: Export einer deutschen Tabellenkalkulation, UTF-8 mit Byte-Order-Mark,
  Semikolons, Dezimalkomma, CR LF, Kopfzeile "Datum;Uhrzeit;Raumlufttemperatur;...", Datum und
  Uhrzeit in zwei Spalten, die erste Zeile um 00:00 (Anfang der Stunde), Jahr 2023.
* office_sheet.csv: Export einer englischen Tabellenkalkulation, Kommas, Dezimalpunkt, LF,
  Kopfzeile "Hour,Air Temperature [C],Mean Radiant Temperature [C],Relative Humidity [%]".
* simulation_jahr.csv: die Ausgabe eines Gebäudesimulationsprogramms, Kommas, Dezimalpunkt,
  erste Spalte " 01/01  01:00:00" bis " 12/31  24:00:00" (Ende der Stunde), Außentemperatur und
  zwei Zonen: ZONE1 ist das Büro, ZONE2 ein Nachbarraum nach Norden (weniger Sonne, kühler).

    python3 examples/erzeuge_csv.py             # schreibt die drei Dateien in examples/ neu
    python3 examples/erzeuge_csv.py ORDNER
"""

import os
import random
import sys

import erzeuge_jahr as jahr

MONATSTAGE = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]


def datum(tag):
    """Monat und Tag (1-basiert) des Tages `tag` (0 = 1. Januar) eines Jahres ohne 29. Februar."""
    monat = 0
    while tag >= MONATSTAGE[monat]:
        tag -= MONATSTAGE[monat]
        monat += 1
    return monat + 1, tag + 1


def main():
    ordner = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    zeilen = jahr.raumklima(random.Random(jahr.STARTWERT))
    aussen = jahr.aussentemperatur(random.Random(jahr.STARTWERT))  # die ersten Zufallszahlen sind dieselben

    with open(os.path.join(ordner, "buero_tabelle.csv"), "w", encoding="utf-8-sig", newline="") as d:
        d.write("Datum;Uhrzeit;Raumlufttemperatur;Strahlungstemperatur;rel. Feuchte\r\n")
        for (stunde, ti, ts, feuchte) in zeilen:
            monat, tag = datum((stunde - 1) // 24)
            d.write(f"{tag:02d}.{monat:02d}.2023;{(stunde - 1) % 24:02d}:00;{jahr.komma(ti)};{jahr.komma(ts)};{feuchte}\r\n")

    with open(os.path.join(ordner, "office_sheet.csv"), "w", encoding="utf-8", newline="") as d:
        d.write("Hour,Air Temperature [C],Mean Radiant Temperature [C],Relative Humidity [%]\n")
        for (stunde, ti, ts, feuchte) in zeilen:
            d.write(f"{stunde},{ti:.1f},{ts:.1f},{feuchte}\n")

    with open(os.path.join(ordner, "simulation_jahr.csv"), "w", encoding="utf-8", newline="") as d:
        d.write("Date/Time,Environment:Site Outdoor Air Drybulb Temperature [C](Hourly),"
                "ZONE1:Zone Mean Air Temperature [C](Hourly),ZONE1:Zone Mean Radiant Temperature [C](Hourly),"
                "ZONE2:Zone Mean Air Temperature [C](Hourly),ZONE2:Zone Mean Radiant Temperature [C](Hourly)\n")
        for (stunde, ti, ts, _), te in zip(zeilen, aussen):
            tag, h = divmod(stunde - 1, 24)
            monat, tag_im_monat = datum(tag)
            sonne = jahr.sonne(tag, h)
            ti2, ts2 = ti - 0.8 - 0.5 * sonne, ts - 1.0 - 0.4 * sonne
            d.write(f" {monat:02d}/{tag_im_monat:02d}  {h + 1:02d}:00:00,{te:.2f},{ti:.2f},{ts:.2f},{ti2:.2f},{ts2:.2f}\n")


if __name__ == "__main__":
    main()
