// SPDX-License-Identifier: GPL-3.0-or-later
// The assessment of a room by ISO 7730:2005: local thermal discomfort (clause 6) and the
// categories A, B and C (Annex A, Table A.1). Pure functions of values, double precision;
// PMV and PPD come from PmvBerechnen, the local criteria from their own inputs.
#pragma once

#include "raumklima.h"

#include <QString>

#include <array>
#include <optional>

namespace model {

namespace bewertung {

// A, B, C, and "worse than C" (shown as "–").
enum class Kategorie { A, B, C, Keine };

// The criteria in the order of the standard's table, which is also the order of every display.
enum class Kriterium { PMV, PPD, DR, Vertikal, Boden, DeckeWarm, WandKalt, DeckeKalt, WandWarm };
inline constexpr int kKriterien = 9;

// Draught rate DR in % (ISO 7730, eq. 6): local air temperature ta_l in °C, local mean air
// velocity va_l in m/s (below 0.05 taken as 0.05), turbulence intensity tu in %. Clipped to 0..100.
double Zugluftrate(double ta_l, double va_l, double tu);
// Percentage dissatisfied in %, each clipped to 0..100 (ISO 7730, eq. 7 to 12).
double PdVertikal(double dt_av);   // head-to-ankle air temperature difference, K
double PdBoden(double t_f);        // floor temperature, °C
double PdDeckeWarm(double dt_pr);  // radiant temperature asymmetry, K
double PdWandKalt(double dt_pr);
double PdDeckeKalt(double dt_pr);
double PdWandWarm(double dt_pr);

// Inside the range of validity of each formula. DR: 20 ≤ ta_l ≤ 26 °C, 0 ≤ va_l < 0.5 m/s,
// 10 ≤ Tu ≤ 60 %; vertical 0 ≤ Δt < 8 K; asymmetries from 0 up to below 23, 15, 15, 35 K.
// The standard states none for the floor.
bool zugluftGueltig(double ta_l, double va_l, double tu);
bool lokalGueltig(Kriterium kriterium, double eingabe);
// PMV applies for −2 ≤ PMV ≤ 2, 10 ≤ ta ≤ 30 °C, 10 ≤ tr ≤ 40 °C, 0 ≤ var ≤ 1 m/s,
// 46 ≤ M ≤ 232 W/m², 0 ≤ Icl ≤ 2 clo, 0 ≤ pa ≤ 2700 Pa.
bool pmvGueltig(const PmvEingabe& eingabe, const PmvErgebnis& ergebnis);
// Which of them lies outside: bit i for PMV, ta, tr, var, M, Icl, pa in this order.
enum PmvGroesse { PmvWert, PmvTa, PmvTr, PmvVar, PmvM, PmvIcl, PmvPa, kPmvGroessen };
unsigned pmvAusserhalb(const PmvEingabe& eingabe, const PmvErgebnis& ergebnis);
// The main window's line under PMV and PPD: "Ta außerhalb 10–30 °C: außerhalb des
// Anwendungsbereichs von ISO 7730", naming every quantity outside; empty inside.
QString anwendungsbereichHinweis(const PmvEingabe& eingabe, const PmvErgebnis& ergebnis);

// The upper limits of A, B and C, each strict; for PMV of |PMV|.
struct Grenzen {
    double A, B, C;
};
Grenzen grenzen(Kriterium kriterium);
// The category of an unrounded value; NaN is worse than C.
Kategorie kategorie(Kriterium kriterium, double wert);

// The local inputs. A criterion without a value is not assessed ("nicht bewertet").
struct LokaleEingaben {
    double tu = 40.0;     // turbulence intensity, %; 40 where it is not known
    double tLokal = 0;    // local air temperature, °C
    double vLokal = 0;    // local mean air velocity, m/s
    bool zugluft = true;  // DR assessed
    // Δt_a,v, t_f and the four Δt_pr, in the order of Kriterium from Vertikal on.
    std::array<std::optional<double>, 6> lokal{};
};

// What the standard's defaults give for a room: Tu 40 %, ta_l = Ti, va_l = v_Luft, DR alone assessed.
LokaleEingaben lokaleVorgaben(const Raumklima& klima);

struct Einzelwert {
    bool bewertet = false;
    double wert = 0;  // PMV, or a percentage
    Kategorie kategorie = Kategorie::Keine;
    bool gueltig = true;  // the inputs lie inside the formula's range of validity
};

struct Ergebnis {
    std::array<Einzelwert, kKriterien> werte{};
    Kategorie gesamt = Kategorie::A;
    // The criterion of the worst category; on a tie the first in the table's order.
    Kriterium entscheidend = Kriterium::PMV;
    bool endlich = true;  // false when a value is not a finite number
};

// The whole assessment from one evaluation of PmvBerechnen and the local inputs.
Ergebnis bewerte(const PmvEingabe& eingabe, const PmvErgebnis& pmv, const LokaleEingaben& lokal);

}  // namespace bewertung

}  // namespace model
