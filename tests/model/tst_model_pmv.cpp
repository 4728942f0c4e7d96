// SPDX-License-Identifier: GPL-3.0-or-later
// The heat-balance model against its worked examples, its invariants and its extremes.
#include "pmv.h"
#include "pruefen.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace model;

Q_DECLARE_METATYPE(Raumklima)

namespace {

Raumklima klima(float ti, float ts, float v, int phi, int m, int w, float vrel, float icl)
{
    return Raumklima{ti, ts, v, int16_t(phi), int16_t(m), int16_t(w), vrel, icl};
}

PmvErgebnis rechne(const Raumklima& k, bool tsGleichTi = false)
{
    PmvErgebnis r;
    if (!PmvBerechnen(PmvEingabeAus(k, tsGleichTi), r))
        qFatal("unerwarteter Gleitkommafehler");
    return r;
}

}  // namespace

class TestPmv : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void beispiele_data()
    {
        QTest::addColumn<Raumklima>("k");
        QTest::addColumn<double>("pmv");
        QTest::addColumn<double>("ppd");
        QTest::newRow("Vorgabewerte") << klima(20, 20, 0, 60, 70, 0, 0, 1) << -0.26 << 6.7;
        QTest::newRow("22 °C mit 0,20 m/s") << klima(22, 22, 0.2f, 50, 70, 0, 0, 1) << -0.08 << 5.1;
        QTest::newRow("eigene Bewegung 1 m/s") << klima(22, 22, 0, 50, 70, 0, 1, 1) << -0.52 << 11.5;
        QTest::newRow("unbekleidet, geklippt") << klima(20, 20, 0, 60, 70, 0, 0, 0) << -3.0 << 98.1;
    }
    // PMV is shown with two decimals and PPD with one: the worked examples hold to half the
    // last shown digit, which is what a user could notice.
    void beispiele()
    {
        QFETCH(Raumklima, k);
        QFETCH(double, pmv);
        QFETCH(double, ppd);
        const PmvErgebnis r = rechne(k);
        TEMPARA_NAHE(r.PMV, pmv, 0.005);
        TEMPARA_NAHE(r.PPD, ppd, 0.05);
    }

    void zwischenwerteDerVorgabe()
    {
        const PmvEingabe e = PmvEingabeAus(standardRaumklima(), true);
        QCOMPARE(e.fcl, 1.149975f);
        PmvErgebnis r;
        QVERIFY(PmvBerechnen(e, r));
        TEMPARA_NAHE(r.psat, 2342, 1);
        TEMPARA_NAHE(r.pa, 1405, 1);
        TEMPARA_NAHE(r.tcl, 25.76, 0.005);
        TEMPARA_NAHE(r.hc, 3.69, 0.005);
        TEMPARA_NAHE(Kleidungsflaechenfaktor(0.5f), 1.099975, 5e-4);  // the two branches of fcl
        TEMPARA_NAHE(Kleidungsflaechenfaktor(0.55f), 1.105, 5e-4);
        QCOMPARE(r.durchlaeufe, 3);
    }

    void erzwungeneKonvektionUndSonderfaelle()
    {
        TEMPARA_NAHE(rechne(klima(22, 22, 0.2f, 50, 70, 0, 0, 1)).hc, 5.41, 0.005);
        // the activity's own speed adds to the air speed: var = 1, hc = 12.1·√1
        QCOMPARE(rechne(klima(22, 22, 0, 50, 70, 0, 1, 1)).hc, 12.1f);
        // the sum is taken before the absolute value
        QCOMPARE(PmvEingabeAus(klima(20, 20, 0.5f, 50, 70, 0, -1.5f, 1), false).var, 1.0f);
        // naked: fcl 1, tcl = 35.7 − 0.028·M at once; W = 100 % leaves nothing of M: tcl 35.7
        const PmvErgebnis nackt = rechne(klima(20, 20, 0, 60, 70, 0, 0, 0));
        TEMPARA_NAHE(nackt.tcl, 35.7 - 0.028 * 70, 1e-5);
        QCOMPARE(nackt.durchlaeufe, 2);
        TEMPARA_NAHE(rechne(klima(20, 20, 0, 60, 70, 100, 0, 0)).tcl, 35.7, 1e-5);
        // the radiant temperature follows the switch
        const Raumklima k = klima(20, 30, 0, 60, 70, 0, 0, 1);
        QVERIFY(PmvEingabeAus(k, true).tr == 20.0f && PmvEingabeAus(k, false).tr == 30.0f);
    }

    void invarianten()
    {
        // Over the scroll grid: PMV within ±3, PPD within 5..98.1, PMV rising with Ti.
        for (int icl = 0; icl <= 80; icl += 8)
            for (int m = 8; m <= 80; m += 12)
                for (int v = 0; v <= 200; v += 50) {
                    float vorher = -4;
                    for (int ti = -100; ti <= 250; ti += 25) {
                        const PmvErgebnis r = rechne(klima(ti / 5.0f, 20, v / 20.0f, 60, 5 * m, 0, 0, icl * 0.05f));
                        QVERIFY(r.PMV >= -3 && r.PMV <= 3);
                        QVERIFY(r.PPD >= 5 && r.PPD <= 98.105f);
                        QVERIFY2(r.PMV >= vorher, "PMV fällt mit steigender Lufttemperatur");
                        QVERIFY2(r.durchlaeufe <= 5, "Iteration braucht mehr als fünf Durchläufe");
                        vorher = r.PMV;
                    }
                }
    }

    // PPD follows its closed form in |PMV| over votes of both signs; the clipped votes ±3 keep exactly ±3 and one and
    // the same PPD.
    void ppdSymmetrischUndGeschlossen()
    {
        for (int t = 50; t <= 150; ++t) {
            const PmvErgebnis r = rechne(klima(t / 5.0f, t / 5.0f, 0, 50, 70, 0, 0, 1));
            const double p = r.PMV;
            TEMPARA_NAHE(r.PPD, 100 - 95 * std::exp(-p * p / (4.1 - 0.6 * std::fabs(p))), 1e-4);
        }
        const PmvErgebnis kalt = rechne(klima(-5, -5, 0, 60, 70, 0, 0, 1));
        const PmvErgebnis heiss = rechne(klima(50, 50, 0, 60, 400, 0, 0, 4));
        QVERIFY(kalt.PMV == -3.0f && heiss.PMV == 3.0f && kalt.PPD == heiss.PPD);
        QCOMPARE(heiss.PPD, float(100 - 95 * std::exp(-9.0 / 2.3)));
    }

    // Negative clothing from a hand-made data file: with c = 0.18·Icl·fcl = −1 / (4σ·310³ +
    // 0.86·12.1) the derivative of the heat balance vanishes at the start value 37 °C.
    static PmvEingabe ohneAbleitungBei37(float t)
    {
        PmvEingabe e = PmvEingabeAus(klima(t, t, 1.0f, 50, 70, 0, 0, 1), false);  // hc = 12.1
        e.Icl = -1.0f;
        e.fcl = float(1.0 / (0.18 * (4 * 3.4e-8 * 310.0 * 310.0 * 310.0 + 0.86 * 12.1)));
        return e;
    }

    void ohneAbleitung()
    {
        // At 20 °C the balance has no root (its minimum at 37 °C is +13.4): the loop ends
        // after exactly 70 passes.
        PmvErgebnis r;
        QVERIFY(PmvBerechnen(ohneAbleitungBei37(20.0f), r));
        QCOMPARE(r.durchlaeufe, 70);
        // At 40 °C the balance is −6.27 at 37 °C with roots −36.73 and 100.59 °C (by bisection):
        // the fallback step goes up by 1 K, and Newton runs from 38 °C to the upper root.
        QVERIFY(PmvBerechnen(ohneAbleitungBei37(40.0f), r));
        TEMPARA_NAHE(r.tcl, 100.5936, 0.01);
    }

    void gleitkommafehler()
    {
        const float unendlich = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
        // the Magnus formula's denominator, an overflowing temperature, infinite speed, NaN
        for (const Raumklima& k :
             {klima(-234.175f, -234.175f, 0, 60, 70, 0, 0, 1), klima(1e30f, 20, 0, 60, 70, 0, 0, 1),
              klima(20, 20, unendlich, 60, 70, 0, 0, 1), klima(nan, 20, 0, 60, 70, 0, 0, 1)}) {
            PmvErgebnis r;
            QVERIFY2(!PmvBerechnen(PmvEingabeAus(k, false), r), "Gleitkommafehler erwartet");
        }
    }
};

QTEST_GUILESS_MAIN(TestPmv)
#include "tst_model_pmv.moc"
