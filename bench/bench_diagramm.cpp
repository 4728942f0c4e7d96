// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram's "&Start" for the default ranges (-15 to 50 °C on both axes, 131 × 131 =
// 17161 grid points): the whole run into the image, and the evaluations alone.
#include "bereich.h"
#include "diagrammbild.h"
#include "groessen.h"
#include "pmv.h"
#include "raster.h"

#include "stille_dienste.h"

#include <benchmark/benchmark.h>

using namespace diagram;
using namespace model;

namespace {

// Label sizes need the font system: the one application object of the benchmark program.
void anwendungSicherstellen() { benchAnwendung(); }

const PmvEingabe kVorgabe = PmvEingabeAus(standardRaumklima(), true);

void BM_DiagrammStartGanz(benchmark::State& state)
{
    anwendungSicherstellen();
    Diagrammbild bild;
    int zellen = 0;
    for (auto _ : state) {
        Bereich bereich;
        Bereichsfelder felder{QStringLiteral("-15"), QStringLiteral("50"), QStringLiteral("-15"), QStringLiteral("50")};
        bereichPruefen(bereich, felder, Lufttemperatur, Strahlungstemperatur, [](const QString&) {});
        zellen =
            diagrammZeichnen(bild, kVorgabe, 0.0f, Lufttemperatur, Strahlungstemperatur, bereichLesen(felder)).zellen;
        benchmark::DoNotOptimize(bild.bild().constBits());
    }
    state.counters["Zellen"] = zellen;
    state.SetItemsProcessed(state.iterations() * 131 * 131);
}
BENCHMARK(BM_DiagrammStartGanz)->Unit(benchmark::kMillisecond);

void BM_DiagrammNurAuswertung(benchmark::State& state)
{
    anwendungSicherstellen();
    const Achsen achsen = achsenAuslegen(Bereich{}, Lufttemperatur, Strahlungstemperatur);
    int auswertungen = 0;
    for (auto _ : state) {
        float summe = 0;
        auswertungen = rasterDurchlaufen(kVorgabe, 0.0f, Lufttemperatur, Strahlungstemperatur, achsen, 380, 300,
                                         [&](Spanne, Spanne, float pmv) {
                                             summe += pmv;
                                             return true;
                                         })
                           .auswertungen;
        benchmark::DoNotOptimize(summe);
    }
    state.counters["Auswertungen"] = auswertungen;
    state.SetItemsProcessed(state.iterations() * 131 * 131);
}
BENCHMARK(BM_DiagrammNurAuswertung)->Unit(benchmark::kMillisecond);

void BM_DiagrammSpeicherbild(benchmark::State& state)
{
    anwendungSicherstellen();
    Diagrammbild bild;
    diagrammZeichnen(bild, kVorgabe, 0.0f, Lufttemperatur, Strahlungstemperatur, Bereich{});
    const Achsen achsen = achsenAuslegen(Bereich{}, Lufttemperatur, Strahlungstemperatur);
    const Festwerte zeilen = festwerte(Lufttemperatur, Strahlungstemperatur, werttexteAus(standardRaumklima(), true));
    for (auto _ : state)
        benchmark::DoNotOptimize(bild.speicherbild(achsen, zeilen).constBits());
}
BENCHMARK(BM_DiagrammSpeicherbild)->Unit(benchmark::kMillisecond);

}  // namespace
