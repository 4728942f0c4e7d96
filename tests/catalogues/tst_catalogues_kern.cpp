// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue tables and the estimator's logic, without windows: the tables hold no typing
// slips, and each plausibility rule asks what it should and undoes what "Nein" undoes.
#include "ankleiden.h"
#include "eingaben.h"
#include "katalogdaten.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace catalogues;
using namespace model;

namespace {

// Records what the click handling shows and asks, and answers questions from a script of
// 'J' and 'N'.
class Protokoll : public Ankleidehilfe {
public:
    QString antworten;
    QStringList fragen, bemerkungen;
    std::vector<int> abgewaehlt_;
    int anzeigen_ = 0;
    float letzteSumme = -1;

    void anzeigen(const Auswahl&, float summe) override { ++anzeigen_, letzteSumme = summe; }
    void abgewaehlt(int zeile) override { abgewaehlt_.push_back(zeile); }
    void bemerkung(const QString& text) override { bemerkungen.append(text); }
    bool frage(const QString& text) override
    {
        fragen.append(text);
        if (antworten.isEmpty()) {
            QTest::qFail("unerwartete Frage", __FILE__, __LINE__);
            return true;
        }
        const bool ja = antworten.front() == u'J';
        antworten.remove(0, 1);
        return ja;
    }
};

const Haelfte& haelfte(bool frau) { return frau ? HaelfteFrau() : HaelfteMann(); }

// A click on `aktuell` with the rows `vorher` selected; the answers, and what is asked,
// remarked and finally selected.
struct Regelfall {
    bool frau;
    QList<int> vorher;
    int aktuell;
    QString antworten;
    QStringList fragen, bemerkungen;
    QList<int> danach;
};

}  // namespace

Q_DECLARE_METATYPE(Regelfall)

