// SPDX-License-Identifier: GPL-3.0-or-later
#include "jahresauswertung.h"

#include "zahlen.h"

#include <QCryptographicHash>
#include <QFile>

using namespace batch;
using namespace model;

namespace evaluation {

Auswertungslauf StapellaufAuswerten(const Dateiplan& plan, const Stapeleinstellungen& einstellungen,
                                    const Fortschritt& fortschritt)
{
    Jahreszaehler zaehler(einstellungen.hatSpalte(kJahresstunde));
    Auswertungslauf lauf;
    lauf.stunden = StundenwerteFuer(einstellungen, plan.eingabe);
    lauf.ergebnis = Stapellauf(plan, einstellungen, fortschritt, [&](const Stundenwert& w) {
        zaehler.zaehle(w.gerechnet, w.pmv, w.stunde);
        lauf.stunden.aufnehmen(w);
    });
    if (!lauf.ergebnis.erfolgreich)
        return lauf;
    const int64_t gesamt = lauf.ergebnis.datenzeilenImEingang;
    lauf.auswertung = std::move(zaehler).abschliessen(gesamt >= 0 ? gesamt : lauf.ergebnis.datenzeilen);
    // The fingerprint of what was read: the data in memory, or the file, which a result read
    // again has become the backup.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QFile gelesen(plan.sicherung.isEmpty() ? plan.eingabe : plan.sicherung);
    if (plan.inhalt)
        hash.addData(*plan.inhalt);
    if (plan.inhalt || (gelesen.open(QIODevice::ReadOnly) && hash.addData(&gelesen)))
        lauf.stunden.sha256 = hash.result().toHex();
    return lauf;
}

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
                                     const Auswertungslauf& lauf)
{
    Jahresauswertung j;
    j.datendatei = plan.eingabe;
    j.ergebnisdatei = plan.ausgabe;
    j.sicherung = plan.sicherung;
    j.umbenannt = plan.beiseiteNach;
    j.zaehlung = lauf.auswertung;
    j.gekuerzt = GekuerzteBereiche(einstellungen, lauf.ergebnis.laengen);
    j.stunden = lauf.stunden;
    return j;
}

}  // namespace evaluation
