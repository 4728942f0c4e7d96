// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram for reports: the lines of constant PMV against PMV = 0 solved directly, the
// regions of the bands without gaps, the axes fitted for reports, and the page's texts.
#include "bericht.h"
#include "diagrammbild.h"
#include "isolinien.h"
#include "neutralwert.h"
#include "pmv.h"
#include "version.h"

#include <QGuiApplication>
#include <QImage>
#include <QPolygonF>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using namespace diagram;
using namespace model;

namespace {

const int ti = Lufttemperatur, ts = Strahlungstemperatur;

Rasterwerte gerechnet(const PmvEingabe& e, int x, int y, const Bereich& b, Rechenverfahren v = {})
{
    return rasterBerechnen(e, 0, x, y, geometrieAus(b), b, v);
}

// A grid of the values f(x, y) over 0..10 in steps of 0.5 on both axes.
template <typename F>
Rasterwerte kuenstlich(F f)
{
    Rasterwerte r;
    for (int k = 0; k <= 20; ++k) {
        r.x.push_back(0.5f * float(k));
        r.y.push_back(0.5f * float(k));
    }
    for (const float x : r.x)
        for (const float y : r.y)
            r.pmv.push_back(f(x, y));
    return r;
}

double flaeche(const std::vector<Linienzug>& teile)
{
    double summe = 0;
    for (const Linienzug& t : teile)
        for (std::size_t k = 0; k < t.size(); ++k) {
            const QPointF& a = t[k];
            const QPointF& b = t[(k + 1) % t.size()];
            summe += a.x() * b.y() - b.x() * a.y();
        }
    return std::fabs(summe) / 2;
}

Berichtinhalt vorgabeinhalt(int x, int y, const Bereich& b)
{
    const Raumklima k = standardRaumklima();
    return {gerechnet(PmvEingabeAus(k, true), x, y, b), b, festwerte(x, y, werttexteAus(k, true)), {}};
}

}  // namespace

