// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of one run: x and y step through their ranges by repeated float32 addition,
// the two chosen fields of the prepared inputs change per point, and every grid point
// whose cell can show in the drawing area is evaluated. The cell is handed to a sink, so
// the drawing and the bare evaluation (benchmarks) walk exactly the same grid.
#pragma once

#include "achsen.h"
#include "groessen.h"
#include "rechenverfahren.h"

#include <cmath>
#include <vector>

namespace diagram {

inline constexpr float kZelleBreite = 30.0f;  // twips; neighbours lie 41 twips apart
inline constexpr float kZelleHoehe = 20.0f;   // twips; neighbours lie 31 twips apart

// Pixel span [von, bis) of a cell edge at `twips` with extent `laenge`, clipped to
// [0, grenze); empty when nothing of it shows.
struct Spanne {
    int von = 0;
    int bis = 0;
    bool leer() const { return bis <= von; }
};
inline Spanne pixelSpanne(float twips, float laenge, int grenze)
{
    const float rand = 2.0f * gui::kTwipsJePixel;
    if (!(twips + laenge > -rand && twips < float(grenze * gui::kTwipsJePixel) + rand))
        return {};  // far outside (or not a number): never converted to int
    return {std::max(0, gui::px(twips)), std::min(grenze, gui::px(twips + laenge))};
}

struct Laufbilanz {
    int auswertungen = 0;      // PmvBerechnen calls
    int zellen = 0;            // cells drawn (grid points inside a band)
    int fehler = 0;            // evaluations without a result (floating-point error, ISO iteration unsettled)
    model::PmvEingabe letzte;  // the inputs of the last grid point
};

// A float32 loop from `von` by `schritt` while the value has not passed `bis` (≤ for a
// positive step, ≥ for a negative one). A step too small to change the value ends it.
template <typename Schritt>
void gleitSchleife(float von, float bis, float schritt, Schritt&& koerper)
{
    if (!(schritt != 0.0f) || !std::isfinite(schritt) || !std::isfinite(von) || !std::isfinite(bis))
        return;
    for (float v = von; schritt > 0.0f ? v <= bis : v >= bis;) {
        koerper(v);
        const float naechster = v + schritt;
        if (naechster == v)
            break;
        v = naechster;
    }
}

// zelle(Spanne spalte, Spanne zeile, float pmv) for every evaluated grid point.
template <typename Zelle>
Laufbilanz rasterDurchlaufen(const model::PmvEingabe& vorbereitet, float v_rel, int xGroesse, int yGroesse,
                             const Achsen& achsen, int breitePx, int hoehePx, Zelle&& zelle,
                             model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch)
{
    Laufbilanz bilanz;
    bilanz.letzte = vorbereitet;
    const Geometrie& g = achsen.geometrie;
    const Bereich& b = achsen.bereich;
    if (!g.xMassstab() || !g.yMassstab())
        return bilanz;

    // Every column runs the same y values; rows whose cells cannot show are left out.
    struct Zeile {
        float y;
        Spanne pixel;
    };
    std::vector<Zeile> zeilen;
    gleitSchleife(b.Ymin, b.Ymax, g.Yschritt, [&](float y) {
        const Spanne s = pixelSpanne(kY0 - g.ky * y, kZelleHoehe, hoehePx);
        if (!s.leer())
            zeilen.push_back({y, s});
    });

    model::PmvEingabe e = vorbereitet;
    model::PmvErgebnis ergebnis;
    gleitSchleife(b.Xmin, b.Xmax, g.Xschritt, [&](float x) {
        const Spanne spalte = pixelSpanne(kX0 + g.kx * x, kZelleBreite, breitePx);
        if (spalte.leer() || zeilen.empty())
            return;
        setzeGroesse(e, xGroesse, x, v_rel);
        for (const Zeile& z : zeilen) {
            setzeGroesse(e, yGroesse, z.y, v_rel);
            ++bilanz.auswertungen;
            if (!PmvBerechnen(e, ergebnis, verfahren)) {
                ++bilanz.fehler;
                continue;
            }
            if (zelle(spalte, z.pixel, ergebnis.PMV))
                ++bilanz.zellen;
        }
    });
    bilanz.letzte = e;
    return bilanz;
}

}  // namespace diagram
