// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue tables and the estimator's plausibility rules and expedition remark, without windows.
#include "ankleiden.h"
#include "eingaben.h"
#include "katalogdaten.h"

#include <QTest>

#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;
using namespace catalogues;
using namespace model;

namespace {

class Protokoll : public Ankleidehilfe {
public:
    QString antworten;
    QStringList fragen, bemerkungen;

    void anzeigen(const Auswahl&, float) override {}
    void abgewaehlt(int) override {}
    void bemerkung(const QString& text) override { bemerkungen.append(text); }
    bool frage(const QString& text) override
    {
        fragen.append(text);
        return antworten.mid(fragen.size() - 1).startsWith(u'J');
    }
};

const Haelfte& haelfte(bool frau) { return frau ? HaelfteFrau() : HaelfteMann(); }

// A click on `aktuell` with `vorher` selected; the answers (J/N); what is asked, remarked and finally selected.
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
    // met and (m² K)/W are tabled, not computed, and every velocity lies on the main window's scroll grid.
    void tabellen()
    {
        for (const Aktivitaetszeile& z : Aktivitaetstabelle()) {
            QVERIFY2(std::abs(z.met - z.W_m2 / 58.2) < 0.1, qPrintable(z.Taetigkeit));
            QCOMPARE(float(wertBei(Eingabe::v_rel, stellungFuer(Eingabe::v_rel, z.v_rel))), z.v_rel);
        }
        for (const auto& tabelle : {Arbeitsbekleidung(), Taeglichebekleidung()})
            for (const Ensemblezeile& z : tabelle)
                QVERIFY2(std::abs(z.m2KW - z.Clo * 0.155) < 0.005, qPrintable(z.Text));
    }

    void regeln_data()
    {
        QTest::addColumn<Regelfall>("fall");
        const auto zeile = [](const char* tag, const Regelfall& fall) { QTest::newRow(tag) << fall; };
        const auto alle = [](bool frau, int ohne = -1) {
            QList<int> zeilen(qsizetype(haelfte(frau).tabelle.size()));
            std::iota(zeilen.begin(), zeilen.end(), 0);
            zeilen.removeOne(ohne);
            return zeilen;
        };
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

        zeile("Mann Pyjamas Nein, erster geklickt", {M, {2, 3}, 2, u"N"_s, {pyj}, {}, {3}});
        zeile("Mann abgewählter Pyjama still", {M, {2}, 3, {}, {}, {}, {2}});
        zeile("Mann Shorts Nein behält", {M, {10, 21}, 10, u"N"_s, {shorts}, {}, {10, 21}});
        zeile("Mann Shorts mit Hose still", {M, {10, 14, 21}, 10, {}, {}, {}, {10, 14, 21}});
        zeile("Mann Mantel geklickt still", {M, {10, 21}, 21, {}, {}, {}, {10, 21}});
        zeile("Mann Hosen Nein", {M, {13, 14}, 14, u"N"_s, {hose}, {}, {13}});
        zeile("Mann Schuhe zu Stiefeln", {M, {15, 16}, 15, {}, {}, {schuhe}, {15, 16}});
        zeile("Mann Stiefel Nein", {M, {15, 16}, 16, u"N"_s, {stiefel}, {}, {15}});
        zeile("Mann Jackett Ja", {M, {3, 19}, 19, u"J"_s, {aus}, {}, {3, 19}});
        zeile("Mann Jackett Nein", {M, {2, 19}, 19, u"N"_s, {aus}, {}, {2}});
        zeile("Mann Jacke und Mantel", {M, {20, 21}, 20, {}, {}, {mantel}, {20, 21}});
        zeile("Frau Hosen Nein", {F, {10, 11}, 10, u"N"_s, {hose}, {}, {11}});
        zeile("Frau Rock über Hose Nein", {F, {11, 12}, 12, u"N"_s, {rock}, {}, {11}});
        zeile("Frau zwei Röcke über Hose Ja", {F, {10, 12, 13}, 13, u"J"_s, {rock}, {roecke}, {10, 12, 13}});
        zeile("Frau zwei Röcke über Hose Nein, erneut", {F, {10, 12, 13}, 13, u"NN"_s, {rock, rock}, {}, {10, 12}});
        zeile("Frau Sommerkleid Nein behält", {F, {14, 20}, 14, u"N"_s, {kleid}, {}, {14, 20}});
        zeile("Frau Sommerkleid mit Winterkleid still", {F, {14, 15, 20}, 14, {}, {}, {}, {14, 15, 20}});
        zeile("Frau Schuhe zu Stiefeln", {F, {18, 19}, 18, {}, {}, {schuhe}, {18, 19}});
        zeile("Frau Stiefel Nein", {F, {18, 19}, 19, u"N"_s, {stiefel}, {}, {18}});
        zeile("Frau Jacke und Mantel", {F, {21, 22}, 22, {}, {}, {mantel}, {21, 22}});
        zeile("Mann alles, Pyjama Nein: 5,03", {M, alle(M), 3, u"N"_s, {pyj}, {expeditionsText()}, alle(M, 3)});
        zeile("Mann ohne Slip 5,00 still", {M, alle(M, 0), 0, {}, {}, {}, alle(M, 0)});
        zeile("Frau alles 4,66", {F, alle(F), 0, {}, {}, {expeditionsText()}, alle(F)});
        zeile("Frau ohne Socken 4,64 still", {F, alle(F, 5), 0, {}, {}, {}, alle(F, 5)});
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

        QList<int> danach(qsizetype(auswahl.size()));
        std::iota(danach.begin(), danach.end(), 0);
        danach.removeIf([&auswahl](int i) { return !auswahl[std::size_t(i)]; });
        QCOMPARE(std::tuple(protokoll.fragen, protokoll.bemerkungen, danach),
                 std::tuple(fall.fragen, fall.bemerkungen, fall.danach));
    }
};

QTEST_GUILESS_MAIN(TestKatalogkern)
#include "tst_catalogues_kern.moc"
