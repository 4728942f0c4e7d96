// SPDX-License-Identifier: GPL-3.0-or-later
// PMV and PPD as ISO 7730:2005 computes them in Annex D: SI units, double precision, the
// annex's damped iteration on the clothing surface temperature and its closed PPD form.
#pragma once

#include "raumklima.h"

namespace model {

// Saturation vapour pressure over water in Pa for t in °C, the annex's form.
double SaettigungsdruckIso(double t);

// Clothing area factor for Icl in clo by the annex (1,00 + 1,290·I_cl up to 0,078 m²·K/W).
double KleidungsflaechenfaktorIso(double Icl);

// Reads ta, tr, var, phi, M, eta and Icl of `eingabe` (its classic fcl is not used).
// Returns false when the iteration did not settle within 150 passes or a value is not
// finite; `ergebnis` is then undefined. PMV is not clipped.
[[nodiscard]] bool PmvBerechnenIso(const PmvEingabe& eingabe, PmvErgebnis& ergebnis);

// `anzahl` independent cases, kGruppenbreite of them side by side so that their passes
// overlap; gerechnet[i] and ergebnisse[i] are bit for bit what PmvBerechnenIso gives case i.
inline constexpr int kGruppenbreite = 4;
void PmvBerechnenIsoGruppe(const PmvEingabe* eingaben, PmvErgebnis* ergebnisse, bool* gerechnet, int anzahl);

}  // namespace model
