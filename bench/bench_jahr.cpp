// SPDX-License-Identifier: GPL-3.0-or-later
// The annual evaluation beyond the run itself: counting a year into the summary, the CSV
// table, the PNG and the SVG picture, and all of them together (goal: under 50 ms). And what
// a progress callback costs a long run: a million lines with and without one.
#include "jahresbild.h"
#include "jahrestabelle.h"
#include "stapellauf.h"

#include "grosse_datei.h"
#include "stille_dienste.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace batch;
using namespace evaluation;

namespace {

// A year of votes like an office's: cool in winter, warm in summer, warmer in the afternoon,
// with some jitter, so that every band occurs.
Auswertung jahr()
{
    Jahreszaehler zaehler(true);
    for (int h = 1; h <= kJahresstunden; ++h) {
        const double tag = double(h - 1) / 24.0, stunde = double((h - 1) % 24);
        const double pmv = -1.8 * std::cos(2 * M_PI * (tag - 20) / 365) + 0.9 * std::sin(2 * M_PI * (stunde - 9) / 24)
                           + 0.4 * std::sin(h * 0.7) - 0.2;
        zaehler.zaehle(h % 997 != 0, float(std::clamp(pmv, -3.0, 3.0)), float(h));
    }
    return std::move(zaehler).abschliessen(kJahresstunden);
}

Jahresauswertung auswertung()
{
    Jahresauswertung j;
    j.ergebnisdatei = QStringLiteral("/daten/jahr.TPR");
    j.zaehlung = jahr();
    return j;
}

void BM_Jahr_Zusammenfassung(benchmark::State& zustand)
{
    for (auto _ : zustand)
        benchmark::DoNotOptimize(jahr());
}
BENCHMARK(BM_Jahr_Zusammenfassung)->Unit(benchmark::kMicrosecond);

void BM_Jahr_Tabelle(benchmark::State& zustand)
{
    const Auswertung a = jahr();
    for (auto _ : zustand)
        benchmark::DoNotOptimize(TabelleCsv(a));
}
BENCHMARK(BM_Jahr_Tabelle)->Unit(benchmark::kMicrosecond);

void BM_Jahr_BildMalen(benchmark::State& zustand)
{
    benchAnwendung();
    const Jahresauswertung j = auswertung();
    for (auto _ : zustand)
        benchmark::DoNotOptimize(JahresbildRaster(j));
}
BENCHMARK(BM_Jahr_BildMalen)->Unit(benchmark::kMillisecond);

void BM_Jahr_BildPng(benchmark::State& zustand)
{
    benchAnwendung();
    const Jahresauswertung j = auswertung();
    for (auto _ : zustand)
        benchmark::DoNotOptimize(JahresbildPng(j));
}
BENCHMARK(BM_Jahr_BildPng)->Unit(benchmark::kMillisecond);

void BM_Jahr_BildSvg(benchmark::State& zustand)
{
    benchAnwendung();
    const Jahresauswertung j = auswertung();
    for (auto _ : zustand)
        benchmark::DoNotOptimize(JahresbildSvg(j));
}
BENCHMARK(BM_Jahr_BildSvg)->Unit(benchmark::kMillisecond);

void BM_Jahr_AllesNachDemLauf(benchmark::State& zustand)
{
    benchAnwendung();
    for (auto _ : zustand) {
        const Jahresauswertung j = auswertung();
        benchmark::DoNotOptimize(TabelleCsv(j.zaehlung));
        benchmark::DoNotOptimize(JahresbildPng(j));
        benchmark::DoNotOptimize(JahresbildSvg(j));
    }
}
BENCHMARK(BM_Jahr_AllesNachDemLauf)->Unit(benchmark::kMillisecond);

// A million hourly lines, season-independent, streamed; the callback as cheap as a window's
// that only stores the figures for its timer.
void millionZeilen(benchmark::State& zustand, bool mitFortschritt)
{
    constexpr long kZeilen = 1000000;
    const QString pfad = grosseDatendatei(QStringLiteral("million.txt"), kZeilen);
    Stapeleinstellungen e;
    e.zuordnung = {kJahresstunde, kTi, kTs};
    e.dezimaltrenner = u',';
    const QString ausgabe = QFileInfo(pfad).dir().filePath(QStringLiteral("million.TPR"));
    int64_t stand = 0;
    const Fortschritt fortschritt = [&stand](int64_t erledigt, int64_t) {
        stand = erledigt;
        return true;
    };
    for (auto _ : zustand) {
        // Planned anew each time: a plan made while the result was free would refuse to replace it.
        const Stapelergebnis ergebnis =
            Stapellauf(PlanMitAusgabe(pfad, ausgabe), e, mitFortschritt ? fortschritt : Fortschritt{});
        if (!ergebnis.erfolgreich)
            zustand.SkipWithError("Stapellauf fehlgeschlagen");
    }
    zustand.counters["Meldungen"] = double(stand / kFortschrittAlle);
    zustand.SetItemsProcessed(zustand.iterations() * kZeilen);
}
void BM_Stapellauf_MillionOhneFortschritt(benchmark::State& s) { millionZeilen(s, false); }
void BM_Stapellauf_MillionMitFortschritt(benchmark::State& s) { millionZeilen(s, true); }
BENCHMARK(BM_Stapellauf_MillionOhneFortschritt)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Stapellauf_MillionMitFortschritt)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
