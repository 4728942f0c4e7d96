// The main window's "Ö&ffnen...": opens the chosen data file and shows DATEI modally.
#pragma once

#include <QString>

class Hauptfenster;

namespace stapel {

// Returns silently when the file cannot be opened; otherwise returns when DATEI closes.
void DateiFensterZeigen(Hauptfenster& haupt, const QString& pfad);

}  // namespace stapel
