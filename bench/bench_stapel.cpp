// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the batch evaluation: a year of hourly lines through Stapellauf (both forms), a
// million lines streamed season-independently, and the line splitter alone. The counter
// "Speicherzuwachs_KiB" is how far the process's peak memory grew during the run: with the
// input streamed it stays near zero whatever the file's length.
#include "ausgabeplan.h"
#include "stapellauf.h"
#include "zeilen.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

// Scratch files live in memory where the system offers it (/dev/shm), so that the figures
// measure the program rather than the disk.
QTemporaryDir& ordner()
{
    static std::unique_ptr<QTemporaryDir> dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        if (QFileInfo(shm).isDir() && QFileInfo(shm).isWritable())
            return std::make_unique<QTemporaryDir>(shm + QStringLiteral("/tempara-bench-XXXXXX"));
        return std::make_unique<QTemporaryDir>();
    }();
    return *dir;
}

// Hourly lines like a measured year: hour, Ti, Ts, humidity with a decimal comma.
QString datendatei(long zeilen)
{
    const QString pfad = ordner().filePath(QStringLiteral("stunden_%1.txt").arg(zeilen));
    if (QFileInfo::exists(pfad))
        return pfad;
    std::FILE* datei = std::fopen(QFile::encodeName(pfad).constData(), "wb");
    std::fputs("C Messung\r\nS 1 2 3 5\r\n", datei);
    for (long i = 0; i < zeilen; ++i) {
        const long h = i % 8760;
        std::fprintf(datei, "\t%ld\t%ld,%ld\t%ld,%ld\t%ld\r\n", i + 1, 18 + h % 9, h % 10, 17 + h % 11, (h / 7) % 10,
                     30 + h % 41);
    }
    std::fclose(datei);
    return pfad;
}

batch::Stapeleinstellungen einstellungen(bool jahreszeitabhaengig)
{
    batch::Stapeleinstellungen e;
    e.zuordnung = {batch::kJahresstunde, batch::kTi, batch::kTs, batch::kFeuchte};
    e.v_Luft = 0.1f;
    e.dezimaltrenner = u',';
    const char* laengen[] = {"2160", "4416", "2184", "0"};
    const float clo[] = {1.0f, 0.5f, 1.0f, 1.0f};
    for (int k = 0; k < batch::kBereiche; ++k)
        e.bereiche[std::size_t(k)] = batch::BereichAus(QString::fromLatin1(laengen[k]), 70, clo[k], u',');
    if (jahreszeitabhaengig)
        e.nutzungsart = batch::Nutzungsart::Jahreszeitabhaengig;
    return e;
}

long spitzeKiB()
{
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return nutzung.ru_maxrss;
}

void lauf(benchmark::State& zustand, long zeilen, bool jahreszeitabhaengig)
{
    const QString eingabe = datendatei(zeilen), ausgabe = ordner().filePath(QStringLiteral("ergebnis.TPR"));
    const batch::Stapeleinstellungen e = einstellungen(jahreszeitabhaengig);
    const long vorher = spitzeKiB();
    for (auto _ : zustand) {
        // Planned anew each time: a plan made while the result was free would refuse to replace it.
        const batch::Stapelergebnis ergebnis = batch::Stapellauf(batch::PlanMitAusgabe(eingabe, ausgabe), e);
        if (!ergebnis.erfolgreich || ergebnis.datenzeilen != zeilen)
            zustand.SkipWithError("Stapellauf fehlgeschlagen");
    }
    zustand.SetItemsProcessed(zustand.iterations() * zeilen);
    zustand.counters["Speicherzuwachs_KiB"] = double(spitzeKiB() - vorher);
}

void BM_Stapellauf_Jahr(benchmark::State& s) { lauf(s, 8760, false); }
void BM_Stapellauf_Jahr_Jahreszeitabhaengig(benchmark::State& s) { lauf(s, 8760, true); }
void BM_Stapellauf_MillionZeilen(benchmark::State& s) { lauf(s, 1000000, false); }

BENCHMARK(BM_Stapellauf_Jahr)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stapellauf_Jahr_Jahreszeitabhaengig)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stapellauf_MillionZeilen)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DatenzeileZerlegen(benchmark::State& zustand)
{
    const std::string_view zeile = "\t4711\t21,5\t20,8\t45";
    batch::Zeilenwerte werte{};
    for (auto _ : zustand) {
        benchmark::DoNotOptimize(batch::DatenzeileZerlegen(zeile, werte));
        benchmark::DoNotOptimize(werte);
    }
    zustand.SetItemsProcessed(zustand.iterations());
}
BENCHMARK(BM_DatenzeileZerlegen);

}  // namespace
