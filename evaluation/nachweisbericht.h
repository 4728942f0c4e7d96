// SPDX-License-Identifier: GPL-3.0-or-later
// The long-term proof as a PDF (A4, vector, at most three pages): project, room and author,
// the data file with its SHA-256, every setting and assumption, the verdicts, the monthly
// table, the pictures, date and version. tempara-cli and the window write it alike.
#pragma once

#include "nachweis.h"

#include <QString>

namespace evaluation {

// Writes the report to `pfad`, whole or not at all; on failure `grund` gets a German reason.
bool NachweisPdfSchreiben(const Nachweis& nachweis, const Stundenwerte& stunden,
                          const Nachweiseinstellungen& einstellungen, const QString& pfad, QString* grund = nullptr);

}  // namespace evaluation
