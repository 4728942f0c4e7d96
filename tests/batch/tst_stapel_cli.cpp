// tempara-cli stapel as a script uses it: exit status, messages, the result file (the same
// bytes the window's run writes), the summary, and no lost file on a full disk or in a
// folder without write permission.
#include "stapeltest.h"

#include "stapellauf.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using namespace stapel;
using namespace stapeltest;

namespace {

struct Ausgang {
    int status = -1;
    QString aus, fehler;
};

// tempara-cli stapel in `ordner` with the given locale, each file limited to `dateigroesse`
// bytes; `ohneRechte` runs it as user nobody (for whom a folder of root's is read-only).
Ausgang cli(const QStringList& argumente, const QString& ordner, const QString& sprache = u"de_DE.UTF-8"_s,
            long dateigroesse = -1, bool ohneRechte = false)
{
    QProcess prozess;
    prozess.setWorkingDirectory(ordner);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(u"LC_ALL"_s, sprache);
    prozess.setProcessEnvironment(umgebung);
#ifdef Q_OS_UNIX
    prozess.setChildProcessModifier([dateigroesse, ohneRechte] {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
        const rlimit grenze{rlim_t(dateigroesse), rlim_t(dateigroesse)};
        if (dateigroesse >= 0)
            setrlimit(RLIMIT_FSIZE, &grenze);
        if (ohneRechte && getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
    });
#else
    Q_UNUSED(dateigroesse);
    Q_UNUSED(ohneRechte);
#endif
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

    // Help, wrong usage (exit 2) and an unreadable file (exit 1): a message, no file touched.
    void aufruf_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        const auto falsch = [](const char* tag, const QStringList& argumente, const QString& meldung) {
            QTest::newRow(tag) << QStringList{u"m.txt"_s} + argumente << 2 << meldung;
        };
        QTest::newRow("Hilfe") << QStringList{u"--help"_s} << 0 << u"Aufruf: tempara-cli stapel DATENDATEI"_s;
        QTest::newRow("Hilfe nennt --ueberschreiben") << QStringList{u"--help"_s} << 0 << u"--ueberschreiben"_s;
        QTest::newRow("nicht lesbar") << QStringList{u"fehlt.txt"_s, u"--spalten"_s, u"1 2 3"_s} << 1 << u"kann nicht gelesen werden"_s;
        QTest::newRow("Ordner statt Datei") << QStringList{u"."_s, u"--spalten"_s, u"1 2 3"_s} << 1 << u"steht ein Ordner"_s;
        QTest::newRow("ohne Datei") << QStringList{} << 2 << u"Die Datendatei fehlt"_s;
        QTest::newRow("ohne Zuordnung") << QStringList{u"ohne_s.txt"_s} << 2 << u"--spalten"_s;
        falsch("unbekannte Angabe", {u"--schnell"_s}, u"Unbekannte Angabe --schnell"_s);
        falsch("0,23 m/s", {u"--v-luft"_s, u"0.23"_s}, u"0,00 bis 5,00 m/s"_s);
        falsch("5,05 m/s", {u"--v-luft=5,05"_s}, u"0,00 bis 5,00 m/s"_s);
        falsch("71 W/m²", {u"--aktivitaet"_s, u"71"_s}, u"40 bis 400 W/m²"_s);
        falsch("20,1 °C", {u"--ti"_s, u"20,1"_s}, u"Schritten von 0,2 °C"_s);
        falsch("101 %", {u"--phi"_s, u"101"_s}, u"0 bis 100 %"_s);
        falsch("4,05 clo", {u"--bekleidung"_s, u"4,05"_s}, u"0,00 bis 4,00 clo"_s);
        falsch("Bereiche und Aktivität", {u"--bereiche"_s, u"1:70:1"_s, u"--aktivitaet"_s, u"70"_s}, u"schließt --aktivitaet"_s);
        falsch("fünf Bereiche", {u"--bereiche"_s, u"1:70:1 1:70:1 1:70:1 1:70:1 1:70:1"_s}, u"ein bis vier Bereiche"_s);
        falsch("Bereich ohne Länge", {u"--bereiche"_s, u"x:70:1"_s}, u"Länge:Energieumsatz:Bekleidung"_s);
        falsch("Bereich mit 71 W/m²", {u"--bereiche"_s, u"10:71:1"_s}, u"40 bis 400 W/m²"_s);
        falsch("Code 8", {u"--spalten"_s, u"1 8"_s}, u"kein Code von 0 bis 7"_s);
        falsch("Ti doppelt", {u"--spalten"_s, u"1,2,2"_s}, u"Variable mehrfach vergeben!"_s);
        falsch("Ausgabe ist die Datendatei", {u"--ausgabe"_s, u"m.txt"_s, u"--ueberschreiben"_s}, u"nicht die Datendatei"_s);
    }
    void aufruf()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        const auto vorher = abbild(ordner->path());
        const Ausgang a = cli(argumente, ordner->path());
        QCOMPARE(a.status, status);
        QVERIFY2((status == 0 ? a.aus : a.fehler).contains(meldung), qPrintable(a.aus + a.fehler));
        QCOMPARE(abbild(ordner->path()), vorher);
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
        qsizetype summe = 0;
        for (const QString& zeile : a.aus.split(u'\n'))
            if (zeile.contains(u"≤ PMV <"_s) || zeile.contains(u"< PMV <"_s) || zeile.contains(u"PMV = ±3"_s))
                summe += zeile.section(u' ', -3, -3, QString::SectionSkipEmpty).toLongLong();
        QCOMPARE(summe, 3);  // every line falls in one band
        // Another locale, another decimal separator.
        QCOMPARE(cli({u"m.txt"_s, u"--ausgabe"_s, u"en.TPR"_s, u"--v-luft"_s, u"0.2"_s, u"--phi"_s, u"50"_s}, ordner->path(), u"C.UTF-8"_s).status, 0);
        QVERIFY(lies(pfad(u"en.TPR"_s)).contains("\r\n\t1\t22.0\t22.0\t-0.1\t5.1\r\n"));
    }

