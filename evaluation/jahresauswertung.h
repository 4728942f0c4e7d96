// SPDX-License-Identifier: GPL-3.0-or-later
// The annual evaluation of one batch run as a value: the figures of the run, the files it
// wrote, the ranges it had to cut and the hours of the year for the long-term proof. The evaluation window, its table
// and picture and tempara-cli take it as it is.
#pragma once

#include "ausgabeplan.h"
#include "einstellungen.h"
#include "jahreszaehlung.h"
#include "nachweiseinstellungen.h"
#include "stapellauf.h"
#include "stundenwerte.h"

#include <QString>

#include <vector>

namespace evaluation {

// A batch run whose data lines are also counted for the annual evaluation.
struct Auswertungslauf {
    batch::Stapelergebnis ergebnis;
    Auswertung auswertung;  // only after a successful run
    Stundenwerte stunden;   // the hours of the year for the long-term proof; likewise
};
Auswertungslauf StapellaufAuswerten(const batch::Dateiplan& plan, const batch::Stapeleinstellungen& einstellungen,
                                    const batch::Fortschritt& fortschritt = {});

// A season-dependent range that asked for more data lines than were left.
struct GekuerzterBereich {
    int bereich = 0;    // 0 to 3 for A to D
    QString angegeben;  // the length as typed
    QString umfasst;    // what the run evaluated
};

struct Jahresauswertung {
    QString datendatei;     // the file that was read
    QString ergebnisdatei;  // the result written
    QString sicherung;      // the earlier result kept as backup, or empty
    QString umbenannt;      // an existing file moved to another name first, or empty
    Auswertung zaehlung;
    std::vector<GekuerzterBereich> gekuerzt;
    Stundenwerte stunden;
    Nachweiseinstellungen nachweis;  // the proof's settings as tempara-cli was given them
};

// The ranges that the run cut to fit the file, in order A to D.
std::vector<GekuerzterBereich> GekuerzteBereiche(const batch::Stapeleinstellungen& einstellungen,
                                                 const std::array<QString, batch::kBereiche>& laengen);

// The evaluation of a successful run.
Jahresauswertung JahresauswertungAus(const batch::Dateiplan& plan, const batch::Stapeleinstellungen& einstellungen,
                                     const Auswertungslauf& lauf);

}  // namespace evaluation
