// SPDX-License-Identifier: GPL-3.0-or-later
#include "vorschau.h"

#include "zeilenleser.h"

namespace batch {

bool VorschauLesen(QIODevice& datei, Vorschautabelle& tabelle, Spaltenzuordnung& zuordnung)
{
    tabelle.fill(0.0f);
    Zeilenleser leser(datei, 4096);
    bool zuordnungGelesen = false;
    std::string_view zeile;
    for (int r = 1; r <= kVorschauzeilen;) {
        if (!leser.naechste(zeile))
            break;  // the remaining preview lines stay 0
        const Zeilenart art = VorschauzeileZerlegen(zeile, r, tabelle, zuordnung);
        if (art == Zeilenart::Zuordnung)
            zuordnungGelesen = true;
        if (art == Zeilenart::Daten)
            ++r;
    }
    return zuordnungGelesen;
}

}  // namespace batch
