// SPDX-License-Identifier: GPL-3.0-or-later
// Both line splitters of the data-file reader on arbitrary bytes: no crash, the kinds agree,
// codes of an assignment line stay within 0 to 8, and an empty line changes no values.
#include "zeilen.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse == 0)
        return 0;
    const int r = 1 + daten[0] % 5;
    const std::string_view zeile(reinterpret_cast<const char*>(daten) + 1, groesse - 1);

    batch::Vorschautabelle tabelle{};
    batch::Spaltenzuordnung zuordnung{};
    const batch::Zeilenart vorschau = batch::VorschauzeileZerlegen(zeile, r, tabelle, zuordnung);
    for (int16_t code : zuordnung)
        if (code < 0 || code > batch::kHoechsterCode)
            std::abort();

    batch::Zeilenwerte werte;
    werte.fill(42.0f);
    const batch::Zeilenart lauf = batch::DatenzeileZerlegen(zeile, werte);
    if (lauf != vorschau || lauf != batch::ZeilenartVon(zeile))
        std::abort();
    if (lauf == batch::Zeilenart::Leer && werte[0] != 42.0f)
        std::abort();
    return 0;
}
