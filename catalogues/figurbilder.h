// SPDX-License-Identifier: GPL-3.0-or-later
// The estimator's pictures, drawn as SVG and kept as resources: the undressed figures,
// one transparent picture per garment layer (Ebene) and the two header symbols.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace catalogues {

enum class Figur { Mann, Frau };

inline constexpr QSize kFigurGroesse(110, 240);
inline constexpr QSize kSymbolGroesse(15, 15);

// Resource paths, e.g. ":/kataloge/bilder/mann_ebene_07.svg".
QString grundbildPfad(Figur figur);
QString ebenenPfad(Figur figur, int ebene);
QString symbolPfad(Figur figur);

// Rendered at the given size for the screen's pixel ratio; a null pixmap when the picture
// is missing or unreadable.
QPixmap svgBild(const QString& pfad, QSize groesse, qreal pixelverhaeltnis = 1.0);

}  // namespace catalogues
