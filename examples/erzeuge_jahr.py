#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Erzeugt buero_jahr.txt: ein Jahr (8760 Stunden) Raumklima eines Büros als Datendatei.

Das Büro liegt nach Süden in Mitteleuropa und wird von Montag bis Freitag von 7 bis 18 Uhr
genutzt. Die Werte sind ausgedacht, aber physikalisch plausibel:

* Außentemperatur: Jahresgang zwischen etwa 0 °C (Ende Januar) und 19 °C (Ende Juli) im
  Tagesmittel, Tagesgang ±4 K mit dem Minimum um 4 Uhr, dazu Wetterlagen als langsam
  veränderliche Zufallsabweichung (mehrtägige Kälte- und Hitzeperioden).
* Raumluft Ti: Die Heizung hält, solange das Tagesmittel draußen unter 15 °C liegt, während der
  Nutzung 21 °C und nachts und am Wochenende 17 °C. Ohne Heizung folgt der Raum frei der
  Außentemperatur, der Sonne am Nachmittag und den inneren Lasten der Nutzer; der Raum
  reagiert träge (Zeitkonstante 5 Stunden). Es gibt keine Kühlung: an heißen Tagen wird es
  über 27 °C warm.
* Strahlungstemperatur Ts: im Winter kälter als die Luft (Außenwand, Fenster), an
  Sommernachmittagen durch Sonne auf Boden und Wänden etwas wärmer.
* Relative Feuchte: im Winter trocken (um 35 %), im Sommer feuchter (um 55 %), ganzzahlig.

Die Datei hat Kommentarzeilen, die Zuordnungszeile "S 1 2 3 5" (Jahresstunde, Ti, Ts,
rel. Feuchte) und je Stunde eine Datenzeile mit Tabulatoren und Dezimalkomma, Zeilenende
CR LF. Ein fester Startwert des Zufallsgenerators macht sie reproduzierbar:

    python3 examples/erzeuge_jahr.py            # schreibt examples/buero_jahr.txt neu
    python3 examples/erzeuge_jahr.py ausgabe.txt
"""

import math
import os
import random
import sys

STUNDEN = 8760
STARTWERT = 7730


def aussentemperatur(zufall):
    """Stundenwerte der Außentemperatur in °C."""
    wetter = 0.0
    werte = []
    for h in range(STUNDEN):
        tag, stunde = divmod(h, 24)
        if stunde == 0:
            # Wetterlagen: jeden Tag ein kleiner Schritt einer gedämpften Zufallsfolge.
            wetter = 0.8 * wetter + zufall.gauss(0.0, 1.6)
        jahresgang = 9.5 - 9.5 * math.cos(2 * math.pi * (tag - 25) / 365)
        tagesgang = -4.0 * math.cos(2 * math.pi * (stunde - 4) / 24)
        werte.append(jahresgang + tagesgang + wetter)
    return werte


def tagesmittel(werte):
    return [sum(werte[t * 24:(t + 1) * 24]) / 24 for t in range(STUNDEN // 24)]


def sonne(tag, stunde):
    """Sonnengewinn durch die Südfenster in K, am Nachmittag, im Sommer stärker."""
    if not 9 <= stunde <= 17:
        return 0.0
    hoehe = math.sin(math.pi * (stunde - 9) / 8)
    jahreszeit = 0.6 + 0.4 * math.sin(2 * math.pi * (tag - 80) / 365)
    return 3.0 * hoehe * jahreszeit


def raumklima(zufall):
    te = aussentemperatur(zufall)
    mittel = tagesmittel(te)
    ti = 20.0
    feuchtewetter = 0.0
    zeilen = []
    for h in range(STUNDEN):
        tag, stunde = divmod(h, 24)
        werktag = tag % 7 < 5  # der 1. Januar ist ein Montag
        genutzt = werktag and 7 <= stunde < 18
        frei = 19.0 + 0.45 * (te[h] - 12.0) + sonne(tag, stunde) + (1.5 if genutzt else 0.0)
        heizen = mittel[tag] < 15.0
        soll = (21.0 if genutzt else 17.0) if heizen else -99.0
        ziel = max(soll, frei)
        # Träger Raum: die Luft nähert sich dem Ziel mit 5 Stunden Zeitkonstante; die Heizung
        # schafft den Morgensprung schneller.
        tau = 2.0 if heizen and ziel > ti else 5.0
        ti += (ziel - ti) / tau
        ts = ti - 0.08 * (ti - te[h]) + 0.4 * sonne(tag, stunde) + zufall.gauss(0.0, 0.1)
        feuchtewetter = 0.95 * feuchtewetter + zufall.gauss(0.0, 1.2)
        feuchte = 45.0 - 10.0 * math.cos(2 * math.pi * (tag - 25) / 365) + feuchtewetter
        if genutzt:
            feuchte += 3.0  # Feuchteabgabe der Nutzer
        feuchte = min(75, max(20, round(feuchte)))
        zeilen.append((h + 1, ti + zufall.gauss(0.0, 0.1), ts, feuchte))
    return zeilen


def komma(wert):
    return f"{wert:.1f}".replace(".", ",")


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "buero_jahr.txt")
    zufall = random.Random(STARTWERT)
    with open(ziel, "w", encoding="utf-8", newline="") as datei:
        for kommentar in (
            "C  Büroraum nach Süden, ein Jahr in Stundenwerten (Beispiel, erzeugt von erzeuge_jahr.py)",
            "C  Spalten: Jahresstunde, Raumlufttemperatur Ti, Strahlungstemperatur Ts, relative Feuchte",
        ):
            datei.write(kommentar + "\r\n")
        datei.write("S 1 2 3 5\r\n")
        datei.write("C\tStunde\tTi\tTs\tFeuchte\r\n")
        for stunde, ti, ts, feuchte in raumklima(zufall):
            datei.write(f"\t{stunde}\t{komma(ti)}\t{komma(ts)}\t{feuchte}\r\n")


if __name__ == "__main__":
    main()
