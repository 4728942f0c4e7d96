// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweis.h"

namespace evaluation {

double OperativeTemperatur(double ta, double tr, double v)
{
    const double a = v < 0.2 ? 0.5 : v < 0.6 ? 0.6 : 0.7;
    return a * ta + (1.0 - a) * tr;
}

Nachweis NachweisBerechnen(const Stundenwerte&, const Nachweiseinstellungen&)
{
    Nachweis n;
    n.stunden.resize(std::size_t(batch::kSchaltjahresstunden));
    return n;
}

QString UrteileText(const Nachweis& nachweis)
{
    QString text;
    for (const Urteil& u : nachweis.urteile)
        text += u.text + u'\n';
    return text;
}

}  // namespace evaluation
