// SPDX-License-Identifier: GPL-3.0-or-later
// "At which value of the x quantity is it neutral for these people?": PMV = 0 solved directly
// along the x range, with the y quantity at one value (the main window's).
#pragma once

#include "groessen.h"
#include "raster.h"
#include "rechenverfahren.h"

#include <QString>

#include <vector>

namespace diagram {

// The x values between `von` and `bis` at which the vote passes `ziel`, ascending: the range
// is scanned in `teile` steps for a change of sign, each change then halved down to float
// precision. Points without result are skipped.
std::vector<double> neutraleWerte(const model::PmvEingabe& vorbereitet, float v_rel, int xGroesse, int yGroesse,
                                  float yWert, double von, double bis, model::Rechenverfahren verfahren,
                                  float ziel = 0.0f, int teile = 200);

// The main window's value of a diagram quantity (Ts is Ti while "Ts = Ti").
float aktuellerWert(const model::Raumklima& klima, bool tsGleichTi, int groesse);

// A value of a quantity with its symbol and unit, as the window and the report write it:
// "Ti = 23,4 °C".
QString groessenText(int groesse, double wert);

// "neutral bei Ti = 23,4 °C (Ts = 20,0 °C)", several values joined by "und"; without any
// "nicht neutral zwischen Ti = … und … (Ts = …)".
QString neutralText(const std::vector<double>& werte, int xGroesse, double von, double bis, int yGroesse, float yWert);

// The neutral value of a run as the window and the report give it: along the computed x range,
// with the y quantity at its value in `klima`. Empty for an empty grid.
QString neutralTextFuer(const Rasterwerte& raster, const model::PmvEingabe& vorbereitet, const model::Raumklima& klima,
                        bool tsGleichTi);

}  // namespace diagram