    // Replacing needs --ueberschreiben; a result evaluated again keeps the old one as BAK, and
    // an existing BAK needs permission too.
    void ueberschreibenNurMitErlaubnis()
    {
        schreibe(pfad(u"m.TPR"_s), "alt");
        Ausgang a = cli({u"m.txt"_s}, ordner->path());
        QCOMPARE(a.status, 1);
        QVERIFY(a.fehler.contains(u"besteht bereits; mit --ueberschreiben"_s));
        QCOMPARE(lies(pfad(u"m.TPR"_s)), QByteArray("alt"));
        QCOMPARE(cli({u"m.txt"_s, u"--ueberschreiben"_s}, ordner->path()).status, 0);
        const QByteArray erstes = lies(pfad(u"m.TPR"_s));
        QVERIFY(erstes.startsWith("C\r\n"));
        QCOMPARE(cli({u"m.TPR"_s, u"--bereiche"_s, u"2:70:0,5"_s}, ordner->path()).status, 0);
        QCOMPARE(lies(pfad(u"m.BAK"_s)), erstes);
        QVERIFY(lies(pfad(u"m.TPR"_s)).contains("C  2                 70 W/m\xc2\xb2             0,50 clo\r\n"));
        QCOMPARE(cli({u"m.TPR"_s}, ordner->path()).status, 1);
        QCOMPARE(cli({u"m.TPR"_s, u"--ueberschreiben"_s}, ordner->path()).status, 0);
    }

    // A full disk and a folder without write permission while a result is replaced: exit 1,
    // a German reason, and every file as it was.
    void nichtsGehtVerloren_data()
    {
        QTest::addColumn<bool>("ohneRechte");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Datenträger voll") << false << u"nicht vollständig geschrieben werden.\nDie Datei wird größer, als der Datenträger"_s;
        QTest::newRow("Ordner ohne Schreibrecht") << true << u"kann nicht angelegt werden.\nEs fehlt die Berechtigung"_s;
    }
    void nichtsGehtVerloren()
    {
#ifndef Q_OS_UNIX
        QSKIP("a full disk and another user are staged with POSIX resource limits");
#endif
        QFETCH(bool, ohneRechte);
        QFETCH(QString, meldung);
        schreibe(pfad(u"gross.txt"_s), "S 1 2 3\r\n" + stundenwerte(5000));
        schreibe(pfad(u"gross.TPR"_s), "altes Ergebnis");
        QFile::setPermissions(ordner->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther
                                                  | (ohneRechte ? QFileDevice::Permissions() : QFileDevice::WriteOwner));
        const auto vorher = abbild(ordner->path());
        const Ausgang a = cli({u"gross.txt"_s, u"--ueberschreiben"_s}, ordner->path(), u"de_DE.UTF-8"_s, ohneRechte ? -1 : 30000, ohneRechte);
        QFile::setPermissions(ordner->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(a.status, 1);
        QVERIFY2(a.fehler.contains(meldung), qPrintable(a.fehler));
        QVERIFY2(a.fehler.contains(u"Ihre Dateien sind unverändert geblieben."_s), qPrintable(a.fehler));
        QCOMPARE(abbild(ordner->path()), vorher);
    }
};

QTEST_GUILESS_MAIN(TestStapelCli)
#include "tst_stapel_cli.moc"
