// SPDX-License-Identifier: GPL-3.0-or-later
#include "jahrestabelle.h"

#include "zieldatei.h"

using namespace batch;
using namespace model;

namespace evaluation {

Jahrestabelle TabelleAus(const Auswertung& a)
{
    Jahrestabelle t;
    t.spalten << QStringLiteral("Datenzeilen");
    for (int band = 0; band < kEmpfindungsbaender; ++band)
        t.spalten << Empfindungsname(band);
    t.spalten << QStringLiteral("begrenzt") << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("C")
              << QStringLiteral("Fehler");
    const auto zeile = [&t](const QString& zeitraum, const Zaehlung& z) {
        std::vector<int64_t> werte{z.datenzeilen};
        werte.insert(werte.end(), z.baender.begin(), z.baender.end());
        werte.insert(werte.end(), {z.ausserhalb, z.kategorieA, z.kategorieB, z.kategorieC, z.rechenfehler});
        t.zeilen.append({zeitraum, std::move(werte)});
    };
    if (a.nachMonaten)
        for (int m = 0; m < kAnzahlMonate; ++m)
            zeile(QString::fromUtf16(kMonate[std::size_t(m)].vollname), a.monate[std::size_t(m)]);
    zeile(QStringLiteral("Summe"), a);
    return t;
}

QByteArray TabelleCsv(const Auswertung& a)
{
    const Jahrestabelle t = TabelleAus(a);
    QByteArray text = "\xEF\xBB\xBFZeitraum;" + t.spalten.join(u';').toUtf8() + "\r\n";
    for (const Jahrestabelle::Zeile& z : t.zeilen) {
        text += z.zeitraum.toUtf8();
        for (const int64_t wert : z.werte)
            text += ';' + QByteArray::number(wert);
        text += "\r\n";
    }
    return text;
}

bool TabelleSchreiben(const Auswertung& auswertung, const QString& pfad, QString* grund)
{
    return SicherSchreiben(pfad, TabelleCsv(auswertung), grund);
}

}  // namespace evaluation
