// SPDX-License-Identifier: GPL-3.0-or-later
// The six quantities that can span the diagram, the seven PMV bands and the rows of
// fixed parameters: the tables that the window, the drawing and tempara-cli share.
#pragma once

#include "raumklima.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

namespace diagram {

inline constexpr int kAnzahlGroessen = 6;

// Index k of a diagram quantity; the y choice uses 6 + k in the window.
enum Groesse : int {
    Lufttemperatur = 0,
    Strahlungstemperatur = 1,
    Luftgeschwindigkeit = 2,
    Luftfeuchte = 3,
    Energieumsatz = 4,
    Kleidung = 5,
};

struct Groesseninfo {
    const char16_t* zeile;  // row label of the choice, with its leading blank
    const char16_t* achsentitel;
    const char16_t* vorgabeMin;  // default texts of the range fields
    const char16_t* vorgabeMax;
    float untergrenze;     // lowest permitted minimum
    float obergrenze;      // highest permitted maximum
    const char* kurzname;  // the name tempara-cli uses
    // For reports: the quantity's name, its symbol, its unit (metabolic rate in W/m², whatever
    // the window's axis title says) and the decimals of a value.
    const char16_t* name;
    const char16_t* symbol;
    const char16_t* einheit;
    int stellen;
};

const Groesseninfo& info(int k);
bool istGroesse(int k);
std::optional<int> groesseAusKurzname(std::string_view name);

// Grey reference lines at typical comfort limits of a quantity.
std::span<const float> bezugswerte(int k);

// Writes the value v of quantity k into the prepared inputs. Air velocity becomes the
// speed for forced convection |v_rel + v|; clothing also recomputes fcl.
void setzeGroesse(model::PmvEingabe& eingabe, int k, float v, float v_rel);

// The seven PMV bands, from "heiß" (index 0) to "kalt" (index 6).
inline constexpr int kAnzahlBaender = 7;
struct Band {
    unsigned int farbe;    // 0xAARRGGBB, as QRgb
    const char16_t* text;  // legend text; the two-word ones break at the blank
    bool weisseSchrift;
};
const Band& band(int i);

// The band of a vote: closed below, open above. A vote of -3 or 3 (the clipped values)
// and anything beyond lies in no band and gets no cell.
std::optional<int> bandVon(float pmv);

// The main window's eight value labels as it writes them ("20,0 °C", "60 %", …), in the
// order Ti, Ts (Ti while "Ts = Ti"), v_Luft, phi, Icl, M, W, v_rel.
using Werttexte = std::array<QString, 8>;
Werttexte werttexteAus(const model::Raumklima& klima, bool tsGleichTi);

// The six parameters that stay fixed for a pair of quantities: name and value text.
struct Festwert {
    QString name;
    QString wert;
};
using Festwerte = std::array<Festwert, 6>;
Festwerte festwerte(int xGroesse, int yGroesse, const Werttexte& werte);

}  // namespace diagram
