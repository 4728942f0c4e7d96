// SPDX-License-Identifier: GPL-3.0-or-later
#include "raster.h"

#include <limits>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

using namespace model;

namespace diagram {

namespace {

// Qt's AVX2 fill and line routines can return with the upper halves of the vector registers
// in use; the plain SSE code of the evaluation then pays a state-transition penalty on
// nearly every instruction (a run took 60 % longer after clearing the image). Clearing
// them before the grid costs one instruction.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx"))) void obereVektorhaelftenLeeren() { _mm256_zeroupper(); }
void vektorzustandBereinigen()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        obereVektorhaelftenLeeren();
}
#else
void vektorzustandBereinigen() {}
#endif

}  // namespace

Rasterwerte rasterBerechnen(const PmvEingabe& vorbereitet, float v_rel, int xGroesse, int yGroesse, const Geometrie& g,
                            const Bereich& b, Rechenverfahren verfahren)
{
    Rasterwerte r;
    r.xGroesse = xGroesse;
    r.yGroesse = yGroesse;
    r.verfahren = verfahren;
    r.letzte = vorbereitet;
    if (!g.xMassstab() || !g.yMassstab())
        return r;

    // Every column runs the same y values; rows and columns whose cells cannot show are left out.
    gleitSchleife(b.Ymin, b.Ymax, g.Yschritt, [&](float y) {
        if (!zeilenSpanne(g, y).leer())
            r.y.push_back(y);
    });
    if (r.y.empty())
        return r;
    gleitSchleife(b.Xmin, b.Xmax, g.Xschritt, [&](float x) {
        if (!spaltenSpanne(g, x).leer())
            r.x.push_back(x);
    });
    r.pmv.resize(r.x.size() * r.y.size());
    vektorzustandBereinigen();

    PmvEingabe e = vorbereitet;
    PmvErgebnis ergebnis;
    float* wert = r.pmv.data();
    for (const float x : r.x) {
        setzeGroesse(e, xGroesse, x, v_rel);
        for (const float y : r.y) {
            setzeGroesse(e, yGroesse, y, v_rel);
            ++r.auswertungen;
            if (PmvBerechnen(e, ergebnis, verfahren)) {
                *wert++ = ergebnis.PMVroh;
            } else {
                ++r.fehler;
                *wert++ = std::numeric_limits<float>::quiet_NaN();
            }
        }
    }
    r.letzte = e;
    return r;
}

}  // namespace diagram
