// SPDX-License-Identifier: GPL-3.0-or-later
// The result file: its name beside the data file, its header and the texts of the questions
// around it. A result file is itself a data file: comment lines, one assignment line and
// data lines, each ended by CR LF, written in UTF-8.
#pragma once

#include "einstellungen.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace batch {

// True when the data file is itself a result: its file name (not its folder) is longer than
// three characters and ends in "TPR" in any case. The old result is then kept as backup and
// the new one takes its name.
bool ErgebnisAlsEingabe(const QString& datendatei);

// The result (or, for a result read again, the backup) name beside the data file: an
// extension of up to three characters after a point among the last four characters of the
// file name is replaced by TPR or BAK; without such a point ".TPR" is appended. Only the file
// name counts, so that "x.d/f" gives "x.d/f.TPR", never a file in the folder above.
QString Ergebnisdateiname(const QString& datendatei, bool alsEingabe);

// Lines 1 to 15 (16 with the ISO method's line): comments with the constants and the behaviour,
// the assignment line and the title line, each with CR LF.
QByteArray Kopfzeilen(const Stapeleinstellungen& einstellungen);

// Texts of the questions and messages around the result file.
QString UeberschreibenTitel();
QString UeberschreibenFrage(const QString& pfad);
QString ExistiertBereitsMeldung();
// After a run that wrote `ausgabe`; `rechenfehler` lines could not be computed.
QString FertigMeldung(const QString& ausgabe, int64_t rechenfehler = 0);

}  // namespace batch
