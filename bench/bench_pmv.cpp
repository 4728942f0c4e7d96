// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the model: one evaluation, one recomputation of the main window, and the
// case stream of `tempara-cli pmv`.
#include "pmv.h"
#include "pmvstrom.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

using namespace model;
using namespace cli;

namespace {

void berechne(benchmark::State& zustand, Raumklima klima)
{
    const PmvEingabe eingabe = PmvEingabeAus(klima, false);
    PmvErgebnis ergebnis;
    for (auto _ : zustand) {
        benchmark::DoNotOptimize(PmvBerechnen(eingabe, ergebnis));
        benchmark::DoNotOptimize(ergebnis);
    }
}

void BM_PmvBerechnen_Vorgabe(benchmark::State& s) { berechne(s, standardRaumklima()); }
void BM_PmvBerechnen_ErzwungeneKonvektion(benchmark::State& s)
{
    berechne(s, Raumklima{22, 22, 0.2f, 50, 70, 0, 1.0f, 1});
}
void BM_PmvBerechnen_OhneKleidung(benchmark::State& s) { berechne(s, Raumklima{20, 20, 0, 60, 70, 0, 0, 0}); }

BENCHMARK(BM_PmvBerechnen_Vorgabe);
BENCHMARK(BM_PmvBerechnen_ErzwungeneKonvektion);
BENCHMARK(BM_PmvBerechnen_OhneKleidung);

// A million varied cases through the same code as `tempara-cli pmv < datei`.
void BM_PmvStrom(benchmark::State& zustand)
{
    const long faelle = zustand.range(0);
    std::FILE* ein = std::tmpfile();
    std::FILE* aus = std::tmpfile();
    for (long i = 0; i < faelle; ++i)
        std::fprintf(ein, "%.1f %.1f %.2f %ld %ld 0 0 %.2f\n", 15 + (i % 150) * 0.1, 18 + (i % 70) * 0.2,
                     (i % 20) * 0.05, 30 + i % 50, 60 + 5 * (i % 20), 0.5 + (i % 10) * 0.1);
    for (auto _ : zustand) {
        std::rewind(ein);
        std::rewind(aus);
        benchmark::DoNotOptimize(pmvStrom(ein, aus, stderr, false));
    }
    zustand.SetItemsProcessed(zustand.iterations() * faelle);
    std::fclose(ein);
    std::fclose(aus);
}
BENCHMARK(BM_PmvStrom)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
