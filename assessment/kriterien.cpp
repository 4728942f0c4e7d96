// SPDX-License-Identifier: GPL-3.0-or-later
#include "kriterien.h"

#include "zahlen.h"

using namespace model::bewertung;
using namespace model;

namespace assessment {

const Kriteriumstext& text(Kriterium k)
{
    static const Kriteriumstext texte[kKriterien] = {
        {QStringLiteral("PMV (vorausgesagtes mittleres Votum)"),
         QStringLiteral("PMV"),
         {},
         {},
         QStringLiteral("gültig für −2 ≤ PMV ≤ 2, ta 10–30 °C, tr 10–40 °C, var 0–1 m/s, M 46–232 W/m², "
                        "Icl 0–2 clo, pa 0–2700 Pa")},
        {QStringLiteral("PPD (vorausgesagter Prozentsatz Unzufriedener)"),
         QStringLiteral("PPD"),
         {},
         {},
         QStringLiteral("gültig wie PMV")},
        {QStringLiteral("Zugluftrisiko DR"),
         QStringLiteral("DR"),
         {},
         {},
         QStringLiteral("gültig für ta,l 20–26 °C, va,l unter 0,5 m/s, Tu 10–60 %")},
        {QStringLiteral("Vertikaler Lufttemperaturunterschied"), QStringLiteral("PD vertikal"),
         QStringLiteral("Δta,v Kopf–Knöchel"), QStringLiteral(" K"), QStringLiteral("gültig für 0 bis unter 8 K")},
        {QStringLiteral("Fußbodentemperatur"), QStringLiteral("PD Fußboden"), QStringLiteral("tf"),
         QStringLiteral(" °C"), QStringLiteral("ISO 7730 nennt keinen Gültigkeitsbereich")},
        {QStringLiteral("Strahlungsasymmetrie: warme Decke"), QStringLiteral("PD warme Decke"), QStringLiteral("Δtpr"),
         QStringLiteral(" K"), QStringLiteral("gültig für 0 bis unter 23 K")},
        {QStringLiteral("Strahlungsasymmetrie: kalte Wand"), QStringLiteral("PD kalte Wand"), QStringLiteral("Δtpr"),
         QStringLiteral(" K"), QStringLiteral("gültig für 0 bis unter 15 K")},
        {QStringLiteral("Strahlungsasymmetrie: kalte Decke"), QStringLiteral("PD kalte Decke"), QStringLiteral("Δtpr"),
         QStringLiteral(" K"), QStringLiteral("gültig für 0 bis unter 15 K")},
        {QStringLiteral("Strahlungsasymmetrie: warme Wand"), QStringLiteral("PD warme Wand"), QStringLiteral("Δtpr"),
         QStringLiteral(" K"), QStringLiteral("gültig für 0 bis unter 35 K")},
    };
    return texte[static_cast<int>(k)];
}

QString kategorieText(Kategorie k)
{
    static const char16_t* const texte[] = {u"A", u"B", u"C", u"–"};
    return QString::fromUtf16(texte[static_cast<int>(k)]);
}

QColor kategorieFarbe(Kategorie k)
{
    static const QColor farben[] = {QColor(0x4c, 0xaf, 0x50), QColor(0xcd, 0xdc, 0x39), QColor(0xff, 0x98, 0x00),
                                    QColor(0xe5, 0x39, 0x35)};
    return farben[static_cast<int>(k)];
}

QString wertText(Kriterium k, double wert)
{
    // more decimals than the main window, so that a value at a limit shows on which side it lies
    if (k == Kriterium::PMV)
        return formatiereZahl(wert, 3);
    return formatiereZahl(wert, 2) + QStringLiteral(" %");
}

}  // namespace assessment
