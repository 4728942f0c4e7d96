// SPDX-License-Identifier: GPL-3.0-or-later
// The first five data lines of a data file, as the column window shows them.
#pragma once

#include "dateiformat.h"
#include "zeilen.h"

#include <QIODevice>

namespace batch {

// Reads from the present position of `datei`: sets all 100 preview values to 0, then fills
// preview lines 1 to 5 with the next data lines. Comment, assignment and empty lines are read
// past; an assignment line before the fifth data line sets its codes in `zuordnung`.
// Returns true when such an assignment line was taken over. A file with a real separator is
// read as the run reads it; a field that is no number shows 0.
bool VorschauLesen(QIODevice& datei, Vorschautabelle& tabelle, Spaltenzuordnung& zuordnung,
                   const Dateiformat& format = {});

}  // namespace batch
