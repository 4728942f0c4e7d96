// SPDX-License-Identifier: GPL-3.0-or-later
// The eight inputs of Raumklima as the main window sets them: one table row each with its
// scroll bar, its value label and how a scroll position becomes a value and a text.
#pragma once

#include "raumklima.h"

#include <QString>

#include <array>
#include <cstddef>

namespace model {

// In the order of the value labels eingabe_txt1 … eingabe_txt8.
enum class Eingabe { Ti, Ts, v_Luft, phi, Icl, M, W, v_rel };
inline constexpr int kEingaben = 8;

struct Eingabeart {
    Eingabe eingabe;
    const char* name;      // the field of Raumklima
    const char* schieber;  // objectName of the scroll bar
    const char* wertfeld;  // objectName of the value label
    int min, max;          // scroll range in positions
    int kleinerSchritt, grosserSchritt;
    double faktor;        // the value of one position
    int stellen;          // decimals of the value text
    const char* einheit;  // follows the number, with its leading blank
};

inline constexpr std::array<Eingabeart, kEingaben> kEingabearten{{
    {Eingabe::Ti, "Ti", "TLI_Scroll", "eingabe_txt1", -100, 250, 1, 25, 0.2, 1, " °C"},
    {Eingabe::Ts, "Ts", "TU_Scroll", "eingabe_txt2", -100, 250, 1, 25, 0.2, 1, " °C"},
    {Eingabe::v_Luft, "v_Luft", "V_Scroll", "eingabe_txt3", 0, 200, 1, 10, 0.05, 2, " m/s"},
    {Eingabe::phi, "phi", "PHI_Scroll", "eingabe_txt4", 0, 100, 1, 5, 1.0, 0, " %"},
    {Eingabe::Icl, "Icl", "Kleidung_Scroll", "eingabe_txt5", 0, 80, 1, 5, 0.05, 2, " clo"},
    {Eingabe::M, "M", "Energieumsatz_Scroll", "eingabe_txt6", 8, 80, 1, 5, 5.0, 0, " W/m²"},
    {Eingabe::W, "W", "mech_Leistung_Scroll", "eingabe_txt7", 0, 100, 1, 5, 1.0, 0, " %"},
    {Eingabe::v_rel, "v_rel", "rel_Geschwindigkeit_Scroll", "eingabe_txt8", 0, 200, 1, 5, 0.05, 2, " m/s"},
}};

constexpr const Eingabeart& eingabeart(Eingabe e) { return kEingabearten[std::size_t(e)]; }

// The field of a record as a number, and its setting (float32 or int16 as the record holds it).
double wert(const Raumklima& klima, Eingabe e);
void setzeWert(Raumklima& klima, Eingabe e, double wert);

// The value at a scroll position: position × factor.
double wertBei(Eingabe e, int stellung);
// The nearest scroll position of a value, halves away from zero, held within the scroll range
// (4,50 clo stands at the end of the clothing bar).
int stellungFuer(Eingabe e, double wert);

// The value label text: "20,0 °C", "0,15 m/s", "60 %" (locale's separator).
QString werttext(Eingabe e, double wert);

}  // namespace model
