// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweisbericht.h"

namespace evaluation {

bool NachweisPdfSchreiben(const Nachweis&, const Stundenwerte&, const Nachweiseinstellungen&, const QString&,
                          QString* grund)
{
    if (grund)
        *grund = QStringLiteral("Der Nachweis als PDF ist in dieser Fassung noch nicht verfügbar; "
                                "bitte als Tabelle (.csv) speichern.");
    return false;
}

}  // namespace evaluation
