// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways of computing PMV and PPD, and the one call every consumer makes with the
// method as a value: the classic kcal form (the default) or ISO 7730:2005 Annex D.
#pragma once

#include "pmv.h"
#include "pmv_iso.h"

#include <optional>
#include <string_view>

namespace model {

enum class Rechenverfahren { Klassisch, Iso7730 };

// "klassisch (wie TEMPARA 1.3)" or "ISO 7730:2005 (Anhang D)": menus, panels, legends, reports.
const char* Verfahrensname(Rechenverfahren verfahren);

// The short name files and picture parameters carry: "klassisch" or "ISO 7730:2005".
const char* Verfahrenskurzname(Rechenverfahren verfahren);

// The word of the command line and the settings: "klassisch" or "iso".
const char* Verfahrenswort(Rechenverfahren verfahren);
std::optional<Rechenverfahren> VerfahrenAusWort(std::string_view wort);

inline bool PmvBerechnen(const PmvEingabe& eingabe, PmvErgebnis& ergebnis, Rechenverfahren verfahren)
{
    return verfahren == Rechenverfahren::Iso7730 ? PmvBerechnenIso(eingabe, ergebnis) : PmvBerechnen(eingabe, ergebnis);
}

// Several independent cases, each as PmvBerechnen gives it; the ISO method overlaps them.
inline void PmvBerechnenGruppe(const PmvEingabe* eingaben, PmvErgebnis* ergebnisse, bool* gerechnet, int anzahl,
                               Rechenverfahren verfahren)
{
    if (verfahren == Rechenverfahren::Iso7730)
        return PmvBerechnenIsoGruppe(eingaben, ergebnisse, gerechnet, anzahl);
    for (int i = 0; i < anzahl; ++i)
        gerechnet[i] = PmvBerechnen(eingaben[i], ergebnisse[i]);
}

}  // namespace model
