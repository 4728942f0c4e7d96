// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli pmv as a script calls it: arguments, streamed lines, failures and exit status.
#include "cliprozess.h"
#include "pmv.h"
#include "zahlen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace model;

class TestCliPmv : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void einFallAlsArgumente_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QString>("ausgabe");
        QTest::newRow("Vorgabewerte") << u"20 20 0 60 70 0 0 1"_s << u"-0.2649802\t6.677566\n"_s;
        QTest::newRow("negative Werte sind keine Optionen") << u"-5 -5 0 60 70 0 0 1"_s << u"-3\t98.10194\n"_s;
        QTest::newRow("Komma als Dezimaltrenner") << u"22 22 0,2 50 70 0 0 1"_s << u"-0.07523588\t5.132524\n"_s;
        QTest::newRow("winzige Werte sind null") << u"20 20 1e-50 60 70 0 1e-999 1"_s << u"-0.2649802\t6.677566\n"_s;
        QTest::newRow("Ts folgt Ti") << u"--ts-gleich-ti 20 99 0 60 70 0 0 1"_s << u"-0.2649802\t6.677566\n"_s;
        QTest::newRow("ISO 7730") << u"--verfahren iso 20 20 0 60 70 0 0 1"_s << u"-0.25605962\t6.361109\n"_s;
        QTest::newRow("ISO 7730, ungeklippt") << u"--verfahren=iso -5 -5 0 60 70 0 0 1"_s << u"-5.6684093\t100\n"_s;
        QTest::newRow("klassisch ausdrücklich")
            << u"--verfahren klassisch 20 20 0 60 70 0 0 1"_s << u"-0.2649802\t6.677566\n"_s;
    }
    void einFallAlsArgumente()
    {
        QFETCH(QString, argumente);
        QFETCH(QString, ausgabe);
        const CliAusgang a = cliStarten(u"pmv "_s + argumente);
        QCOMPARE(a.ausText(), ausgabe);
        QVERIFY(a.status == 0 && a.fehler.isEmpty());
    }

    void ausgabeLiestGenauZurueck()
    {
        // the printed texts give back the very float32 results of the model (see kuerzesterText)
        const CliAusgang a = cliStarten(u"pmv 23.4 25.1 0.15 47 93 10 0.3 0.73"_s);
        PmvErgebnis r;
        QVERIFY(PmvBerechnen(PmvEingabeAus(Raumklima{23.4f, 25.1f, 0.15f, 47, 93, 10, 0.3f, 0.73f}, false), r));
        QCOMPARE(a.ausText(), u"%1\t%2\n"_s.arg(kuerzesterText(r.PMV), kuerzesterText(r.PPD)));
    }

    void zeilenDerStandardeingabe()
    {
        const QByteArray eingabe = "\xEF\xBB\xBF"  // UTF-8 mark of some editors
                                   "20 20 0 60 70 0 0 1\r\n"
                                   "\n"
                                   "22\t22\t0,2\t50\t70\t0\t0\t1\n"
                                   "zwanzig 20 0 60 70 0 0 1\n"
                                   "20 20 0 60,5 70 0 0 1\n"
                                   "20 20 0 60 70 0 0\n"
                                   "-234.175 -234.175 0 60 70 0 0 1\n"
                                   "  20   20 0 60 70 0 0 0";  // no final line ending
        // the decimal point in every language
        for (const QString& sprache : {u"de_DE.UTF-8"_s, u"en_US.UTF-8"_s, u"C"_s}) {
            const CliAusgang a = cliStarten(u"pmv"_s, {.sprache = sprache, .eingabe = eingabe});
            QCOMPARE(a.ausText(),
                     u"-0.2649802\t6.677566\n-0.07523588\t5.132524\nFehler\nFehler\nFehler\nFehler\n-3\t98.10194\n"_s);
            QCOMPARE(a.status, 1);
            QCOMPARE(a.fehlerText(), u"tempara-cli pmv: Zeile 4: TI \"zwanzig\" ist keine Zahl\n"
                                     "tempara-cli pmv: Zeile 5: PHI muss eine ganze Zahl von -32768 bis 32767 sein\n"
                                     "tempara-cli pmv: Zeile 6: acht Werte erwartet (TI TS V_LUFT PHI M W V_REL ICL), "
                                     "7 gefunden\ntempara-cli pmv: Zeile 7: Gleitkommafehler in der Berechnung\n"_s);
        }
    }

    void falscherAufruf_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("ausgabe");  // part of standard output, with status 0
        QTest::newRow("zu wenige Werte") << u"pmv 20 20"_s << 2 << QString();
        QTest::newRow("unbekannte Option") << u"pmv --schnell"_s << 2 << QString();
        QTest::newRow("unbekanntes Verfahren") << u"pmv --verfahren exakt 20 20 0 60 70 0 0 1"_s << 2 << QString();
        QTest::newRow("ISO, nicht eingeschwungen")
            << u"pmv --verfahren iso 20 20 0 50 70 0 0 10000"_s << 1 << QString();
        QTest::newRow("unbekannter Befehl") << u"rechne"_s << 2 << QString();
        QTest::newRow("ohne Befehl") << QString() << 2 << QString();
        QTest::newRow("keine Zahl") << u"pmv a 20 0 60 70 0 0 1"_s << 1 << QString();
        QTest::newRow("unter dem absoluten Nullpunkt") << u"pmv -273.2 20 0 60 70 0 0 1"_s << 2 << QString();
        QTest::newRow("Hilfe auf Deutsch, mit der Option") << u"pmv --help"_s << 0 << u"Rückgabewert|--ts-gleich-ti"_s;
        QTest::newRow("Übersicht") << u"--help"_s << 0 << u"pmv|--version"_s;
        QTest::newRow("Version") << u"--version"_s << 0 << u"tempara-cli 1."_s;
    }
    void falscherAufruf()
    {
        QFETCH(QString, argumente);
        QFETCH(int, status);
        QFETCH(QString, ausgabe);
        const CliAusgang a = cliStarten(argumente);
        QCOMPARE(a.status, status);
        for (const QString& teil : ausgabe.split(u'|'))
            QVERIFY(status == 0 ? a.ausText().contains(teil) : !a.fehler.isEmpty());
    }

    // The other commands take the method too: a result file names only the ISO method, its
    // numbers and the assessment's change with it, and so does the diagram's bitmap.
    void verfahrenInStapelBewertungUndDiagramm()
    {
        QTemporaryDir ordner;
        QFile daten(ordner.filePath(u"d.txt"_s));
        QVERIFY(daten.open(QIODevice::WriteOnly) && daten.write("S 2\r\n25\r\n") > 0);
        daten.close();
        QByteArray ergebnis[2], bild[2];
        for (int iso = 0; iso < 2; ++iso) {
            const QString verfahren = iso ? u" --verfahren iso"_s : QString();
            cliStarten(u"stapel d.txt --ueberschreiben"_s + verfahren, {.ordner = ordner.path()});
            cliStarten(u"diagramm --x ti --y ts --bmp d.bmp"_s + verfahren, {.ordner = ordner.path()});
            for (const QString& name : {u"d.TPR"_s, u"d.bmp"_s}) {
                QFile f(ordner.filePath(name));
                (name == u"d.TPR"_s ? ergebnis : bild)[iso] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            }
        }
        QVERIFY(!ergebnis[0].contains("Rechenverfahren"));
        QCOMPARE(ergebnis[1].split('\n').at(2), "C  Rechenverfahren = ISO 7730:2005\r");
        QVERIFY(ergebnis[0].endsWith("\t25,0\t0,9\t22,9\r\n") && ergebnis[1].endsWith("\t25,0\t0,9\t21,4\r\n"));
        QVERIFY(bild[0] != bild[1]);
        QCOMPARE(cliStarten(u"bewertung --verfahren=iso 22 22 0.1 60 70 0 0 0.5"_s).ausText().section(u'\n', 1, 1),
                 u"PPD\t16.59\t-"_s);
    }
};

QTEST_GUILESS_MAIN(TestCliPmv)
#include "tst_cli_pmv.moc"
