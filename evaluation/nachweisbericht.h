// SPDX-License-Identifier: GPL-3.0-or-later
// The long-term proof as a PDF (A4, vector, at most three pages): project, room and author,
// the data file with its SHA-256, every setting and assumption, the verdicts, the monthly
// table, the pictures, date and version. tempara-cli and the window write it alike.
#pragma once

#include "nachweis.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace evaluation {

// Writes the report to `pfad`, whole or not at all; on failure `grund` gets a German reason.
bool NachweisPdfSchreiben(const Nachweis& nachweis, const Stundenwerte& stunden,
                          const Nachweiseinstellungen& einstellungen, const QString& pfad, QString* grund = nullptr);

// What the report shows: the proof, the hours and settings it was computed from, the day.
struct Nachweisbericht {
    const Nachweis& nachweis;
    const Stundenwerte& stunden;
    const Nachweiseinstellungen& einstellungen;
    QDate erstellt;
};

// Page 1: head, verdicts, settings and assumptions; 2: the monthly table and the carpet;
// 3: the degree-hours and the adaptive chart.
inline constexpr int kNachweisSeiten = 3;

// Paints page `seite` (from 0) into `flaeche`, the A4 page less its margins, in the painter's
// units: the PDF and the printer get the same vector page.
void NachweisSeiteMalen(QPainter& maler, const QRectF& flaeche, int seite, const Nachweisbericht& bericht);

// The whole PDF; empty when the writer failed.
QByteArray NachweisPdf(const Nachweisbericht& bericht);

// The proof table's cells as its CSV holds them: the heading row, then a row per month and the
// year. The window and the report show exactly what the file holds.
QList<QStringList> NachweisTabellenzeilen(const QByteArray& csv);

}  // namespace evaluation
