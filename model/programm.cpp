// SPDX-License-Identifier: GPL-3.0-or-later
#include "programm.h"

namespace model {

namespace programm {

model::Raumklima Raumklima;  // all zero until the main window sets the defaults
model::PmvEingabe PmvEingabe;
model::PmvErgebnis PmvErgebnis;
Rechenverfahren Verfahren = Rechenverfahren::Klassisch;
bool TsGleichTi = true;
long anzahlBerechnungen = 0;

void PmvEingabeAufbereiten() { PmvEingabe = PmvEingabeAus(Raumklima, TsGleichTi); }

bool PmvBerechnen()
{
    ++anzahlBerechnungen;
    return model::PmvBerechnen(PmvEingabe, PmvErgebnis, Verfahren);
}

}  // namespace programm

}  // namespace model
