// The batch run: PMV and PPD for every data line of a data file, written as a result file.
// The input is streamed line by line (twice for season-dependent ranges: count, then
// evaluate), so memory does not grow with the file. The result is written to a temporary file
// beside its target and put in place only when it is complete; the user's files stay as they
// were whenever something fails, and the failure comes back as a German message.
#pragma once

#include "ausgabeplan.h"
#include "einstellungen.h"
#include "empfindung.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace stapel {


struct Auswertung {
    int64_t datenzeilen = 0;   // data lines written to the result
    int64_t rechenfehler = 0;  // of them: computation failed, values held
    std::array<int64_t, kEmpfindungsbaender> baender{};  // by Empfindungsband, "kalt" first
    int64_t ausserhalb = 0;    // PMV at ±3, beyond the bands
    int64_t kategorieA = 0;    // |PMV| < 0.2
    int64_t kategorieB = 0;    // |PMV| < 0.5
    int64_t kategorieC = 0;    // |PMV| < 0.7
};

struct Stapelergebnis {
    bool erfolgreich = false;
    QString fehlermeldung;  // German, for a message box or stderr
    Auswertung auswertung;
    int64_t datenzeilenImEingang = -1;  // counted for the ranges; −1 when not counted
    // The range lengths after fitting them to the file (season-dependent), as the boxes of
    // the behaviour window then read: a cut range shows the rest with a leading blank.
    std::array<QString, kBereiche> laengen{};
};

// Called now and then with the data lines done and the total (−1 when unknown).
using Fortschritt = std::function<void(int64_t erledigt, int64_t gesamt)>;

Stapelergebnis Stapellauf(const Dateiplan& plan, const Stapeleinstellungen& einstellungen,
                          const Fortschritt& fortschritt = {});

// Fits the typed range lengths to the number of data lines: no range asks for more lines
// than are left. Returns the texts the boxes then show.
std::array<QString, kBereiche> LaengenAnpassen(const std::array<Bereich, kBereiche>& bereiche,
                                               int64_t datenzeilen);

}  // namespace stapel
