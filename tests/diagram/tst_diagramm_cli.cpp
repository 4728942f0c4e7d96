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

Lauf cli(const QStringList& argumente)
{
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
        const Lauf l = cli({u"--x"_s, u"ti"_s, u"--y"_s, u"ts"_s, u"--bmp"_s, pfad});
        QCOMPARE(l.status, 0);
        QCOMPARE(l.fehler, QString());
        const QImage bild(pfad);
        QCOMPARE(bild.size(), QSize(440, 400));
        Diagrammbild erwartet;
        diagrammZeichnen(erwartet, PmvEingabeAus(standardRaumklima(), true), 0, Lufttemperatur, Strahlungstemperatur,
                         Bereich{});
        const QImage soll = erwartet.speicherbild(achsenAuslegen(Bereich{}, Lufttemperatur, Strahlungstemperatur),
                                                  festwerte(Lufttemperatur, Strahlungstemperatur,
                                                            werttexteAus(standardRaumklima(), true)));
        QCOMPARE(bild.convertToFormat(QImage::Format_RGB32), soll);
    }

    void eingabenWirken()
    {
        // "--icl 0" makes 20 °C / 20 °C cold beyond the scale: the cell stays white
        const QString pfad = ordner.filePath(u"nackt.bmp"_s);
        const Lauf l = cli({u"--x=ti"_s, u"--y=ts"_s, u"--icl"_s, u"0"_s, u"--m"_s, u"70"_s, u"--bmp"_s, pfad});
        QCOMPARE(l.status, 0);
        QCOMPARE(QImage(pfad).pixelColor(px(3055), px(2070)), QColor(Qt::white));
    }

    void meldungenAufStandardfehler()
    {
        const QString pfad = ordner.filePath(u"v.bmp"_s);
        const Lauf l = cli({u"--x"_s, u"v_luft"_s, u"--y"_s, u"m"_s, u"--xmin"_s, u"-2"_s, u"--ymax"_s, u"700"_s,
                            u"--bmp"_s, pfad});
        QCOMPARE(l.status, 0);
        QVERIFY2(l.fehler.contains(u"X-Wert ist zu klein!\nXmin wird auf X = 0 gesetzt"_s), qPrintable(l.fehler));
        QVERIFY(l.fehler.indexOf(u"Ymax wird auf Y = 500 gesetzt"_s) > l.fehler.indexOf(u"Xmin wird"_s));
        QVERIFY(QFile::exists(pfad));
    }

    void falscherAufruf_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        const QString bmp = u"--bmp=x.bmp"_s;
        QTest::newRow("unbekannte Größe") << QStringList{u"--x=tu"_s, u"--y=ts"_s, bmp} << u"--x \"tu\""_s;
        QTest::newRow("zweimal dieselbe") << QStringList{u"--x=ti"_s, u"--y=ti"_s, bmp} << u"verschiedene"_s;
        QTest::newRow("ohne --bmp") << QStringList{u"--x=ti"_s, u"--y=ts"_s} << u"--bmp"_s;
        QTest::newRow("ohne --y") << QStringList{u"--x=ti"_s, bmp} << u"--y"_s;
        QTest::newRow("ti über 50") << QStringList{u"--x=ti"_s, u"--y=ts"_s, u"--ti=50,2"_s, bmp} << u"Schieberegler"_s;
        QTest::newRow("m unter 40") << QStringList{u"--x=ti"_s, u"--y=ts"_s, u"--m=35"_s, bmp} << u"Schieberegler"_s;
        QTest::newRow("phi nicht ganz") << QStringList{u"--x=ti"_s, u"--y=ts"_s, u"--phi=50.5"_s, bmp} << u"ganze Zahl"_s;
        QTest::newRow("icl über 4") << QStringList{u"--x=ti"_s, u"--y=ts"_s, u"--icl=4.5"_s, bmp} << u"Schieberegler"_s;
        QTest::newRow("keine Zahl") << QStringList{u"--x=ti"_s, u"--y=ts"_s, u"--v-luft=schnell"_s, bmp} << u"keine Zahl"_s;
        QTest::newRow("unbekannte Option") << QStringList{u"--x=ti"_s, u"--y=ts"_s, u"--farbe=rot"_s, bmp} << u"unbekannte"_s;
        QTest::newRow("Wert fehlt") << QStringList{u"--x=ti"_s, u"--y=ts"_s, bmp, u"--ti"_s} << u"braucht einen Wert"_s;
    }
    void falscherAufruf()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const Lauf l = cli(argumente);
        QCOMPARE(l.status, 2);
        QVERIFY2(l.fehler.contains(meldung), qPrintable(l.fehler));
    }

    void hilfe()
    {
        const Lauf l = cli({u"--help"_s});
        QCOMPARE(l.status, 0);
        QVERIFY(l.ausgabe.contains(u"Aufruf: tempara-cli diagramm"_s));
    }

    void nichtSchreibbar()
    {
        const Lauf l = cli({u"--x=ti"_s, u"--y=ts"_s, u"--bmp"_s, ordner.filePath(u"fehlt/bild.bmp"_s)});
        QCOMPARE(l.status, 1);
        QVERIFY(l.fehler.contains(u"konnte nicht geschrieben werden"_s));
    }

    void hoechstwertNull()
    {
        const Lauf l = cli({u"--x=ti"_s, u"--y=ts"_s, u"--xmax=0"_s, u"--bmp"_s, ordner.filePath(u"null.bmp"_s)});
        QCOMPARE(l.status, 0);
        QVERIFY(l.fehler.contains(u"Xmax muss größer als 0 sein"_s));
    }
};

QTEST_MAIN(TestDiagrammCli)
#include "tst_diagramm_cli.moc"
