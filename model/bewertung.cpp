// SPDX-License-Identifier: GPL-3.0-or-later
#include "bewertung.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace model {

namespace bewertung {

namespace {

// Clipping that lets NaN through, so a failed value stays visible as one.
double beschnitten(double pd) { return pd < 0.0 ? 0.0 : (pd > 100.0 ? 100.0 : pd); }

double logistisch(double a, double b, double dt) { return 100.0 / (1.0 + std::exp(a - b * dt)); }

constexpr int index(Kriterium k) { return static_cast<int>(k); }

}  // namespace

double Zugluftrate(double ta_l, double va_l, double tu)
{
    const double v = va_l < 0.05 ? 0.05 : va_l;
    return beschnitten((34.0 - ta_l) * std::pow(v - 0.05, 0.62) * (0.37 * v * tu + 3.14));
}

double PdVertikal(double dt) { return beschnitten(logistisch(5.76, 0.856, dt)); }
double PdBoden(double t) { return beschnitten(100.0 - 94.0 * std::exp(-1.387 + 0.118 * t - 0.0025 * t * t)); }
double PdDeckeWarm(double dt) { return beschnitten(logistisch(2.84, 0.174, dt) - 5.5); }
double PdWandKalt(double dt) { return beschnitten(logistisch(6.61, 0.345, dt)); }
double PdDeckeKalt(double dt) { return beschnitten(logistisch(9.93, 0.50, dt)); }
double PdWandWarm(double dt) { return beschnitten(logistisch(3.72, 0.052, dt) - 3.5); }

bool zugluftGueltig(double ta_l, double va_l, double tu)
{
    return ta_l >= 20.0 && ta_l <= 26.0 && va_l >= 0.0 && va_l < 0.5 && tu >= 10.0 && tu <= 60.0;
}

bool lokalGueltig(Kriterium k, double x)
{
    switch (k) {
    case Kriterium::Vertikal: return x >= 0.0 && x < 8.0;
    case Kriterium::Boden: return std::isfinite(x);
    case Kriterium::DeckeWarm: return x >= 0.0 && x < 23.0;
    case Kriterium::WandKalt:
    case Kriterium::DeckeKalt: return x >= 0.0 && x < 15.0;
    case Kriterium::WandWarm: return x >= 0.0 && x < 35.0;
    default: return true;
    }
}

unsigned pmvAusserhalb(const PmvEingabe& e, const PmvErgebnis& r)
{
    const double werte[kPmvGroessen] = {r.PMV, e.ta, e.tr, e.var, e.M, e.Icl, r.pa};
    static constexpr double von[kPmvGroessen] = {-2, 10, 10, 0, 46, 0, 0};
    static constexpr double bis[kPmvGroessen] = {2, 30, 40, 1, 232, 2, 2700};
    unsigned maske = 0;
    for (int i = 0; i < kPmvGroessen; ++i)
        if (!(werte[i] >= von[i] && werte[i] <= bis[i]))
            maske |= 1u << i;
    return maske;
}

bool pmvGueltig(const PmvEingabe& e, const PmvErgebnis& r) { return pmvAusserhalb(e, r) == 0; }

QString anwendungsbereichHinweis(const PmvEingabe& e, const PmvErgebnis& r)
{
    static const char* const texte[kPmvGroessen] = {
        "PMV außerhalb −2 bis +2", "Ta außerhalb 10–30 °C", "Tr außerhalb 10–40 °C", "v_ar außerhalb 0–1 m/s",
        "M außerhalb 46–232 W/m²", "Icl außerhalb 0–2 clo", "pa außerhalb 0–2700 Pa"};
    const unsigned maske = pmvAusserhalb(e, r);
    QStringList draussen;
    for (int i = 0; i < kPmvGroessen; ++i)
        if (maske & (1u << i))
            draussen << QString::fromUtf8(texte[i]);
    if (draussen.isEmpty())
        return {};
    return draussen.join(QStringLiteral(", ")) + QStringLiteral(": außerhalb des Anwendungsbereichs von ISO 7730");
}

Grenzen grenzen(Kriterium k)
{
    switch (k) {
    case Kriterium::PMV: return {0.2, 0.5, 0.7};
    case Kriterium::PPD: return {6, 10, 15};
    case Kriterium::DR: return {10, 20, 30};
    case Kriterium::Vertikal: return {3, 5, 10};
    case Kriterium::Boden: return {10, 10, 15};
    default: return {5, 5, 10};  // the four asymmetries
    }
}

Kategorie kategorie(Kriterium k, double wert)
{
    const Grenzen g = grenzen(k);
    const double x = k == Kriterium::PMV ? std::fabs(wert) : wert;
    if (x < g.A)
        return Kategorie::A;
    if (x < g.B)
        return Kategorie::B;
    if (x < g.C)
        return Kategorie::C;
    return Kategorie::Keine;  // also NaN
}

LokaleEingaben lokaleVorgaben(const Raumklima& klima)
{
    LokaleEingaben l;
    l.tLokal = klima.Ti;
    l.vLokal = klima.v_Luft;
    return l;
}

Ergebnis bewerte(const PmvEingabe& e, const PmvErgebnis& pmv, const LokaleEingaben& l)
{
    Ergebnis r;
    const bool pmvImBereich = pmvGueltig(e, pmv);
    r.werte[index(Kriterium::PMV)] = {true, pmv.PMV, kategorie(Kriterium::PMV, pmv.PMV), pmvImBereich};
    r.werte[index(Kriterium::PPD)] = {true, pmv.PPD, kategorie(Kriterium::PPD, pmv.PPD), pmvImBereich};
    if (l.zugluft) {
        const double dr = Zugluftrate(l.tLokal, l.vLokal, l.tu);
        const bool gueltig = zugluftGueltig(l.tLokal, l.vLokal, l.tu);
        r.werte[index(Kriterium::DR)] = {true, dr, kategorie(Kriterium::DR, dr), gueltig};
    }
    using Formel = double (*)(double);
    static constexpr Formel formeln[6] = {PdVertikal, PdBoden, PdDeckeWarm, PdWandKalt, PdDeckeKalt, PdWandWarm};
    for (int i = 0; i < 6; ++i) {
        if (!l.lokal[i])
            continue;
        const auto k = static_cast<Kriterium>(index(Kriterium::Vertikal) + i);
        const double pd = formeln[i](*l.lokal[i]);
        r.werte[index(k)] = {true, pd, kategorie(k, pd), lokalGueltig(k, *l.lokal[i])};
    }
    for (int i = 0; i < kKriterien; ++i) {
        const Einzelwert& w = r.werte[i];
        if (!w.bewertet)
            continue;
        r.endlich = r.endlich && std::isfinite(w.wert);
        if (w.kategorie > r.gesamt) {
            r.gesamt = w.kategorie;
            r.entscheidend = static_cast<Kriterium>(i);
        }
    }
    return r;
}

}  // namespace bewertung

}  // namespace model
