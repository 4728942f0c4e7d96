// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide records of one run and the no-argument operations over them.
// Windows write fields, call, and read results; the work is done by the pure functions of pmv.h.
#pragma once

#include "raumklima.h"
#include "rechenverfahren.h"

namespace model {

namespace programm {

extern model::Raumklima Raumklima;
extern model::PmvEingabe PmvEingabe;
extern model::PmvErgebnis PmvErgebnis;

// The method every window computes with (Extras → "Rechenverfahren"); the app keeps it.
extern Rechenverfahren Verfahren;

// Mirrors the main window's switch "Ts = Ti": while set, tr follows ta.
extern bool TsGleichTi;

// How often PmvBerechnen ran in this process: tests count the evaluations one user action causes.
extern long anzahlBerechnungen;

// Raumklima (and the switch) -> PmvEingabe.
void PmvEingabeAufbereiten();

// PmvEingabe -> PmvErgebnis by the current method. False after a floating-point error; the results are then undefined.
[[nodiscard]] bool PmvBerechnen();

}  // namespace programm

}  // namespace model
