// SPDX-License-Identifier: GPL-3.0-or-later
// The long-term proof: the occupancy calendar, the settings' text forms, the running mean, the
// adaptive model's limits, the classes at their edges, and the proof table against a count
// written out independently (dates by QDate, classes by plain comparisons).
#include "jahreszaehlung.h"
#include "nachweistabelle.h"
#include "pruefen.h"

#include <QDate>
#include <QTest>

#include <cmath>

using namespace evaluation;
using namespace Qt::Literals::StringLiterals;

namespace {

Nachweiseinstellungen einstellungen(const QString& nutzung, int ersterTag = 0)
{
    Nachweiseinstellungen e;
    if (!NutzungLesen(nutzung, e.nutzung))
        qFatal("Nutzung %s", qPrintable(nutzung));
    e.ersterWochentag = ersterTag;
    return e;
}

// A year whose values sweep every class: t_a 16 … 39 °C, three air velocities, PMV −1.5 … 1.49.
Stundenwerte testjahr()
{
    Stundenwerte w;
    w.hatStundenspalte = w.hatAussenspalte = true;
    for (int h = 1; h <= 8760; ++h) {
        const int tag = (h - 1) / 24;
        const float pmv = float((h * 13) % 300 - 150) / 100.0f;
        const float ta = 16.0f + float(h * 7 % 230) / 10.0f;
        w.aufnehmen({h, float(h), ta, ta + float(h % 5 - 2) / 2.0f, std::array{0.1f, 0.3f, 0.7f}[h % 3], 50.0f,
                     float(5.0 + 15.0 * std::sin(2.0 * M_PI * (tag - 100) / 365.0)), 70.0f, 0.5f, h % 1000 != 0, pmv,
                     5.0f + std::fabs(pmv) * 20.0f});
    }
    return w;
}

}  // namespace

