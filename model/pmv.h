// SPDX-License-Identifier: GPL-3.0-or-later
// PMV and PPD by the heat balance of ISO 7730, in the classic kcal form with 273 K.
// Pure functions of their arguments: the program-wide records (programm.h) sit on top.
#pragma once

#include "raumklima.h"

namespace model {

// Saturation vapour pressure over water in Pa for t in °C (Magnus form, also below 0 °C).
float Saettigungsdruck(float t);

// Clothing area factor for Icl in clo; two linear branches that meet at 0.078 m²·K/W.
float Kleidungsflaechenfaktor(float Icl);

// The inputs of one evaluation from the user's values. With tsGleichTi the radiant
// temperature follows the air temperature ("Ts = Ti" in the main window).
PmvEingabe PmvEingabeAus(const Raumklima& klima, bool tsGleichTi);

// Evaluates one case. Returns false when a floating-point error (overflow, invalid
// operation, division by zero) occurred; `ergebnis` is then undefined.
[[nodiscard]] bool PmvBerechnen(const PmvEingabe& eingabe, PmvErgebnis& ergebnis);

}  // namespace model
