// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli diagramm as a script calls it: the bitmap, the messages, the exit status.
#include "cliprozess.h"
#include "diagrammbild.h"
#include "pmv.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace diagram;
using namespace model;
using namespace gui;

// "%1" in the options stands for `ordner`.
static CliAusgang cli(const QString& optionen, const QString& ordner)
{
    return cliStarten(u"diagramm "_s + QString(optionen).replace(u"%1"_s, ordner));
}

class TestDiagrammCli : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;

private Q_SLOTS:
    void vorgabeWieImFenster()
    {
        const CliAusgang l = cli(u"--x ti --y ts --bmp %1/vorgabe.bmp"_s, ordner.path());
        QVERIFY(l.status == 0 && l.aus.isEmpty() && l.fehler.isEmpty());
        const int ti = Lufttemperatur, ts = Strahlungstemperatur;
        const Festwerte zeilen = festwerte(ti, ts, werttexteAus(standardRaumklima(), true));
        Diagrammbild d;
        diagrammZeichnen(d, PmvEingabeAus(standardRaumklima(), true), 0, ti, ts, {});
        QCOMPARE(QImage(ordner.filePath(u"vorgabe.bmp"_s)), d.speicherbild(achsenAuslegen({}, ti, ts), zeilen));
        // the inputs count: "--icl 0" makes 20 °C / 20 °C cold beyond the scale, the cell stays white
        QVERIFY(cli(u"--x=ti --y=ts --icl 0 --m 70 --bmp %1/nackt.bmp"_s, ordner.path()).status == 0
                && QImage(ordner.filePath(u"nackt.bmp"_s)).pixelColor(px(3055), px(2070)) == Qt::white);
    }

    void aufruf_data()
    {
        QTest::addColumn<QString>("optionen");  // %1: a fresh folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");  // part of what it prints; a good run writes its --bmp
        auto zeile = [](const char* n, const QString& o, int s, const QString& m) { QTest::newRow(n) << o << s << m; };
        zeile("Hilfe", u"--help"_s, 0, u"Aufruf: tempara-cli diagramm"_s);
        zeile("Meldungen des Fensters, der Reihe nach", u"--x v_luft --y m --xmin -2 --ymax 700 --bmp %1/v.bmp"_s, 0,
              u"X-Wert ist zu klein!\nXmin wird auf X = 0 gesetzt\ntempara-cli diagramm: Y-Wert ist zu groß!\n"
              u"Ymax wird auf Y = 500 gesetzt"_s);
        zeile("Höchstwert 0", u"--x=ti --y=ts --xmax=0 --bmp=%1/null.bmp"_s, 0, u"Xmax ist 0"_s);
        zeile("nicht schreibbar", u"--x=ti --y=ts --bmp=%1/fehlt/bild.bmp"_s, 1, u"konnte nicht geschrieben werden"_s);
        zeile("FIFO als Bitmap: hineingeschrieben", u"--x=ti --y=ts --bmp=%1/fifo.bmp"_s, 0, {});
        zeile("Ordner als Bitmap", u"--x=ti --y=ts --bmp=%1"_s, 1, u"Unter diesem Namen steht ein Ordner"_s);
        const QString bmp = u" --bmp=%1/x.bmp"_s;
        zeile("unbekannte Größe", u"--x=tu --y=ts"_s + bmp, 2, u"--x \"tu\""_s);
        zeile("zweimal dieselbe", u"--x=ti --y=ti"_s + bmp, 2, u"verschiedene"_s);
        zeile("ohne --bmp", u"--x=ti --y=ts"_s, 2, u"--bmp"_s);
        zeile("ti über 50", u"--x=ti --y=ts --ti=50,2"_s + bmp, 2, u"Schieberegler"_s);
        zeile("phi nicht ganz", u"--x=ti --y=ts --phi=50.5"_s + bmp, 2, u"ganze Zahl"_s);
        zeile("keine Zahl", u"--x=ti --y=ts --v-luft=schnell"_s + bmp, 2, u"keine Zahl"_s);
        zeile("unbekannte Option", u"--x=ti --y=ts --farbe=rot"_s + bmp, 2, u"unbekannte"_s);
        zeile("Wert fehlt", u"--x=ti --y=ts"_s + bmp + u" --ti"_s, 2, u"braucht einen Wert"_s);
        zeile("Bericht als PDF", u"--x=m --y=icl --bericht=%1/b.pdf --linien=0.5 --bereich=anpassen"_s, 0, {});
        zeile("Bericht ohne Format", u"--x=ti --y=ts --bericht=%1/b.jpg"_s, 2, u"erwartet .svg, .pdf oder .png"_s);
        zeile("PNG unter 2400 Bildpunkten", u"--x=ti --y=ts --bericht=%1/b.png --papier=a5 --dpi=250"_s, 2,
              u"erlaubt sind 291 bis 600 dpi"_s);
        zeile("Linien unbekannt", u"--x=ti --y=ts --bericht=%1/b.svg --linien=0,6"_s, 2, u"erwartet 0, 0,5 oder 0,7"_s);
        zeile("Berichtoption ohne Bericht", u"--x=ti --y=ts --dpi=300"_s + bmp, 2, u"--dpi wirkt nur mit --bericht"_s);
        zeile("Bitmap und Bericht in einer Datei", u"--x=ti --y=ts --bmp=%1/b.png --bericht=%1/b.png"_s, 2,
              u"dieselbe Datei"_s);
        zeile("Bericht nicht schreibbar", u"--x=ti --y=ts --bericht=%1/fehlt/b.svg"_s, 1,
              u"konnte nicht geschrieben werden"_s);
    }
    void aufruf()
    {
        QFETCH(QString, optionen);
        QFETCH(QString, meldung);
        QTemporaryDir leer;
        const QString fifo = leer.filePath(u"fifo.bmp"_s);
        const bool strom = optionen.contains(u"%1/fifo"_s);  // written into, never replaced by a file
        QProcess leser;
        if (strom) {
            QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
            leser.start(u"sh"_s, {u"-c"_s, u"{ head -c 2; cat >/dev/null; } <\"$0\""_s, fifo});  // pipe stays free
        }
        const CliAusgang l = cli(optionen, leer.path());
        QTEST(l.status, "status");
        if (strom)
            QVERIFY(leser.waitForFinished() && leser.readAll().startsWith("BM") && !QFileInfo(fifo).isFile());
        QVERIFY2((l.ausText() + l.fehlerText()).contains(meldung), qPrintable(l.ausText() + l.fehlerText()));
        QCOMPARE(QDir(leer.path()).entryList(QDir::Files).join(u'|'),
                 l.status == 0 && !strom ? optionen.section(u"%1/"_s, 1).section(u' ', 0, 0) : QString());
    }
};

QTEST_MAIN(TestDiagrammCli)
#include "tst_diagram_cli.moc"
