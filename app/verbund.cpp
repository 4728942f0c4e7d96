#include "verbund.h"

#include "dateioeffner.h"
#include "grafik.h"
#include "hpt.h"
#include "kataloge.h"

// Each subsystem's window library provides one function that shows its window modally;
// they are joined here so that the main window's library depends on none of them.
void verbindeFenster(hpt& hauptfenster)
{
    hpt::Fensteroeffner oeffner;
    oeffner.aktivitaet = zeigeAktivitaet;
    oeffner.bekleidungsliste = zeigeBekleidungsliste;
    oeffner.bekleidung = zeigeBekleidung;
    oeffner.grafik = &Grafik::zeigen;
    oeffner.datei = stapel::DateiFensterZeigen;
    hauptfenster.setzeFensteroeffner(std::move(oeffner));
}
