// SPDX-License-Identifier: GPL-3.0-or-later
// The persistent off-screen image of the drawing area: cleared, given axes, cells and
// reference lines, and turned into the saved bitmap with its texts, fixed parameters and
// legend. The window shows it; tempara-cli and the benchmarks draw it without a window.
#pragma once

#include "achsen.h"
#include "groessen.h"
#include "raster.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace diagram {

// Size of the saved bitmap in twips (440 × 400 pixels).
inline constexpr float kBitmapBreite = 6600.0f;
inline constexpr float kBitmapHoehe = 6000.0f;

class Diagrammbild {
public:
    Diagrammbild();

    const QImage& bild() const { return m_bild; }

    // The whole area white.
    void leeren();
    // Axes and ticks in black (the labels are the window's, or painted on saving).
    void achsenZeichnen(const Achsen& achsen);
    // One rectangle per grid point in the colour of its band; returns how many were filled.
    int zellenZeichnen(const Rasterwerte& raster, const Geometrie& geometrie);
    // Grey lines at the reference values of both quantities.
    void bezugslinienZeichnen(const Achsen& achsen, int xGroesse, int yGroesse);

    // The bitmap to save: paints the axis titles and scale labels into this image where the
    // window shows them (they stay in it), then returns it enlarged to 6600 × 6000 twips with the six fixed parameters
    // and the legend. This image keeps its size. The ISO method adds a seventh line that names it; a
    // classic picture stays as it always was.
    QImage speicherbild(const Achsen& achsen, const Festwerte& festwerte,
                        model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch);

private:
    QImage m_bild;
};

struct Lauf {
    Rasterwerte raster;
    int zellen = 0;  // cells filled (grid points inside a band)
};

// One whole run without a window, in the order of "&Start": clear, axes, grid, axes again
// on top, reference lines. `bereich` must have passed bereichPruefen.
Lauf diagrammZeichnen(Diagrammbild& bild, const model::PmvEingabe& vorbereitet, float v_rel, int xGroesse, int yGroesse,
                      const Bereich& bereich, model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch);

// A caption with its top-left corner at a point, in the painter's font: smoothed, at a whole
// pixel, in fonts with whole-pixel glyph positions (achsen.h), so that every glyph is there,
// a comma looks like a comma, and the same text always gives the same pixels.
void textZeichnen(QPainter& maler, QPointF linksObenTwips, const QString& text, QRgb farbe = 0xff000000);

// Writes `bild` as a Windows bitmap, whole (model::SicherSchreiben): a file appears complete or
// not at all, a character device or FIFO is written into. On failure `grund` gets a German reason.
bool bmpSchreiben(const QImage& bild, const QString& pfad, QString* grund = nullptr);

}  // namespace diagram
