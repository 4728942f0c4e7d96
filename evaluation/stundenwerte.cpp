// SPDX-License-Identifier: GPL-3.0-or-later
#include "stundenwerte.h"

#include "einstellungen.h"
#include "zahlen.h"
#include "zeilen.h"

#include <cmath>

using namespace batch;
using namespace model;

namespace evaluation {

void Stundenwerte::aufnehmen(const Stundenwert& w)
{
    ++datenzeilen;
    // The hour as the result file writes it: rounded, halves away from zero.
    const double stunde = hatStundenspalte ? std::round(double(w.stunde)) : double(w.zeile);
    if (!(stunde >= 1.0 && stunde <= double(kSchaltjahresstunden))) {
        ++ausserhalb;
        return;
    }
    Stunde& s = stunden[std::size_t(stunde) - 1];
    wiederholt += s.vorhanden;
    s = {true, w.gerechnet, w.ta, w.tr, w.var, w.phi, w.taAussen, w.M, w.Icl, w.pmv, w.ppd};
}

int64_t Stundenwerte::vorhandeneStunden() const
{
    int64_t n = 0;
    for (const Stunde& s : stunden)
        n += s.vorhanden;
    return n;
}

int Stundenwerte::tageImJahr() const
{
    for (std::size_t h = kJahresstunden; h < stunden.size(); ++h)
        if (stunden[h].vorhanden)
            return kJahrestage + 1;
    return kJahrestage;
}

Stundenwerte StundenwerteFuer(const Stapeleinstellungen& e, const QString& datendatei)
{
    Stundenwerte w;
    w.hatStundenspalte = e.hatSpalte(kJahresstunde);
    w.hatAussenspalte = e.hatSpalte(kTaAussen);
    w.datendatei = datendatei;
    w.verfahren = e.verfahren;
    w.rechenverfahren = QString::fromUtf8(Verfahrensname(e.verfahren));
    // The proof's table is German whatever the locale: decimal comma.
    const QChar t = u',';
    const auto konstant = [&](int code, const QString& name, const QString& wert) {
        w.laufvorgaben.push_back({name, e.hatSpalte(code) ? QStringLiteral("aus der Datendatei") : wert});
    };
    konstant(kTi, QStringLiteral("Raumlufttemperatur"), formatiereZahl(e.Ti, 1, t) + QStringLiteral(" °C"));
    konstant(kTs, QStringLiteral("Strahlungstemperatur"),
             e.hatSpalte(kTi) ? QStringLiteral("gleich Raumlufttemperatur")
                              : formatiereZahl(e.Ti, 1, t) + QStringLiteral(" °C (gleich Raumlufttemperatur)"));
    konstant(kVLuft, QStringLiteral("Luftgeschwindigkeit"), formatiereZahl(e.v_Luft, 1, t) + QStringLiteral(" m/s"));
    konstant(kFeuchte, QStringLiteral("relative Luftfeuchte"), formatiereZahl(e.phi, 1, t) + QStringLiteral(" %"));
    if (e.nutzungsart == Nutzungsart::Jahreszeitunabhaengig) {
        w.laufvorgaben.push_back({QStringLiteral("Aktivität"), AktivitaetText(e.bereiche[0].aktivitaet)});
        w.laufvorgaben.push_back({QStringLiteral("Bekleidung"), BekleidungText(e.bereiche[0].bekleidung, t)});
    } else {
        for (int k = 0; k < kBereiche; ++k) {
            const Bereich& b = e.bereiche[std::size_t(k)];
            if (Zahlwert(QStringView(b.laenge)) > 0)
                w.laufvorgaben.push_back(
                    {QStringLiteral("Bereich %1").arg(Bereichsname(k)),
                     QStringLiteral("%1 Datenzeilen, %2, %3")
                         .arg(b.laenge.trimmed(), AktivitaetText(b.aktivitaet), BekleidungText(b.bekleidung, t))});
        }
    }
    return w;
}

}  // namespace evaluation
