// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli stapel as a script uses it: exit status, messages, the result file (the same
// bytes the window's run writes), the summary, and no lost file on a full disk or in a
// folder without write permission.
#include "cliprozess.h"
#include "stapeltest.h"

#include "jahrestabelle.h"
#include "stapellauf.h"
#include "zeilenleser.h"

#include <QLocale>
#include <QLockFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using namespace batch;
using namespace stapeltest;

namespace {

// tempara-cli stapel with the arguments split at blanks ("~" is a blank within one).
CliAusgang cli(const QString& argumente, const QString& ordner, const QString& sprache = u"de_DE.UTF-8"_s)
{
    CliUmgebung u;
    u.ordner = ordner;
    u.sprache = sprache;
    QStringList liste{u"stapel"_s};
    for (const QString& argument : argumente.split(u' ', Qt::SkipEmptyParts))
        liste << QString(argument).replace(u'~', u' ');
    return cliStarten(liste, u);
}

const QByteArray kDaten = "C Raum 2\r\nS 1 2 3\r\n\t1\t22,0\t22,0\r\n\t2\t26,0\t26,0\r\n\t3\t16,0\t16,0\r\n";

}  // namespace

class TestStapelCli : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ordner;
    QString pfad(const QString& name) const { return ordner->filePath(name); }
    QMap<QString, QByteArray> m_quellen;  // the contents the file-system table names

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QByteArray daten = "C Jahr\r\nS 1 2 3\r\n" + stundenwerte(2000);
        const QString text = QString::fromUtf8(daten);
        m_quellen = {
            {u"@d"_s, daten},
            {u"@alt"_s, "altes Ergebnis"},
            {u"@bom"_s, "\xEF\xBB\xBF" + daten},
            {u"@u16"_s, QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom).encode(text)},
            {u"@u16be"_s, QStringEncoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom).encode(text)},
            {u"@u16ohne"_s, QStringEncoder(QStringConverter::Utf16LE).encode(text)},
            {u"@nul"_s, daten.left(100) + '\0' + daten.mid(100)},
            {u"@cr"_s, QByteArray(daten).replace("\r\n", "\r")},
            {u"@lang"_s, daten.left(200) + QByteArray(kLaengsteZeile, '1') + "\r\n"}};
        // The results of the UTF-8 data and of that result evaluated again.
        QTemporaryDir ref;
        schreibe(ref.filePath(u"d.txt"_s), daten);
        QCOMPARE(cli(u"d.txt"_s, ref.path()).status, 0);
        m_quellen[u"@tpr"_s] = lies(ref.filePath(u"d.TPR"_s));
        QCOMPARE(cli(u"d.TPR"_s, ref.path()).status, 0);
        m_quellen[u"@tpr2"_s] = lies(ref.filePath(u"d.TPR"_s));
    }
    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        schreibe(pfad(u"m.txt"_s), kDaten);
        schreibe(pfad(u"ohne_s.txt"_s), "1 22 22\r\n");
    }

    // Help, wrong usage (exit 2) and an unreadable file (exit 1): a message, no file touched.
    void aufruf_data()
    {
        QTest::addColumn<QString>("argumente");  // split at blanks; "~" is a blank within one
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        const auto falsch = [](const char* tag, const char* argumente, const QString& meldung) {
            QTest::newRow(tag) << u"m.txt "_s + QString::fromUtf8(argumente) << 2 << meldung;
        };
        QTest::newRow("Hilfe") << u"--help"_s << 0 << u"Aufruf: tempara-cli stapel DATENDATEI"_s;
        QTest::newRow("nicht lesbar") << u"fehlt.txt --spalten 1,2,3"_s << 1 << u"kann nicht gelesen werden"_s;
        QTest::newRow("Ordner statt Datei") << u". --spalten 1,2,3"_s << 1 << u"steht ein Ordner"_s;
        QTest::newRow("ohne Datei") << QString() << 2 << u"Die Datendatei fehlt"_s;
        QTest::newRow("ohne Zuordnung") << u"ohne_s.txt"_s << 2 << u"--spalten"_s;
        falsch("unbekannte Angabe", "--schnell", u"Unbekannte Angabe --schnell"_s);
        falsch("0,23 m/s", "--v-luft 0.23", u"0,00 bis 5,00 m/s"_s);
        falsch("71 W/m²", "--aktivitaet 71", u"40 bis 400 W/m²"_s);
        falsch("20,1 °C", "--ti 20,1", u"Schritten von 0,2 °C"_s);
        falsch("101 %", "--phi 101", u"0 bis 100 %"_s);
        falsch("4,05 clo", "--bekleidung 4,05", u"0,00 bis 4,00 clo"_s);
        falsch("Bereiche und Aktivität", "--bereiche 1:70:1 --aktivitaet 70", u"schließt --aktivitaet"_s);
        falsch("fünf Bereiche", "--bereiche 1:70:1~1:70:1~1:70:1~1:70:1~1:70:1", u"ein bis vier Bereiche"_s);
        falsch("Bereich ohne Länge", "--bereiche x:70:1", u"Länge:Energieumsatz:Bekleidung"_s);
        falsch("Bereich mit 71 W/m²", "--bereiche 10:71:1", u"40 bis 400 W/m²"_s);
        falsch("Code 8", "--spalten 1~8", u"kein Code von 0 bis 7"_s);
        falsch("Ti doppelt", "--spalten 1,2,2", u"Variable mehrfach vergeben!"_s);
        falsch("Ausgabe ist die Datendatei", "--ausgabe m.txt --ueberschreiben", u"nicht die Datendatei"_s);
        falsch("Bild als GIF", "--bild m.gif", u"endet auf .png oder .svg"_s);
        QTest::newRow("Tabelle ist die Datendatei")
            << u"m.txt --tabelle m.txt --ueberschreiben"_s << 1 << u"ist die Daten- oder Ergebnisdatei"_s;
        QTest::newRow("Tabelle vorhanden") << u"m.txt --tabelle ohne_s.txt"_s << 1 << u"ohne_s.txt besteht bereits"_s;
    }
    void aufruf()
    {
        QFETCH(QString, argumente);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        const auto vorher = abbild(ordner->path());
        const CliAusgang a = cli(argumente, ordner->path());
        QCOMPARE(a.status, status);
        QVERIFY2((status == 0 ? a.ausText() : a.fehlerText()).contains(meldung),
                 qPrintable(a.ausText() + a.fehlerText()));
        QCOMPARE(abbild(ordner->path()), vorher);
    }

    // The command line writes the very bytes of the shared run and table for the same settings.
    void dieselbeDateiWieDasFenster()
    {
        const CliAusgang a = cli(u"m.txt --v-luft 0,2 --phi 50 --tabelle t.csv"_s, ordner->path());
        const QString aus = a.ausText();
        QCOMPARE(a.status, 0);
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.v_Luft = 0.2f;
        const Stapelergebnis fenster = Stapellauf(PlanMitAusgabe(pfad(u"m.txt"_s), pfad(u"fenster.TPR"_s)), e);
        QVERIFY(fenster.erfolgreich);
        QCOMPARE(lies(pfad(u"m.TPR"_s)), lies(pfad(u"fenster.TPR"_s)));
        QCOMPARE(lies(pfad(u"t.csv"_s)), TabelleCsv(fenster.auswertung));
        QVERIFY(aus.startsWith(u"Ergebnisdatei: "_s) && aus.contains(u"Ausgewertete Datenzeilen: 3\n"_s)
                && aus.contains(u"A  |PMV| < 0,2"_s));
        qsizetype summe = 0;
        for (const QString& zeile : aus.split(u'\n'))
            if (zeile.contains(u"≤ PMV <"_s) || zeile.contains(u"< PMV <"_s) || zeile.contains(u"PMV = ±3"_s))
                summe += zeile.section(u' ', -3, -3, QString::SectionSkipEmpty).toLongLong();
        QCOMPARE(summe, 3);  // every line falls in one band
        // Another locale, another decimal separator.
        QCOMPARE(cli(u"m.txt --ausgabe en.TPR --v-luft 0.2 --phi 50"_s, ordner->path(), u"C.UTF-8"_s).status, 0);
        QVERIFY(lies(pfad(u"en.TPR"_s)).contains("\r\n\t1\t22.0\t22.0\t-0.1\t5.1\r\n"));
        // Ranges from the command line as ranges set in the window.
        QCOMPARE(
            cli(u"m.txt --ausgabe b.TPR --v-luft 0,2 --phi 50 --bereiche 2:70:0,5~1:400:4"_s, ordner->path()).status,
            0);
        e.nutzungsart = Nutzungsart::Jahreszeitabhaengig;
        e.bereiche[0] = BereichAus(u"2"_s, 70, 0.5f, u',');
        e.bereiche[1] = BereichAus(u"1"_s, 400, 4.0f, u',');
        QVERIFY(Stapellauf(PlanMitAusgabe(pfad(u"m.txt"_s), pfad(u"fb.TPR"_s)), e).erfolgreich);
        QCOMPARE(lies(pfad(u"b.TPR"_s)), lies(pfad(u"fb.TPR"_s)));
    }

    // What a user's files look like after a run, whatever the file system puts in the way:
    // links, a second run, a pipe, a FIFO, a full device, a size limit, a folder without write
    // permission, each encoding. Names are relative to the working folder w; "n=@q" is a file
    // with content q, "n->z" a link to z, "n|" a FIFO fed with the data, "n#" a lock file held
    // by another run. `danach` lists every file there is afterwards ("+…": those before and …).
    void dateisystem_data()
    {
        QTest::addColumn<QString>("aufbau");
        QTest::addColumn<QString>("umgebung");
        QTest::addColumn<QString>("aufruf");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("danach");
        const auto fall = [](const char* tag, const char* aufbau, const char* umgebung, const char* aufruf, int status,
                             const QString& meldung, const char* danach) {
            QTest::newRow(tag) << QString::fromUtf8(aufbau) << QString::fromUtf8(umgebung) << QString::fromUtf8(aufruf)
                               << status << meldung << QString::fromUtf8(danach);
        };
        fall("Ergebnis besteht", "d.txt=@d d.TPR=@alt", "", "stapel d.txt", 1,
             u"besteht bereits; mit --ueberschreiben"_s, "+");
        fall("Ergebnis ersetzen", "d.txt=@d d.TPR=@alt", "", "stapel d.txt --ueberschreiben", 0,
             u"Ergebnisdatei: d.TPR"_s, "+d.TPR=@tpr");
        fall("Sicherung besteht", "d.TPR=@tpr d.BAK=@alt", "", "stapel d.TPR", 1, u"besteht bereits"_s, "+");
        fall("Sicherung ersetzen", "d.TPR=@tpr d.BAK=@alt", "", "stapel d.TPR --ueberschreiben", 0,
             u"gesichert als: d.BAK"_s, "+d.TPR=@tpr2 d.BAK=@tpr");
        fall("Verweis auf das Ergebnis", "d.txt=@d run3.TPR=@tpr latest.TPR->run3.TPR", "", "stapel latest.TPR", 0,
             u"gesichert als: latest.BAK"_s, "+run3.TPR=@tpr2 latest.BAK=@tpr");
        fall("Ergebnisname verweist auf die Datendatei", "d.txt=@d d.TPR->d.txt", "", "stapel d.txt --ueberschreiben",
             1, u"d.TPR ist ein Verweis auf die Datendatei"_s, "+");
        fall("--ausgabe verweist auf die Datendatei", "d.txt=@d e.TPR->d.txt", "",
             "stapel d.txt --ausgabe e.TPR --ueberschreiben", 2, u"nicht die Datendatei"_s, "+");
        fall("Verweis aus dem Ordner, ersetzen", "d.txt=@d d.TPR->../aussen.TPR ../aussen.TPR=@alt", "",
             "stapel d.txt --ueberschreiben", 0, u"Ergebnisdatei: "_s, "+../aussen.TPR=@tpr");
        fall("Verweis aus dem Ordner, nicht ersetzen", "d.txt=@d d.TPR->../aussen.TPR ../aussen.TPR=@alt", "",
             "stapel d.txt", 1, u"besteht bereits; mit --ueberschreiben"_s, "+");
        fall("verwaister Verweis", "d.txt=@d d.TPR->neu.TPR", "", "stapel d.txt", 0, u"Ergebnisdatei: "_s,
             "+neu.TPR=@tpr");
        fall("zweiter Lauf zur selben Zeit", "d.txt=@d d.TPR.lock#", "", "stapel d.txt", 1,
             u"wird gerade von einem anderen Lauf geschrieben"_s, "d.txt=@d");
        fall("Pipe", "", "stdin", "stapel /dev/stdin --ausgabe p.TPR", 0, u"Ausgewertete Datenzeilen: 2000\n"_s,
             "+p.TPR=@tpr");
        fall("FIFO", "f|", "", "stapel f --ausgabe f.TPR", 0, u"Ausgewertete Datenzeilen: 2000\n"_s, "+f.TPR=@tpr");
        fall("Größenbeschränkung", "d.txt=@d d.TPR=@alt", "grenze", "stapel d.txt --ueberschreiben", 1,
             u"nicht vollständig geschrieben werden.\nDie Datei wird größer, als der Datenträger"_s, "+");
        fall("Ordner ohne Schreibrecht", "d.txt=@d d.TPR=@alt", "nobody", "stapel d.txt --ueberschreiben", 1,
             u"kann nicht angelegt werden.\nEs fehlt die Berechtigung"_s, "+");
        fall("Zusammenfassung auf vollem Gerät", "d.txt=@d", "voll", "stapel d.txt", 1,
             u"Die Ausgabe konnte nicht vollständig geschrieben werden.\nDer Datenträger ist voll."_s, "+d.TPR=@tpr");
        fall("Hilfe bei geschlossener Ausgabe", "", "zu", "stapel --help", 1, u"Die Ausgabe ist geschlossen."_s, "+");
        fall("pmv auf vollem Gerät", "", "voll", "pmv 20 20 0 60 70 0 0 1", 1, u"Der Datenträger ist voll."_s, "+");
        fall("UTF-8 mit Markierung", "u.txt=@bom", "", "stapel u.txt", 0, u"Ergebnisdatei: u.TPR"_s, "+u.TPR=@tpr");
        fall("UTF-16 mit Markierung", "u.txt=@u16", "", "stapel u.txt", 0, u"Ergebnisdatei: u.TPR"_s, "+u.TPR=@tpr");
        fall("UTF-16 BE mit Markierung", "u.txt=@u16be", "", "stapel u.txt", 0, u"Ergebnisdatei: u.TPR"_s,
             "+u.TPR=@tpr");
        fall("UTF-16 ohne Markierung", "u.txt=@u16ohne", "", "stapel u.txt", 1,
             u"UTF-16 ohne Byte-Reihenfolge-Markierung"_s, "+");
        fall("Nullbytes", "n.txt=@nul", "", "stapel n.txt --spalten 1,2,3", 1, u"enthält Nullbytes"_s, "+");
        fall("nur CR als Zeilenende", "c.txt=@cr", "", "stapel c.txt --spalten 1,2,3", 1, u"nur Wagenrückläufe (CR)"_s,
             "+");
        fall("Zeile über 1 MiB", "l.txt=@lang", "", "stapel l.txt", 1,
             u"Die Zeile 15 der Datendatei\nl.txt\nist länger als 1 MiB"_s, "+");
    }
    void dateisystem()
    {
#ifndef Q_OS_UNIX
        QSKIP("links, FIFOs and resource limits are staged with POSIX calls");
#else
        QFETCH(QString, aufbau);
        QFETCH(QString, umgebung);
        QFETCH(QString, aufruf);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        QFETCH(QString, danach);
        const bool ohneRechte = umgebung == u"nobody";
        if (ohneRechte && getuid() == 0 && !ohneRechteMoeglich())
            QSKIP("user nobody cannot start tempara-cli here, so a folder without write permission cannot be staged");
        QFile::remove(pfad(u"m.txt"_s));
        QFile::remove(pfad(u"ohne_s.txt"_s));
        const QString w = pfad(u"w"_s);
        QDir().mkpath(w);
        std::vector<std::unique_ptr<QLockFile>> sperren;
        QProcess fuetterer;
        const auto name = [](const QString& eintrag) {
            return eintrag.section(u'=', 0, 0)
                .section(u"->"_s, 0, 0)
                .chopped(eintrag.endsWith(u'|') || eintrag.endsWith(u'#'));
        };
        for (const QString& eintrag : aufbau.split(u' ', Qt::SkipEmptyParts)) {
            const QString ziel = QDir(w).filePath(name(eintrag));
            QDir().mkpath(QFileInfo(ziel).absolutePath());
            if (eintrag.contains(u"->"_s)) {
                QVERIFY(::symlink(QFile::encodeName(eintrag.section(u"->"_s, 1)).constData(),
                                  QFile::encodeName(ziel).constData())
                        == 0);
            } else if (eintrag.endsWith(u'|')) {
                QVERIFY(::mkfifo(QFile::encodeName(ziel).constData(), 0600) == 0);
                schreibe(pfad(u"fifo-daten"_s), m_quellen[u"@d"_s]);
                fuetterer.start(u"sh"_s, {u"-c"_s, u"cat \"$0\" > \"$1\""_s, pfad(u"fifo-daten"_s), ziel});
            } else if (eintrag.endsWith(u'#')) {
                sperren.push_back(std::make_unique<QLockFile>(ziel));
                QVERIFY(sperren.back()->tryLock(0));
            } else {
                schreibe(ziel, m_quellen.value(eintrag.section(u'=', 1)));
            }
        }
        CliUmgebung u;
        u.ordner = w;
        u.eingabe = umgebung == u"stdin" ? m_quellen[u"@d"_s] : QByteArray();
        u.ausgabeDatei = umgebung == u"voll" ? u"/dev/full"_s : QString();
        u.ausgabeGeschlossen = umgebung == u"zu";
        u.dateigroesse = umgebung == u"grenze" ? 30000 : -1;
        u.ohneRechte = ohneRechte;
        if (ohneRechte) {
            QFile::setPermissions(ordner->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ExeOwner | QFileDevice::ExeOther);
            QFile::setPermissions(w, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                         | QFileDevice::ExeOther);
        }
        const CliAusgang a = cliStarten(aufruf.split(u' '), u);
        QFile::setPermissions(w, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        sperren.clear();
        fuetterer.kill();
        fuetterer.waitForFinished();
        QFile::remove(pfad(u"fifo-daten"_s));

        QCOMPARE(a.status, status);
        QVERIFY2((status == 0 ? a.ausText() : a.fehlerText()).contains(meldung),
                 qPrintable(a.ausText() + a.fehlerText()));
        QMap<QString, QByteArray> soll;
        const QString alle = danach.startsWith(u'+') ? aufbau + u' ' + danach.mid(1) : danach;
        for (const QString& eintrag : alle.split(u' ', Qt::SkipEmptyParts)) {
            soll.insert(QDir::cleanPath(u"w/"_s + name(eintrag)),
                        eintrag.contains(u"->"_s) ? ("->" + eintrag.section(u"->"_s, 1).toUtf8())
                        : eintrag.endsWith(u'|')  ? QByteArray("<FIFO>")
                                                  : m_quellen.value(eintrag.section(u'=', 1)));
        }
        QMap<QString, QByteArray> ist = abbild(ordner->path());
        ist.removeIf([](auto eintrag) { return eintrag.value() == "<Ordner>"; });
        QCOMPARE(ist.keys(), soll.keys());
        QVERIFY(ist == soll);
#endif
    }
};

QTEST_GUILESS_MAIN(TestStapelCli)
#include "tst_batch_cli.moc"
