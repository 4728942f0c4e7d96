// SPDX-License-Identifier: GPL-3.0-or-later
// The batch run: PMV and PPD for every data line of a data file, written as a result file.
// The input is streamed line by line (twice for season-dependent ranges: count, then
// evaluate), so memory does not grow with the file. The result is written to a temporary file
// beside its target and put in place only when it is complete; the user's files stay as they
// were whenever something fails, and the failure comes back as a German message.
#pragma once

#include "ausgabeplan.h"
#include "einstellungen.h"
#include "jahreszaehlung.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace batch {

struct Stapelergebnis {
    bool erfolgreich = false;
    bool abgebrochen = false;  // stopped by the progress callback; every file as before
    QString fehlermeldung;     // German, for a message box or stderr; empty when cancelled
    Auswertung auswertung;
    int64_t datenzeilenImEingang = -1;  // counted for the ranges; −1 when not counted
    // The range lengths after fitting them to the file (season-dependent), as the boxes of
    // the behaviour window then read: a cut range shows the rest with a leading blank.
    std::array<QString, kBereiche> laengen{};
};

// Called every kFortschrittAlle data lines with the lines done and the total (−1 when
// unknown; while the lines of a season-dependent run are counted, 0 of −1). Returning false
// cancels the run: nothing is written, moved or kept.
using Fortschritt = std::function<bool(int64_t erledigt, int64_t gesamt)>;
inline constexpr int64_t kFortschrittAlle = 16384;

Stapelergebnis Stapellauf(const Dateiplan& plan, const Stapeleinstellungen& einstellungen,
                          const Fortschritt& fortschritt = {});

// For tests of the last step: when set and returning true, putting the new result under its
// name fails as a failing file system would make it fail.
extern std::function<bool()> einsetzenStoeren;

// Fits the typed range lengths to the number of data lines: no range asks for more lines
// than are left. Returns the texts the boxes then show.
std::array<QString, kBereiche> LaengenAnpassen(const std::array<Bereich, kBereiche>& bereiche, int64_t datenzeilen);

}  // namespace batch
