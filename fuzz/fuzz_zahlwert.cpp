// SPDX-License-Identifier: GPL-3.0-or-later
// Zahlwert on arbitrary bytes: never crashes, and the two text forms agree on ASCII input.
#include "zahlen.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace model;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const double wert = Zahlwert(text);
    if (std::isnan(wert))
        std::abort();  // a number read from a text is never NaN
    bool ascii = true;
    for (char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 128;
    if (ascii) {
        const double auchWert = Zahlwert(QStringView(QString::fromLatin1(text.data(), qsizetype(text.size()))));
        if (!(auchWert == wert))
            std::abort();
    }
    return 0;
}
