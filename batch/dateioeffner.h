// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's "Ö&ffnen..." (opens the chosen data file and shows DATEI modally) and
// "Letzte &Auswertung..." (the evaluation window of the last run made in DATEI).
#pragma once

#include <QString>

namespace gui {
class Hauptfenster;
}

namespace evaluation {
class LetzterLauf;
}

namespace batch {

// Returns silently when the file cannot be opened; otherwise returns when DATEI closes.
// A successful run in DATEI becomes the `letzter` run.
void DateiFensterZeigen(gui::Hauptfenster& haupt, const QString& pfad, evaluation::LetzterLauf& letzter);

// Shows the evaluation of the `letzter` run modally over the main window; nothing without one.
void LetzteAuswertungZeigen(gui::Hauptfenster& haupt, const evaluation::LetzterLauf& letzter);

}  // namespace batch
