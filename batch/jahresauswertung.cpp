// SPDX-License-Identifier: GPL-3.0-or-later
#include "jahresauswertung.h"

#include "zahlen.h"

using namespace model;

namespace batch {

std::vector<GekuerzterBereich> GekuerzteBereiche(const Stapeleinstellungen& e,
                                                 const std::array<QString, kBereiche>& laengen)
{
    std::vector<GekuerzterBereich> gekuerzt;
    if (e.nutzungsart != Nutzungsart::Jahreszeitabhaengig)
        return gekuerzt;
    for (int k = 0; k < kBereiche; ++k) {
        const QString& angegeben = e.bereiche[std::size_t(k)].laenge;
        if (laengen[std::size_t(k)] != angegeben && Zahlwert(QStringView(angegeben)) > 0)
            gekuerzt.push_back({k, angegeben, laengen[std::size_t(k)].trimmed()});
    }
    return gekuerzt;
}

Jahresauswertung JahresauswertungAus(const Dateiplan& plan, const Stapeleinstellungen& einstellungen,
                                     const Stapelergebnis& ergebnis)
{
    Jahresauswertung j;
    j.datendatei = plan.eingabe;
    j.ergebnisdatei = plan.ausgabe;
    j.sicherung = plan.sicherung;
    j.umbenannt = plan.beiseiteNach;
    j.zaehlung = ergebnis.auswertung;
    j.gekuerzt = GekuerzteBereiche(einstellungen, ergebnis.laengen);
    return j;
}

}  // namespace batch
