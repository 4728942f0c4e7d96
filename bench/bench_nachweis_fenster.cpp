// SPDX-License-Identifier: GPL-3.0-or-later
// The page "Nachweis" of the evaluation window: a changed setting recomputes the proof from a
// year's kept hours, refills verdicts and table and repaints the picture on show (goal: at
// most 50 ms).
#include "auswertung_fenster.h"

#include "stille_dienste.h"

#include <QComboBox>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace evaluation;

namespace {

// An office year with an outdoor temperature, as the run hands its hours on.
Jahresauswertung jahrMitStunden()
{
    Jahresauswertung j;
    j.ergebnisdatei = QStringLiteral("/daten/jahr.TPR");
    j.stunden.hatStundenspalte = true;
    j.stunden.hatAussenspalte = true;
    for (int h = 1; h <= batch::kJahresstunden; ++h) {
        const double tag = double((h - 1) / 24), stunde = double((h - 1) % 24);
        batch::Stundenwert w;
        w.zeile = h;
        w.stunde = float(h);
        w.taAussen =
            float(10 - 10 * std::cos(2 * M_PI * (tag - 20) / 365) + 5 * std::sin(2 * M_PI * (stunde - 9) / 24));
        w.ta = float(22 + 0.35 * std::max(0.0, double(w.taAussen) - 8) + std::sin(h * 0.7));
        w.tr = w.ta + 0.8f;
        w.var = 0.1f;
        w.phi = 50;
        w.M = 70;
        w.Icl = 0.7f;
        w.gerechnet = true;
        w.pmv = (w.ta - 24.0f) / 2.5f;
        w.ppd = float(100 - 95 * std::exp(-0.03353 * std::pow(w.pmv, 4) - 0.2179 * w.pmv * w.pmv));
        j.stunden.aufnehmen(w);
    }
    return j;
}

void BM_Nachweis_EinstellungNeuGezeichnet(benchmark::State& zustand)
{
    benchAnwendung();
    QTemporaryDir ordner;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
    StilleDienste dienste;
    const Jahresauswertung j = jahrMitStunden();
    Auswertungsfenster fenster(dienste, j);
    fenster.resize(1400, 1000);
    fenster.show();
    fenster.findChild<QTabWidget*>(QStringLiteral("seiten"))->setCurrentIndex(2);
    fenster.findChild<QTabWidget*>(QStringLiteral("nachweisAnsicht"))->setCurrentIndex(3);  // the adaptive chart
    auto* region = fenster.findChild<QComboBox*>(QStringLiteral("klimaregion"));
    int wahl = 0;
    for (auto _ : zustand) {
        region->setCurrentIndex(++wahl % 3);
        fenster.repaint();
    }
}
BENCHMARK(BM_Nachweis_EinstellungNeuGezeichnet)->Unit(benchmark::kMillisecond);

}  // namespace