class TestKatalogkern : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // met and (m² K)/W are tabled, not computed, so a typing slip shows as a departure from
    // M / 58.2 W/m² and clo × 0.155. Every velocity lies on the main window's scroll grid, so
    // its handling gives the value back unchanged.
    void tabellen()
    {
        for (const Aktivitaetszeile& z : Aktivitaetstabelle()) {
            QVERIFY2(std::abs(z.met - z.W_m2 / 58.2) < 0.1, qPrintable(z.Taetigkeit));
            QCOMPARE(float(wertBei(Eingabe::v_rel, stellungFuer(Eingabe::v_rel, z.v_rel))), z.v_rel);
        }
        for (const auto& tabelle : {Arbeitsbekleidung(), Taeglichebekleidung()})
            for (const Ensemblezeile& z : tabelle)
                QVERIFY2(std::abs(z.m2KW - z.Clo * 0.155) < 0.005, qPrintable(z.Text));
        QVERIFY(Taeglichebekleidung()[1].Text.startsWith(u"Unterhose, Hemd mit kurzen"_s));
        QVERIFY(Taeglichebekleidung()[1].Text.endsWith(u"Socken, Schuhe"_s));
    }

    void regeln_data()
    {
        QTest::addColumn<Regelfall>("fall");
        const auto zeile = [](const char* tag, const Regelfall& fall) { QTest::newRow(tag) << fall; };
        const bool M = false, F = true;
        const QString pyj = u"Zwei Pyjamas übereinander? Sind Sie sicher?"_s;
        const QString shorts = u"Shorts und ein langer Mantel - Ist das ein neuer Modetrend?"_s;
        const QString hose = u"Sie tragen bereits eine Hose. Wollen Sie wirklich eine zweite Hose darüber ziehen?"_s;
        const QString stiefel = u"Möchten Sie wirklich über die Schuhe noch Stiefel anziehen?"_s;
        const QString schuhe = u"Wenn Sie in den Stiefeln noch Schuhe anziehen möchten, achten Sie\r"
                               u"bitte beim Kauf der Stiefel darauf, dass diese auch groß genug sind."_s;
        const QString aus = u"Sind Sie sicher, dass dieses Outfit zum Ausgehen geeignet ist?"_s;
        const QString mantel =
            u"Achtung: Eine lange Jacke und ein Mantel können ggf. die Bewegungsfreiheit stark einschränken."_s;
        const QString rock = u"Sie haben bereits eine Hose angezogen und wollen noch einen Rock darüber anziehen?"_s;
        const QString roecke = u"Erlauben Sie einen kleinen Hinweis: Sie tragen zwei Röcke übereinander!"_s;
        const QString kleid = u"Handschuhe und ein Sommerkleid - Ist das ein neuer Modetrend?"_s;

        zeile("Mann Pyjamas Ja", {M, {2, 3}, 3, u"J"_s, {pyj}, {}, {2, 3}});
        zeile("Mann Pyjamas Nein", {M, {2, 3}, 3, u"N"_s, {pyj}, {}, {2}});
        zeile("Mann Pyjamas Nein, erster geklickt", {M, {2, 3}, 2, u"N"_s, {pyj}, {}, {3}});
        zeile("Mann abgewählter Pyjama still", {M, {2}, 3, {}, {}, {}, {2}});
        zeile("Mann Shorts Ja", {M, {10, 21}, 10, u"J"_s, {shorts}, {}, {10, 21}});
        zeile("Mann Shorts Nein behält", {M, {10, 21}, 10, u"N"_s, {shorts}, {}, {10, 21}});
        zeile("Mann Shorts mit Hose still", {M, {10, 14, 21}, 10, {}, {}, {}, {10, 14, 21}});
        zeile("Mann Mantel geklickt still", {M, {10, 21}, 21, {}, {}, {}, {10, 21}});
        zeile("Mann Hosen Ja", {M, {13, 14}, 14, u"J"_s, {hose}, {}, {13, 14}});
        zeile("Mann Hosen Nein", {M, {13, 14}, 14, u"N"_s, {hose}, {}, {13}});
        zeile("Mann Schuhe zu Stiefeln", {M, {15, 16}, 15, {}, {}, {schuhe}, {15, 16}});
        zeile("Mann Stiefel Ja", {M, {15, 16}, 16, u"J"_s, {stiefel}, {}, {15, 16}});
        zeile("Mann Stiefel Nein", {M, {15, 16}, 16, u"N"_s, {stiefel}, {}, {15}});
        zeile("Mann Jackett Ja", {M, {3, 19}, 19, u"J"_s, {aus}, {}, {3, 19}});
        zeile("Mann Jackett Nein", {M, {2, 19}, 19, u"N"_s, {aus}, {}, {2}});
        zeile("Mann Jacke und Mantel", {M, {20, 21}, 20, {}, {}, {mantel}, {20, 21}});
        zeile("Frau Hosen Ja", {F, {10, 11}, 10, u"J"_s, {hose}, {}, {10, 11}});
        zeile("Frau Hosen Nein", {F, {10, 11}, 10, u"N"_s, {hose}, {}, {11}});
        zeile("Frau Rock über Hose Ja", {F, {11, 12}, 12, u"J"_s, {rock}, {}, {11, 12}});
        zeile("Frau Rock über Hose Nein", {F, {11, 12}, 12, u"N"_s, {rock}, {}, {11}});
        zeile("Frau zwei Röcke", {F, {12, 13}, 13, {}, {}, {roecke}, {12, 13}});
        zeile("Frau zwei Röcke über Hose Ja", {F, {10, 12, 13}, 13, u"J"_s, {rock}, {roecke}, {10, 12, 13}});
        // "Nein" takes the second skirt off; the re-run still sees the first one over the
        // trousers and asks once more, and the two-skirts remark no longer applies.
        zeile("Frau zwei Röcke über Hose Nein", {F, {10, 12, 13}, 13, u"NN"_s, {rock, rock}, {}, {10, 12}});
        zeile("Frau Sommerkleid Ja", {F, {14, 20}, 14, u"J"_s, {kleid}, {}, {14, 20}});
        zeile("Frau Sommerkleid Nein behält", {F, {14, 20}, 14, u"N"_s, {kleid}, {}, {14, 20}});
        zeile("Frau Sommerkleid mit Winterkleid still", {F, {14, 15, 20}, 14, {}, {}, {}, {14, 15, 20}});
        zeile("Frau Schuhe zu Stiefeln", {F, {18, 19}, 18, {}, {}, {schuhe}, {18, 19}});
        zeile("Frau Stiefel Ja", {F, {18, 19}, 19, u"J"_s, {stiefel}, {}, {18, 19}});
        zeile("Frau Stiefel Nein", {F, {18, 19}, 19, u"N"_s, {stiefel}, {}, {18}});
        zeile("Frau Jacke und Mantel", {F, {21, 22}, 22, {}, {}, {mantel}, {21, 22}});
    }
    void regeln()
    {
        QFETCH(Regelfall, fall);
        Auswahl auswahl(haelfte(fall.frau).tabelle.size(), false);
        for (int i : fall.vorher)
            auswahl[std::size_t(i)] = true;
        Protokoll protokoll;
        protokoll.antworten = fall.antworten;
        Klickbehandlung(haelfte(fall.frau), auswahl, fall.aktuell, false, protokoll);

        QCOMPARE(protokoll.fragen, fall.fragen);
        QCOMPARE(protokoll.bemerkungen, fall.bemerkungen);
        QVERIFY(protokoll.antworten.isEmpty());
        QList<int> danach;
        for (std::size_t i = 0; i < auswahl.size(); ++i)
            if (auswahl[i])
                danach.append(int(i));
        QCOMPARE(danach, fall.danach);
    }

    void neinLaesstErneutLaufen()
    {
        // All garments on, the second pyjama refused: the nested run shows the lower total
        // without a remark, the interrupted run still remarks on its own 5,03.
        Auswahl auswahl(kKleidungMann, true);
        Protokoll protokoll;
        protokoll.antworten = u"N"_s;
        Klickbehandlung(HaelfteMann(), auswahl, 3, false, protokoll);
        QCOMPARE(protokoll.abgewaehlt_, std::vector<int>{3});
        QCOMPARE(protokoll.anzeigen_, 2);
        QCOMPARE(tabellenzahl(protokoll.letzteSumme, 2), u"4,46"_s);
        QCOMPARE(protokoll.bemerkungen, QStringList{expeditionsText()});
    }
};

QTEST_GUILESS_MAIN(TestKatalogkern)
#include "tst_catalogues_kern.moc"
