// Both line splitters of the data-file reader on arbitrary bytes: no crash, the kinds agree,
// codes of an assignment line stay within 0 to 7, and an empty line changes no values.
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

    stapel::Vorschautabelle tabelle{};
    stapel::Spaltenzuordnung zuordnung{};
    const stapel::Zeilenart vorschau = stapel::VorschauzeileZerlegen(zeile, r, tabelle, zuordnung);
    for (int16_t code : zuordnung)
        if (code < 0 || code > stapel::kHoechsterCode)
            std::abort();

    stapel::Zeilenwerte werte;
    werte.fill(42.0f);
    const stapel::Zeilenart lauf = stapel::DatenzeileZerlegen(zeile, werte);
    if (lauf != vorschau || lauf != stapel::ZeilenartVon(zeile))
        std::abort();
    if (lauf == stapel::Zeilenart::Leer && werte[0] != 42.0f)
        std::abort();
    return 0;
}
