// SPDX-License-Identifier: GPL-3.0-or-later
// One recomputation of the main window with its display update, as every scroll step runs it.
#include "hpt_fenster.h"
#include "programm.h"
#include "stille_dienste.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

using namespace app;

namespace {

void BM_Neuberechnung(benchmark::State& zustand)
{
    benchAnwendung();
    StilleDienste dienste;
    hpt fenster(dienste);
    for (auto _ : zustand)
        fenster.Neuberechnung();
}
BENCHMARK(BM_Neuberechnung);

// A scroll step as the user makes it: handler, label, recomputation, display.
void BM_Schieberschritt(benchmark::State& zustand)
{
    benchAnwendung();
    StilleDienste dienste;
    hpt fenster(dienste);
    auto* ti = fenster.findChild<QScrollBar*>(QStringLiteral("TLI_Scroll"));
    int p = 100;
    for (auto _ : zustand) {
        p = p == 100 ? 101 : 100;
        ti->setValue(p);
    }
}
BENCHMARK(BM_Schieberschritt);

}  // namespace
