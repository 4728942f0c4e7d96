// The result file: its name beside the data file, its header and the texts of the questions
// around it. A result file is itself a data file: comment lines, one assignment line and
// data lines, each ended by CR LF, written in UTF-8.
#pragma once

#include "einstellungen.h"

#include <QByteArray>
#include <QString>

namespace stapel {

// True when the data file is itself a result: its last three characters read "TPR" in
// any case. The old result is then kept as backup and the new one takes its name.
bool ErgebnisAlsEingabe(const QString& datendatei);

// The result (or, for a result read again, the backup) name: an extension of up to three
// characters after a point among the last four characters is replaced by TPR or BAK;
// without such a point ".TPR" is appended.
QString Ergebnisdateiname(const QString& datendatei, bool alsEingabe);

// Lines 1 to 15: comments with the constants and the behaviour, the assignment line and the
// title line, each with CR LF.
QByteArray Kopfzeilen(const Stapeleinstellungen& einstellungen);

// Texts of the questions and messages around the result file.
QString UeberschreibenTitel();
QString UeberschreibenFrage(const QString& pfad);
QString ExistiertBereitsMeldung();
QString FertigMeldung(const QString& ausgabe);

}  // namespace stapel
