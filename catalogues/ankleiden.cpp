// SPDX-License-Identifier: GPL-3.0-or-later
#include "ankleiden.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace catalogues {

namespace {

const QString& stiefelBemerkung()
{
    // The two sentences are joined by a bare carriage return, as the message box shows them.
    static const QString text = u"Wenn Sie in den Stiefeln noch Schuhe anziehen möchten, achten Sie"_s + QChar(u'\r')
                                + u"bitte beim Kauf der Stiefel darauf, dass diese auch groß genug sind."_s;
    return text;
}

const QString zweiteHose = u"Sie tragen bereits eine Hose. Wollen Sie wirklich eine zweite Hose darüber ziehen?"_s;
const QString stiefelUeberSchuhe = u"Möchten Sie wirklich über die Schuhe noch Stiefel anziehen?"_s;
const QString jackeUndMantel =
    u"Achtung: Eine lange Jacke und ein Mantel können ggf. die Bewegungsfreiheit stark einschränken."_s;

const std::array<Plausibilitaetsregel, 7>& regelnMann()
{
    static const std::array<Plausibilitaetsregel, 7> regeln{{
        {{2, 3},
         [](const Auswahl& a) { return a[2] && a[3]; },
         u"Zwei Pyjamas übereinander? Sind Sie sicher?"_s,
         Meldungsart::Frage,
         BeiNein::AktuellesAbwaehlen},
        {{10},
         [](const Auswahl& a) { return a[10] && a[21] && !a[13] && !a[14]; },
         u"Shorts und ein langer Mantel - Ist das ein neuer Modetrend?"_s,
         Meldungsart::Frage,
         BeiNein::Nichts},
        {{13, 14},
         [](const Auswahl& a) { return a[13] && a[14]; },
         zweiteHose,
         Meldungsart::Frage,
         BeiNein::AktuellesAbwaehlen},
        {{15}, [](const Auswahl& a) { return a[15] && a[16]; }, stiefelBemerkung(), Meldungsart::Bemerkung},
        {{16},
         [](const Auswahl& a) { return a[15] && a[16]; },
         stiefelUeberSchuhe,
         Meldungsart::Frage,
         BeiNein::ZeileAbwaehlen,
         16},
        {{19},
         [](const Auswahl& a) { return a[19] && (a[2] || a[3]); },
         u"Sind Sie sicher, dass dieses Outfit zum Ausgehen geeignet ist?"_s,
         Meldungsart::Frage,
         BeiNein::ZeileAbwaehlen,
         19},
        {{20, 21}, [](const Auswahl& a) { return a[20] && a[21]; }, jackeUndMantel, Meldungsart::Bemerkung},
    }};
    return regeln;
}

const std::array<Plausibilitaetsregel, 7>& regelnFrau()
{
    static const std::array<Plausibilitaetsregel, 7> regeln{{
        {{10, 11},
         [](const Auswahl& a) { return a[10] && a[11]; },
         zweiteHose,
         Meldungsart::Frage,
         BeiNein::AktuellesAbwaehlen},
        {{12, 13},
         [](const Auswahl& a) { return (a[12] || a[13]) && (a[10] || a[11]); },
         u"Sie haben bereits eine Hose angezogen und wollen noch einen Rock darüber anziehen?"_s,
         Meldungsart::Frage,
         BeiNein::AktuellesAbwaehlen},
        // Looks at the selection as the rule above left it.
        {{12, 13},
         [](const Auswahl& a) { return a[12] && a[13]; },
         u"Erlauben Sie einen kleinen Hinweis: Sie tragen zwei Röcke übereinander!"_s,
         Meldungsart::Bemerkung},
        {{14},
         [](const Auswahl& a) { return a[14] && a[20] && !a[15]; },
         u"Handschuhe und ein Sommerkleid - Ist das ein neuer Modetrend?"_s,
         Meldungsart::Frage,
         BeiNein::Nichts},
        {{18}, [](const Auswahl& a) { return a[18] && a[19]; }, stiefelBemerkung(), Meldungsart::Bemerkung},
        {{19},
         [](const Auswahl& a) { return a[18] && a[19]; },
         stiefelUeberSchuhe,
         Meldungsart::Frage,
         BeiNein::ZeileAbwaehlen,
         19},
        {{21, 22}, [](const Auswahl& a) { return a[21] && a[22]; }, jackeUndMantel, Meldungsart::Bemerkung},
    }};
    return regeln;
}

int abzuwaehlen(const Plausibilitaetsregel& regel, int aktuell)
{
    switch (regel.beiNein) {
    case BeiNein::AktuellesAbwaehlen: return aktuell;
    case BeiNein::ZeileAbwaehlen: return regel.abzuwaehlendeZeile;
    case BeiNein::Nichts: break;
    }
    return -1;
}

bool loestAus(const Plausibilitaetsregel& regel, int aktuell)
{
    return std::ranges::find(regel.ausloeser, aktuell) != regel.ausloeser.end();
}

void pruefeRegeln(const Haelfte& haelfte, Auswahl& auswahl, int aktuell, Ankleidehilfe& hilfe)
{
    for (const Plausibilitaetsregel& regel : haelfte.regeln) {
        if (!loestAus(regel, aktuell) || !regel.bedingung(auswahl))
            continue;
        if (regel.art == Meldungsart::Bemerkung) {
            hilfe.bemerkung(regel.text);
            continue;
        }
        if (hilfe.frage(regel.text))
            continue;
        const int zeile = abzuwaehlen(regel, aktuell);
        if (zeile < 0 || !auswahl[std::size_t(zeile)])
            continue;  // nothing to undo, or the row is already off: no change, no re-run
        auswahl[std::size_t(zeile)] = false;
        hilfe.abgewaehlt(zeile);
        Klickbehandlung(haelfte, auswahl, aktuell, false, hilfe);
    }
}

}  // namespace

