// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram core: the range check, cells in their bands, axes and labels, the saved bitmap.
#include "bereich.h"
#include "diagrammbild.h"
#include "groessen.h"
#include "pmv.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace diagram;
using namespace model;
using namespace gui;

namespace {

const QString kWeiss = u"#ffffff"_s, kSchwarz = u"#000000"_s;
const int ti = Lufttemperatur, ts = Strahlungstemperatur;

QString farbe(const QImage& bild, double x, double y) { return bild.pixelColor(px(x), px(y)).name(); }
QString bandfarbe(int i) { return QColor(band(i).farbe).name(); }

PmvEingabe vorgabe() { return PmvEingabeAus(standardRaumklima(), true); }

QImage gezeichnet(int x, int y, const Bereich& b = {}, Lauf* lauf = nullptr)
{
    Diagrammbild bild;
    Lauf egal;
    (lauf ? *lauf : egal) = diagrammZeichnen(bild, vorgabe(), 0, x, y, b);
    return bild.bild();
}

QString texte(const std::array<Beschriftung, kSkalenAnzahl>& skala)
{
    QStringList t;
    for (const Beschriftung& b : skala)
        t << b.text;
    return t.join(u' ');
}

int dunklePunkte(const QImage& bild, QRectF twips)
{
    int n = 0;
    for (int y = int(twips.top() / 15); y < int(twips.bottom() / 15); ++y)
        for (int x = int(twips.left() / 15); x < int(twips.right() / 15); ++x)
            n += qGray(bild.pixel(x, y)) < 160;
    return n;
}

// Scale texts x_achsenskal(0..12), y_achsenskal(0..12) without (9); the hint's axis.
struct Skalenfall {
    int x, y;
    Bereich bereich;
    QString xTexte, yTexte, hinweis = {};
};
Bereichsfelder felderAus(const QString& text)  // "|"-separated
{
    const QStringList t = text.split(u'|');
    return {t[0], t[1], t[2], t[3]};
}

}  // namespace

