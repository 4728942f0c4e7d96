// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the ISO 7730 assessment: everything beyond PmvBerechnen (all nine criteria), and
// the whole of it with PmvBerechnen for comparison.
#include "bewertung.h"
#include "pmv.h"

#include <benchmark/benchmark.h>

using namespace model;

namespace {

bewertung::LokaleEingaben alleKriterien()
{
    bewertung::LokaleEingaben l;
    l.tLokal = 22.0;
    l.vLokal = 0.2;
    l.lokal = {2.0, 29.0, 5.0, 10.0, 14.0, 23.0};
    return l;
}

void BM_Bewertung_OhnePmv(benchmark::State& zustand)
{
    const PmvEingabe eingabe = PmvEingabeAus(Raumklima{22, 22, 0.2f, 50, 70, 0, 0, 1}, false);
    PmvErgebnis pmv;
    (void)PmvBerechnen(eingabe, pmv);
    bewertung::LokaleEingaben lokal = alleKriterien();
    for (auto _ : zustand) {
        benchmark::DoNotOptimize(lokal);
        benchmark::DoNotOptimize(bewertung::bewerte(eingabe, pmv, lokal));
    }
}
BENCHMARK(BM_Bewertung_OhnePmv);

void BM_Bewertung_MitPmv(benchmark::State& zustand)
{
    const PmvEingabe eingabe = PmvEingabeAus(Raumklima{22, 22, 0.2f, 50, 70, 0, 0, 1}, false);
    bewertung::LokaleEingaben lokal = alleKriterien();
    PmvErgebnis pmv;
    for (auto _ : zustand) {
        benchmark::DoNotOptimize(PmvBerechnen(eingabe, pmv));
        benchmark::DoNotOptimize(bewertung::bewerte(eingabe, pmv, lokal));
    }
}
BENCHMARK(BM_Bewertung_MitPmv);

}  // namespace
