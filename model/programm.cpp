#include "programm.h"

#include "pmv.h"

namespace programm {

::Raumklima Raumklima;  // all zero until the main window sets the defaults
::PmvEingabe PmvEingabe;
::PmvErgebnis PmvErgebnis;
bool TsGleichTi = true;
long anzahlBerechnungen = 0;

void PmvEingabeAufbereiten()
{
    PmvEingabe = PmvEingabeAus(Raumklima, TsGleichTi);
}

bool PmvBerechnen()
{
    ++anzahlBerechnungen;
    return ::PmvBerechnen(PmvEingabe, PmvErgebnis);
}

}  // namespace programm
