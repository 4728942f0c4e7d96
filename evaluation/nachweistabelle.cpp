// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweistabelle.h"

#include "version.h"
#include "zahlen.h"
#include "zieldatei.h"

#include <QFileInfo>

#include <charconv>
#include <cmath>

using namespace batch;
using namespace model;

namespace evaluation {

namespace {

QString zahl(double wert, int stellen) { return formatiereZahl(wert, stellen, u','); }

// A value at full precision: the shortest text that reads back as the same float.
QByteArray genau(float wert)
{
    if (!std::isfinite(wert))
        return {};
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    QByteArray text(puffer, int(ende - puffer));
    return text.replace('.', ',');
}

// A field as spreadsheets read it: quoted when it holds a separator, a quote or a line end.
QByteArray feld(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(';') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r'))
        return utf8;
    return '"' + utf8.replace("\"", "\"\"") + '"';
}

QString pmvKlassenname(Pmvklasse k)
{
    switch (k) {
    case Pmvklasse::Warm: return QStringLiteral("warm");
    case Pmvklasse::Kalt: return QStringLiteral("kalt");
    case Pmvklasse::Fehler: return QStringLiteral("Fehler");
    default: return KategorieText(int(k) + 1);
    }
}

QString adaptivKlassenname(Adaptivklasse k)
{
    switch (k) {
    case Adaptivklasse::ZuWarm: return QStringLiteral("zu warm");
    case Adaptivklasse::ZuKalt: return QStringLiteral("zu kalt");
    case Adaptivklasse::NichtAnwendbar: return QStringLiteral("nicht anwendbar");
    default: return KategorieText(int(k) + 1);
    }
}

}  // namespace

std::vector<Vorgabe> NachweisVorgaben(const Stundenwerte& w, const Nachweiseinstellungen& e)
{
    const int k = std::clamp(e.kategorie, 1, 3);
    std::vector<Vorgabe> v{
        {QStringLiteral("Projekt"), e.projekt},
        {QStringLiteral("Raum"), e.raum},
        {QStringLiteral("Bearbeiter"), e.bearbeiter},
        {QStringLiteral("Datendatei"), QFileInfo(w.datendatei).fileName()},
        {QStringLiteral("SHA-256 der Daten"), QString::fromLatin1(w.sha256)},
        {QStringLiteral("Rechenverfahren"), w.rechenverfahren},
        {QStringLiteral("Tempara-Version"), QString(kTemparaVersion)},
        {QStringLiteral("Nutzung"),
         QStringLiteral("%1 (%2)").arg(NutzungText(e.nutzung), NutzungBeschreibung(e.nutzung))},
        {QStringLiteral("Wochentag des 1. Januar"), WochentagName(e.ersterWochentag)},
        {QStringLiteral("Sommer-Klimaregion"),
         QStringLiteral("%1 (Bezugswert %2 °C)").arg(KlimaregionText(e.klimaregion), zahl(e.bezugstemperatur(), 0))},
        {QStringLiteral("Gebäudeart"), QStringLiteral("%1 (Grenze %2 Kh/a%3)")
                                           .arg(GebaeudeName(e.wirksameGebaeudeart()), zahl(e.gradstundengrenze(), 0),
                                                e.gebaeude ? QString() : QStringLiteral(", aus der Nutzung"))},
        {QStringLiteral("Auslegungskategorie"), QStringLiteral("%1 (|PMV| < %2, PPD-Grenze %3 %)")
                                                    .arg(KategorieText(k), zahl(kPmvGrenzen[std::size_t(k - 1)], 1),
                                                         zahl(kPpdGrenzen[std::size_t(k - 1)], 0))},
        {QStringLiteral("Toleranz"), ToleranzText(e.toleranz) + QStringLiteral(" der Nutzungsstunden")},
        {QStringLiteral("ASR-Mindestwert"), AsrMindestwertText(e.asrMindestwert)},
    };
    v.insert(v.end(), w.laufvorgaben.begin(), w.laufvorgaben.end());
    return v;
}

QByteArray NachweisCsv(const Nachweis& n, const Stundenwerte& w, const Nachweiseinstellungen& e)
{
    QByteArray text = "\xEF\xBB\xBF"
                      "Zeitraum;Nutzungsstunden;PMV I;PMV II;PMV III;PMV IV;PMV warm außerhalb IV;"
                      "PMV kalt außerhalb IV;PPD-gewichtet warm;PPD-gewichtet kalt;Übertemperaturgradstunden;"
                      "adaptiv I;adaptiv II;adaptiv III;adaptiv zu warm;adaptiv zu kalt;adaptiv nicht anwendbar;"
                      "über 26 °C;über 30 °C;über 35 °C;unter Mindestwert\r\n";
    const auto zeile = [&](const QString& zeitraum, const Nachweiszaehlung& z) {
        const auto anzahl = [&text](int64_t wert) { text += ';' + QByteArray::number(wert); };
        const auto summe = [&text](double wert) { text += ';' + zahl(wert, 1).toUtf8(); };
        text += zeitraum.toUtf8();
        anzahl(z.nutzungsstunden);
        for (const int64_t k : z.pmv)
            anzahl(k);
        anzahl(z.pmvWarm);
        anzahl(z.pmvKalt);
        summe(z.ppdWarm);
        summe(z.ppdKalt);
        summe(z.gradstunden);
        if (n.mitAdaptiv) {
            for (const int64_t k : z.adaptiv)
                anzahl(k);
            anzahl(z.adaptivZuWarm);
            anzahl(z.adaptivZuKalt);
            anzahl(z.adaptivNichtAnwendbar);
        } else {
            text += ";;;;;;";
        }
        anzahl(z.ueber26);
        anzahl(z.ueber30);
        anzahl(z.ueber35);
        anzahl(z.unterMindestwert);
        text += "\r\n";
    };
    for (int m = 0; m < kAnzahlMonate; ++m)
        zeile(QString::fromUtf16(kMonate[std::size_t(m)].vollname), n.monate[std::size_t(m)]);
    zeile(QStringLiteral("Jahr"), n.jahr);
    text += "\r\nVorgabe;Wert\r\n";
    for (const Vorgabe& v : NachweisVorgaben(w, e))
        text += feld(v.name) + ';' + feld(v.wert) + "\r\n";
    return text;
}

QByteArray StundenCsv(const Nachweis& n, const Stundenwerte& w, const Nachweiseinstellungen& e)
{
    QByteArray text = "\xEF\xBB\xBF"
                      "Jahresstunde;Monat;Tag;Wochentag;Uhrzeit;belegt;Ti;Ts;t_op;v_Luft;Feuchte;Ta_außen;theta_rm;"
                      "PMV;PPD;Klasse PMV;Klasse adaptiv\r\n";
    text.reserve(8784 * 120);
    // Names once, not per row: a year of rows stays well below the time of a redraw.
    std::array<QByteArray, kWochentage> tage;
    for (int t = 0; t < kWochentage; ++t)
        tage[std::size_t(t)] = WochentagKurz(t).toUtf8();
    std::array<QByteArray, 7> pmvNamen;
    for (int k = 0; k < 7; ++k)
        pmvNamen[std::size_t(k)] = pmvKlassenname(Pmvklasse(k)).toUtf8();
    std::array<QByteArray, 6> adaptivNamen;
    for (int k = 0; k < 6; ++k)
        adaptivNamen[std::size_t(k)] = adaptivKlassenname(Adaptivklasse(k)).toUtf8();
    char puffer[kZahlPuffer];
    for (int h = 0; h < kSchaltjahresstunden; ++h) {
        const Stunde& s = w.stunden[std::size_t(h)];
        if (!s.vorhanden)
            continue;
        const Nachweisstunde& ns = n.stunden[std::size_t(h)];
        const int monat = *MonatDerStunde(h + 1);
        const int tag = h / 24;
        text += QByteArray::number(h + 1) + ';' + QByteArray::number(monat + 1) + ';'
                + QByteArray::number(tag + 2 - kMonate[std::size_t(monat)].ersterTag) + ';'
                + tage[std::size_t((e.ersterWochentag + tag) % kWochentage)] + ';';
        text += QByteArray::number(h % 24).rightJustified(2, '0') + ":00;" + (ns.belegt ? "ja;" : "nein;");
        for (const float wert : {s.ta, s.tr, ns.to, s.var, s.phi, s.taAussen, ns.thetaRm})
            text += genau(wert) + ';';
        if (s.gerechnet)
            text.append(puffer, qsizetype(formatiereZahl(puffer, double(s.pmv), 3, ',')));
        text += ';';
        if (s.gerechnet)
            text += genau(s.ppd);
        text += ';' + pmvNamen[std::size_t(ns.pmv)] + ';';
        if (n.mitAdaptiv)
            text += adaptivNamen[std::size_t(ns.adaptiv)];
        text += "\r\n";
    }
    return text;
}

bool NachweisCsvSchreiben(const QByteArray& inhalt, const QString& pfad, QString* grund)
{
    return SicherSchreiben(pfad, inhalt, grund);
}

}  // namespace evaluation
