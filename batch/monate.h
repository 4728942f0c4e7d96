// SPDX-License-Identifier: GPL-3.0-or-later
// The months of an hourly year without leap day: first day and first hour of each, and the
// month an hour of the year lies in. The behaviour window shows the table, the annual
// evaluation splits its counts by it.
#pragma once

#include <array>
#include <optional>

namespace batch {

struct Monat {
    const char16_t* vollname;  // written out in full, as the month lists and tables name it
    int ersterTag;             // day of the year of the month's first day
    int ersteStunde;           // hour of the year of its first hour: (Tag − 1) · 24 + 1
};

inline constexpr int kAnzahlMonate = 12;
inline constexpr int kJahrestage = 365;
inline constexpr int kJahresstunden = 8760;        // 365 · 24
inline constexpr int kSchaltjahresstunden = 8784;  // 366 · 24

inline constexpr std::array<Monat, kAnzahlMonate> kMonate{{
    {u"Januar", 1, 1},
    {u"Februar", 32, 745},
    {u"März", 60, 1417},
    {u"April", 91, 2161},
    {u"Mai", 121, 2881},
    {u"Juni", 152, 3625},
    {u"Juli", 182, 4345},
    {u"August", 213, 5089},
    {u"September", 244, 5833},
    {u"Oktober", 274, 6553},
    {u"November", 305, 7297},
    {u"Dezember", 335, 8017},
}};

// The month (0 = January) of hour `stunde` of the year: the month whose first hour is at most
// the hour. Hours 8761 to 8784 (a leap year's extra day) lie in December; hours outside 1 to
// 8784 lie in no month.
constexpr std::optional<int> MonatDerStunde(long long stunde)
{
    if (stunde < 1 || stunde > kSchaltjahresstunden)
        return std::nullopt;
    int monat = 0;
    while (monat + 1 < kAnzahlMonate && kMonate[std::size_t(monat + 1)].ersteStunde <= stunde)
        ++monat;
    return monat;
}

}  // namespace batch
