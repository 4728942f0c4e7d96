// The seven bands of thermal sensation on the PMV scale, shared by the diagram's colours and
// the batch run's summary.
#pragma once

#include <QString>

#include <optional>

inline constexpr int kEmpfindungsbaender = 7;

// The band of a vote, from 0 "kalt" to 6 "heiß", each closed below and open above. A vote
// of exactly −3 or 3 (a clipped one), anything beyond, and NaN lie in no band.
std::optional<int> Empfindungsband(float pmv);

// "kalt", "kühl", "etwas kühl", "neutral", "etwas warm", "warm", "heiß"; empty outside 0 to 6.
QString Empfindungsname(int band);
