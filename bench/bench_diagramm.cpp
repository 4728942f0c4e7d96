// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram's "&Start" for the default ranges (-15 to 50 °C on both axes, 131 × 131 =
// 17161 grid points): the whole run into the image, and the evaluations alone.
#include "bereich.h"
#include "bericht.h"
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
    const Bereich bereich;
    int auswertungen = 0;
    for (auto _ : state) {
        const Rasterwerte r =
            rasterBerechnen(kVorgabe, 0.0f, Lufttemperatur, Strahlungstemperatur, geometrieAus(bereich), bereich);
        auswertungen = r.auswertungen;
        benchmark::DoNotOptimize(r.pmv.data());
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

// The report page of the default run with all five lines of constant PMV.
Berichtinhalt berichtinhalt()
{
    Diagrammbild bild;
    const Bereich bereich;
    const Lauf lauf = diagrammZeichnen(bild, kVorgabe, 0.0f, Lufttemperatur, Strahlungstemperatur, bereich);
    return {lauf.raster, bereich,
            festwerte(Lufttemperatur, Strahlungstemperatur, werttexteAus(standardRaumklima(), true)),
            QStringLiteral("neutral bei Ti = 22,0 °C (Ts = 20,0 °C)")};
}

void BM_BerichtSvg(benchmark::State& state)
{
    anwendungSicherstellen();
    const Berichtinhalt inhalt = berichtinhalt();
    Berichtoptionen optionen;
    optionen.linien = Linienwahl::KategorieC;
    for (auto _ : state)
        benchmark::DoNotOptimize(berichtSvg(inhalt, optionen).size());
}
BENCHMARK(BM_BerichtSvg)->Unit(benchmark::kMillisecond);

void BM_BerichtPng300dpi(benchmark::State& state)
{
    anwendungSicherstellen();
    const Berichtinhalt inhalt = berichtinhalt();
    Berichtoptionen optionen;
    optionen.linien = Linienwahl::KategorieC;
    for (auto _ : state)
        benchmark::DoNotOptimize(berichtPng(inhalt, optionen).size());
}
BENCHMARK(BM_BerichtPng300dpi)->Unit(benchmark::kMillisecond);

}  // namespace
