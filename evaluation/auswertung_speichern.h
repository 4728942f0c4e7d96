// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a file of an annual evaluation from its window: the dialog proposes a new name beside
// the run's result, a chosen name that is one of the run's own files is refused with the reason,
// and a failure names the file and why.
#pragma once

#include "jahresauswertung.h"

#include <QString>

#include <functional>

class QWidget;

namespace gui {
class Dienste;
}

namespace evaluation {

struct Speicherziel {
    QString titel;   // of the dialog
    QString filter;  // the dialog's types, "Text (*.x)|*.x|…"
    QString zusatz;  // after the result's base name, e.g. "_Auswertung"
    QString endung;  // without the dot
    QString was;     // how the message names the file, e.g. "Die Tabelle"
};

// Writes the file at `pfad`; false with the German reason in `grund`.
using Schreiber = std::function<bool(const QString& pfad, QString* grund)>;

void AuswertungSpeichern(gui::Dienste& dienste, QWidget* eltern, const Jahresauswertung& auswertung,
                         const Speicherziel& ziel, const Schreiber& schreiben);

}  // namespace evaluation
