// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a year of hourly lines in memory: the plain format (tabs, decimal comma) against the
// same year as a German spreadsheet exports it (semicolons, date and time in two columns, a
// header row). Goal: the separated year reads within 20 % of the plain one; the counter
// "Verhaeltnis" of the separated benchmark is its time over the plain one's.
#include "feldleser.h"
#include "zeilenleser.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

constexpr int kStunden = 8760;

QByteArray jahr(bool getrennt)
{
    QByteArray text = getrennt ? "Datum;Uhrzeit;Raumlufttemperatur;Strahlungstemperatur;rel. Feuchte\r\n"
                               : "C Messung\r\nS 1 2 3 5\r\n";
    static const int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    char zeile[96];
    int h = 0;
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1; tag <= tage[monat - 1]; ++tag)
            for (int stunde = 0; stunde < 24; ++stunde, ++h) {
                const int n =
                    getrennt ? std::snprintf(zeile, sizeof zeile, "%02d.%02d.2023;%02d:00;%d,%d;%d,%d;%d\r\n", tag,
                                             monat, stunde, 18 + h % 9, h % 10, 17 + h % 11, (h / 7) % 10, 30 + h % 41)
                             : std::snprintf(zeile, sizeof zeile, "\t%d\t%d,%d\t%d,%d\t%d\r\n", h + 1, 18 + h % 9,
                                             h % 10, 17 + h % 11, (h / 7) % 10, 30 + h % 41);
                text.append(zeile, n);
            }
    return text;
}

// One pass as the run reads: every line split into its values. Returns the data lines.
int lesen(QByteArray& text, const batch::Dateiformat& format)
{
    QBuffer puffer(&text);
    puffer.open(QIODevice::ReadOnly);
    batch::Zeilenleser leser(puffer);
    batch::Feldleser felder(format, batch::Pflichtspalten({1, 0, 2, 3, 5}));
    batch::Zeilenwerte werte{};
    std::string_view zeile;
    int daten = 0;
    while (leser.naechste(zeile)) {
        bool gelesen = true;
        const batch::Zeilenart art = format.getrennt() ? felder.zerlegen(zeile, leser.zeilennummer(), werte, gelesen)
                                                       : batch::DatenzeileZerlegen(zeile, werte);
        daten += art == batch::Zeilenart::Daten && gelesen;
    }
    benchmark::DoNotOptimize(werte);
    return daten;
}

double sekundenJeDurchgang(QByteArray& text, const batch::Dateiformat& format)
{
    const auto anfang = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i)
        lesen(text, format);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count() / 20;
}

void BM_Jahr_Lesen_Leerraum(benchmark::State& zustand)
{
    QByteArray text = jahr(false);
    for (auto _ : zustand)
        if (lesen(text, {}) != kStunden)
            zustand.SkipWithError("falsche Zahl von Datenzeilen");
    zustand.SetItemsProcessed(zustand.iterations() * kStunden);
}
BENCHMARK(BM_Jahr_Lesen_Leerraum)->Unit(benchmark::kMicrosecond);

void BM_Jahr_Lesen_Semikolon_Datum_Uhrzeit(benchmark::State& zustand)
{
    QByteArray text = jahr(true), leerraum = jahr(false);
    QBuffer puffer(&text);
    puffer.open(QIODevice::ReadOnly);
    const batch::Dateiformat format = batch::FormatErkennen(batch::ErsteZeilen(puffer), QStringLiteral("jahr.csv"));
    if (format.zeitspalte != 0 || format.trenner != batch::Trennzeichen::Semikolon)
        zustand.SkipWithError("Format nicht erkannt");
    for (auto _ : zustand)
        if (lesen(text, format) != kStunden)
            zustand.SkipWithError("falsche Zahl von Datenzeilen");
    zustand.SetItemsProcessed(zustand.iterations() * kStunden);
    zustand.counters["Verhaeltnis"] = sekundenJeDurchgang(text, format) / sekundenJeDurchgang(leerraum, {});
}
BENCHMARK(BM_Jahr_Lesen_Semikolon_Datum_Uhrzeit)->Unit(benchmark::kMicrosecond);

}  // namespace
