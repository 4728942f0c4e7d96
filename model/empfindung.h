// SPDX-License-Identifier: GPL-3.0-or-later
// The seven bands of thermal sensation on the PMV scale: their names and limits in one table,
// shared by the main window's scale, the diagram's colours and legend and the batch run's
// summary.
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace model {

inline constexpr int kEmpfindungsbaender = 7;

struct Empfindung {
    const char16_t* name;  // two-word names break at the blank on the scales
    float untergrenze;     // the band is closed below (except the first, open at −3) ...
    float obergrenze;      // ... and open above
    int skalenwert;        // the vote the main window's scale writes under the name
};

// From "kalt" (index 0) to "heiß" (index 6).
inline constexpr std::array<Empfindung, kEmpfindungsbaender> kEmpfindungen{{
    {u"kalt", -3.0f, -2.0f, -3},
    {u"kühl", -2.0f, -1.0f, -2},
    {u"etwas kühl", -1.0f, -0.5f, -1},
    {u"neutral", -0.5f, 0.5f, 0},
    {u"etwas warm", 0.5f, 1.0f, 1},
    {u"warm", 1.0f, 2.0f, 2},
    {u"heiß", 2.0f, 3.0f, 3},
}};

// The band of a vote, from 0 "kalt" to 6 "heiß", each closed below and open above. A vote
// of exactly −3 or 3 (a clipped one), anything beyond, and NaN lie in no band.
std::optional<int> Empfindungsband(float pmv);

// "kalt", "kühl", "etwas kühl", "neutral", "etwas warm", "warm", "heiß"; empty outside 0 to 6.
QString Empfindungsname(int band);

// The limits of a band as the batch summary writes them, e.g. "-0,5 ≤ PMV < 0,5".
QString Empfindungsgrenzen(int band, QChar dezimaltrenner);

}  // namespace model
