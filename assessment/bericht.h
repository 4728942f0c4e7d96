// SPDX-License-Identifier: GPL-3.0-or-later
// The one-page report of an assessment: the main window's inputs, the local inputs, every
// criterion with its value, category and validity, and the overall category.
#pragma once

#include "bewertung.h"
#include "raumklima.h"

#include <QDateTime>
#include <QImage>
#include <QString>

class QIODevice;
class QPainter;

namespace assessment {

struct Berichtsinhalt {
    model::Raumklima klima;
    bool tsGleichTi = true;
    model::bewertung::LokaleEingaben lokal;
    model::bewertung::Ergebnis ergebnis;
    QDateTime erstellt;
};

// Draws the report into `seite` (device pixels) of any painter: PDF, printer image, screen.
void zeichneBericht(QPainter& maler, const QRectF& seite, const Berichtsinhalt& inhalt);

// An A4 PDF page into `ziel`; false when the writer failed.
bool schreibeBerichtPdf(QIODevice& ziel, const Berichtsinhalt& inhalt);

// Saves the PDF under `pfad`: a file through a temporary file that takes its place only when
// complete; a character device or FIFO (also behind a link) straight into it, since a file put
// in its place would destroy the node. False with the reason in `fehler`.
bool speichereBerichtPdf(const QString& pfad, const Berichtsinhalt& inhalt, QString* fehler);

// The report as a white image of kBerichtMm at 150 dpi, for the printer.
inline constexpr double kBerichtBreiteMm = 190.0;
inline constexpr double kBerichtHoeheMm = 277.0;
QImage berichtBild(const Berichtsinhalt& inhalt);

}  // namespace assessment
