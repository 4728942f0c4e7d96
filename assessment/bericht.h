// SPDX-License-Identifier: GPL-3.0-or-later
// The one-page report of an assessment, exactly as its window shows it: the project, the main
// window's inputs, the local inputs, every criterion with its value, category, bar and
// validity, the overall category, the method and the Tempara version.
#pragma once

#include "bewertung.h"
#include "raumklima.h"
#include "rechenverfahren.h"

#include <QDateTime>
#include <QMarginsF>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QIODevice;
class QPainter;

namespace assessment {

struct Berichtsinhalt {
    model::Raumklima klima;
    bool tsGleichTi = true;
    model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch;
    bool pmvGerechnet = true;  // false: PMV and PPD read "Fehler" as in the window
    model::bewertung::LokaleEingaben lokal;
    // The fields as read: nothing where the window says "keine Zahl".
    std::optional<double> tu, tLokal, vLokal;
    // The window's switches of DR and the local criteria (PMV and PPD are always on).
    std::array<bool, model::bewertung::kKriterien> eingeschaltet{true, true};
    model::bewertung::Ergebnis ergebnis;
    QString projekt, raum, verfasser;
    QDateTime erstellt;
};

// The page margins of the PDF and of the printed report.
inline const QMarginsF kBerichtRandMm(10, 10, 10, 10);

// Draws the report into `seite` (device pixels) of any painter: PDF, printer, screen. Returns
// the texts it drew, in order, so that a report can be read back without a PDF reader.
QStringList zeichneBericht(QPainter& maler, const QRectF& seite, const Berichtsinhalt& inhalt);

// An A4 PDF page into `ziel`; false when the writer failed.
bool schreibeBerichtPdf(QIODevice& ziel, const Berichtsinhalt& inhalt);

// Saves the PDF under `pfad` whole (model::SicherSchreiben): a file appears complete or not at
// all, a character device or FIFO (also behind a link) is written into. False with the German
// reason in `fehler`.
bool speichereBerichtPdf(const QString& pfad, const Berichtsinhalt& inhalt, QString* fehler);

}  // namespace assessment
