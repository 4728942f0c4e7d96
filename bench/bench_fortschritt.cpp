// SPDX-License-Identifier: GPL-3.0-or-later
// Ten million data lines through the window's way of running: the core in a worker thread,
// the progress dialog "Fortschritt" over a window, as DATEI drives it. Measured: how often the
// dialog shows a new figure (goal: at least five times a second), the longest pause of the
// GUI thread's event loop, and how far the memory grows during the run (goal: flat, a few MB
// of buffers whatever the file's length).
#include "fortschrittsanzeige.h"
#include "stapellauf.h"

#include "grosse_datei.h"
#include "stille_dienste.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

using namespace batch;

namespace {

constexpr long kZeilen = 10000000;

// The resident memory in MB (Linux; 0 elsewhere).
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void BM_Fenster_ZehnMillionenZeilen(benchmark::State& zustand)
{
    benchAnwendung();
    const QString pfad = grosseDatendatei(QStringLiteral("zehn_millionen.txt"), kZeilen);
    Stapeleinstellungen e;
    e.zuordnung = {kJahresstunde, kTi, kTs};
    e.dezimaltrenner = u',';
    const Dateiplan plan = PlanMitAusgabe(pfad, QFileInfo(pfad).dir().filePath(QStringLiteral("zehn_millionen.TPR")));
    const Fortschrittstexte texte{QStringLiteral("Datendatei auswerten"), QStringLiteral("%1 Datenzeilen ausgewertet"),
                                  QStringLiteral("%1 von %2 Datenzeilen ausgewertet")};
    QWidget fenster;
    fenster.show();

    for (auto _ : zustand) {
        Fortschrittsstand stand;
        Stapelergebnis ergebnis;
        QElapsedTimer uhr;
        int64_t letzterTakt = 0, laengstePause = 0, erstesBild = -1;
        int neueTexte = 0;
        QString zuletzt;
        const double speicherAnfang = residentMb();
        double speicherHoechst = speicherAnfang;
        // Looks at the dialog every 20 ms from the GUI thread, as the eye would.
        QTimer wache;
        QObject::connect(&wache, &QTimer::timeout, [&] {
            const int64_t jetzt = uhr.elapsed();
            laengstePause = std::max(laengstePause, jetzt - letzterTakt);
            letzterTakt = jetzt;
            speicherHoechst = std::max(speicherHoechst, residentMb());
            if (auto* dialog = fenster.findChild<QProgressDialog*>(QStringLiteral("Fortschritt"));
                dialog && dialog->isVisible() && dialog->labelText() != zuletzt) {
                zuletzt = dialog->labelText();
                ++neueTexte;
                if (erstesBild < 0)
                    erstesBild = jetzt;
            }
        });
        uhr.start();
        wache.start(20);
        imHintergrund(
            &fenster,
            [&] { ergebnis = Stapellauf(plan, e, [&stand](int64_t a, int64_t g) { return stand.melden(a, g); }); },
            stand, texte, kZeilen);
        wache.stop();
        const double dauer = double(uhr.elapsed() - std::max<int64_t>(erstesBild, 0)) / 1000.0;
        if (!ergebnis.erfolgreich)
            zustand.SkipWithError("Stapellauf fehlgeschlagen");
        zustand.counters["Anzeigen_pro_s"] = dauer > 0 ? neueTexte / dauer : 0;
        zustand.counters["Pause_max_ms"] = double(laengstePause);
        zustand.counters["Speicherzuwachs_MB"] = speicherHoechst - speicherAnfang;
    }
    zustand.SetItemsProcessed(zustand.iterations() * kZeilen);
}
BENCHMARK(BM_Fenster_ZehnMillionenZeilen)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
