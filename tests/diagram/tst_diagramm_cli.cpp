// tempara-cli diagramm as a script would call it: the bitmap, the range messages on
// standard error, and the exit status for wrong calls and unwritable files.
#include "diagrammbild.h"
#include "pmv.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace diagramm;

namespace {

struct Lauf {
    int status = -1;
    QString fehler;
    QString ausgabe;
};

// Runs "tempara-cli diagramm" with the blank-separated options and, if given, "--bmp DATEI".
Lauf cli(const QString& optionen, const QString& bmp = QString())
{
    QStringList argumente = optionen.split(u' ', Qt::SkipEmptyParts);
    if (!bmp.isEmpty())
        argumente << u"--bmp"_s << bmp;
    QProcess p;
    p.start(QStringLiteral(TEMPARA_CLI), QStringList{u"diagramm"_s} + argumente);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError()), QString::fromUtf8(p.readAllStandardOutput())};
}

}  // namespace

class TestDiagrammCli : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;

private Q_SLOTS:
    void vorgabeWieImFenster()
    {
        const QString pfad = ordner.filePath(u"vorgabe.bmp"_s);
        const Lauf l = cli(u"--x ti --y ts"_s, pfad);
        QCOMPARE(l.status, 0);
        QCOMPARE(l.fehler, QString());
        Diagrammbild erwartet;
        diagrammZeichnen(erwartet, PmvEingabeAus(standardRaumklima(), true), 0, Lufttemperatur, Strahlungstemperatur,
                         Bereich{});
        const Festwerte zeilen = festwerte(Lufttemperatur, Strahlungstemperatur, werttexteAus(standardRaumklima(), true));
        QCOMPARE(QImage(pfad).convertToFormat(QImage::Format_RGB32),
                 erwartet.speicherbild(achsenAuslegen(Bereich{}, Lufttemperatur, Strahlungstemperatur), zeilen));
    }

    void eingabenWirken()
    {
        // "--icl 0" makes 20 °C / 20 °C cold beyond the scale: the cell stays white
        const QString pfad = ordner.filePath(u"nackt.bmp"_s);
        QCOMPARE(cli(u"--x=ti --y=ts --icl 0 --m 70"_s, pfad).status, 0);
        QCOMPARE(QImage(pfad).pixelColor(px(3055), px(2070)), QColor(Qt::white));
    }

    void meldungenAufStandardfehler()
    {
        const QString pfad = ordner.filePath(u"v.bmp"_s);
        const Lauf l = cli(u"--x v_luft --y m --xmin -2 --ymax 700"_s, pfad);
        QCOMPARE(l.status, 0);
        QVERIFY2(l.fehler.contains(u"X-Wert ist zu klein!\nXmin wird auf X = 0 gesetzt"_s), qPrintable(l.fehler));
        QVERIFY(l.fehler.indexOf(u"Ymax wird auf Y = 500 gesetzt"_s) > l.fehler.indexOf(u"Xmin wird"_s));
        QVERIFY(QFile::exists(pfad));
    }

    void falscherAufruf_data()
    {
        QTest::addColumn<QString>("optionen");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("unbekannte Größe") << u"--x=tu --y=ts --bmp=x.bmp"_s << u"--x \"tu\""_s;
        QTest::newRow("zweimal dieselbe") << u"--x=ti --y=ti --bmp=x.bmp"_s << u"verschiedene"_s;
        QTest::newRow("ohne --bmp") << u"--x=ti --y=ts"_s << u"--bmp"_s;
        QTest::newRow("ohne --y") << u"--x=ti --bmp=x.bmp"_s << u"--y"_s;
        QTest::newRow("ti über 50") << u"--x=ti --y=ts --ti=50,2 --bmp=x.bmp"_s << u"Schieberegler"_s;
        QTest::newRow("m unter 40") << u"--x=ti --y=ts --m=35 --bmp=x.bmp"_s << u"Schieberegler"_s;
        QTest::newRow("phi nicht ganz") << u"--x=ti --y=ts --phi=50.5 --bmp=x.bmp"_s << u"ganze Zahl"_s;
        QTest::newRow("icl über 4") << u"--x=ti --y=ts --icl=4.5 --bmp=x.bmp"_s << u"Schieberegler"_s;
        QTest::newRow("keine Zahl") << u"--x=ti --y=ts --v-luft=schnell --bmp=x.bmp"_s << u"keine Zahl"_s;
        QTest::newRow("unbekannte Option") << u"--x=ti --y=ts --farbe=rot --bmp=x.bmp"_s << u"unbekannte"_s;
        QTest::newRow("Wert fehlt") << u"--x=ti --y=ts --bmp=x.bmp --ti"_s << u"braucht einen Wert"_s;
    }
    void falscherAufruf()
    {
        QFETCH(QString, optionen);
        QFETCH(QString, meldung);
        const Lauf l = cli(optionen);
        QCOMPARE(l.status, 2);
        QVERIFY2(l.fehler.contains(meldung), qPrintable(l.fehler));
    }

    void hilfe()
    {
        const Lauf l = cli(u"--help"_s);
        QCOMPARE(l.status, 0);
        QVERIFY(l.ausgabe.contains(u"Aufruf: tempara-cli diagramm"_s));
    }

    void nichtSchreibbar()
    {
        const Lauf l = cli(u"--x=ti --y=ts"_s, ordner.filePath(u"fehlt/bild.bmp"_s));
        QCOMPARE(l.status, 1);
        QVERIFY(l.fehler.contains(u"konnte nicht geschrieben werden"_s));
    }

    void hoechstwertNull()
    {
        const Lauf l = cli(u"--x=ti --y=ts --xmax=0"_s, ordner.filePath(u"null.bmp"_s));
        QCOMPARE(l.status, 0);
        QVERIFY(l.fehler.contains(u"Xmax muss größer als 0 sein"_s));
    }
};

QTEST_MAIN(TestDiagrammCli)
#include "tst_diagramm_cli.moc"
