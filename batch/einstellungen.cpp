// SPDX-License-Identifier: GPL-3.0-or-later
#include "einstellungen.h"

#include "zahlen.h"

#include <algorithm>

using namespace model;

namespace batch {

QString AktivitaetText(int wm2) { return QString::number(wm2) + QStringLiteral(" W/m²"); }

QString BekleidungText(double clo, QChar trenner) { return formatiereZahl(clo, 2, trenner) + QStringLiteral(" clo"); }

Bereich BereichAus(const QString& laenge, int aktivitaet, float bekleidung, QChar trenner)
{
    Bereich b;
    b.laenge = laenge;
    b.aktivitaet = int16_t(aktivitaet);
    b.bekleidung = bekleidung;
    b.aktivitaetText = AktivitaetText(aktivitaet);
    b.bekleidungText = BekleidungText(bekleidung, trenner);
    return b;
}

bool Stapeleinstellungen::hatSpalte(int code) const
{
    return std::find(zuordnung.begin(), zuordnung.end(), int16_t(code)) != zuordnung.end();
}

}  // namespace batch
