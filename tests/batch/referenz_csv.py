#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the three example years with Python's csv and datetime modules, on its own, and
compares every data line of the result file tempara-cli writes for them: the hour of the
year exactly, the temperatures and the humidity to the one decimal of the result file.

    referenz_csv.py TEMPARA-CLI EXAMPLES-FOLDER
"""

import csv
import datetime
import os
import shutil
import subprocess
import sys
import tempfile

cli, beispiele = sys.argv[1], sys.argv[2]


def stunde_deutsch(datum, uhrzeit):
    """Start of the hour: 01.01. 00:00 is hour 1."""
    zeit = datetime.datetime.strptime(datum + " " + uhrzeit, "%d.%m.%Y %H:%M")
    return int((zeit - datetime.datetime(zeit.year, 1, 1)).total_seconds() // 3600) + 1


def stunde_simulation(stempel):
    """End of the hour: 01/01 01:00:00 is hour 1, 24:00:00 closes the day (a year without 29 February)."""
    datum, uhrzeit = stempel.split()
    monat, tag = (int(t) for t in datum.split("/"))
    tage = (datetime.date(2001, monat, tag) - datetime.date(2001, 1, 1)).days
    return tage * 24 + int(uhrzeit.split(":")[0])


def zahl(text):
    return float(text.replace(",", "."))


# File, separator, extra options, and per row: hour, then the values in the result's column order.
faelle = [
    ("buero_tabelle.csv", ";", [],
     lambda z: [stunde_deutsch(z[0], z[1]), zahl(z[2]), zahl(z[3]), zahl(z[4])]),
    ("office_sheet.csv", ",", [],
     lambda z: [int(z[0]), zahl(z[1]), zahl(z[2]), zahl(z[3])]),
    ("simulation_jahr.csv", ",",
     ["--spalte", "Ti=ZONE2:Zone Mean Air Temperature", "--spalte", "Ts=ZONE2:Zone Mean Radiant Temperature"],
     lambda z: [stunde_simulation(z[0]), zahl(z[1]), zahl(z[4]), zahl(z[5])]),
]

fehler = 0
with tempfile.TemporaryDirectory() as ordner:
    for name, trenner, optionen, werte in faelle:
        shutil.copy(os.path.join(beispiele, name), ordner)
        with open(os.path.join(ordner, name), encoding="utf-8-sig", newline="") as datei:
            zeilen = list(csv.reader(datei, delimiter=trenner))[1:]
        erwartet = [werte(z) for z in zeilen]
        lauf = subprocess.run([cli, "stapel", name, *optionen], cwd=ordner, capture_output=True, text=True,
                              env=dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8"))
        if lauf.returncode != 0:
            print(f"{name}: Rückgabe {lauf.returncode}\n{lauf.stderr}")
            fehler += 1
            continue
        ergebnis = os.path.join(ordner, name[:-3] + "TPR")
        with open(ergebnis, encoding="utf-8") as datei:
            gelesen = [[float(f) for f in z.strip("\t\r\n").split("\t")[:-2]] for z in datei if z.startswith("\t")]
        if len(gelesen) != len(erwartet) or len(erwartet) != 8760:
            print(f"{name}: {len(gelesen)} Datenzeilen geschrieben, {len(erwartet)} gelesen")
            fehler += 1
            continue
        for nummer, (soll, ist) in enumerate(zip(erwartet, gelesen), start=2):
            if soll[0] != ist[0] or any(abs(a - b) > 0.0501 for a, b in zip(soll[1:], ist[1:])):
                print(f"{name}, Zeile {nummer}: erwartet {soll}, geschrieben {ist}")
                fehler += 1
                break
        else:
            print(f"{name}: {len(gelesen)} Datenzeilen wie der Referenzleser")
sys.exit(1 if fehler else 0)
