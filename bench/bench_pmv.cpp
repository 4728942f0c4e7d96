// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the model: one evaluation by either method, one recomputation of the main window,
// and the case stream of `tempara-cli pmv` by either method. Goals: one ISO 7730 evaluation
// within 150 ns; the ISO stream within 20 % of the classic one.
#include "pmvstrom.h"
#include "rechenverfahren.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

using namespace model;
using namespace cli;

namespace {

void berechne(benchmark::State& zustand, Raumklima klima)
{
    const PmvEingabe eingabe = PmvEingabeAus(klima, false);
    const auto verfahren = Rechenverfahren(zustand.range(0));
    PmvErgebnis ergebnis;
    for (auto _ : zustand) {
        benchmark::DoNotOptimize(PmvBerechnen(eingabe, ergebnis, verfahren));
        benchmark::DoNotOptimize(ergebnis);
    }
    zustand.SetLabel(Verfahrenswort(verfahren));
}

void BM_PmvBerechnen_Vorgabe(benchmark::State& s) { berechne(s, standardRaumklima()); }
void BM_PmvBerechnen_ErzwungeneKonvektion(benchmark::State& s)
{
    berechne(s, Raumklima{22, 22, 0.2f, 50, 70, 0, 1.0f, 1});
}
void BM_PmvBerechnen_OhneKleidung(benchmark::State& s) { berechne(s, Raumklima{20, 20, 0, 60, 70, 0, 0, 0}); }

// Argument 0: classic, 1: ISO 7730.
BENCHMARK(BM_PmvBerechnen_Vorgabe)->DenseRange(0, 1);
BENCHMARK(BM_PmvBerechnen_ErzwungeneKonvektion)->DenseRange(0, 1);
BENCHMARK(BM_PmvBerechnen_OhneKleidung)->DenseRange(0, 1);

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
        benchmark::DoNotOptimize(pmvStrom(ein, aus, stderr, false, Rechenverfahren(zustand.range(1))));
    }
    zustand.SetItemsProcessed(zustand.iterations() * faelle);
    zustand.SetLabel(Verfahrenswort(Rechenverfahren(zustand.range(1))));
    std::fclose(ein);
    std::fclose(aus);
}
BENCHMARK(BM_PmvStrom)->Args({1000000, 0})->Args({1000000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
