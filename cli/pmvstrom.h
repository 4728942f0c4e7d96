// SPDX-License-Identifier: GPL-3.0-or-later
// The case evaluator behind `tempara-cli pmv`: eight values per case in, "PMV<TAB>PPD" out.
#pragma once

#include "raumklima.h"
#include "rechenverfahren.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// Reads the eight values TI TS V_LUFT PHI M W V_REL ICL, separated by blanks or tabs, with a
// comma or a point as the decimal separator. PHI, M and W must be whole numbers in int16.
// Nothing (with a German reason in `fehler`) when the line does not hold exactly such values.
std::optional<model::Raumklima> leseFall(std::string_view zeile, std::string& fehler);

// One case by `verfahren`: appends "PMV\tPPD\n" in the shortest texts that read back as the
// same float32 to `aus`; false (and nothing appended) when the computation failed.
bool rechneFall(const model::Raumklima& klima, bool tsGleichTi, std::string& aus,
                model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch);

// Why a case gave no result: the classic model fails only by a floating-point error, the ISO
// method also when its iteration does not settle within 150 passes.
const char* Rechenfehlertext(model::Rechenverfahren verfahren);

// Values no room can have: a temperature below absolute zero, negative clothing, no metabolic
// rate, humidity outside 0 to 100 %. Empty when all can be, else which one and the accepted range.
std::string unmoeglich(const model::Raumklima& klima, bool tsGleichTi);
inline constexpr double kAbsoluterNullpunkt = -273.15;

// Evaluates every non-empty line of `ein` (read by the data files' line reader: a NUL byte
// or a line over 1 MiB ends the stream as one more failure), writes one output line per case to `aus`
// ("Fehler" for a line that failed) and a German message with its line number to `meldungen`.
// Returns the number of failed lines.
long pmvStrom(std::FILE* ein, std::FILE* aus, std::FILE* meldungen, bool tsGleichTi,
              model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch);

}  // namespace cli
