// SPDX-License-Identifier: GPL-3.0-or-later
#include "jahreszaehlung.h"

#include <cmath>

using namespace batch;
using namespace model;

namespace evaluation {

void Zaehlung::zaehle(bool gerechnet, float pmv)
{
    ++datenzeilen;
    if (!gerechnet) {
        ++rechenfehler;
        return;
    }
    if (const std::optional<int> band = Empfindungsband(pmv))
        ++baender[std::size_t(*band)];
    else
        ++ausserhalb;
    const float betrag = std::fabs(pmv);
    kategorieA += betrag < 0.2f;
    kategorieB += betrag < 0.5f;
    kategorieC += betrag < 0.7f;
}

QString BegrenztText(Rechenverfahren verfahren)
{
    return verfahren == Rechenverfahren::Klassisch ? QStringLiteral("PMV = \u00B13") : QStringLiteral("|PMV| \u2265 3");
}

int8_t Zellwert(bool gerechnet, float pmv)
{
    if (!gerechnet)
        return kZelleFehler;
    const std::optional<int> band = Empfindungsband(pmv);
    return band ? int8_t(*band) : kZelleBegrenzt;
}

Jahreszaehler::Jahreszaehler(bool hatStundenspalte)
{
    m_a.nachMonaten = hatStundenspalte;
    m_a.stunden.assign(kSchaltjahresstunden, kZelleLeer);
}

void Jahreszaehler::stundeZaehlen(bool gerechnet, float pmv, float stunde)
{
    // The hour as the result file writes it: rounded, halves away from zero.
    const double gerundet = std::round(double(stunde));
    if (!(gerundet >= 1.0 && gerundet <= double(kSchaltjahresstunden)))
        return;
    const auto h = static_cast<long long>(gerundet);
    m_a.monate[std::size_t(*MonatDerStunde(h))].zaehle(gerechnet, pmv);
    m_a.stunden[std::size_t(h - 1)] = Zellwert(gerechnet, pmv);  // a repeated hour: the last line
}

Auswertung Jahreszaehler::abschliessen(int64_t datenzeilenDerDatei) &&
{
    if (!m_a.nachMonaten && datenzeilenDerDatei != kJahresstunden && datenzeilenDerDatei != kSchaltjahresstunden) {
        m_a.stunden.clear();
        m_a.stunden.shrink_to_fit();
        m_a.ohneTeppich = QStringLiteral("Kein Teppichbild: Die Datei hat keine Spalte \u201EJahresstunde\u201C, und "
                                         "nach der Zeilennummer geht es nur bei 8760 oder 8784 Datenzeilen; "
                                         "die Datei hat %1.")
                              .arg(datenzeilenDerDatei);
    }
    return std::move(m_a);
}

}  // namespace evaluation
