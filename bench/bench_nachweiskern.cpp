// SPDX-License-Identifier: GPL-3.0-or-later
// The long-term proof beyond the run (goal: at most 5 ms for a year): keeping the hours the
// run hands on, the proof with the adaptive model, and the proof with both of its tables; and a
// year's run with and without the evaluation (counting, the kept hours, the data's SHA-256).
#include "jahresauswertung.h"
#include "nachweistabelle.h"

#include "grosse_datei.h"

#include <QDir>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace evaluation;

namespace {

// A year as the run hands it on: hour, room and outdoor temperatures, a fan now and then.
std::vector<batch::Stundenwert> jahr()
{
    std::vector<batch::Stundenwert> zeilen;
    for (int h = 1; h <= 8760; ++h) {
        const double tag = double(h - 1) / 24.0, stunde = double((h - 1) % 24);
        const double aussen =
            10.0 - 9.0 * std::cos(2 * M_PI * (tag - 20) / 365) + 4.0 * std::sin(2 * M_PI * (stunde - 9) / 24);
        const float ta = float(22.0 + 0.3 * aussen + std::sin(h * 0.7));
        batch::Stundenwert w;
        w.zeile = h;
        w.stunde = float(h);
        w.ta = ta;
        w.tr = ta + 0.5f;
        w.var = h % 7 == 0 ? 0.7f : 0.1f;
        w.phi = 50.0f;
        w.taAussen = float(aussen);
        w.gerechnet = true;
        w.pmv = float(0.3 * (ta - 23.0));
        w.ppd = 5.0f + 20.0f * std::fabs(w.pmv);
        zeilen.push_back(w);
    }
    return zeilen;
}

Stundenwerte gesammelt(const std::vector<batch::Stundenwert>& zeilen)
{
    Stundenwerte w;
    w.hatStundenspalte = w.hatAussenspalte = true;
    for (const batch::Stundenwert& z : zeilen)
        w.aufnehmen(z);
    return w;
}

void BM_Nachweis_StundenSammeln(benchmark::State& zustand)
{
    const std::vector<batch::Stundenwert> zeilen = jahr();
    for (auto _ : zustand)
        benchmark::DoNotOptimize(gesammelt(zeilen));
}
BENCHMARK(BM_Nachweis_StundenSammeln)->Unit(benchmark::kMillisecond);

void BM_Nachweis_Berechnen(benchmark::State& zustand)
{
    const Stundenwerte w = gesammelt(jahr());
    for (auto _ : zustand)
        benchmark::DoNotOptimize(NachweisBerechnen(w, Nachweiseinstellungen{}));
}
BENCHMARK(BM_Nachweis_Berechnen)->Unit(benchmark::kMillisecond);

void BM_Nachweis_MitTabellen(benchmark::State& zustand)
{
    const Stundenwerte w = gesammelt(jahr());
    const Nachweiseinstellungen e;
    for (auto _ : zustand) {
        const Nachweis n = NachweisBerechnen(w, e);
        benchmark::DoNotOptimize(NachweisCsv(n, w, e));
        benchmark::DoNotOptimize(StundenCsv(n, w, e));
    }
}
BENCHMARK(BM_Nachweis_MitTabellen)->Unit(benchmark::kMillisecond);

// The same year run bare and with everything the evaluation keeps; the difference is its cost.
void lauf(benchmark::State& zustand, bool auswerten)
{
    const QString pfad = grosseDatendatei(QStringLiteral("jahr.txt"), 8760);
    const QString ausgabe = QFileInfo(pfad).dir().filePath(QStringLiteral("jahr.TPR"));
    batch::Stapeleinstellungen e;
    e.zuordnung = {batch::kJahresstunde, batch::kTi, batch::kTs};
    e.dezimaltrenner = u',';
    for (auto _ : zustand) {
        const batch::Dateiplan plan = batch::PlanMitAusgabe(pfad, ausgabe);
        const bool gelungen =
            auswerten ? StapellaufAuswerten(plan, e).ergebnis.erfolgreich : batch::Stapellauf(plan, e).erfolgreich;
        if (!gelungen)
            zustand.SkipWithError("Stapellauf fehlgeschlagen");
    }
}
void BM_Nachweis_LaufOhneAuswertung(benchmark::State& s) { lauf(s, false); }
void BM_Nachweis_LaufMitAuswertung(benchmark::State& s) { lauf(s, true); }
BENCHMARK(BM_Nachweis_LaufOhneAuswertung)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Nachweis_LaufMitAuswertung)->Unit(benchmark::kMillisecond);

}  // namespace
