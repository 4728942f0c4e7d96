// SPDX-License-Identifier: GPL-3.0-or-later
// Typed ranges of the diagram window: whatever the four fields hold, the check leaves ranges
// inside the quantities' limits, and the grid over them ends with a bounded number of cells.
#include "bereich.h"
#include "groessen.h"
#include "isolinien.h"
#include "raster.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace model;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    if (laenge < 2)
        return 0;
    const int x = daten[0] % diagram::kAnzahlGroessen;
    int y = daten[1] % diagram::kAnzahlGroessen;
    if (y == x)
        y = (y + 1) % diagram::kAnzahlGroessen;
    const QStringList teile =
        QString::fromUtf8(reinterpret_cast<const char*>(daten + 2), qsizetype(laenge - 2)).split(u'\n');
    diagram::Bereichsfelder felder;
    for (std::size_t i = 0; i < felder.size(); ++i)
        felder[i] = qsizetype(i) < teile.size() ? teile[qsizetype(i)] : QString();

    // As stored after the choice of the pair: its default ranges.
    diagram::Bereich bereich = diagram::bereichLesen(
        {QString::fromUtf16(diagram::info(x).vorgabeMin), QString::fromUtf16(diagram::info(x).vorgabeMax),
         QString::fromUtf16(diagram::info(y).vorgabeMin), QString::fromUtf16(diagram::info(y).vorgabeMax)});
    diagram::bereichPruefen(bereich, felder, x, y, [](const QString&) {});
    const diagram::Bereich gelesen = diagram::bereichLesen(felder);
    const diagram::Groesseninfo& gx = diagram::info(x);
    const diagram::Groesseninfo& gy = diagram::info(y);
    if (!(gelesen.Xmin >= gx.untergrenze && gelesen.Xmax <= gx.obergrenze && gelesen.Xmin < gelesen.Xmax)
        || !(gelesen.Ymin >= gy.untergrenze && gelesen.Ymax <= gy.obergrenze && gelesen.Ymin < gelesen.Ymax))
        std::abort();  // a checked range outside its limits

    const diagram::Geometrie g = diagram::geometrieAus(gelesen);
    const PmvEingabe eingabe = PmvEingabeAus(standardRaumklima(), true);
    const diagram::Rasterwerte raster = diagram::rasterBerechnen(eingabe, 0.0f, x, y, g, gelesen);
    for (const float w : raster.x)
        if (const diagram::Spanne s = diagram::spaltenSpanne(g, w); s.leer() || s.von < 0 || s.bis > 380)
            std::abort();  // a cell outside the image
    for (const float w : raster.y)
        if (const diagram::Spanne z = diagram::zeilenSpanne(g, w); z.leer() || z.von < 0 || z.bis > 300)
            std::abort();
    if (raster.auswertungen > 200 * 200 || raster.pmv.size() != raster.x.size() * raster.y.size())
        std::abort();
    // The lines of constant PMV of any grid: every point inside the grid's extent.
    for (const diagram::Linienzug& zug : diagram::isolinie(raster, 0.0f))
        for (const QPointF& p : zug)
            if (!(std::isfinite(p.x()) && std::isfinite(p.y())))
                std::abort();
    return 0;
}
