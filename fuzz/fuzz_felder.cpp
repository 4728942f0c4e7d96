// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of separated files on arbitrary bytes: the format decided from the first lines
// (the first byte picks the separator or leaves it to the detection), then every line read as
// the run reads it. No crash, no value NaN, and a fault names the line that was read.
#include "feldleser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse == 0)
        return 0;
    const int wahl = daten[0] % 5;
    const std::string_view text(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    std::vector<std::string> zeilen;
    for (std::size_t anfang = 0; anfang <= text.size();) {
        const std::size_t ende = std::min(text.find('\n', anfang), text.size());
        zeilen.emplace_back(text.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    const batch::Dateiformat format =
        batch::FormatErkennen(zeilen, QStringLiteral("d.csv"),
                              wahl == 4 ? std::nullopt : std::optional<batch::Trennzeichen>(batch::Trennzeichen(wahl)));
    if (!format.getrennt())
        return 0;
    batch::Feldleser leser(format, batch::Pflichtspalten({1, 2, 3, 4, 5}));
    batch::Zeilenwerte werte{};
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        bool gelesen = true;
        if (leser.zerlegen(zeilen[i], int64_t(i + 1), werte, gelesen) != batch::Zeilenart::Daten)
            continue;
        if (!gelesen)
            return leser.fehler().zeile == int64_t(i + 1) ? 0 : (std::abort(), 0);
        for (const float w : werte)
            if (std::isnan(w))
                std::abort();
    }
    return 0;
}
