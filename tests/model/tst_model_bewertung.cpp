// SPDX-License-Identifier: GPL-3.0-or-later
// The assessment by ISO 7730 against values worked out from the standard's equations by hand,
// its category limits and its ranges of validity.
#include "bewertung.h"
#include "pmv.h"
#include "pruefen.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace model::bewertung;
using namespace Qt::StringLiterals;
using namespace model;
using K = Kriterium;

namespace {

// The local velocity (negative: DR off), floor and cool-wall values (NaN: not assessed), the result.
struct Gesamtfall {
    double vLokal, boden, wandKalt;
    Kategorie gesamt;
    Kriterium entscheidend;
};

}  // namespace

Q_DECLARE_METATYPE(Gesamtfall)

class TestBewertung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Expected values from the equations of ISO 7730 clause 6, evaluated separately.
    void formeln_data()
    {
        QTest::addColumn<double>("ist");
        QTest::addColumn<double>("soll");
        QTest::newRow("DR 22 °C 0,2 m/s 40 %") << Zugluftrate(22.0, 0.2, 40.0) << 22.578114;
        QTest::newRow("DR unter 0,05 m/s wie 0,05") << Zugluftrate(24.0, 0.04, 40.0) << 0.0;
        QTest::newRow("DR über 34 °C auf 0") << Zugluftrate(36.0, 0.3, 40.0) << 0.0;
        QTest::newRow("DR auf 100 begrenzt") << Zugluftrate(0.0, 3.0, 60.0) << 100.0;
        QTest::newRow("vertikal 2 K") << PdVertikal(2.0) << 1.715773;
        QTest::newRow("Boden 19 °C") << PdBoden(19.0) << 10.360616;
        QTest::newRow("Boden −200 °C begrenzt") << PdBoden(-200.0) << 100.0;
        QTest::newRow("warme Decke 5 K") << PdDeckeWarm(5.0) << 6.738889;
        QTest::newRow("warme Decke −50 K auf 0") << PdDeckeWarm(-50.0) << 0.0;
        QTest::newRow("kalte Wand 14 K") << PdWandKalt(14.0) << 14.430313;
        QTest::newRow("kalte Decke 14 K") << PdDeckeKalt(14.0) << 5.069032;
        QTest::newRow("warme Wand 23 K") << PdWandWarm(23.0) << 3.919272;
        QTest::newRow("warme Wand 0 K auf 0") << PdWandWarm(0.0) << 0.0;
    }
    void formeln()
    {
        QFETCH(double, ist);
        QFETCH(double, soll);
        TEMPARA_NAHE(ist, soll, 1e-6);
    }

    // Table A.1: just below a limit its category, at it the next; PMV alike from both sides. Where A and B
    // share a limit (the floor, the asymmetries), B stays empty.
    void kategorien()
    {
        const std::pair<Kriterium, std::array<double, 3>> tabelle[] = {
            {K::PMV, {0.2, 0.5, 0.7}}, {K::PPD, {6, 10, 15}},      {K::DR, {10, 20, 30}},
            {K::Vertikal, {3, 5, 10}}, {K::Boden, {10, 10, 15}},   {K::DeckeWarm, {5, 5, 10}},
            {K::WandKalt, {5, 5, 10}}, {K::DeckeKalt, {5, 5, 10}}, {K::WandWarm, {5, 5, 10}}};
        for (const auto& [k, grenzen] : tabelle)
            for (double grenze : grenzen)
                for (double wert : {std::nextafter(grenze, 0.0), grenze}) {
                    const auto soll =
                        Kategorie(std::upper_bound(grenzen.begin(), grenzen.end(), wert) - grenzen.begin());
                    QVERIFY2(kategorie(k, wert) == soll && (k != K::PMV || kategorie(k, -wert) == soll),
                             qPrintable(u"%1: %2"_s.arg(int(k)).arg(wert)));
                }
        QCOMPARE(kategorie(K::DR, std::numeric_limits<double>::quiet_NaN()), Kategorie::Keine);
    }

    // Each local criterion's range 0 ≤ x < upper bound, and the draught's ranges.
    void gueltigkeit()
    {
        const std::pair<Kriterium, double> oben[] = {
            {K::Vertikal, 8}, {K::DeckeWarm, 23}, {K::WandKalt, 15}, {K::DeckeKalt, 15}, {K::WandWarm, 35}};
        for (const auto& [k, g] : oben)
            QVERIFY2(lokalGueltig(k, 0) && lokalGueltig(k, std::nextafter(g, 0)) && !lokalGueltig(k, g)
                         && !lokalGueltig(k, -0.1),
                     qPrintable(QString::number(int(k))));
        QVERIFY(lokalGueltig(K::Boden, 45.0));
        QVERIFY(zugluftGueltig(20, 0, 10) && zugluftGueltig(26, 0.499, 60));
        QVERIFY(!zugluftGueltig(19.9, 0.1, 40) && !zugluftGueltig(26.1, 0.1, 40));
        QVERIFY(!zugluftGueltig(22, 0.5, 40) && !zugluftGueltig(22, -0.1, 40));
        QVERIFY(!zugluftGueltig(22, 0.1, 9.9) && !zugluftGueltig(22, 0.1, 60.1));
    }

    // Each bound of the PMV's range, just inside (the first row) and just outside.
    void pmvGueltigkeit()
    {
        const char* namen[] = {"PMV", "ta", "tr", "var", "M", "Icl", "pa"};
        const float unten[] = {-2, 10, 10, 0, 46, 0, 0};
        const float oben[] = {2, 30, 40, 1, 232, 2, 2700};
        for (int feld = 0; feld < 7; ++feld)
            for (float wert :
                 {unten[feld], oben[feld], std::nextafter(unten[feld], -1e9f), std::nextafter(oben[feld], 1e9f)}) {
                const bool gueltig = wert == unten[feld] || wert == oben[feld];
                PmvEingabe e{20, 20, 0.1f, 50, 70, 0, 1, 1.15f};
                PmvErgebnis r;
                r.PMV = 0.0f;
                r.pa = 1200.0f;
                float* felder[] = {&r.PMV, &e.ta, &e.tr, &e.var, &e.M, &e.Icl, &r.pa};
                *felder[feld] = wert;
                QVERIFY2(pmvGueltig(e, r) == gueltig && pmvAusserhalb(e, r) == (gueltig ? 0u : 1u << feld),
                         qPrintable(u"%1 = %2"_s.arg(QLatin1String(namen[feld])).arg(double(wert), 0, 'g', 9)));
            }
    }

    // Defaults: Tu 40 %, the main window's Ti and v_Luft, DR alone assessed; and the whole
    // assessment of the default room: PMV −0,26 and PPD 6,68 % are both B.
    void vorgabenUndGesamt()
    {
        const Raumklima klima{23.4f, 20, 0.15f, 50, 70, 0, 0, 1};
        const LokaleEingaben l = lokaleVorgaben(klima);
        QVERIFY(l.tu == 40.0 && l.tLokal == double(23.4f) && l.vLokal == double(0.15f) && l.zugluft);
        QVERIFY(std::none_of(l.lokal.begin(), l.lokal.end(), [](const auto& wert) { return bool(wert); }));
        const PmvEingabe e = PmvEingabeAus(standardRaumklima(), true);
        PmvErgebnis pmv;
        QVERIFY(PmvBerechnen(e, pmv));
        const Ergebnis r = bewerte(e, pmv, lokaleVorgaben(standardRaumklima()));
        const Einzelwert& dr = r.werte[int(K::DR)];
        QVERIFY(dr.bewertet && dr.gueltig);  // 20 °C and still air lie inside the range
        QCOMPARE(dr.wert, 0.0);
        QCOMPARE((QList<Kategorie>{r.werte[int(K::PMV)].kategorie, r.werte[int(K::PPD)].kategorie, r.gesamt}),
                 (QList<Kategorie>{Kategorie::B, Kategorie::B, Kategorie::B}));
        QCOMPARE(r.entscheidend, K::PMV);  // the first of two equally bad
    }

    void entscheidendesKriterium_data()
    {
        QTest::addColumn<Gesamtfall>("f");
        const double aus = std::numeric_limits<double>::quiet_NaN();
        // PMV 0,08 and PPD 5,13 are A; DR 22,6 % is C; floor 35 °C: PD 31,7 %; cool wall 14 K: 14,4 %
        QTest::newRow("alles A") << Gesamtfall{0.0, aus, aus, Kategorie::A, K::PMV};
        QTest::newRow("Zugluft C") << Gesamtfall{0.2, aus, aus, Kategorie::C, K::DR};
        QTest::newRow("Boden schlechter als C") << Gesamtfall{0.2, 35.0, aus, Kategorie::Keine, K::Boden};
        // two criteria worse than C: the first in the table's order decides
        QTest::newRow("Gleichstand") << Gesamtfall{0.2, 35.0, 20.0, Kategorie::Keine, K::Boden};
        QTest::newRow("kalte Wand") << Gesamtfall{-1.0, aus, 14.0, Kategorie::Keine, K::WandKalt};
    }
    void entscheidendesKriterium()
    {
        QFETCH(Gesamtfall, f);
        const PmvEingabe e = PmvEingabeAus(Raumklima{22, 22, 0, 50, 70, 0, 0, 1}, false);
        PmvErgebnis pmv;
        QVERIFY(PmvBerechnen(e, pmv));
        LokaleEingaben l;
        l.tLokal = 22;
        l.vLokal = f.vLokal;
        l.zugluft = f.vLokal >= 0;
        if (!std::isnan(f.boden))
            l.lokal[1] = f.boden;
        if (!std::isnan(f.wandKalt))
            l.lokal[3] = f.wandKalt;
        const Ergebnis r = bewerte(e, pmv, l);
        QCOMPARE(r.gesamt, f.gesamt);
        QCOMPARE(r.entscheidend, f.entscheidend);
        QVERIFY(r.endlich);
    }
};

QTEST_GUILESS_MAIN(TestBewertung)
#include "tst_model_bewertung.moc"
