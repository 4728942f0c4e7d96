// SPDX-License-Identifier: GPL-3.0-or-later
#include "isolinien.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace diagram {

namespace {

// A grid edge: from point (i, j) along x (richtung 0) or along y (richtung 1).
using Kante = std::int64_t;

struct Strecke {
    Kante a, b;
    QPointF pa, pb;
};

class Verfolger {
public:
    Verfolger(const Rasterwerte& r, float stufe) : m_r(r), m_stufe(stufe), m_ny(r.y.size()) {}

    std::vector<Linienzug> flaeche() const
    {
        std::vector<Linienzug> teile;
        const std::size_t nx = m_r.x.size();
        if (nx < 2 || m_ny < 2)
            return teile;
        // Row by row, whole squares merged along x: a rasteriser then meets few edges that are
        // not horizontal, and a page of 300 dpi fills fast.
        for (std::size_t j = 0; j + 1 < m_ny; ++j) {
            std::size_t ganzAb = 0;  // first square of the current run of whole squares
            bool imLauf = false;
            for (std::size_t i = 0; i + 1 < nx; ++i) {
                const std::array<float, 4> v = ecken(i, j);
                const bool gueltig = std::none_of(v.begin(), v.end(), [](float w) { return std::isnan(w); });
                const bool ganz = gueltig && std::all_of(v.begin(), v.end(), [&](float w) { return w >= m_stufe; });
                if (ganz && !imLauf) {
                    ganzAb = i;
                    imLauf = true;
                }
                if (!ganz && imLauf) {
                    teile.push_back(rechteck(j, ganzAb, i));
                    imLauf = false;
                }
                if (gueltig && !ganz)
                    teilflaeche(i, j, v, teile);
            }
            if (imLauf)
                teile.push_back(rechteck(j, ganzAb, nx - 1));
        }
        return teile;
    }

    std::vector<Strecke> strecken() const
    {
        std::vector<Strecke> ergebnis;
        if (m_r.x.size() < 2 || m_ny < 2)
            return ergebnis;
        for (std::size_t i = 0; i + 1 < m_r.x.size(); ++i)
            for (std::size_t j = 0; j + 1 < m_ny; ++j)
                quadrat(i, j, ergebnis);
        return ergebnis;
    }

private:
    Kante kante(std::size_t i, std::size_t j, int richtung) const
    {
        return Kante((i * m_ny + j) * 2 + std::size_t(richtung));
    }

    // The crossing on the edge from (i, j) to its neighbour; always interpolated from the
    // edge's first point, so that the two squares sharing it get the very same point.
    QPointF schnitt(std::size_t i, std::size_t j, int richtung) const
    {
        const std::size_t i2 = i + (richtung == 0 ? 1 : 0), j2 = j + (richtung == 1 ? 1 : 0);
        const double v1 = m_r.wert(i, j), v2 = m_r.wert(i2, j2);
        const double t = v2 == v1 ? 0.5 : std::clamp((double(m_stufe) - v1) / (v2 - v1), 0.0, 1.0);
        return {m_r.x[i] + t * (double(m_r.x[i2]) - m_r.x[i]), m_r.y[j] + t * (double(m_r.y[j2]) - m_r.y[j])};
    }

    // Corners around the square (i, j): (i, j), (i+1, j), (i+1, j+1), (i, j+1).
    std::array<float, 4> ecken(std::size_t i, std::size_t j) const
    {
        return {m_r.wert(i, j), m_r.wert(i + 1, j), m_r.wert(i + 1, j + 1), m_r.wert(i, j + 1)};
    }
    std::array<QPointF, 4> eckpunkte(std::size_t i, std::size_t j) const
    {
        return {
            {{m_r.x[i], m_r.y[j]}, {m_r.x[i + 1], m_r.y[j]}, {m_r.x[i + 1], m_r.y[j + 1]}, {m_r.x[i], m_r.y[j + 1]}}};
    }
    // The edge from each corner to the next, with the level's crossing on it.
    std::array<std::pair<Kante, QPointF>, 4> kantenVon(std::size_t i, std::size_t j) const
    {
        return {{
            {kante(i, j, 0), schnitt(i, j, 0)},
            {kante(i + 1, j, 1), schnitt(i + 1, j, 1)},
            {kante(i, j + 1, 0), schnitt(i, j + 1, 0)},
            {kante(i, j, 1), schnitt(i, j, 1)},
        }};
    }
    // A saddle (corners inside and outside by turns): whether the two inside corners meet in
    // the middle, judged by the mean of the four.
    bool mitteInnen(const std::array<float, 4>& v) const { return (v[0] + v[1] + v[2] + v[3]) / 4.0f >= m_stufe; }

    // Grid row j to j+1 from column `von` to column `bis`.
    Linienzug rechteck(std::size_t j, std::size_t von, std::size_t bis) const
    {
        return {{m_r.x[von], m_r.y[j]}, {m_r.x[bis], m_r.y[j]}, {m_r.x[bis], m_r.y[j + 1]}, {m_r.x[von], m_r.y[j + 1]}};
    }

