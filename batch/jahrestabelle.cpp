// SPDX-License-Identifier: GPL-3.0-or-later
#include "jahrestabelle.h"

#include "dateifehler.h"

using namespace model;

namespace batch {

namespace {

void zeile(QByteArray& text, const QString& zeitraum, const Zaehlung& z)
{
    text += zeitraum.toUtf8();
    text += ';' + QByteArray::number(z.datenzeilen);
    for (const int64_t stunden : z.baender)
        text += ';' + QByteArray::number(stunden);
    for (const int64_t anzahl : {z.ausserhalb, z.kategorieA, z.kategorieB, z.kategorieC, z.rechenfehler})
        text += ';' + QByteArray::number(anzahl);
    text += "\r\n";
}

}  // namespace

QByteArray TabelleCsv(const Auswertung& a)
{
    QByteArray text = "\xEF\xBB\xBFZeitraum;Datenzeilen";
    for (int band = 0; band < kEmpfindungsbaender; ++band)
        text += ';' + Empfindungsname(band).toUtf8();
    text += ";begrenzt;A;B;C;Fehler\r\n";
    if (a.nachMonaten)
        for (int m = 0; m < kAnzahlMonate; ++m)
            zeile(text, QString::fromUtf16(kMonate[std::size_t(m)].vollname), a.monate[std::size_t(m)]);
    zeile(text, QStringLiteral("Summe"), a);
    return text;
}

bool TabelleSchreiben(const Auswertung& auswertung, const QString& pfad, QString* grund)
{
    return SicherSchreiben(pfad, TabelleCsv(auswertung), grund);
}

}  // namespace batch
