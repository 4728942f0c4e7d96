// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of one run: x and y step through their ranges by repeated float32 addition, the
// two chosen fields of the prepared inputs change per point, and every grid point whose cell
// can show in the drawing area is evaluated. The values are kept: the window's cells, the
// report's bands and the lines of constant PMV are all painted from this one grid.
#pragma once

#include "geometrie.h"
#include "groessen.h"
#include "rechenverfahren.h"
#include "twips.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
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
inline Spanne spaltenSpanne(const Geometrie& g, float x)
{
    return pixelSpanne(kX0 + g.kx * x, kZelleBreite, kFlaecheBreitePx);
}
inline Spanne zeilenSpanne(const Geometrie& g, float y)
{
    return pixelSpanne(kY0 - g.ky * y, kZelleHoehe, kFlaecheHoehePx);
}

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

// The evaluated grid: the columns and rows whose cells show, in the order of the run (a
// negative maximum runs them downwards), and the vote at every point.
struct Rasterwerte {
    int xGroesse = Lufttemperatur;
    int yGroesse = Strahlungstemperatur;
    model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch;
    std::vector<float> x;
    std::vector<float> y;
    // pmv[i * y.size() + j] for column i, row j, unclipped (the bands treat a vote beyond ±3 as
    // the clipped one); NaN: no result
    std::vector<float> pmv;
    int auswertungen = 0;      // PmvBerechnen calls
    int fehler = 0;            // evaluations without a result (floating-point error, ISO iteration unsettled)
    model::PmvEingabe letzte;  // the inputs of the last grid point

    bool leer() const { return x.empty() || y.empty(); }
    float wert(std::size_t i, std::size_t j) const { return pmv[i * y.size() + j]; }
};

Rasterwerte rasterBerechnen(const model::PmvEingabe& vorbereitet, float v_rel, int xGroesse, int yGroesse,
                            const Geometrie& geometrie, const Bereich& bereich,
                            model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch);

}  // namespace diagram
