// The case evaluator behind `tempara-cli pmv`: eight values per case in, "PMV<TAB>PPD" out.
#pragma once

#include "raumklima.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// Reads the eight values TI TS V_LUFT PHI M W V_REL ICL, separated by blanks or tabs, with a
// comma or a point as the decimal separator. PHI, M and W must be whole numbers in int16.
// Nothing (with a German reason in `fehler`) when the line does not hold exactly such values.
std::optional<Raumklima> leseFall(std::string_view zeile, std::string& fehler);

// One case: "PMV\tPPD\n" in the shortest texts that read back as the same float32, or
// nothing after a floating-point error.
std::optional<std::string> rechneFall(const Raumklima& klima, bool tsGleichTi);

// Evaluates every non-empty line of `ein`, writes one output line per case to `aus`
// ("Fehler" for a line that failed) and a German message with its line number to `meldungen`.
// Returns the number of failed lines.
long pmvStrom(std::FILE* ein, std::FILE* aus, std::FILE* meldungen, bool tsGleichTi);
