// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli stapel as a script uses it: exit status, messages, the result file (the same bytes the
// window's run writes), the summary, and no lost file whatever the file system puts in the way.
#include "cliprozess.h"
#include "stapeltest.h"

#include "jahresauswertung.h"
#include "jahrestabelle.h"
#include "nachweistabelle.h"
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

// tempara-cli stapel in `ordner`.
CliAusgang cli(const QString& argumente, const QString& ordner, const QString& sprache = u"de_DE.UTF-8"_s)
{
    return cliStarten(u"stapel "_s + argumente, {.ordner = ordner, .sprache = sprache});
}

const QByteArray kZonen = "Stunde;Zone1:Ti;Zone2:Ti;Zone1:Ts;Zone2:Ts\r\n1;20;22;19;21\r\n2;21;23;20;22,5\r\n";
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
            {u"@m"_s, kDaten},
            {u"@o"_s, "1 22 22\r\n"},
            {u"@bom"_s, "\xEF\xBB\xBF" + daten},
            {u"@u16"_s, QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom).encode(text)},
            {u"@u16be"_s, QStringEncoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom).encode(text)},
            {u"@u16ohne"_s, QStringEncoder(QStringConverter::Utf16LE).encode(text)},
            {u"@u32"_s, QStringEncoder(QStringConverter::Utf32LE, QStringConverter::Flag::WriteBom).encode(text)},
            {u"@nul"_s, daten.left(100) + '\0' + daten.mid(100)},
            {u"@cr"_s, QByteArray(daten).replace("\r\n", "\r")},
            {u"@lang"_s, daten.left(200) + QByteArray(kLaengsteZeile, '1') + "\r\n"},
            {u"@zonen"_s, kZonen},
            {u"@abc"_s, "Stunde;Ti\n1;21\n2;abc\n"}};
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
    }

    // The command line writes the very bytes of the shared run and table for the same settings.
    void dieselbeDateiWieDasFenster()
    {
        const CliAusgang a = cli(u"m.txt --v-luft 0,2 --phi 50 --tabelle t.csv --nachweis n.csv"_s, ordner->path());
        QCOMPARE(a.status, 0);
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.v_Luft = 0.2f;
        const evaluation::Auswertungslauf fenster =
            evaluation::StapellaufAuswerten(PlanMitAusgabe(pfad(u"m.txt"_s), pfad(u"fenster.TPR"_s)), e);
        QVERIFY(fenster.ergebnis.erfolgreich);
        QCOMPARE(lies(pfad(u"m.TPR"_s)), lies(pfad(u"fenster.TPR"_s)));
        QCOMPARE(lies(pfad(u"t.csv"_s)), evaluation::TabelleCsv(fenster.auswertung));
        const evaluation::Nachweis n = NachweisBerechnen(fenster.stunden, {});
        QCOMPARE(lies(pfad(u"n.csv"_s)), NachweisCsv(n, fenster.stunden, {}));
        QVERIFY(a.ausText().endsWith(UrteileText(n)));
        QVERIFY(a.ausText().startsWith(u"Ergebnisdatei: "_s) && a.ausText().contains(u"Ausgewertete Datenzeilen: 3\n"_s)
                && a.ausText().contains(u"A  |PMV| < 0,2"_s));
        // Another locale, another decimal separator.
        QCOMPARE(cli(u"m.txt --ausgabe en.TPR --v-luft 0.2 --phi 50"_s, ordner->path(), u"C.UTF-8"_s).status, 0);
        QVERIFY(lies(pfad(u"en.TPR"_s)).contains("\r\n\t1\t22.0\t22.0\t-0.1\t5.1\r\n"));
        // Ranges from the command line as ranges set in the window.
        const QString bereiche = u"m.txt --ausgabe b.TPR --v-luft 0,2 --phi 50 --bereiche 2:70:0,5~1:400:4"_s;
        QCOMPARE(cli(bereiche, ordner->path()).status, 0);
        e.nutzungsart = Nutzungsart::Jahreszeitabhaengig;
        e.bereiche[0] = BereichAus(u"2"_s, 70, 0.5f, u',');
        e.bereiche[1] = BereichAus(u"1"_s, 400, 4.0f, u',');
        QVERIFY(Stapellauf(PlanMitAusgabe(pfad(u"m.txt"_s), pfad(u"fb.TPR"_s)), e).erfolgreich);
        QCOMPARE(lies(pfad(u"b.TPR"_s)), lies(pfad(u"fb.TPR"_s)));
    }

    // A zone chosen by its heading gives the result of the tab-separated file with its columns.
    void spalteNachNamen()
    {
        schreibe(pfad(u"z.txt"_s), kZonen);
        schreibe(pfad(u"t.txt"_s), "S 1 2 3\r\n1\t22\t21\r\n2\t23\t22,5\r\n");
        QCOMPARE(cli(u"z.txt --spalte Ti=Zone2:Ti --spalte ts=zone2:ts"_s, ordner->path()).status, 0);
        QCOMPARE(cli(u"t.txt"_s, ordner->path()).status, 0);
        const auto daten = [&](const QString& name) {
            return QString::fromUtf8(lies(pfad(name))).split(u'\n').filter(QRegularExpression(u"^\t"_s));
        };
        QCOMPARE(daten(u"z.TPR"_s), daten(u"t.TPR"_s));
        QVERIFY(lies(pfad(u"z.TPR"_s)).contains("C\tStunde\tZone2:Ti\tZone2:Ts\tPMV\tPPD\r\n"));
    }

    // Help, wrong usage (exit 2), and a user's files after a run, whatever the file system puts in the
    // way (a message, exit 1, nothing lost). "~" is a blank within an argument. In the working folder w:
    // "n=@q" a file with content q, "n->z" a link, "n|" a FIFO fed with the data ("n|t": t appears
    // with @alt once the run reads), "n<" a FIFO read to its end, "n#" a lock held by another run, "%x" the run's
    // surroundings; "!" a command other than stapel. `danach`: how the files differ afterwards ("n=@q" new or replaced,
    // "-n" gone); all others stay as they were.
    void dateisystem_data()
    {
        for (const char* spalte : {"aufbau", "aufruf", "meldung", "danach"})
            QTest::addColumn<QString>(spalte);
        QTest::addColumn<int>("status");
        const auto fall = [](const char* tag, const char* aufbau, const char* aufruf, int status, const char* meldung,
                             const char* danach) {
            QTest::newRow(tag) << QString::fromUtf8(aufbau) << QString::fromUtf8(aufruf) << QString::fromUtf8(meldung)
                               << QString::fromUtf8(danach) << status;
        };
        const auto falsch = [&](const char* tag, const char* argumente, const char* meldung) {  // a usage error
            fall(tag, "m.txt=@m", ("m.txt " + QByteArray(argumente)).constData(), 2, meldung, "");
        };
        fall("Hilfe", "", "--help", 0, "Aufruf: tempara-cli stapel DATENDATEI", "");
        fall("nicht lesbar", "", "fehlt.txt --spalten 1,2,3", 1, "kann nicht gelesen werden", "");
        fall("Ordner statt Datei", "", ". --spalten 1,2,3", 1, "steht ein Ordner", "");
        fall("ohne Datei", "", "", 2, "Die Datendatei fehlt", "");
        fall("ohne Zuordnung", "m.txt=@m o.txt=@o", "o.txt", 2, "--spalten", "");
        fall("Tabelle ist die Datendatei", "m.txt=@m", "m.txt --tabelle m.txt --ueberschreiben", 1,
             "ist die Datendatei selbst", "");
        fall("Tabelle vorhanden", "m.txt=@m o.txt=@o", "m.txt --tabelle o.txt", 1,
             "o.txt\nbesteht bereits. Mit --ueberschreiben", "");
        fall("Tabelle ist die Sicherung", "d.TPR=@tpr d.BAK=@alt", "d.TPR --tabelle d.BAK --ueberschreiben", 1,
             "und die Tabelle (./d.BAK) wären dieselbe Datei", "");
        fall("Tabelle verweist auf das neue Ergebnis", "d.txt=@d t.csv->d.TPR", "d.txt --tabelle t.csv", 1,
             "wären dieselbe Datei", "");
        fall("Tabelle und Bild gleich", "d.txt=@d", "d.txt --tabelle a.png --bild a.png", 1,
             "Die Tabelle (./a.png) und das Bild (./a.png) wären dieselbe Datei", "");
        fall("Tabelle entsteht während des Laufs", "f|t.csv", "f --ausgabe f.TPR --tabelle t.csv", 1,
             "t.csv\nist während dieses Laufs entstanden", "t.csv=@alt");
        fall("Tabelle nicht schreibbar", "d.txt=@d", "d.txt --tabelle fehlt/t.csv", 1,
             "kann nicht geschrieben werden.\nDie Datei oder ihr Ordner existiert nicht", "");
        fall("Ergebnis ist ein Ordner", "d.txt=@d", "d.txt --ausgabe .", 1, "Unter diesem Namen steht ein Ordner", "");
        fall("Ausgaben in FIFOs", "d.txt=@d n< t< b.png<", "d.txt --ausgabe n --tabelle t --bild b.png", 0,
             "Ausgewertete Datenzeilen: 2000", "");
        fall("/dev/stdin ohne --ausgabe", "%stdin", "/dev/stdin", 2, "Bitte mit --ausgabe", "");
        falsch("unbekannte Angabe", "--schnell", "Unbekannte Angabe --schnell");
        falsch("Trennzeichen unbekannt", "--trennzeichen doppelpunkt", "erlaubt sind leer, semikolon, komma und tab");
        falsch("--spalte ohne Kopfzeile", "--spalte Ti=x", "keine Kopfzeile mit Namen");
        fall("zwei Zonen", "z.txt=@zonen", "z.txt", 2, "Ti: Spalten 2 „Zone1:Ti“, 3 „Zone2:Ti“ kommen in Frage", "");
        fall("--spalte unbekannter Name", "z.txt=@zonen", "z.txt --spalte Ti=Zone3:Ti", 2, "Keine Spalte heißt so", "");
        fall("Feld ohne Zahl", "k.csv=@abc", "k.csv", 1, "Zeile 3: Feld 2 (Ti): „abc“ ist keine Zahl.", "");
        falsch("0,23 m/s", "--v-luft 0.23", "0,00 bis 5,00 m/s");
        falsch("71 W/m²", "--aktivitaet 71", "40 bis 400 W/m²");
        falsch("20,1 °C", "--ti 20,1", "Schritten von 0,2 °C");
        falsch("101 %", "--phi 101", "0 bis 100 %");
        falsch("4,05 clo", "--bekleidung 4,05", "0,00 bis 4,00 clo");
        falsch("Bereiche und Aktivität", "--bereiche 1:70:1 --aktivitaet 70", "schließt --aktivitaet");
        falsch("fünf Bereiche", "--bereiche 1:70:1~1:70:1~1:70:1~1:70:1~1:70:1", "ein bis vier Bereiche");
        falsch("Bereich ohne Länge", "--bereiche x:70:1", "Länge:Energieumsatz:Bekleidung");
        falsch("Code 9", "--spalten 1~9", "kein Code von 0 bis 8");
        falsch("Ti doppelt", "--spalten 1,2,2", "Variable mehrfach vergeben!");
        falsch("Bild als GIF", "--bild m.gif", "endet auf .png oder .svg");
        falsch("Nachweis als TXT", "--nachweis n.txt", "endet auf .csv (Tabelle) oder .pdf");
        falsch("Nutzung unbekannt", "--nachweis n.csv --nutzung Mo-Xy~3-4", "Möglich sind: buero");
        falsch("Vorgabe ohne Nachweis", "--klimaregion C", "wirkt nur mit --nachweis");
        fall("Nachweis vorhanden", "m.txt=@m o.csv=@o", "m.txt --nachweis o.csv", 1,
             "o.csv\nbesteht bereits. Mit --ueberschreiben", "");
        fall("Stunden wie Nachweis", "m.txt=@m", "m.txt --nachweis n.csv --stunden n.csv", 1, "wären dieselbe Datei",
             "");
        fall("Ergebnis besteht", "d.txt=@d d.TPR=@alt", "d.txt", 1, "besteht bereits; mit --ueberschreiben", "");
        fall("Ergebnis ersetzen", "d.txt=@d d.TPR=@alt", "d.txt --ueberschreiben", 0, "Ergebnisdatei: d.TPR",
             "d.TPR=@tpr");
        fall("Sicherung besteht", "d.TPR=@tpr d.BAK=@alt", "d.TPR", 1, "besteht bereits", "");
        fall("Sicherung ersetzen", "d.TPR=@tpr d.BAK=@alt", "d.TPR --ueberschreiben", 0, "gesichert als: d.BAK",
             "d.TPR=@tpr2 d.BAK=@tpr");
        fall("Verweis auf das Ergebnis", "d.txt=@d run3.TPR=@tpr latest.TPR->run3.TPR", "latest.TPR", 0,
             "gesichert als: latest.BAK", "run3.TPR=@tpr2 latest.BAK=@tpr");
        fall("Ergebnisname verweist auf die Datendatei", "d.txt=@d d.TPR->d.txt", "d.txt --ueberschreiben", 1,
             "d.TPR ist ein Verweis auf die Datendatei", "");
        fall("--ausgabe verweist auf die Datendatei", "d.txt=@d e.TPR->d.txt", "d.txt --ausgabe e.TPR --ueberschreiben",
             2, "nicht die Datendatei", "");
        fall("Verweis aus dem Ordner, ersetzen", "d.txt=@d d.TPR->../aussen.TPR ../aussen.TPR=@alt",
             "d.txt --ueberschreiben", 0, "Ergebnisdatei: ", "../aussen.TPR=@tpr");
        fall("Verweis aus dem Ordner, nicht ersetzen", "d.txt=@d d.TPR->../aussen.TPR ../aussen.TPR=@alt", "d.txt", 1,
             "besteht bereits; mit --ueberschreiben", "");
        fall("verwaister Verweis", "d.txt=@d d.TPR->neu.TPR", "d.txt", 0, "Ergebnisdatei: ", "neu.TPR=@tpr");
        fall("zweiter Lauf zur selben Zeit", "d.txt=@d d.TPR.lock#", "d.txt", 1,
             "wird gerade von einem anderen Lauf geschrieben", "-d.TPR.lock");
        fall("Pipe", "%stdin", "/dev/stdin --ausgabe p.TPR", 0, "Ausgewertete Datenzeilen: 2000\n", "p.TPR=@tpr");
        fall("FIFO", "f|", "f --ausgabe f.TPR", 0, "Ausgewertete Datenzeilen: 2000\n", "f.TPR=@tpr");
        fall("Größenbeschränkung", "d.txt=@d d.TPR=@alt %grenze", "d.txt --ueberschreiben", 1,
             "nicht vollständig geschrieben werden.\nDie Datei wird größer, als der Datenträger", "");
        fall("Ordner ohne Schreibrecht", "d.txt=@d d.TPR=@alt %ohneRecht", "d.txt --ueberschreiben", 1,
             "kann nicht angelegt werden.\nEs fehlt die Berechtigung", "");
        fall("Zusammenfassung auf vollem Gerät", "d.txt=@d %voll", "d.txt", 1,
             "Die Ausgabe konnte nicht vollständig geschrieben werden.\nDer Datenträger ist voll.", "d.TPR=@tpr");
        fall("Ergebnis in ein volles Gerät", "d.txt=@d", "d.txt --ausgabe /dev/full", 1,
             "Der Datenträger ist voll.\n\nIhre Dateien sind unverändert geblieben; in /dev/full (ein Gerät oder eine "
             "FIFO) kann aber schon ein Teil",
             "");
        fall("Hilfe bei geschlossener Ausgabe", "%zu", "--help", 1, "Die Ausgabe ist geschlossen.", "");
        fall("pmv auf vollem Gerät", "%voll", "!pmv 20 20 0 60 70 0 0 1", 1, "Der Datenträger ist voll.", "");
        fall("UTF-8 mit Markierung", "u.txt=@bom", "u.txt", 0, "Ergebnisdatei: u.TPR", "u.TPR=@tpr");
        fall("UTF-16 mit Markierung", "u.txt=@u16", "u.txt", 0, "Ergebnisdatei: u.TPR", "u.TPR=@tpr");
        fall("UTF-16 BE mit Markierung", "u.txt=@u16be", "u.txt", 0, "Ergebnisdatei: u.TPR", "u.TPR=@tpr");
        fall("UTF-32 mit Markierung", "u.txt=@u32", "u.txt", 1, "ist in UTF-32 gespeichert", "");
        fall("UTF-16 ohne Markierung", "u.txt=@u16ohne", "u.txt", 1, "UTF-16 ohne Byte-Reihenfolge-Markierung", "");
        fall("Nullbytes", "n.txt=@nul", "n.txt --spalten 1,2,3", 1, "enthält Nullbytes", "");
        fall("nur CR als Zeilenende", "c.txt=@cr", "c.txt --spalten 1,2,3", 1, "nur Wagenrückläufe (CR)", "");
        fall("Zeile über 1 MiB", "l.txt=@lang", "l.txt", 1, "Die Zeile 15 der Datendatei\nl.txt\nist länger als 1 MiB",
             "");
    }
    void dateisystem()
    {
#ifndef Q_OS_UNIX
        QSKIP("links, FIFOs and resource limits are staged with POSIX calls");
#else
        QFETCH(QString, aufbau);
        QFETCH(QString, aufruf);
        QFETCH(QString, meldung);
        QFETCH(QString, danach);
        QFETCH(int, status);
        const auto umgebung = [&](const char* art) { return aufbau.contains(u'%' + QLatin1StringView(art)); };
        if (umgebung("ohneRecht") && !ohneRechteMoeglich())
            QSKIP("root keeps its power over file permissions here, so a folder it may not write cannot be staged");
        const QString w = pfad(u"w"_s);
        QDir().mkpath(w);
        std::vector<std::unique_ptr<QLockFile>> sperren;
        std::vector<std::unique_ptr<QProcess>> prozesse;  // feeding or reading FIFOs
        const auto prozess = [&](const QStringList& argumente) {
            prozesse.push_back(std::make_unique<QProcess>());
            prozesse.back()->start(u"sh"_s, QStringList{u"-c"_s} + argumente);
        };
        const auto name = [](QString e) { return e.remove(QRegularExpression(u"(=|->|\\|).*|[#<]$"_s)); };
        for (const QString& eintrag : aufbau.split(u' ', Qt::SkipEmptyParts)) {
            const QString ziel = QDir(w).filePath(name(eintrag));
            const QByteArray zielName = QFile::encodeName(ziel);
            if (eintrag.contains(u"->"_s)) {
                QVERIFY(::symlink(QFile::encodeName(eintrag.section(u"->"_s, 1)).constData(), zielName.constData())
                        == 0);
            } else if (eintrag.contains(u'|')) {
                QVERIFY(::mkfifo(zielName.constData(), 0600) == 0);
                schreibe((ordner->path() + u".fifo"_s), m_quellen[u"@d"_s]);
                const QString neu = eintrag.section(u'|', 1);
                prozess({u"exec 3>\"$1\"; [ -z \"$2\" ] || printf 'altes Ergebnis' >\"$2\"; cat \"$0\" >&3"_s,
                         (ordner->path() + u".fifo"_s), ziel, neu.isEmpty() ? neu : w + u'/' + neu});
            } else if (eintrag.endsWith(u'<')) {
                QVERIFY(::mkfifo(zielName.constData(), 0600) == 0);
                prozess({u"cat \"$0\" >/dev/null"_s, ziel});
            } else if (eintrag.endsWith(u'#')) {
                sperren.push_back(std::make_unique<QLockFile>(ziel));
                QVERIFY(sperren.back()->tryLock(0));
            } else if (!eintrag.startsWith(u'%')) {
                schreibe(ziel, m_quellen.value(eintrag.section(u'=', 1)));
            }
        }
        const CliUmgebung u{.ordner = w,
                            .eingabe = umgebung("stdin") ? m_quellen[u"@d"_s] : QByteArray(),
                            .dateigroesse = umgebung("grenze") ? 30000 : -1,
                            .ohneRechte = umgebung("ohneRecht"),
                            .ausgabeGeschlossen = umgebung("zu"),
                            .ausgabeDatei = umgebung("voll") ? u"/dev/full"_s : QString()};
        using P = QFileDevice;
        if (u.ohneRechte)
            QFile::setPermissions(w, P::ReadOwner | P::ExeOwner);
        QMap<QString, QByteArray> soll = abbild(ordner->path());
        const CliAusgang a = cliStarten(aufruf.startsWith(u'!') ? aufruf.mid(1) : u"stapel "_s + aufruf, u);
        QFile::setPermissions(w, P::ReadOwner | P::WriteOwner | P::ExeOwner);
        sperren.clear();
        for (const auto& p : prozesse) {
            p->kill();
            p->waitForFinished();
        }
        QFile::remove((ordner->path() + u".fifo"_s));

        QCOMPARE(a.status, status);
        QVERIFY2((status == 0 ? a.ausText() : a.fehlerText()).contains(meldung),
                 qPrintable(a.ausText() + a.fehlerText()));
        for (const QString& e : danach.split(u' ', Qt::SkipEmptyParts))
            e.startsWith(u'-')
                ? void(soll.remove(u"w/"_s + e.mid(1)))
                : void(soll.insert(QDir::cleanPath(u"w/"_s + name(e)), m_quellen.value(e.section(u'=', 1))));
        QCOMPARE(abbild(ordner->path()), soll);
#endif
    }
};

QTEST_GUILESS_MAIN(TestStapelCli)
#include "tst_batch_cli.moc"
