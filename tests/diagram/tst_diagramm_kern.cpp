// The diagram as a picture: cells in their bands at the right places, axes and labels,
// the range check with its messages, and the saved bitmap.
#include "bereich.h"
#include "diagrammbild.h"
#include "groessen.h"
#include "pmv.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <optional>

using namespace diagramm;

namespace {

// The pixel under a point given in twips.
QRgb pixel(const QImage& bild, double xTwips, double yTwips)
{
    return bild.pixel(px(xTwips), px(yTwips));
}

QString farbname(QRgb farbe) { return QColor(farbe).name(); }

PmvEingabe vorgabeEingabe(float icl = 1.0f) {
    Raumklima k = standardRaumklima();
    k.Icl = icl;
    return PmvEingabeAus(k, true);
}

Bereich vorgabeBereich(int x, int y)
{
    return {info(x).untergrenze, info(x).obergrenze, info(y).untergrenze, info(y).obergrenze};
}

Diagrammbild gezeichnet(int x, int y, const Bereich& b, const PmvEingabe& e = vorgabeEingabe(), float v_rel = 0,
                        Laufbilanz* bilanz = nullptr)
{
    Diagrammbild bild;
    const Laufbilanz l = diagrammZeichnen(bild, e, v_rel, x, y, b);
    if (bilanz)
        *bilanz = l;
    return bild;
}

QStringList texte(const std::array<Beschriftung, kSkalenAnzahl>& skala)
{
    QStringList t;
    for (const Beschriftung& b : skala)
        t << b.text;
    return t;
}

// Non-white pixels inside a rectangle of twips.
int dunklePunkte(const QImage& bild, QRectF twips)
{
    int n = 0;
    for (int y = int(twips.top() / 15); y < int(twips.bottom() / 15); ++y)
        for (int x = int(twips.left() / 15); x < int(twips.right() / 15); ++x)
            n += qGray(bild.pixel(x, y)) < 160;
    return n;
}

}  // namespace

