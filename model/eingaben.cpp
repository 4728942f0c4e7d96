// SPDX-License-Identifier: GPL-3.0-or-later
#include "eingaben.h"

#include "zahlen.h"

#include <algorithm>
#include <cmath>

namespace model {

double wert(const Raumklima& k, Eingabe e)
{
    switch (e) {
    case Eingabe::Ti: return k.Ti;
    case Eingabe::Ts: return k.Ts;
    case Eingabe::v_Luft: return k.v_Luft;
    case Eingabe::phi: return k.phi;
    case Eingabe::Icl: return k.Icl;
    case Eingabe::M: return k.M;
    case Eingabe::W: return k.W;
    case Eingabe::v_rel: return k.v_rel;
    }
    return 0;
}

void setzeWert(Raumklima& k, Eingabe e, double w)
{
    switch (e) {
    case Eingabe::Ti: k.Ti = float(w); break;
    case Eingabe::Ts: k.Ts = float(w); break;
    case Eingabe::v_Luft: k.v_Luft = float(w); break;
    case Eingabe::phi: k.phi = int16_t(w); break;
    case Eingabe::Icl: k.Icl = float(w); break;
    case Eingabe::M: k.M = int16_t(w); break;
    case Eingabe::W: k.W = int16_t(w); break;
    case Eingabe::v_rel: k.v_rel = float(w); break;
    }
}

double wertBei(Eingabe e, int stellung) { return stellung * eingabeart(e).faktor; }

int stellungFuer(Eingabe e, double w)
{
    const Eingabeart& a = eingabeart(e);
    // lround, not the current rounding mode: a tie rounds the same way everywhere.
    const double stellung = std::clamp(w / a.faktor, double(a.min), double(a.max));
    return int(std::lround(stellung));
}

QString werttext(Eingabe e, double w)
{
    const Eingabeart& a = eingabeart(e);
    return formatiereZahl(w, a.stellen) + QString::fromUtf8(a.einheit);
}

}  // namespace model
