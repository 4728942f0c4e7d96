// tempara-cli stapel as a script uses it: exit status, messages, the result file (the same
// bytes the window's run writes), the summary, and no lost file when the disk is full.
#include "stapeltest.h"

#include "stapellauf.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace stapel;
using namespace stapeltest;

namespace {

struct Ausgang {
    int status = -1;
    QString aus;
    QString fehler;
};

Ausgang cli(const QStringList& argumente, const QString& ordner, const QString& sprache = u"de_DE.UTF-8"_s,
            long dateigroesse = -1)
{
    QProcess prozess;
    prozess.setWorkingDirectory(ordner);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(u"LC_ALL"_s, sprache);
    prozess.setProcessEnvironment(umgebung);
    if (dateigroesse >= 0)
        prozess.setChildProcessModifier([dateigroesse] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit grenze{rlim_t(dateigroesse), rlim_t(dateigroesse)};
            setrlimit(RLIMIT_FSIZE, &grenze);
        });
    prozess.start(QStringLiteral(TEMPARA_CLI), QStringList{u"stapel"_s} + argumente);
    if (!prozess.waitForFinished(60000))
        return {};
    return {prozess.exitCode(), QString::fromUtf8(prozess.readAllStandardOutput()), QString::fromUtf8(prozess.readAllStandardError())};
}

const QByteArray kDaten = "C Raum 2\r\nS 1 2 3\r\n\t1\t22,0\t22,0\r\n\t2\t26,0\t26,0\r\n\t3\t16,0\t16,0\r\n";

}  // namespace

