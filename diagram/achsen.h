// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the drawing area and the layout of its axes: where 0 lies, how many twips a
// unit is, the ticks, the axis titles and the scale labels. All positions in twips of the
// drawing area (5700 × 4500, origin top-left, y downwards).
#pragma once

#include "bereich.h"
#include "geometrie.h"
#include "twips.h"

#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <array>
#include <vector>

namespace diagram {

// One label placed in the drawing area.
struct Beschriftung {
    QString text;                                                  // empty: the label is hidden
    QRectF twips;                                                  // its own position and size
    Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter;  // of the text in its place
};

// Indices as the window's control arrays: x_achsenskal(0..12), y_achsenskal(0..8, 10..12).
inline constexpr int kSkalenAnzahl = 13;
inline constexpr int kFehlenderYIndex = 9;

struct Achsen {
    Bereich bereich;
    Geometrie geometrie;
    Beschriftung xTitel;  // x_achse
    Beschriftung yTitel;  // y_achse
    std::array<Beschriftung, kSkalenAnzahl> xSkala;
    std::array<Beschriftung, kSkalenAnzahl> ySkala;  // index 9 stays empty
    std::vector<QLineF> linien;                      // the two axes and every tick, black
};

// Fonts: titles "MS Sans Serif" 7.8 pt, scale labels "MS Serif" 6.75 pt bold; common free
// look-alikes stand in where they are missing. The saved bitmap paints its labels in the
// same fonts as the window, so that they lie exactly under the window's labels.
QFont titelschrift();
QFont skalenschrift();

// The pixel rectangle in which a label shows its text, in the drawing area at 96 dpi: its own
// place, grown where the text would not fit (titles to the right, scale labels around their
// centre, right-aligned ones keeping their right edge). The window's label and the text painted
// into the saved bitmap both use it.
QRect textPlatz(const Beschriftung& beschriftung, const QFont& schrift);

// Size of an axis title label: fits its text in the title font, at least 600 twips wide.
QRectF titelRechteck(const QString& text, QPointF linksObenTwips);

Achsen achsenAuslegen(const Bereich& bereich, int xGroesse, int yGroesse);

}  // namespace diagram
