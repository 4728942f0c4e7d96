// SPDX-License-Identifier: GPL-3.0-or-later
#include "vorschau.h"

#include "feldleser.h"
#include "zeilenleser.h"

#include <algorithm>

namespace batch {

bool VorschauLesen(QIODevice& datei, Vorschautabelle& tabelle, Spaltenzuordnung& zuordnung, const Dateiformat& format)
{
    tabelle.fill(0.0f);
    Zeilenleser leser(datei, 4096);
    Feldleser felder(format, {});
    Zeilenwerte werte{};
    bool zuordnungGelesen = false;
    std::string_view zeile;
    for (int r = 1; r <= kVorschauzeilen;) {
        if (!leser.naechste(zeile))
            break;  // the remaining preview lines stay 0
        Zeilenart art = Zeilenart::Leer;
        bool gelesen = true;
        const bool kopf = format.istKopf(leser.zeilennummer());
        if (!format.getrennt() || (!kopf && ZeilenartVon(zeile) == Zeilenart::Zuordnung)) {
            art = VorschauzeileZerlegen(zeile, r, tabelle, zuordnung);
        } else if ((art = felder.zerlegen(zeile, leser.zeilennummer(), werte, gelesen)) == Zeilenart::Daten) {
            std::copy(werte.begin(), werte.end(), tabelle.begin() + kSpalten * (r - 1));
        }
        if (art == Zeilenart::Zuordnung)
            zuordnungGelesen = true;
        if (art == Zeilenart::Daten)
            ++r;
    }
    return zuordnungGelesen;
}

}  // namespace batch