    void teilflaeche(std::size_t i, std::size_t j, const std::array<float, 4>& v, std::vector<Linienzug>& aus) const
    {
        const std::array<QPointF, 4> ecke = eckpunkte(i, j);
        const std::array<std::pair<Kante, QPointF>, 4> kanten = kantenVon(i, j);
        std::array<bool, 4> innen{};
        for (std::size_t k = 0; k < 4; ++k)
            innen[k] = v[k] >= m_stufe;
        const bool sattel = innen[0] == innen[2] && innen[1] == innen[3] && innen[0] != innen[1];
        if (sattel && !mitteInnen(v)) {
            // The inside corners do not meet: each is cut off by its own piece of line.
            for (std::size_t k = 0; k < 4; ++k)
                if (innen[k])
                    aus.push_back({kanten[(k + 3) % 4].second, ecke[k], kanten[k].second});
            return;
        }
        Linienzug teil;
        for (std::size_t k = 0; k < 4; ++k) {
            if (innen[k])
                teil.push_back(ecke[k]);
            if (innen[k] != innen[(k + 1) % 4])
                teil.push_back(kanten[k].second);
        }
        if (teil.size() >= 3)
            aus.push_back(std::move(teil));
    }

    void quadrat(std::size_t i, std::size_t j, std::vector<Strecke>& aus) const
    {
        const std::array<float, 4> v = ecken(i, j);
        if (std::any_of(v.begin(), v.end(), [](float w) { return std::isnan(w); }))
            return;
        const std::array<std::pair<Kante, QPointF>, 4> kanten = kantenVon(i, j);
        std::array<bool, 4> innen{};
        for (std::size_t k = 0; k < 4; ++k)
            innen[k] = v[k] >= m_stufe;
        std::array<std::size_t, 4> gekreuzt{};
        std::size_t n = 0;
        for (std::size_t k = 0; k < 4; ++k)
            if (innen[k] != innen[(k + 1) % 4])
                gekreuzt[n++] = k;
        auto verbinden = [&](std::size_t k1, std::size_t k2) {
            aus.push_back({kanten[k1].first, kanten[k2].first, kanten[k1].second, kanten[k2].second});
        };
        if (n == 2) {
            verbinden(gekreuzt[0], gekreuzt[1]);
        } else if (n == 4) {
            // When the two inside corners meet in the middle, the line cuts off the other two.
            if (mitteInnen(v) == innen[0]) {
                verbinden(0, 1);  // around corner 1
                verbinden(2, 3);  // around corner 3
            } else {
                verbinden(3, 0);  // around corner 0
                verbinden(1, 2);  // around corner 2
            }
        }
    }

    const Rasterwerte& m_r;
    const float m_stufe;
    const std::size_t m_ny;
};

// Joins the pieces that share an edge into lines: open lines from one of their ends, then
// the closed ones.
std::vector<Linienzug> verbinden(const std::vector<Strecke>& strecken)
{
    std::unordered_map<Kante, std::array<int, 2>> anKante;
    anKante.reserve(strecken.size() * 2);
    for (int s = 0; s < int(strecken.size()); ++s)
        for (const Kante k : {strecken[std::size_t(s)].a, strecken[std::size_t(s)].b}) {
            auto [eintrag, neu] = anKante.try_emplace(k, std::array<int, 2>{-1, -1});
            eintrag->second[eintrag->second[0] < 0 ? 0 : 1] = s;
        }
    std::vector<bool> benutzt(strecken.size(), false);
    std::vector<Linienzug> linien;
    auto verfolgen = [&](int start, Kante von) {
        Linienzug zug;
        int s = start;
        Kante kante = von;
        zug.push_back(strecken[std::size_t(s)].a == kante ? strecken[std::size_t(s)].pa : strecken[std::size_t(s)].pb);
        while (s >= 0 && !benutzt[std::size_t(s)]) {
            benutzt[std::size_t(s)] = true;
            const Strecke& st = strecken[std::size_t(s)];
            const bool vorwaerts = st.a == kante;
            kante = vorwaerts ? st.b : st.a;
            zug.push_back(vorwaerts ? st.pb : st.pa);
            const std::array<int, 2>& nachbarn = anKante[kante];
            s = nachbarn[0] == s ? nachbarn[1] : nachbarn[0];
        }
        linien.push_back(std::move(zug));
    };
    for (int s = 0; s < int(strecken.size()); ++s) {
        if (benutzt[std::size_t(s)])
            continue;
        const Strecke& st = strecken[std::size_t(s)];
        if (anKante[st.a][1] < 0)
            verfolgen(s, st.a);
        else if (anKante[st.b][1] < 0)
            verfolgen(s, st.b);
    }
    for (int s = 0; s < int(strecken.size()); ++s)
        if (!benutzt[std::size_t(s)])
            verfolgen(s, strecken[std::size_t(s)].a);
    return linien;
}

}  // namespace

std::vector<Linienzug> isolinie(const Rasterwerte& raster, float stufe)
{
    return verbinden(Verfolger(raster, stufe).strecken());
}

std::vector<Linienzug> flaecheAbStufe(const Rasterwerte& raster, float stufe)
{
    return Verfolger(raster, stufe).flaeche();
}

std::vector<double> schnittMitZeile(const std::vector<Linienzug>& linie, double wert)
{
    std::vector<double> xs;
    for (const Linienzug& zug : linie)
        for (std::size_t k = 0; k + 1 < zug.size(); ++k) {
            const QPointF p = zug[k], q = zug[k + 1];
            if ((p.y() < wert) == (q.y() < wert) || p.y() == q.y())
                continue;
            const double t = (wert - p.y()) / (q.y() - p.y());
            xs.push_back(p.x() + t * (q.x() - p.x()));
        }
    std::sort(xs.begin(), xs.end());
    return xs;
}

}  // namespace diagram
