// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of an hourly data file: what kind a line is and how its fields are split.
// Two splitters exist on purpose: the preview cuts a field at the earlier of the first blank
// and the first tab, the batch run at the first blank whenever one remains. Files separated
// only by blanks or only by tabs give the same fields in both.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

namespace batch {

inline constexpr int kSpalten = 20;        // columns a data line can carry
inline constexpr int kVorschauzeilen = 5;  // data lines the column window shows

// Kinds of a line. Leer is a line with nothing but blanks and tabs: it carries no values
// and is skipped by the preview, the count and the run alike.
enum class Zeilenart : int16_t { Daten = 0, Kommentar = 1, Zuordnung = 2, Leer = 3 };

// Variable codes of a column.
enum Variablencode : int16_t {
    kUnbenutzt = 0,
    kJahresstunde = 1,
    kTi = 2,
    kTs = 3,
    kVLuft = 4,
    kFeuchte = 5,
    kPMV = 6,
    kPPD = 7,
    kTaAussen = 8,  // outdoor air temperature, °C: carried into the result, not into PMV
};
inline constexpr int kHoechsterCode = 8;
// The codes a user can choose, in the order of the column lists; 6 and 7 only arrive from a
// result file.
inline constexpr std::array<int16_t, 7> kWaehlbareCodes{kUnbenutzt, kJahresstunde, kTi,      kTs,
                                                        kVLuft,     kFeuchte,      kTaAussen};
// The code's entry in the column lists, −1 for a code that cannot be chosen.
int WaehlbarerEintrag(int code);

using Spaltenzuordnung = std::array<int16_t, kSpalten>;  // code of column 1..20 at index 0..19
using Zeilenwerte = std::array<float, kSpalten>;
// Preview line r (1..5), column c (1..20) at index 20·(r−1) + (c−1).
using Vorschautabelle = std::array<float, kSpalten * kVorschauzeilen>;

// The short name of a code as the column window shows it; "(unbenutzt)" for anything unknown.
QString Variablenname(int code);

// A preview line: a data line goes into preview line r (1..5) of `tabelle`, an assignment
// line into `zuordnung` (codes outside 0..8 become 0). `r` outside 1..5 stores nothing.
Zeilenart VorschauzeileZerlegen(std::string_view zeile, int r, Vorschautabelle& tabelle, Spaltenzuordnung& zuordnung);

// A line of the batch run. For a data line (and, split alike, an assignment line) all 20
// values are set, a comment line sets them to 0, an empty line leaves them as they were.
Zeilenart DatenzeileZerlegen(std::string_view zeile, Zeilenwerte& werte);

// The first two columns (indices a < b) that carry the same chosen code (1 to 5 or 8), which
// may stand in one column only; nothing when the assignment is free of such doubles.
std::optional<std::pair<int, int>> DoppelteSpalten(const Spaltenzuordnung& zuordnung);

// The kind of a line as DatenzeileZerlegen reports it, without splitting its fields.
Zeilenart ZeilenartVon(std::string_view zeile);

// Round half to even, as the assignment line and the range lengths are read.
double RundeGerade(double wert);

}  // namespace batch