class TestDiagrammBericht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void neutrallinieTrifftDenNeutralenWert_data()
    {
        QTest::addColumn<float>("M");
        QTest::addColumn<int>("verfahren");
        for (const float m : {46.0f, 58.0f, 70.0f, 93.0f, 116.0f, 145.0f})
            for (const Rechenverfahren v : {Rechenverfahren::Klassisch, Rechenverfahren::Iso7730})
                QTest::addRow("M %g, %s", double(m), Verfahrenswort(v)) << m << int(v);
    }
    void neutrallinieTrifftDenNeutralenWert()
    {
        // x = air temperature (-15 to 50 °C), y = clothing (0 to 4 clo): where the traced line of
        // PMV = 0 crosses a clothing value, PMV = 0 solved directly lies within one grid step
        QFETCH(float, M);
        QFETCH(int, verfahren);
        Raumklima k = standardRaumklima();
        k.M = int16_t(M);
        const PmvEingabe e = PmvEingabeAus(k, true);
        const Bereich b{-15, 50, 0, 4};
        const Rasterwerte r = gerechnet(e, ti, Kleidung, b, Rechenverfahren(verfahren));
        const std::vector<Linienzug> linie = isolinie(r, 0.0f);
        for (const float icl : {0.3f, 0.5f, 1.0f, 1.5f, 2.0f}) {
            const std::vector<double> direkt =
                neutraleWerte(e, 0, ti, Kleidung, icl, -15, 50, Rechenverfahren(verfahren));
            const std::vector<double> gezogen = schnittMitZeile(linie, icl);
            QVERIFY2(direkt.size() == 1 && gezogen.size() == 1, qPrintable(u"Icl %1"_s.arg(icl)));
            QVERIFY2(std::fabs(direkt[0] - gezogen[0]) <= b.Xmax / 100,
                     qPrintable(u"Icl %1: direkt %2, Linie %3"_s.arg(icl).arg(direkt[0]).arg(gezogen[0])));
        }
    }

    void flaechenOhneLueckenUndUeberlappung()
    {
        // a plane: the region at or above a level is exactly the triangle cut off by x - y = c;
        // the band from 1 to 2 is the difference of two such regions
        const Rasterwerte ebene = kuenstlich([](float x, float y) { return x - y; });
        auto dreieck = [](double c) { return (10 - c) * (10 - c) / 2; };
        for (const float c : {-3.5f, 0.0f, 1.25f, 6.0f})
            QCOMPARE(flaeche(flaecheAbStufe(ebene, c)), c >= 0 ? dreieck(c) : 100 - dreieck(-c));
        // the traced line of x - y = 1.25 runs straight from edge to edge
        const std::vector<Linienzug> linie = isolinie(ebene, 1.25f);
        QCOMPARE(linie.size(), std::size_t(1));
        for (const QPointF& p : linie.front())
            QVERIFY(std::fabs(p.x() - p.y() - 1.25) < 1e-6);

        // a point without result takes its four squares out of regions and lines
        Rasterwerte loch = ebene;
        loch.pmv[10 * 21 + 10] = std::numeric_limits<float>::quiet_NaN();  // (5, 5)
        QCOMPARE(flaeche(flaecheAbStufe(loch, -20.0f)), 100.0 - 1.0);
        QCOMPARE(isolinie(loch, 0.0f).size(), std::size_t(2));

        // a saddle in the square from 5 to 5.5: what lies at or above 0 and what lies below tile
        // the grid, so the middle of the saddle goes to one side only
        const auto sattel = [](float x, float y) { return (x - 5.25f) * (y - 5.25f) + 0.01f; };
        const double oben = flaeche(flaecheAbStufe(kuenstlich(sattel), 0.0f));
        const double unten = flaeche(flaecheAbStufe(kuenstlich([&](float x, float y) { return -sattel(x, y); }), 0.0f));
        QCOMPARE(oben + unten, 100.0);
    }

    void bandgrenzenOhneNaht()
    {
        // bands from 0.1 to 2.9 across the plot, no line of PMV = 0: every pixel inside the grid
        // shows a band's colour or a blend of two, never the white paper through a seam
        Berichtinhalt inhalt;
        inhalt.raster = kuenstlich([](float x, float y) { return 0.1f + 2.8f * (x + y) / 20.0f; });
        inhalt.bereich = {0, 10, 0, 10};
        Berichtoptionen o;
        o.bereich = Bereichsart::Anpassen;
        o.papier = Papier::A5;
        const QImage bild = berichtBild(inhalt, o);
        // the plot is where the hottest band's colour is, as seen along the page's middle row
        int links = -1, rechts = -1;
        const int mitte = bild.height() / 2;
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, mitte) == band(2).farbe || bild.pixel(x, mitte) == band(1).farbe) {
                rechts = x;
                links = links < 0 ? x : links;
            }
        QVERIFY(links > 0 && rechts > links + 500);
        int hell = 0;
        for (int y = mitte - 400; y < mitte + 400; y += 3)
            for (int x = links + 20; x < rechts - 20; ++x) {
                const QColor c = bild.pixelColor(x, y);
                hell += std::min({c.red(), c.green(), c.blue()}) > 100;
            }
        QCOMPARE(hell, 0);
    }

    void achsenFuerBerichte_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<Bereich>("bereich");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("fenster");   // first and last tick, step
        QTest::addColumn<QString>("anpassen");  // the same, fitted
        QTest::newRow("Lufttemperatur") << ti << Bereich{-15, 50, -15, 50} << u"Lufttemperatur in °C"_s << u"−15 50 5"_s
                                        << u"−20 50 10"_s;
        QTest::newRow("Strahlungstemperatur")
            << ts << Bereich{10, 35, 10, 35} << u"Strahlungstemperatur in °C"_s << u"−10,5 35 3,5"_s << u"10 35 5"_s;
        QTest::newRow("Luftgeschwindigkeit") << int(Luftgeschwindigkeit) << Bereich{0, 1, 0, 1}
                                             << u"Luftgeschwindigkeit in m/s"_s << u"−0,3 1 0,1"_s << u"0 1 0,2"_s;
        QTest::newRow("Feuchte") << int(Luftfeuchte) << Bereich{0, 100, 0, 100} << u"relative Luftfeuchte in %"_s
                                 << u"−30 100 10"_s << u"0 100 20"_s;
        QTest::newRow("Energieumsatz") << int(Energieumsatz) << Bereich{40, 300, 40, 300} << u"Energieumsatz in W/m²"_s
                                       << u"−90 300 30"_s << u"0 300 50"_s;
        QTest::newRow("Kleidung") << int(Kleidung) << Bereich{0, 4, 0, 4} << u"Bekleidung in clo"_s << u"−1,2 4 0,4"_s
                                  << u"0 4 0,5"_s;
    }
    void achsenFuerBerichte()
    {
        // the window's scale runs 30 % below 0 whatever the quantity; fitted, the axis covers the
        // computed values in a tidy step and never goes below 0 where no value can
        QFETCH(int, groesse);
        QFETCH(Bereich, bereich);
        const int andere = groesse == ti ? ts : ti;
        const Rasterwerte r = gerechnet(PmvEingabeAus(standardRaumklima(), true), groesse, andere, bereich);
        auto achse = [&](Bereichsart art) {
            const Achsbereich a = berichtsachse(art, true, bereich, r);
            const std::vector<double> m = a.marken();
            return markenText(m.front()) + u' ' + markenText(m.back()) + u' ' + markenText(a.schritt);
        };
        QTEST(berichtsAchsentitel(groesse), "titel");
        QTEST(achse(Bereichsart::Fenster), "fenster");
        QTEST(achse(Bereichsart::Anpassen), "anpassen");
    }

    void seiteNenntWasSieZeigt_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        for (int k = 0; k < kAnzahlGroessen; ++k)
            QTest::addRow("%s", info(k).kurzname) << k << (k == ti ? ts : ti);
    }
    void seiteNenntWasSieZeigt()
    {
        // both axis titles with their units, the six fixed inputs as the window lists them, the
        // legend, the lines chosen, method and version; never the window's "Aktivität [W]"
        QFETCH(int, x);
        QFETCH(int, y);
        const Bereich b =
            bereichLesen({QString::fromUtf16(info(x).vorgabeMin), QString::fromUtf16(info(x).vorgabeMax),
                          QString::fromUtf16(info(y).vorgabeMin), QString::fromUtf16(info(y).vorgabeMax)});
        Berichtinhalt inhalt = vorgabeinhalt(x, y, b);
        inhalt.neutral = u"neutral bei Ti = 22,0 °C"_s;
        Berichtoptionen o;
        o.linien = Linienwahl::KategorieC;
        // the page's texts as they read, wherever a line wraps
        const QString svg = QString::fromUtf8(berichtSvg(inhalt, o)).remove(QRegularExpression(u"<[^>]*>|\\s"_s));
        QStringList erwartet{berichtsAchsentitel(x),           berichtsAchsentitel(y),
                             u"PMV = 0 (neutral)"_s,           u"PMV = ±0,7 (Grenze Kategorie C)"_s,
                             u"klassisch (wie TEMPARA 1.3)"_s, u"Tempara "_s + QString(kTemparaVersion),
                             u"neutral bei Ti = 22,0 °C"_s};
        for (int i = 0; i < kAnzahlBaender; ++i)
            erwartet << QString::fromUtf16(band(i).text);
        for (const Festwert& f : inhalt.festwerte)
            erwartet << f.name.chopped(1) << f.wert;
        for (const QString& text : erwartet)
            QVERIFY2(svg.contains(QString(text).remove(QRegularExpression(u"\\s"_s)).toHtmlEscaped()),
                     qPrintable(text));
        QVERIFY(!svg.contains(u"Aktivität [W]"_s));
    }

    void neutralwertImText()
    {
        // at 20 °C radiant temperature the default person is neutral near 22 °C air temperature;
        // an x range without neutral point says so
        const PmvEingabe e = PmvEingabeAus(standardRaumklima(), true);
        const std::vector<double> werte = neutraleWerte(e, 0, ti, ts, 20, -15, 50, Rechenverfahren::Klassisch);
        QCOMPARE(werte.size(), std::size_t(1));
        PmvErgebnis r;
        PmvEingabe bei = e;
        bei.ta = float(werte[0]);
        QVERIFY(PmvBerechnen(bei, r) && std::fabs(r.PMV) < 1e-3f);
        QCOMPARE(neutralText(werte, ti, -15, 50, ts, 20).replace(QChar(0xa0), u' '),
                 u"neutral bei Ti = %1 °C (Ts = 20,0 °C)"_s.arg(QString::number(werte[0], 'f', 1).replace(u'.', u',')));
        QCOMPARE(neutralText({}, ti, 30, 50, ts, 20).replace(QChar(0xa0), u' '),
                 u"nicht neutral zwischen Ti = 30,0 und 50,0 °C (Ts = 20,0 °C)"_s);
    }
};

QTEST_MAIN(TestDiagrammBericht)
#include "tst_diagram_bericht.moc"
