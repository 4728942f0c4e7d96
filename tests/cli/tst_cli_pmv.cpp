// tempara-cli pmv as a script calls it: arguments, streamed lines, failures and exit status.
#include "pmv.h"

#include "cliprozess.h"
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Lauf {
    int status;
    QString aus;
    QString fehler;
};

Lauf starte(const QStringList& argumente, const QByteArray& eingabe = {}, const QString& sprache = u"de_DE.UTF-8"_s)
{
    CliUmgebung u;
    u.eingabe = eingabe;
    u.sprache = sprache;
    const CliAusgang a = cliStarten(argumente, u);
    if (a.status < 0)
        qFatal("tempara-cli hängt");
    return {a.status, a.ausText(), a.fehlerText()};
}

}  // namespace

class TestCliPmv : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void einFallAlsArgumente_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("ausgabe");
        QTest::newRow("Vorgabewerte") << QStringList{u"20"_s, u"20"_s, u"0"_s, u"60"_s, u"70"_s, u"0"_s, u"0"_s, u"1"_s}
                                      << u"-0.2649802\t6.677566\n"_s;
        QTest::newRow("negative Werte sind keine Optionen")
            << QStringList{u"-5"_s, u"-5"_s, u"0"_s, u"60"_s, u"70"_s, u"0"_s, u"0"_s, u"1"_s} << u"-3\t98.10194\n"_s;
        QTest::newRow("Komma als Dezimaltrenner")
            << QStringList{u"22"_s, u"22"_s, u"0,2"_s, u"50"_s, u"70"_s, u"0"_s, u"0"_s, u"1"_s} << u"-0.07523588\t5.132524\n"_s;
        QTest::newRow("winzige Werte sind null")
            << QStringList{u"20"_s, u"20"_s, u"1e-50"_s, u"60"_s, u"70"_s, u"0"_s, u"1e-999"_s, u"1"_s}
            << u"-0.2649802\t6.677566\n"_s;
        QTest::newRow("Ts folgt Ti")
            << QStringList{u"--ts-gleich-ti"_s, u"20"_s, u"99"_s, u"0"_s, u"60"_s, u"70"_s, u"0"_s, u"0"_s, u"1"_s}
            << u"-0.2649802\t6.677566\n"_s;
    }
    void einFallAlsArgumente()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, ausgabe);
        const Lauf lauf = starte(QStringList{u"pmv"_s} + argumente);
        QCOMPARE(lauf.aus, ausgabe);
        QCOMPARE(lauf.status, 0);
        QVERIFY(lauf.fehler.isEmpty());
    }

    void ausgabeLiestGenauZurueck()
    {
        // the printed texts give back the very float32 results of the model
        const Lauf lauf = starte({u"pmv"_s, u"23.4"_s, u"25.1"_s, u"0.15"_s, u"47"_s, u"93"_s, u"10"_s, u"0.3"_s, u"0.73"_s});
        PmvErgebnis r;
        QVERIFY(PmvBerechnen(PmvEingabeAus(Raumklima{23.4f, 25.1f, 0.15f, 47, 93, 10, 0.3f, 0.73f}, false), r));
        const QStringList felder = lauf.aus.trimmed().split(u'\t');
        QCOMPARE(felder.size(), 2);
        QCOMPARE(felder[0].toFloat(), r.PMV);
        QCOMPARE(felder[1].toFloat(), r.PPD);
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
        const Lauf lauf = starte({u"pmv"_s}, eingabe);
        QCOMPARE(lauf.aus, u"-0.2649802\t6.677566\n-0.07523588\t5.132524\nFehler\nFehler\nFehler\nFehler\n-3\t98.10194\n"_s);
        QCOMPARE(lauf.status, 1);
        const QStringList meldungen = lauf.fehler.trimmed().split(u'\n');
        QCOMPARE(meldungen.size(), 4);
        QVERIFY(meldungen[0].contains(u"Zeile 4"_s));
        QVERIFY(meldungen[1].contains(u"Zeile 5"_s) && meldungen[1].contains(u"ganze Zahl"_s));
        QVERIFY(meldungen[2].contains(u"Zeile 6"_s) && meldungen[2].contains(u"acht Werte"_s));
        QVERIFY(meldungen[3].contains(u"Zeile 7"_s) && meldungen[3].contains(u"Gleitkommafehler"_s));
    }

    void dezimalpunktInJederSprache()
    {
        for (const QString& sprache : {u"de_DE.UTF-8"_s, u"en_US.UTF-8"_s, u"C"_s})
            QCOMPARE(starte({u"pmv"_s}, "20 20 0 60 70 0 0 1\n", sprache).aus, u"-0.2649802\t6.677566\n"_s);
    }

    void falscherAufruf_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::newRow("zu wenige Werte") << QStringList{u"pmv"_s, u"20"_s, u"20"_s} << 2;
        QTest::newRow("unbekannte Option") << QStringList{u"pmv"_s, u"--schnell"_s} << 2;
        QTest::newRow("unbekannter Befehl") << QStringList{u"rechne"_s} << 2;
        QTest::newRow("ohne Befehl") << QStringList{} << 2;
        QTest::newRow("zwei Vorzeichen") << QStringList{u"pmv"_s, u"+-5"_s, u"20"_s, u"0"_s, u"60"_s, u"70"_s, u"0"_s, u"0"_s, u"1"_s} << 1;
        QTest::newRow("keine Zahl") << QStringList{u"pmv"_s, u"a"_s, u"20"_s, u"0"_s, u"60"_s, u"70"_s, u"0"_s, u"0"_s, u"1"_s} << 1;
    }
    void falscherAufruf()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        const Lauf lauf = starte(argumente);
        QCOMPARE(lauf.status, status);
        QVERIFY(!lauf.fehler.isEmpty());
    }

    void hilfeAufDeutsch()
    {
        const Lauf lauf = starte({u"pmv"_s, u"--help"_s});
        QCOMPARE(lauf.status, 0);
        QVERIFY(lauf.aus.contains(u"Rückgabewert"_s));
        QVERIFY(lauf.aus.contains(u"--ts-gleich-ti"_s));
        const Lauf uebersicht = starte({u"--help"_s});
        QCOMPARE(uebersicht.status, 0);
        QVERIFY(uebersicht.aus.contains(u"pmv"_s));
    }
};

QTEST_GUILESS_MAIN(TestCliPmv)
#include "tst_cli_pmv.moc"
