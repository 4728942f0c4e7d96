// The main window's "Ö&ffnen..." (opens the chosen data file and shows DATEI modally) and
// "Letzte &Auswertung..." (the evaluation window of the last run made in DATEI).
#pragma once

#include <QString>

class Hauptfenster;

namespace stapel {

class LetzterLauf;

// Returns silently when the file cannot be opened; otherwise returns when DATEI closes.
// A successful run in DATEI becomes the `letzter` run.
void DateiFensterZeigen(Hauptfenster& haupt, const QString& pfad, LetzterLauf& letzter);

// Shows the evaluation of the `letzter` run modally over the main window; nothing without one.
void LetzteAuswertungZeigen(Hauptfenster& haupt, const LetzterLauf& letzter);

}  // namespace stapel
