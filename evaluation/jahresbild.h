// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of an annual evaluation for reports: the carpet plot of the year (day 1 to 365
// across, hour of the day 1 to 24 upwards, each hour in the colour of its sensation band as
// the diagram draws it) and the hours per category by PMV of every month as stacked bars.
// The same painting goes into a PNG, an SVG, the window and the printer; the same evaluation
// gives the same bytes. Texts keep their pixel sizes at any size of the picture: the window
// paints it at its own size, so the legend stays readable.
#pragma once

#include "jahresauswertung.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace evaluation {

inline constexpr int kBildBreite = 1600;  // px, the PNG's size and the SVG's view box
inline constexpr int kBildHoehe = 1120;
// The least size the picture is laid out for; a smaller window scales it down.
inline constexpr QSize kBildMindestens(1200, 840);

// Paints the whole picture into the rectangle (0, 0, groesse) of `maler`.
void JahresbildMalen(QPainter& maler, const Jahresauswertung& auswertung,
                     QSize groesse = QSize(kBildBreite, kBildHoehe));

QImage JahresbildRaster(const Jahresauswertung& auswertung);
QByteArray JahresbildPng(const Jahresauswertung& auswertung);
QByteArray JahresbildSvg(const Jahresauswertung& auswertung);

// Writes the picture as SVG when `pfad` ends in .svg (any case), else as PNG; the file
// appears complete or not at all. On failure `grund` gets a German reason.
bool JahresbildSchreiben(const Jahresauswertung& auswertung, const QString& pfad, QString* grund = nullptr);

// Where the carpet plot draws day `tag` (1 to 365), hour of the day `stunde` (1 to 24).
QRect TeppichZelle(int tag, int stunde, QSize groesse = QSize(kBildBreite, kBildHoehe));
// The colour of a carpet cell (Zellwert: a band, kZelleBegrenzt, kZelleFehler, kZelleLeer).
QColor Zellfarbe(int8_t zelle);

}  // namespace evaluation