class TestDiagrammKern : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Leaving a field: the range checked against the chosen quantities, the fields corrected and told, in order.
    void bereichsPruefung()
    {
        const QString klein = u"-Wert ist zu klein!\r\n"_s, gross = u"-Wert ist zu groß!\r\n"_s;
        const std::tuple<int, int, QString, QString, QString, QStringList> faelle[] = {
            // x, y, the stored ranges, the fields as typed, as corrected, the messages
            {Luftgeschwindigkeit,
             ts,
             u"0|10|-15|50"_s,
             u"-2|10|-15|50"_s,
             u"0|10|-15|50"_s,
             {u"X"_s + klein + u"Xmin wird auf X = 0 gesetzt"_s}},
            {ti, ts, u"-15|50|-15|50"_s, u"60|50|-15|50"_s, u"40|50|-15|50"_s, {u"Xmin ist größer als Xmax"_s}},
            {ti,
             Luftfeuchte,
             u"-15|50|0|5"_s,
             u"-15|50|8|5"_s,
             u"-15|50|0|5"_s,
             {u"Ymin ist größer als Ymax"_s, u"Y"_s + klein + u"Ymin wird auf Y = 0 gesetzt"_s}},
            {ti,
             Luftfeuchte,
             u"-15|50|95|100"_s,
             u"-15|50|95|3"_s,
             u"-15|50|95|100"_s,
             {u"Ymax ist kleiner als Ymin"_s, u"Y"_s + gross + u"Ymax wird auf Y = 100 gesetzt"_s}},
            {Luftgeschwindigkeit, ts, u"0|10|-15|50"_s, u"0,5|  7.5 m/s|-15|50"_s, u"0,5|7,5|-15|50"_s, {}},
            // the shortest form with at most 7 significant digits
            {ti, ts, u"-15|50|-15|50"_s, u"-1e-7|0.123456789|-15|50"_s, u"-1E-07|0,1234568|-15|50"_s, {}}};
        for (const auto& [x, y, alt, getippt, felder, meldungen] : faelle) {
            Bereichsfelder f = felderAus(getippt);
            Bereich b = bereichLesen(felderAus(alt));
            QStringList gemeldet;
            bereichPruefen(b, f, x, y, [&](const QString& m) { gemeldet << m; });
            QCOMPARE(gemeldet, meldungen);
            QCOMPARE(QStringList(f.begin(), f.end()).join(u'|'), felder);
            QCOMPARE(bereichsText(b.Xmin) + bereichsText(b.Ymax), f[0] + f[3]);
        }
        QCOMPARE(bereichsText(1234567.8f), u"1234568"_s);  // seven digits without an exponent
    }

    void zellenInIhrenBaendern()
    {
        // each cell (kx = 82, ky = 62) shows the band of its own vote; votes clipped to ±3 stay white
        Lauf lauf;
        const QImage bild = gezeichnet(ti, ts, {}, &lauf);
        QVERIFY(lauf.raster.auswertungen == 131 * 131 && lauf.raster.fehler == 0);
        QSet<float> geklippt;
        for (float x : {-15.0f, -5.5f, 10.0f, 20.0f, 27.5f, 32.5f, 40.0f, 50.0f})
            for (float y : {-15.0f, -10.0f, 5.0f, 20.0f, 30.0f, 45.0f, 50.0f}) {
                PmvEingabe e = vorgabe();
                e.ta = x;
                e.tr = y;
                PmvErgebnis r;
                QVERIFY(PmvBerechnen(e, r));
                const std::optional<int> b = bandVon(r.PMV);
                geklippt << (b ? 0.0f : r.PMV);
                QCOMPARE(farbe(bild, kX0 + 82 * x + 5, kY0 - 62 * y + 5), b ? bandfarbe(*b) : kWeiss);
            }
        QCOMPARE(geklippt, (QSet<float>{0.0f, -3.0f, 3.0f}));
        gezeichnet(ti, ts, {-15, 1e-30f, -15, 50}, &lauf);  // a step too small ends after one column
        QVERIFY(lauf.raster.auswertungen <= 131);
    }

    void baender()
    {
        // the vote and its band (-1: no cell), at each band's edge; ±3 are clipped votes
        const float nan = std::numeric_limits<float>::quiet_NaN(), unter2 = std::nextafter(-2.0f, -3.0f);
        const std::pair<float, int> faelle[] = {{-3, -1},  {unter2, 6}, {-2, 5}, {-1, 4}, {-0.5f, 3},
                                                {0.5f, 2}, {1, 1},      {2, 0},  {3, -1}, {nan, -1}};
        for (const auto& [pmv, band] : faelle)
            QVERIFY2(bandVon(pmv).value_or(-1) == band, qPrintable(QString::number(pmv)));
    }

    void kleidungWechseltDieFclRegel()
    {
        // clothing in float32 steps of 0.04: 0.48 clo still uses the first rule, 0.52 clo the second
        std::vector<float> w;
        gleitSchleife(0.0f, 4.0f, 4.0f / 100.0f, [&](float v) { w.push_back(v); });
        QVERIFY(std::fabs(w.at(12) - 0.48f) < 1e-5f && std::fabs(w.at(13) - 0.52f) < 1e-5f);
        PmvEingabe e = vorgabe(), f = e;
        setzeGroesse(e, Kleidung, w[12], 0);
        setzeGroesse(f, Kleidung, w[13], 0);
        QCOMPARE(QList<float>({e.fcl, f.fcl}),
                 QList<float>({float(1.0 + 0.19995 * double(w[12])), float(1.05 + 0.099975 * double(w[13]))}));
    }

    void luftgeschwindigkeitZaehltEigeneBewegungHinzu()
    {
        // x = air velocity from `ab`, y = air temperature: the bands of the first column
        auto ersteSpalte = [](float ab, float v_rel) {
            const Bereich b{ab, 10, -15, 50};
            const Rasterwerte r = rasterBerechnen(vorgabe(), v_rel, Luftgeschwindigkeit, ti, geometrieAus(b), b);
            QList<int> baender;
            for (std::size_t j = 0; j < r.y.size(); ++j)
                baender << bandVon(r.wert(0, j)).value_or(-1);
            return baender;
        };
        // with v_rel = 1 the column v = 0 looks like the column v = 1 without it; still air does not
        QCOMPARE(ersteSpalte(0, 1).size(), 131);
        QCOMPARE(ersteSpalte(0, 1), ersteSpalte(1, 0));
        QVERIFY(ersteSpalte(0, 0) != ersteSpalte(1, 0));
    }

    void skalen_data()
    {
        QTest::addColumn<Skalenfall>("fall");
        const QString x = u"5 10 15 20 25 30 35 40 45 50 -5 -10 -15"_s, y = u"5 10 15 20 25 30 35 40 45  -5 -10 -15"_s,
                      icl = u"0,4 0,8 1,2 1,6 2 2,4 2,8 3,2 3,6 4 -0,4 -0,8 -1,2"_s,
                      v = u"0,05 0,1 0,15 0,2 0,25 0,3 0,35 0,4 0,45  -0,05 -0,1 -0,15"_s;
        QTest::newRow("Vorgabe -15 bis 50") << Skalenfall{ti, ts, {}, x, y};
        QTest::newRow("Kleidung bis 4 mit Komma") << Skalenfall{Kleidung, Luftgeschwindigkeit, {0, 4, 0, 0.5f}, icl, v};
        QTest::newRow("negativer Höchstwert spiegelt, leeres Raster")
            << Skalenfall{ti, ts, {-15, -5, -15, 50}, u"-0,5 -1 -1,5 -2 -2,5 -3 -3,5 -4 -4,5 -5 0,5 1 1,5"_s, y};
        QTest::newRow("Xmax 0 ohne Maßstab") << Skalenfall{ti, ts, {-15, 0, -15, 50}, QString(12, u' '), y, u"Xmax"_s};
        QTest::newRow("Ymax 0 ohne Maßstab") << Skalenfall{ti, ts, {-15, 50, -15, 0}, x, QString(12, u' '), u"Ymax"_s};
    }
    void skalen()
    {
        QFETCH(Skalenfall, fall);
        const Achsen a = achsenAuslegen(fall.bereich, fall.x, fall.y);
        QCOMPARE(texte(a.xSkala), fall.xTexte);
        QCOMPARE(texte(a.ySkala), fall.yTexte);
        // a maximum not above 0 gives no cell, but the axes; only a maximum of 0 a hint
        QCOMPARE(hinweisNichtPositiv(fall.bereich).left(4), fall.hinweis);
        Lauf lauf;
        QCOMPARE(farbe(gezeichnet(fall.x, fall.y, fall.bereich, &lauf), 3000, kY0), kSchwarz);
        QVERIFY((fall.bereich.Xmax > 0 && fall.bereich.Ymax > 0) || lauf.zellen == 0);
    }

    void achsenUndBezugslinien()
    {
        // x labels centred under their ticks, y labels ending 50 twips left of the axis
        const Achsen a = achsenAuslegen(Bereich{}, ti, ts);
        QCOMPARE(a.xSkala[12].twips, QRectF(1400 - 68 - 82 * 15, 3400, 135, 165));
        QCOMPARE(a.ySkala[8].twips, QRectF(1050, 3300 - 83 - 62 * 45, 300, 132));
        QCOMPARE(a.xTitel.twips.topLeft(), QPointF(4100, 3800));
        // black ticks across the axes, none at Ymax
        const QImage bild = gezeichnet(ti, ts, {0, 50, 0, 50});
        QCOMPARE(farbe(bild, 1400 + 82 * 5, 3300 + 45), kSchwarz);
        QCOMPARE(farbe(bild, 1400 - 45, 3300 - 62 * 45), kSchwarz);
        QCOMPARE(farbe(bild, 1400 - 45, 3300 - 62 * 50), kWeiss);
        // x = air temperature, y = relative humidity: grey lines at 15 and 25 °C, at 35 and 70 %; clothing has none
        const QImage feucht = gezeichnet(ti, Luftfeuchte, {-15, 50, 0, 100});
        for (float t : {15.0f, 25.0f})
            QCOMPARE(farbe(feucht, kX0 + 82 * t, 1000), u"#808080"_s);
        for (float f : {35.0f, 70.0f})
            QCOMPARE(farbe(feucht, 4000, kY0 - 31 * f), u"#808080"_s);
        QVERIFY(farbe(gezeichnet(Kleidung, ti, {0, 4, -15, 50}), kX0 + 4100.0 / 4 * 1.5, 1000) != u"#808080"_s);
    }

    void beschriftungVollstaendig_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("skala");
        QSet<QString> texte;
        for (int x = 0; x < 6; ++x) {
            texte << QString::fromUtf16(info(x).achsentitel);
            for (int y = 0; y < 6; ++y)
                for (const Festwert& f : festwerte(x, y, werttexteAus(standardRaumklima(), true)))
                    texte << f.name << f.wert;
        }
        for (const QString& t : texte)
            QTest::newRow(qPrintable(t)) << t << false;
        for (const QString& t : {u"1,05"_s, u"1,35"_s, u"-0,45"_s, u"-0,15"_s})
            QTest::newRow(qPrintable(t)) << t << true;
    }
    void beschriftungVollstaendig()
    {
        // every glyph of a caption is painted: the ink is as wide as the font says, and the
        // last glyph (a colon, a comma's digit) has ink in its own columns
        QFETCH(QString, text);
        QFETCH(bool, skala);
        QImage bild = Diagrammbild().bild().copy(0, 0, 700, 40);
        bild.fill(Qt::white);
        const QFont schrift = skala ? skalenschrift() : titelschrift();
        QPainter maler(&bild);
        maler.setFont(schrift);
        textZeichnen(maler, {150, 75}, text);
        maler.end();
        QList<int> tinte;  // the columns with ink
        for (int x = 0; x < bild.width(); ++x)
            if (dunklePunkte(bild, QRectF(15 * x, 0, 15, 600)) > 0)
                tinte << x;
        QVERIFY(!tinte.isEmpty());
        const int links = tinte.first(), rechts = tinte.last();
        const QFontMetrics m(schrift, &bild);
        const int breite = m.horizontalAdvance(text);
        QVERIFY2(std::abs((rechts - links + 1) - breite) <= 2,
                 qPrintable(u"Tinte %1 Punkte, Schrift %2"_s.arg(rechts - links + 1).arg(breite)));
        const int vorLetztem = 10 + m.horizontalAdvance(text.chopped(1));
        QVERIFY(dunklePunkte(bild, QRectF(15 * vorLetztem, 0, 15 * (10 + breite - vorLetztem), 600)) > 0);
    }

    void speicherbild()
    {
        Diagrammbild d;
        diagrammZeichnen(d, vorgabe(), 0, ti, ts, {});
        const Achsen a = achsenAuslegen(Bereich{}, ti, ts);
        const QImage bmp = d.speicherbild(a, festwerte(ti, ts, werttexteAus(standardRaumklima(), true)));
        QCOMPARE(bmp.size(), QSize(440, 400));
        QCOMPARE(farbe(bmp, 3055, 2070), bandfarbe(3));  // the drawing at the top left
        // legend boxes from "heiß" down to "kalt" with white around them; the six rows' names and values in black
        for (int i = 0; i < kAnzahlBaender; ++i)
            QCOMPARE(farbe(bmp, 5820, 140 + 588 * i + 50), bandfarbe(i));
        QCOMPARE(farbe(bmp, 6540, 1000), kWeiss);
        for (int k = 0; k < 6; ++k)
            QVERIFY(dunklePunkte(bmp, QRectF(500, 4600 + 200 * k, 800, 180)) > 10
                    && dunklePunkte(bmp, QRectF(5300, 4600 + 200 * k, 600, 180)) > 10);
        // the axis titles and scale labels are painted in and stay in the drawing
        QVERIFY(dunklePunkte(bmp, a.xTitel.twips) > 20 && dunklePunkte(d.bild(), a.yTitel.twips) > 20);
        QVERIFY(dunklePunkte(bmp, QRectF(a.xSkala[9].twips.topLeft(), QSizeF(250, 165))) > 3);
    }
};

QTEST_MAIN(TestDiagrammKern)
#include "tst_diagram_kern.moc"