const Haelfte& HaelfteMann()
{
    static const Haelfte haelfte{KleidungMann(), 5.0, regelnMann()};
    return haelfte;
}

const Haelfte& HaelfteFrau()
{
    static const Haelfte haelfte{KleidungFrau(), 4.65, regelnFrau()};
    return haelfte;
}

float isolationssumme(std::span<const Kleidungsstueck> tabelle, const Auswahl& auswahl)
{
    float summe = 0;
    for (std::size_t i = 0; i < tabelle.size() && i < auswahl.size(); ++i)
        if (auswahl[i])
            summe += tabelle[i].Clo;
    return summe;
}

QString namensliste(std::span<const Kleidungsstueck> tabelle, const Auswahl& auswahl)
{
    QStringList namen;
    for (std::size_t i = 0; i < tabelle.size() && i < auswahl.size(); ++i)
        if (auswahl[i])
            namen.append(tabelle[i].Name);
    return namen.join(u", "_s);
}

int zeigerZeile(int y, int zeilenhoehe, int zeilen)
{
    if (y < 0 || zeilenhoehe <= 0)
        return -1;
    const int zeile = y / zeilenhoehe;
    return zeile < zeilen ? zeile : -1;
}

void Klickbehandlung(const Haelfte& haelfte, Auswahl& auswahl, int aktuell, bool ohnePruefung, Ankleidehilfe& hilfe)
{
    const float summe = isolationssumme(haelfte.tabelle, auswahl);
    hilfe.anzeigen(auswahl, summe);
    if (ohnePruefung)
        return;
    if (aktuell >= 0 && std::size_t(aktuell) < auswahl.size())
        pruefeRegeln(haelfte, auswahl, aktuell, hilfe);
    if (double(summe) > haelfte.expeditionsschwelle)
        hilfe.bemerkung(expeditionsText());
}

void Zuruecksetzen(const Haelfte& haelfte, Auswahl& auswahl, int aktuell, Ankleidehilfe& hilfe)
{
    for (std::size_t i = 0; i < auswahl.size(); ++i) {
        if (!auswahl[i])
            continue;
        auswahl[i] = false;
        hilfe.abgewaehlt(int(i));
        Klickbehandlung(haelfte, auswahl, aktuell, true, hilfe);
    }
    Klickbehandlung(haelfte, auswahl, aktuell, false, hilfe);
}

}  // namespace catalogues