class TestStapelCli : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ordner;
    QString pfad(const QString& name) const { return ordner->filePath(name); }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        schreibe(pfad(u"m.txt"_s), kDaten);
        schreibe(pfad(u"ohne_s.txt"_s), "1 22 22\r\n");
    }

    void falscherAufruf_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ohne Datei") << QStringList{} << u"Die Datendatei fehlt"_s;
        QTest::newRow("unbekannte Angabe") << QStringList{u"m.txt"_s, u"--schnell"_s} << u"Unbekannte Angabe --schnell"_s;
        QTest::newRow("0,23 m/s") << QStringList{u"m.txt"_s, u"--v-luft"_s, u"0.23"_s} << u"0,00 bis 5,00 m/s"_s;
        QTest::newRow("5,05 m/s") << QStringList{u"m.txt"_s, u"--v-luft=5,05"_s} << u"0,00 bis 5,00 m/s"_s;
        QTest::newRow("71 W/m²") << QStringList{u"m.txt"_s, u"--aktivitaet"_s, u"71"_s} << u"40 bis 400 W/m²"_s;
        QTest::newRow("20,1 °C") << QStringList{u"m.txt"_s, u"--ti"_s, u"20,1"_s} << u"Schritten von 0,2 °C"_s;
        QTest::newRow("101 %") << QStringList{u"m.txt"_s, u"--phi"_s, u"101"_s} << u"0 bis 100 %"_s;
        QTest::newRow("4,05 clo") << QStringList{u"m.txt"_s, u"--bekleidung"_s, u"4,05"_s} << u"0,00 bis 4,00 clo"_s;
        QTest::newRow("Bereiche und Aktivität") << QStringList{u"m.txt"_s, u"--bereiche"_s, u"1:70:1"_s, u"--aktivitaet"_s, u"70"_s}
                                               << u"schließt --aktivitaet"_s;
        QTest::newRow("fünf Bereiche") << QStringList{u"m.txt"_s, u"--bereiche"_s, u"1:70:1 1:70:1 1:70:1 1:70:1 1:70:1"_s}
                                      << u"ein bis vier Bereiche"_s;
        QTest::newRow("Bereich ohne Länge") << QStringList{u"m.txt"_s, u"--bereiche"_s, u"x:70:1"_s} << u"Länge:Energieumsatz:Bekleidung"_s;
        QTest::newRow("Bereich mit 71 W/m²") << QStringList{u"m.txt"_s, u"--bereiche"_s, u"10:71:1"_s} << u"40 bis 400 W/m²"_s;
        QTest::newRow("Code 8") << QStringList{u"m.txt"_s, u"--spalten"_s, u"1 8"_s} << u"kein Code von 0 bis 7"_s;
        QTest::newRow("Ti doppelt") << QStringList{u"m.txt"_s, u"--spalten"_s, u"1,2,2"_s} << u"Variable mehrfach vergeben!"_s;
        QTest::newRow("ohne Zuordnung") << QStringList{u"ohne_s.txt"_s} << u"--spalten"_s;
        QTest::newRow("Ausgabe ist die Datendatei") << QStringList{u"m.txt"_s, u"--ausgabe"_s, u"m.txt"_s, u"--ueberschreiben"_s}
                                                   << u"nicht die Datendatei"_s;
    }
    void falscherAufruf()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const auto vorher = abbild(ordner->path());
        const Ausgang a = cli(argumente, ordner->path());
        QCOMPARE(a.status, 2);
        QVERIFY2(a.fehler.contains(meldung), qPrintable(a.fehler));
        QCOMPARE(abbild(ordner->path()), vorher);
    }

    void hilfe()
    {
        const Ausgang a = cli({u"--help"_s}, ordner->path());
        QCOMPARE(a.status, 0);
        QVERIFY(a.aus.contains(u"Aufruf: tempara-cli stapel DATENDATEI"_s));
        QVERIFY(a.aus.contains(u"--ueberschreiben"_s));
    }

    void nichtLesbar()
    {
        const Ausgang a = cli({u"fehlt.txt"_s, u"--spalten"_s, u"1 2 3"_s}, ordner->path());
        QCOMPARE(a.status, 1);
        QVERIFY(a.fehler.contains(u"kann nicht gelesen werden"_s));
    }

    // The command line writes the very bytes of the shared run for the same settings.
    void dieselbeDateiWieDasFenster()
    {
        const Ausgang a = cli({u"m.txt"_s, u"--v-luft"_s, u"0,2"_s, u"--phi"_s, u"50"_s}, ordner->path());
        QCOMPARE(a.status, 0);
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.v_Luft = 0.2f;
        QVERIFY(Stapellauf(PlanMitAusgabe(pfad(u"m.txt"_s), pfad(u"fenster.TPR"_s)), e).erfolgreich);
        QCOMPARE(lies(pfad(u"m.TPR"_s)), lies(pfad(u"fenster.TPR"_s)));
        QVERIFY(a.aus.startsWith(u"Ergebnisdatei: "_s));
        QVERIFY(a.aus.contains(u"Ausgewertete Datenzeilen: 3\n"_s));
        QVERIFY(a.aus.contains(u"A  |PMV| < 0,2"_s));
        const QStringList zeilen = a.aus.split(u'\n');
        qsizetype summe = 0;
        for (const QString& zeile : zeilen)
            if (zeile.contains(u"≤ PMV <"_s) || zeile.contains(u"< PMV <"_s) || zeile.contains(u"PMV = ±3"_s))
                summe += zeile.section(u' ', -3, -3, QString::SectionSkipEmpty).toLongLong();
        QCOMPARE(summe, 3);  // every line falls in one band
    }

    void gebietsschemaBestimmtDasTrennzeichen()
    {
        QCOMPARE(cli({u"m.txt"_s, u"--ausgabe"_s, u"en.TPR"_s, u"--v-luft"_s, u"0.2"_s, u"--phi"_s, u"50"_s}, ordner->path(), u"C.UTF-8"_s).status, 0);
        QVERIFY(lies(pfad(u"en.TPR"_s)).contains("\r\n\t1\t22.0\t22.0\t-0.1\t5.1\r\n"));
    }

    void ueberschreibenNurMitErlaubnis()
    {
        schreibe(pfad(u"m.TPR"_s), "alt");
        Ausgang a = cli({u"m.txt"_s}, ordner->path());
        QCOMPARE(a.status, 1);
        QVERIFY(a.fehler.contains(u"besteht bereits; mit --ueberschreiben"_s));
        QCOMPARE(lies(pfad(u"m.TPR"_s)), QByteArray("alt"));
        a = cli({u"m.txt"_s, u"--ueberschreiben"_s}, ordner->path());
        QCOMPARE(a.status, 0);
        QVERIFY(lies(pfad(u"m.TPR"_s)).startsWith("C\r\n"));

        // A result evaluated again keeps the old one as BAK; an existing BAK needs permission.
        const QByteArray erstes = lies(pfad(u"m.TPR"_s));
        QCOMPARE(cli({u"m.TPR"_s, u"--bereiche"_s, u"2:70:0,5"_s}, ordner->path()).status, 0);
        QCOMPARE(lies(pfad(u"m.BAK"_s)), erstes);
        QVERIFY(lies(pfad(u"m.TPR"_s)).contains("C  2                 70 W/m\xc2\xb2             0,50 clo\r\n"));
        QCOMPARE(cli({u"m.TPR"_s}, ordner->path()).status, 1);
        QCOMPARE(cli({u"m.TPR"_s, u"--ueberschreiben"_s}, ordner->path()).status, 0);
    }

    void vollerDatentraeger()
    {
        QByteArray gross = "S 1 2 3\r\n" + stundenwerte(5000);
        schreibe(pfad(u"gross.txt"_s), gross);
        schreibe(pfad(u"gross.TPR"_s), "altes Ergebnis");
        const auto vorher = abbild(ordner->path());
        const Ausgang a = cli({u"gross.txt"_s, u"--ueberschreiben"_s}, ordner->path(), u"de_DE.UTF-8"_s, 30000);
        QCOMPARE(a.status, 1);
        QVERIFY2(a.fehler.contains(u"nicht vollständig geschrieben"_s), qPrintable(a.fehler));
        QCOMPARE(abbild(ordner->path()), vorher);
    }
};

QTEST_GUILESS_MAIN(TestStapelCli)
#include "tst_stapel_cli.moc"
