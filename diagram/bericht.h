// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram for a client's report: one landscape page (A4 or A5) painted in vectors from the
// window's computed grid, as SVG, PDF or PNG, or on the printer. Bands as seamless regions,
// lines of constant PMV with their labels, axes in the quantities' units that nothing covers,
// the legend, labelled reference lines and a title with the fixed inputs, the method and the
// version.
#pragma once

#include "berichtachsen.h"
#include "groessen.h"
#include "raster.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QPainter;

namespace diagram {

// Which lines of constant PMV the page shows besides the neutral one.
enum class Linienwahl { Neutral, KategorieB, KategorieC };  // 0 | 0 and ±0.5 | 0, ±0.5 and ±0.7
enum class Papier { A4, A5 };
enum class Berichtformat { Svg, Pdf, Png };

inline constexpr int kVorgabeDpi = 300;
inline constexpr int kHoechstDpi = 600;
inline constexpr int kMindestBreitePx = 2400;

struct Berichtoptionen {
    Linienwahl linien = Linienwahl::Neutral;
    Bereichsart bereich = Bereichsart::Fenster;
    Papier papier = Papier::A4;
    int dpi = kVorgabeDpi;  // PNG only
};

// What the window shows after a run.
struct Berichtinhalt {
    Rasterwerte raster;   // the computed grid
    Bereich bereich;      // the ranges as checked for the run
    Festwerte festwerte;  // the six fixed inputs as the window lists them
    QString neutral;      // "neutral bei …" (neutralText), or empty
};

// The page in millimetres (landscape) and the margin painted inside it.
QSizeF seiteMm(Papier papier);
inline constexpr double kBerichtrandMm = 10;

// The lowest resolution at which a PNG of the page is at least 2400 pixels wide.
int mindestDpi(Papier papier);

// The axis title of a quantity in the report, with its unit: "Energieumsatz in W/m²".
QString berichtsAchsentitel(int groesse);
// The PMV levels of the chosen lines, neutral first.
std::vector<float> linienstufen(Linienwahl wahl);

// Paints the page's content into `flaeche` (the page less its margins) in the painter's units.
void berichtMalen(QPainter& maler, const QRectF& flaeche, const Berichtinhalt& inhalt, const Berichtoptionen& optionen);

QByteArray berichtSvg(const Berichtinhalt& inhalt, const Berichtoptionen& optionen);
QByteArray berichtPdf(const Berichtinhalt& inhalt, const Berichtoptionen& optionen);
QImage berichtBild(const Berichtinhalt& inhalt, const Berichtoptionen& optionen);
QByteArray berichtPng(const Berichtinhalt& inhalt, const Berichtoptionen& optionen);

// The format of a file name's ending (.svg, .pdf, .png; any case).
std::optional<Berichtformat> berichtformatVon(const QString& pfad);

// Writes the page to `pfad` in the format of its ending, whole (model::SicherSchreiben).
// False with a German reason in `grund`: unknown ending, resolution out of range, no picture,
// the file not written.
bool berichtSchreiben(const QString& pfad, const Berichtinhalt& inhalt, const Berichtoptionen& optionen,
                      QString* grund);

}  // namespace diagram
