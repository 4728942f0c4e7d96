// SPDX-License-Identifier: GPL-3.0-or-later
// The annual evaluation as a table for spreadsheets: UTF-8 with byte-order mark (spreadsheets
// need it for the umlauts), semicolons, CR LF. One row per month Januar to Dezember when the
// file has an hour column, then the row "Summe"; without one only "Summe".
#pragma once

#include "jahreszaehlung.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace evaluation {

// The table as the window shows it and the CSV file holds it: the column headings after
// "Zeitraum" (data lines, the seven bands, clipped, categories A to C, failures), then per row
// its period and counts.
struct Jahrestabelle {
    struct Zeile {
        QString zeitraum;
        std::vector<int64_t> werte;
    };
    QStringList spalten;
    QList<Zeile> zeilen;
};
Jahrestabelle TabelleAus(const Auswertung& auswertung);

QByteArray TabelleCsv(const Auswertung& auswertung);

// Writes the table to `pfad`; the file appears complete or not at all. On failure `grund`
// gets a German reason.
bool TabelleSchreiben(const Auswertung& auswertung, const QString& pfad, QString* grund = nullptr);

}  // namespace evaluation