class TestDiagrammKern : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void vorgabeZelleIstGruen()
    {
        // 20 °C / 20 °C with the defaults: PMV -0.26, neutral, from (3040, 2060) to (3070, 2080).
        Laufbilanz bilanz;
        const Diagrammbild d = gezeichnet(Lufttemperatur, Strahlungstemperatur, Bereich{}, vorgabeEingabe(), 0, &bilanz);
        QCOMPARE(bilanz.auswertungen, 131 * 131);
        QCOMPARE(bilanz.fehler, 0);
        for (double x : {3045.0, 3055.0, 3060.0})
            for (double y : {2062.0, 2070.0})
                QCOMPARE(farbname(pixel(d.bild(), x, y)), QStringLiteral("#00ff00"));
        // elsewhere each cell shows the band of its own vote, or white when it is clipped
        int farbig = 0;
        for (float x : {-15.0f, -5.5f, 10.0f, 27.5f, 32.5f, 40.0f, 50.0f})
            for (float y : {-15.0f, -10.0f, 5.0f, 30.0f, 45.0f, 50.0f}) {
                PmvEingabe e = vorgabeEingabe();
                e.ta = x;
                e.tr = y;
                PmvErgebnis r;
                QVERIFY(PmvBerechnen(e, r));
                const std::optional<int> b = bandVon(r.PMV);
                farbig += bool(b);
                QCOMPARE(farbname(pixel(d.bild(), kX0 + 82 * x + 5, kY0 - 62 * y + 5)),
                         farbname(b ? band(*b).farbe : qRgb(255, 255, 255)));
            }
        QVERIFY(farbig > 20);
    }

    void baender_data()
    {
        QTest::addColumn<float>("pmv");
        QTest::addColumn<int>("band");  // -1: no cell
        QTest::newRow("-3 geklippt") << -3.0f << -1;
        QTest::newRow("knapp über -3") << std::nextafter(-3.0f, 0.0f) << 6;
        QTest::newRow("-2 gehört zu kühl") << -2.0f << 5;
        QTest::newRow("knapp unter -2") << std::nextafter(-2.0f, -3.0f) << 6;
        QTest::newRow("-1 etwas kühl") << -1.0f << 4;
        QTest::newRow("-0,5 neutral") << -0.5f << 3;
        QTest::newRow("-0,26 neutral") << -0.26f << 3;
        QTest::newRow("knapp unter 0,5 neutral") << std::nextafter(0.5f, 0.0f) << 3;
        QTest::newRow("0,5 etwas warm") << 0.5f << 2;
        QTest::newRow("1 warm") << 1.0f << 1;
        QTest::newRow("2 heiß") << 2.0f << 0;
        QTest::newRow("knapp unter 3 heiß") << std::nextafter(3.0f, 0.0f) << 0;
        QTest::newRow("3 geklippt") << 3.0f << -1;
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << -1;
    }
    void baender()
    {
        QFETCH(float, pmv);
        QFETCH(int, band);
        QCOMPARE(bandVon(pmv).value_or(-1), band);
    }

    void geklippteZellenBleibenWeiss_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<float>("xWert");
        QTest::addColumn<float>("yWert");
        QTest::addColumn<float>("icl");
        QTest::addColumn<float>("geklippt");
        QTest::newRow("nackt bei -15 °C") << int(Lufttemperatur) << int(Kleidung) << -15.0f << 0.4f << 1.0f << -3.0f;
        QTest::newRow("500 W/m² bei 50 °C") << int(Energieumsatz) << int(Lufttemperatur) << 500.0f << 50.0f << 4.0f << 3.0f;
    }
    void geklippteZellenBleibenWeiss()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(float, xWert);
        QFETCH(float, yWert);
        QFETCH(float, icl);
        QFETCH(float, geklippt);
        PmvEingabe e = vorgabeEingabe(icl);
        setzeGroesse(e, x, xWert, 0);
        setzeGroesse(e, y, yWert, 0);
        PmvErgebnis r;
        QVERIFY(PmvBerechnen(e, r));
        QCOMPARE(r.PMV, geklippt);

        const Bereich b = vorgabeBereich(x, y);
        const Diagrammbild d = gezeichnet(x, y, b, vorgabeEingabe(icl));
        const Geometrie g = geometrieAus(b);
        QCOMPARE(farbname(pixel(d.bild(), kX0 + g.kx * xWert, kY0 - g.ky * yWert)), QStringLiteral("#ffffff"));
    }

    void kleidungWechseltDieFclRegel()
    {
        // y = clothing 0 to 4 in float32 steps of 0.04: 0.48 clo still uses the first rule,
        // 0.52 clo the second (the switch lies near 0.503 clo).
        std::vector<float> werte;
        gleitSchleife(0.0f, 4.0f, 4.0f / 100.0f, [&](float v) { werte.push_back(v); });
        QVERIFY(werte.size() >= 100);
        PmvEingabe e = vorgabeEingabe();
        setzeGroesse(e, Kleidung, werte[12], 0);
        QCOMPARE(e.Icl, werte[12]);
        QCOMPARE(e.fcl, float(1.0 + 0.19995 * double(werte[12])));
        setzeGroesse(e, Kleidung, werte[13], 0);
        QCOMPARE(e.fcl, float(1.05 + 0.099975 * double(werte[13])));
        QVERIFY(std::fabs(werte[12] - 0.48f) < 1e-5f && std::fabs(werte[13] - 0.52f) < 1e-5f);
    }

    void luftgeschwindigkeitZaehltEigeneBewegungHinzu()
    {
        // with v_rel = 1 the column v = 0 looks like the column v = 1 without it
        const Bereich b = vorgabeBereich(Luftgeschwindigkeit, Lufttemperatur);
        const Achsen a = achsenAuslegen(b, Luftgeschwindigkeit, Lufttemperatur);
        // band of every cell by (pixel column, pixel row) of its corner
        auto baender = [&](float v_rel) {
            std::map<std::pair<int, int>, int> karte;
            rasterDurchlaufen(vorgabeEingabe(), v_rel, Luftgeschwindigkeit, Lufttemperatur, a, 380, 300,
                              [&](Spanne s, Spanne z, float pmv) {
                                  karte[{s.von, z.von}] = bandVon(pmv).value_or(-1);
                                  return true;
                              });
            return karte;
        };
        const auto mit = baender(1.0f), ohne = baender(0.0f);
        const int spalte0 = px(kX0), spalte1 = px(kX0 + a.geometrie.kx * 1.0f);
        int zeilen = 0, verschieden = 0, stillUnterschiedlich = 0;
        for (const auto& [ort, b0] : mit) {
            if (ort.first != spalte0)
                continue;
            ++zeilen;
            verschieden += b0 != ohne.at({spalte1, ort.second});
            stillUnterschiedlich += ohne.at({spalte0, ort.second}) != ohne.at({spalte1, ort.second});
        }
        QCOMPARE(zeilen, 131);
        QCOMPARE(verschieden, 0);
        // still air itself is not the same as 1 m/s
        QVERIFY(stillUnterschiedlich > 10);
    }

    void skalen_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<Bereich>("bereich");
        QTest::addColumn<QStringList>("xTexte");
        QTest::addColumn<QStringList>("yTexte");
        QTest::newRow("Vorgabe -15 bis 50")
            << int(Lufttemperatur) << int(Strahlungstemperatur) << Bereich{}
            << QStringList{u"5"_qs, u"10"_qs, u"15"_qs, u"20"_qs, u"25"_qs, u"30"_qs, u"35"_qs, u"40"_qs, u"45"_qs, u"50"_qs, u"-5"_qs, u"-10"_qs, u"-15"_qs}
            << QStringList{u"5"_qs, u"10"_qs, u"15"_qs, u"20"_qs, u"25"_qs, u"30"_qs, u"35"_qs, u"40"_qs, u"45"_qs, QString(), u"-5"_qs, u"-10"_qs, u"-15"_qs};
        QTest::newRow("Kleidung bis 4 mit Komma")
            << int(Kleidung) << int(Luftgeschwindigkeit) << Bereich{0, 4, 0, 0.5f}
            << QStringList{u"0,4"_qs, u"0,8"_qs, u"1,2"_qs, u"1,6"_qs, u"2"_qs, u"2,4"_qs, u"2,8"_qs, u"3,2"_qs, u"3,6"_qs, u"4"_qs, u"-0,4"_qs, u"-0,8"_qs, u"-1,2"_qs}
            << QStringList{u"0,05"_qs, u"0,1"_qs, u"0,15"_qs, u"0,2"_qs, u"0,25"_qs, u"0,3"_qs, u"0,35"_qs, u"0,4"_qs, u"0,45"_qs, QString(), u"-0,05"_qs, u"-0,1"_qs, u"-0,15"_qs};
        QTest::newRow("negativer Höchstwert spiegelt")
            << int(Lufttemperatur) << int(Strahlungstemperatur) << Bereich{-15, -5, -15, 50}
            << QStringList{u"-0,5"_qs, u"-1"_qs, u"-1,5"_qs, u"-2"_qs, u"-2,5"_qs, u"-3"_qs, u"-3,5"_qs, u"-4"_qs, u"-4,5"_qs, u"-5"_qs, u"0,5"_qs, u"1"_qs, u"1,5"_qs}
            << QStringList{u"5"_qs, u"10"_qs, u"15"_qs, u"20"_qs, u"25"_qs, u"30"_qs, u"35"_qs, u"40"_qs, u"45"_qs, QString(), u"-5"_qs, u"-10"_qs, u"-15"_qs};
        QTest::newRow("Höchstwert 0 ohne Maßstab")
            << int(Lufttemperatur) << int(Strahlungstemperatur) << Bereich{-15, 0, -15, 50}
            << QStringList(13, QString())
            << QStringList{u"5"_qs, u"10"_qs, u"15"_qs, u"20"_qs, u"25"_qs, u"30"_qs, u"35"_qs, u"40"_qs, u"45"_qs, QString(), u"-5"_qs, u"-10"_qs, u"-15"_qs};
    }
    void skalen()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(Bereich, bereich);
        QFETCH(QStringList, xTexte);
        QFETCH(QStringList, yTexte);
        const Achsen a = achsenAuslegen(bereich, x, y);
        QCOMPARE(texte(a.xSkala), xTexte);
        QCOMPARE(texte(a.ySkala), yTexte);
        QCOMPARE(a.xTitel.text, QString::fromUtf16(info(x).achsentitel));
        QCOMPARE(a.xTitel.twips.topLeft(), QPointF(4100, 3800));
        QCOMPARE(a.yTitel.twips.topLeft(), QPointF(100, 100));
    }

    void skalenLiegenAnDenStrichen()
    {
        const Achsen a = achsenAuslegen(Bereich{}, Lufttemperatur, Strahlungstemperatur);
        QCOMPARE(a.xSkala[0].twips, QRectF(1400 - 68 + 82 * 5, 3400, 135, 165));
        QCOMPARE(a.xSkala[12].twips, QRectF(1400 - 68 - 82 * 15, 3400, 135, 165));
        QCOMPARE(a.ySkala[8].twips, QRectF(1050, 3300 - 83 - 62 * 45, 300, 132));
        QCOMPARE(a.ySkala[10].twips, QRectF(1050, 3300 - 83 + 62 * 5, 300, 132));
        // ticks are drawn in black across the axes; there is none at Ymax
        const Diagrammbild d = gezeichnet(Lufttemperatur, Strahlungstemperatur, Bereich{-15, 50, 0, 50});
        QCOMPARE(farbname(pixel(d.bild(), 1400 + 82 * 5, 3300 + 45)), QStringLiteral("#000000"));
        QCOMPARE(farbname(pixel(d.bild(), 1400 - 45, 3300 - 62 * 45)), QStringLiteral("#000000"));
    }

    void bezugslinien()
    {
        // x = air temperature, y = relative humidity: grey at 15 and 25 °C, at 35 and 70 %
        const Bereich b{-15, 50, 0, 100};
        const Diagrammbild d = gezeichnet(Lufttemperatur, Luftfeuchte, b);
        const Geometrie g = geometrieAus(b);
        const QString grau = QStringLiteral("#808080");
        for (float t : {15.0f, 25.0f})
            QCOMPARE(farbname(d.bild().pixel(px(kX0 + g.kx * t), px(1000))), grau);
        for (float f : {35.0f, 70.0f})
            QCOMPARE(farbname(d.bild().pixel(px(4000), px(kY0 - g.ky * f))), grau);
        // clothing has none
        const Diagrammbild k = gezeichnet(Kleidung, Lufttemperatur, Bereich{0, 4, -15, 50});
        QVERIFY(farbname(k.bild().pixel(px(kX0 + 4100.0 / 4 * 1.5), px(1000))) != grau);
    }

    void nichtPositiverHoechstwertZeichnetNichts_data()
    {
        QTest::addColumn<Bereich>("bereich");
        QTest::newRow("Xmax 0") << Bereich{-15, 0, -15, 50};
        QTest::newRow("Ymax 0") << Bereich{-15, 50, -15, 0};
        QTest::newRow("Xmax negativ") << Bereich{-15, -5, -15, 50};
        QTest::newRow("winziger Schritt") << Bereich{-15, 1e-30f, -15, 50};
    }
    void nichtPositiverHoechstwertZeichnetNichts()
    {
        QFETCH(Bereich, bereich);
        Laufbilanz bilanz;
        const Diagrammbild d = gezeichnet(Lufttemperatur, Strahlungstemperatur, bereich, vorgabeEingabe(), 0, &bilanz);
        QVERIFY(bilanz.zellen <= 131);
        if (!(bereich.Xmax > 0) || !(bereich.Ymax > 0)) {
            QCOMPARE(bilanz.zellen, 0);
            QVERIFY(!hinweisNichtPositiv(bereich).isEmpty());
        }
        // the axes are there in any case
        QCOMPARE(farbname(pixel(d.bild(), 3000, kY0)), QStringLiteral("#000000"));
    }

    void bereichsText_data()
    {
        QTest::addColumn<float>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("ganz negativ") << -15.0f << u"-15"_qs;
        QTest::newRow("Komma") << 2.5f << u"2,5"_qs;
        QTest::newRow("Zehntel") << 0.1f << u"0,1"_qs;
        QTest::newRow("sieben Stellen") << 1234567.8f << u"1234568"_qs;
        QTest::newRow("gerundet auf sieben") << 0.123456789f << u"0,1234568"_qs;
        QTest::newRow("klein mit Exponent") << 1e-7f << u"1E-07"_qs;
        QTest::newRow("null") << 0.0f << u"0"_qs;
    }
    void bereichsText()
    {
        QFETCH(float, wert);
        QFETCH(QString, text);
        QCOMPARE(diagramm::bereichsText(wert), text);
        if (wert != 0.123456789f)
            QCOMPARE(bereichsWert(text), wert);  // reads back as the same value
    }

    void bereichPruefen_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<Bereich>("gespeichert");
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<QStringList>("danach");
        const QString ende = u"\r\n"_qs;
        QTest::newRow("Xmin zu klein") << int(Luftgeschwindigkeit) << int(Lufttemperatur) << Bereich{0, 10, -15, 50}
            << QStringList{u"-2"_qs, u"10"_qs, u"-15"_qs, u"50"_qs}
            << QStringList{u"X-Wert ist zu klein!"_qs + ende + u"Xmin wird auf X = 0 gesetzt"_qs}
            << QStringList{u"0"_qs, u"10"_qs, u"-15"_qs, u"50"_qs};
        QTest::newRow("Xmin über Xmax") << int(Lufttemperatur) << int(Strahlungstemperatur) << Bereich{}
            << QStringList{u"60"_qs, u"50"_qs, u"-15"_qs, u"50"_qs}
            << QStringList{u"Xmin ist größer als Xmax"_qs}
            << QStringList{u"40"_qs, u"50"_qs, u"-15"_qs, u"50"_qs};
        QTest::newRow("Text liest 0") << int(Lufttemperatur) << int(Strahlungstemperatur) << Bereich{}
            << QStringList{u"-15"_qs, u"abc"_qs, u"-15"_qs, u"50"_qs} << QStringList{}
            << QStringList{u"-15"_qs, u"0"_qs, u"-15"_qs, u"50"_qs};
        QTest::newRow("Ymax zu groß") << int(Lufttemperatur) << int(Energieumsatz) << Bereich{-15, 50, 0, 500}
            << QStringList{u"-15"_qs, u"50"_qs, u"0"_qs, u"700"_qs}
            << QStringList{u"Y-Wert ist zu groß!"_qs + ende + u"Ymax wird auf Y = 500 gesetzt"_qs}
            << QStringList{u"-15"_qs, u"50"_qs, u"0"_qs, u"500"_qs};
        QTest::newRow("Punkt und Komma") << int(Luftgeschwindigkeit) << int(Kleidung) << Bereich{0, 10, 0, 4}
            << QStringList{u"0.5"_qs, u"10"_qs, u"0,5"_qs, u"4"_qs} << QStringList{}
            << QStringList{u"0,5"_qs, u"10"_qs, u"0,5"_qs, u"4"_qs};
        QTest::newRow("Xmax gleich Xmin") << int(Lufttemperatur) << int(Strahlungstemperatur) << Bereich{}
            << QStringList{u"10"_qs, u"10"_qs, u"-15"_qs, u"50"_qs}
            << QStringList{u"Xmax ist kleiner als Xmin"_qs}
            << QStringList{u"10"_qs, u"20"_qs, u"-15"_qs, u"50"_qs};
        QTest::newRow("X zu groß") << int(Kleidung) << int(Lufttemperatur) << Bereich{0, 4, -15, 50}
            << QStringList{u"0"_qs, u"7"_qs, u"-15"_qs, u"50"_qs}
            << QStringList{u"X-Wert ist zu groß!"_qs + ende + u"Xmax wird auf X = 4 gesetzt"_qs}
            << QStringList{u"0"_qs, u"4"_qs, u"-15"_qs, u"50"_qs};
        QTest::newRow("Ymin über Ymax, dann zu klein") << int(Lufttemperatur) << int(Luftfeuchte) << Bereich{-15, 50, 0, 5}
            << QStringList{u"-15"_qs, u"50"_qs, u"8"_qs, u"5"_qs}
            << QStringList{u"Ymin ist größer als Ymax"_qs, u"Y-Wert ist zu klein!"_qs + ende + u"Ymin wird auf Y = 0 gesetzt"_qs}
            << QStringList{u"-15"_qs, u"50"_qs, u"0"_qs, u"5"_qs};
        QTest::newRow("Ymax unter Ymin, dann zu groß") << int(Lufttemperatur) << int(Luftfeuchte) << Bereich{-15, 50, 0, 100}
            << QStringList{u"-15"_qs, u"50"_qs, u"95"_qs, u"3"_qs}
            << QStringList{u"Ymax ist kleiner als Ymin"_qs, u"Y-Wert ist zu groß!"_qs + ende + u"Ymax wird auf Y = 100 gesetzt"_qs}
            << QStringList{u"-15"_qs, u"50"_qs, u"95"_qs, u"100"_qs};
        QTest::newRow("alle vier, in Reihenfolge") << int(Strahlungstemperatur) << int(Lufttemperatur) << Bereich{}
            << QStringList{u"-20"_qs, u"60"_qs, u"-99"_qs, u"51"_qs}
            << QStringList{u"X-Wert ist zu klein!"_qs + ende + u"Xmin wird auf X = -15 gesetzt"_qs,
                           u"X-Wert ist zu groß!"_qs + ende + u"Xmax wird auf X = 50 gesetzt"_qs,
                           u"Y-Wert ist zu klein!"_qs + ende + u"Ymin wird auf Y = -15 gesetzt"_qs,
                           u"Y-Wert ist zu groß!"_qs + ende + u"Ymax wird auf Y = 50 gesetzt"_qs}
            << QStringList{u"-15"_qs, u"50"_qs, u"-15"_qs, u"50"_qs};
    }
    void bereichPruefen()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(Bereich, gespeichert);
        QFETCH(QStringList, felder);
        QFETCH(QStringList, meldungen);
        QFETCH(QStringList, danach);
        Bereichsfelder f{felder[0], felder[1], felder[2], felder[3]};
        QStringList gemeldet;
        diagramm::bereichPruefen(gespeichert, f, x, y, [&](const QString& m) { gemeldet << m; });
        QCOMPARE(gemeldet, meldungen);
        QCOMPARE((QStringList{f[0], f[1], f[2], f[3]}), danach);
        QCOMPARE(gespeichert.Xmin, bereichsWert(danach[0]));
        QCOMPARE(gespeichert.Ymax, bereichsWert(danach[3]));
    }

    void festwerte()
    {
        const Werttexte w = werttexteAus(standardRaumklima(), true);
        QCOMPARE(w[0], u"20,0 °C"_qs);
        QCOMPARE(w[5], u"70 W/m²"_qs);
        const Festwerte f = diagramm::festwerte(Lufttemperatur, Kleidung, w);
        QCOMPARE(f[0].name, u"Strahlungstemperatur:"_qs);
        QCOMPARE(f[0].wert, u"20,0 °C"_qs);
        QCOMPARE(f[3].name, u"Aktivität - Energieumsatz:"_qs);
        QCOMPARE(f[5].name, u"Aktivität - Relative Geschwindigkeit in ruhender Luft:"_qs);
        QCOMPARE(f[5].wert, u"0,00 m/s"_qs);
    }

    void speicherbild()
    {
        Diagrammbild d = gezeichnet(Lufttemperatur, Strahlungstemperatur, Bereich{});
        const Achsen a = achsenAuslegen(Bereich{}, Lufttemperatur, Strahlungstemperatur);
        const Festwerte f = diagramm::festwerte(Lufttemperatur, Strahlungstemperatur,
                                                werttexteAus(standardRaumklima(), true));
        const QImage bmp = d.speicherbild(a, f);
        QCOMPARE(bmp.size(), QSize(440, 400));
        QCOMPARE(d.bild().size(), QSize(380, 300));  // the drawing keeps its size
        // legend boxes from "heiß" at the top to "kalt" at the bottom, with white around them
        for (int i = 0; i < kAnzahlBaender; ++i)
            QCOMPARE(farbname(pixel(bmp, 5820, 140 + 588 * i + 50)), farbname(band(i).farbe));
        QCOMPARE(farbname(pixel(bmp, 6540, 1000)), QStringLiteral("#ffffff"));
        QCOMPARE(farbname(pixel(bmp, 5820, 4300)), QStringLiteral("#ffffff"));
        // the six rows, names from x = 500 and values from x = 5300, in black
        for (int k = 0; k < 6; ++k) {
            QVERIFY2(dunklePunkte(bmp, QRectF(500, 4600 + 200 * k, 800, 180)) > 10, qPrintable(QString::number(k)));
            QVERIFY2(dunklePunkte(bmp, QRectF(5300, 4600 + 200 * k, 600, 180)) > 10, qPrintable(QString::number(k)));
        }
        // the axis titles and scale labels are painted in and stay in the drawing
        QVERIFY(dunklePunkte(bmp, a.xTitel.twips) > 20);
        QVERIFY(dunklePunkte(d.bild(), a.yTitel.twips) > 20);
        QVERIFY(dunklePunkte(bmp, QRectF(a.xSkala[9].twips.topLeft(), QSizeF(250, 165))) > 3);
        // a second save gives the same picture
        QCOMPARE(d.speicherbild(a, f), bmp);
    }

    void bmpSchreiben()
    {
        QTemporaryDir ordner;
        Diagrammbild d;
        const QImage bmp = d.speicherbild(achsenAuslegen(Bereich{}, 0, 1), Festwerte{});
        const QString pfad = ordner.filePath(u"bild.bmp"_qs);
        QVERIFY(diagramm::bmpSchreiben(bmp, pfad));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.read(2), QByteArray("BM"));
        datei.close();
        QImage gelesen(pfad);
        QCOMPARE(gelesen.size(), QSize(440, 400));
        QCOMPARE(gelesen.convertToFormat(QImage::Format_RGB32), bmp);
    }

    void unbeschreibbarerOrdner()
    {
        QTemporaryDir ordner;
        QString grund;
        QVERIFY(!diagramm::bmpSchreiben(QImage(4, 4, QImage::Format_RGB32), ordner.filePath(u"fehlt/bild.bmp"_qs), &grund));
        QVERIFY(!grund.isEmpty());
        QVERIFY(!QFile::exists(ordner.filePath(u"fehlt/bild.bmp"_qs)));
    }
};

QTEST_MAIN(TestDiagrammKern)
#include "tst_diagramm_kern.moc"