class TestNachweis : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Hour h lies on day (h − 1) div 24 at (h − 1) mod 24 o'clock; the office ends before 18:00.
    void kalender_data()
    {
        QTest::addColumn<QString>("nutzung");
        QTest::addColumn<int>("ersterTag");
        QTest::addColumn<int>("stunde");
        QTest::addColumn<bool>("belegt");
        QTest::newRow("Mo 1.1. 6 Uhr") << u"buero"_s << 0 << 7 << false;
        QTest::newRow("Mo 1.1. 7 Uhr") << u"buero"_s << 0 << 8 << true;
        QTest::newRow("Mo 1.1. 17 Uhr") << u"buero"_s << 0 << 18 << true;
        QTest::newRow("Mo 1.1. 18 Uhr") << u"buero"_s << 0 << 19 << false;
        QTest::newRow("Sa 1.1.") << u"buero"_s << 5 << 8 << false;
        QTest::newRow("Sa 1.1., Mo 3.1.") << u"buero"_s << 5 << 48 + 8 << true;
        QTest::newRow("Mo 31.12.") << u"buero"_s << 0 << 364 * 24 + 8 << true;  // 52 weeks and a Monday
        QTest::newRow("Mo-Sa 6-22, Sa 21 Uhr") << u"Mo-Sa 6-22"_s << 5 << 22 << true;
        QTest::newRow("Mo-Sa 6-22, So") << u"Mo-Sa 6-22"_s << 6 << 12 << false;
        QTest::newRow("Fr-Mo über das Wochenende") << u"Fr-Mo 0-24"_s << 2 << 24 * 4 + 1 << true;
    }
    void kalender()
    {
        QFETCH(QString, nutzung);
        QFETCH(int, ersterTag);
        QFETCH(int, stunde);
        QFETCH(bool, belegt);
        QCOMPARE(NachweisBerechnen(Stundenwerte{}, einstellungen(nutzung, ersterTag)).stunden[stunde - 1].belegt,
                 belegt);
    }

    // An occupancy reads in its forms and is written in one; every refused setting names the accepted forms.
    void einstellungstexte()
    {
        const auto nutzung = [](const QString& t) {
            Nutzung n;
            QString fehler;
            return NutzungLesen(t, n, &fehler) ? NutzungText(n) : fehler.left(18);
        };
        QCOMPARE(nutzung(u" Büro "_s), u"buero"_s);
        QCOMPARE(nutzung(u"mo-fr 7 - 18"_s), u"Mo-Fr 7-18"_s);
        QCOMPARE(nutzung(u"Sa,Mo 1-2"_s), u"Mo,Sa 1-2"_s);
        QCOMPARE(nutzung(u"Fr-Mo 0-24"_s), u"Mo,Fr-So 0-24"_s);
        for (const QString& falsch : {u"Mo-Xy 3-4"_s, u"Mo-Fr 18-7"_s, u"Mo-Fr 7-25"_s, u"7-18"_s, u""_s})
            QCOMPARE(nutzung(falsch), u"Unbekannte Nutzung"_s);
        QString fehler;
        int zahl = 0;
        double grad = 0;
        Gebaeudeart art{};
        QVERIFY(!ToleranzLesen(u"4", zahl, &fehler) && fehler.contains(u"3 und 5"));
        QVERIFY(!KategorieLesen(u"IV", zahl, &fehler) && fehler.contains(u"I, II und III"));
        QVERIFY(!KlimaregionLesen(u"D", zahl, &fehler) && fehler.contains(u"A (Bezugswert 25 °C)"));
        QVERIFY(!GebaeudeLesen(u"Halle", art, &fehler) && fehler.contains(u"nichtwohnen"));
        QVERIFY(!WochentagLesen(u"Mon", zahl, &fehler) && fehler.contains(u"Mo, Di, Mi"));
        QVERIFY(!AsrMindestwertLesen(u"20 Grad", grad, &fehler) && fehler.contains(u"-20 bis 50 °C"));
    }

    // θ_rm from the seven days before, cyclic over the turn of the year or missing before day 8.
    void gleitendesMittel()
    {
        std::vector<double> tage(365);
        for (std::size_t d = 0; d < tage.size(); ++d)
            tage[d] = double(d);
        const std::array<double, 7> g{1.0, 0.8, 0.6, 0.5, 0.4, 0.3, 0.2};
        const auto mittel = [&](int d, int jahr) {
            double s = 0;
            for (int k = 1; k <= 7; ++k)
                s += g[std::size_t(k - 1)] * double(((d - k) % jahr + jahr) % jahr);
            return s / 3.8;
        };
        const std::vector<double> zyklisch = GleitendeMittel(tage, true), offen = GleitendeMittel(tage, false);
        for (int d : {0, 3, 6, 7, 200, 364}) {
            TEMPARA_NAHE(zyklisch[std::size_t(d)], mittel(d, 365), 1e-9);
            QCOMPARE(std::isnan(offen[std::size_t(d)]), d < 7);
        }
        TEMPARA_NAHE(offen[7], mittel(7, 365), 1e-9);
        // One hour without outdoor value takes its day out, and with it the cycle.
        Stundenwerte w = testjahr();
        w.stunden[24 * 40 + 5].taAussen = kKeinWert;
        const std::vector<double> mittel40 = Tagesmittel(w, 365);
        QVERIFY(std::isnan(mittel40[40]) && !std::isnan(mittel40[41]));
        const Nachweis n = NachweisBerechnen(w, Nachweiseinstellungen{});
        QVERIFY(!n.zyklisch && std::isnan(n.stunden[3].thetaRm) && std::isnan(n.stunden[24 * 47].thetaRm)
                && !std::isnan(n.stunden[24 * 48].thetaRm));
        QVERIFY(NachweisBerechnen(testjahr(), Nachweiseinstellungen{}).zyklisch);
    }

    // θ_rm = 20 °C: θ_c = 25.4 °C; limits +2/+3/+4 K and −3/−4/−5 K; the fan's raise from t_o 25 °C.
    void adaptiveGrenzen_data()
    {
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("rm");
        QTest::addColumn<double>("v");
        QTest::addColumn<int>("klasse");
        const int I = 0, II = 1, III = 2, warm = 3, kalt = 4, nicht = 5;
        const std::tuple<const char*, double, double, double, int> faelle[] = {
            {"oben I", 27.39, 20, 0.1, I},
            {"über I", 27.41, 20, 0.1, II},
            {"über II", 28.41, 20, 0.1, III},
            {"über III", 29.41, 20, 0.1, warm},
            {"unten I", 22.41, 20, 0.1, I},
            {"unter I", 22.39, 20, 0.1, II},
            {"unter III", 20.39, 20, 0.1, kalt},
            {"Lüfter 0,6", 28.59, 20, 0.6, I},
            {"kein Lüfter 0,59", 28.59, 20, 0.59, III},
            {"Lüfter 0,9", 29.19, 20, 0.9, I},
            {"Lüfter 1,2", 29.59, 20, 1.2, I},
            {"Lüfter unter 25 °C", 24.9, 10, 1.2, II},
            {"ohne untere Grenze", 5.0, 14.99, 0.1, I},
            {"mit unterer Grenze", 18.7, 15.0, 0.1, kalt},
            {"Lüfter ab 25 °C", 25.0, 10, 1.2, I},
            {"θ_rm unter 10", 25.0, 9.99, 0.1, nicht},
            {"θ_rm über 30", 30.0, 30.01, 0.1, nicht},
        };
        for (const auto& [name, to, rm, v, klasse] : faelle)
            QTest::newRow(name) << to << rm << v << klasse;
    }
    void adaptiveGrenzen()
    {
        QFETCH(double, to);
        QFETCH(double, rm);
        QFETCH(double, v);
        QFETCH(int, klasse);
        QCOMPARE(int(AdaptiveKlasse(to, rm, v)), klasse);
    }

    // |PMV| exactly at 0.2, 0.5, 0.7 belongs to the next class, in the annual counts and the proof;
    // each hour is judged once, by its last line.
    void pmvGrenzenStreng()
    {
        Zaehlung z;
        Stundenwerte w;
        w.hatStundenspalte = true;
        const float werte[] = {0.2f, -0.5f, 0.7f, 0.19f, 0.1f, 0.3f};
        const float stunden[] = {1, 2, 3, 4, 1, 9000};  // hour 1 again: the later line counts; 9000 is no hour
        for (int i = 0; i < 6; ++i) {
            z.zaehle(true, werte[i]);
            w.aufnehmen({i + 1, stunden[i], 22, 22, 0.1f, 50, kKeinWert, 70, 1, true, werte[i], 10});
        }
        QCOMPARE(std::tuple(z.kategorieA, z.kategorieB, z.kategorieC), std::tuple(2, 4, 5));
        const Nachweis n = NachweisBerechnen(w, einstellungen(u"wohnen"_s));
        QCOMPARE(n.jahr.pmv, (std::array<int64_t, 4>{2, 0, 1, 1}));
        QCOMPARE(n.jahr.ppdKalt, 0.0);  // |PMV| 0.5 is not above the limit of category II
        QVERIFY(n.wiederholt == 1 && n.ausserhalb == 1 && n.fehlendeStunden == 8756 && !n.vollstaendig);
    }

    // The table line by line against the same year counted plainly from calendar dates.
    void tabelleGegenEinfacheZaehlung()
    {
        const Stundenwerte w = testjahr();
        const Nachweiseinstellungen e;  // office, 1 January a Monday (as in 2018), region B, category II
        const QByteArray csv = NachweisCsv(NachweisBerechnen(w, e), w, e);
        QVERIFY(
            csv.startsWith("\xEF\xBB\xBFZeitraum;Nutzungsstunden;PMV I;PMV II;PMV III;PMV IV;PMV warm außerhalb "
                           "IV;PMV kalt außerhalb IV;PPD-gewichtet warm;PPD-gewichtet kalt;Übertemperaturgradstunden;"
                           "adaptiv I;adaptiv II;adaptiv III;adaptiv zu warm;adaptiv zu kalt;adaptiv nicht "
                           "anwendbar;über 26 °C;über 30 °C;über 35 °C;unter Mindestwert\r\n"));
        const QList<QByteArray> zeilen = csv.split('\n');
        QCOMPARE(zeilen[14], "\r");
        QCOMPARE(zeilen[15], "Vorgabe;Wert\r");

        std::vector<double> tag(365);
        for (int h = 0; h < 8760; ++h)
            tag[std::size_t(h / 24)] += double(w.stunden[std::size_t(h)].taAussen) / 24.0;
        std::array<std::array<double, 21>, 13> soll{};  // per month and the year, the 20 columns after the first
        for (int h = 0; h < 8760; ++h) {
            const QDate datum = QDate(2018, 1, 1).addDays(h / 24);
            const Stunde& s = w.stunden[std::size_t(h)];
            if (datum.dayOfWeek() > 5 || h % 24 < 7 || h % 24 >= 18)
                continue;
            const double a = s.var < 0.2f ? 0.5 : s.var < 0.6f ? 0.6 : 0.7;
            const double to = a * s.ta + (1 - a) * s.tr, b = std::fabs(s.pmv);
            double rm = 0;
            for (int k = 1; k <= 7; ++k)
                rm += std::array{1.0, 0.8, 0.6, 0.5, 0.4, 0.3, 0.2}[std::size_t(k - 1)]
                      * tag[std::size_t((h / 24 - k + 365) % 365)] / 3.8;
            const double tc = 0.33 * rm + 18.8, zu = to >= 25 && s.var >= 0.6f ? 1.2 : 0;
            int adaptiv = 15;  // column of "nicht anwendbar"
            if (rm >= 10 && rm <= 30)
                for (int k = 2; k >= 0; --k)
                    adaptiv = to <= tc + 2 + k + zu && (rm < 15 || to >= tc - 3 - k) ? 10 + k
                              : adaptiv == 15                                        ? (to > tc ? 13 : 14)
                                                                                     : adaptiv;
            for (std::array<double, 21>* z : {&soll[std::size_t(datum.month() - 1)], &soll[12]}) {
                auto& r = *z;
                r[0] += 1;
                r[!s.gerechnet ? 20
                  : b < 0.2f   ? 1
                  : b < 0.5f   ? 2
                  : b < 0.7f   ? 3
                  : b < 1.0f   ? 4
                  : s.pmv > 0  ? 5
                               : 6] += 1;
                r[s.pmv > 0 ? 7 : 8] += s.gerechnet && b > 0.5f ? s.ppd / 10.0 : 0.0;
                r[9] += std::max(0.0, to - 26.0);
                r[std::size_t(adaptiv)] += 1;
                r[16] += s.ta > 26;
                r[17] += s.ta > 30;
                r[18] += s.ta > 35;
                r[19] += s.ta < 20;
            }
        }
        for (int m = 0; m < 13; ++m) {
            QString text = m < 12 ? QLocale(QLocale::German).standaloneMonthName(m + 1) : u"Jahr"_s;
            for (int c = 0; c < 20; ++c)
                text += u';' + QString::number(soll[std::size_t(m)][std::size_t(c)], 'f', c >= 7 && c <= 9 ? 1 : 0);
            QCOMPARE(QString::fromUtf8(zeilen[m + 1]), text.replace(u'.', u',') + u'\r');
        }
    }
};

QTEST_GUILESS_MAIN(TestNachweis)
#include "tst_evaluation_nachweis.moc"
