// The catalogue tables and the estimator's logic, without windows: every entry is plausible,
// the totals reach the expedition remark exactly where they should, and each plausibility
// rule asks what it should and undoes what "Nein" undoes.
#include "ankleiden.h"
#include "katalogdaten.h"
#include "pruefen.h"
#include "uebernahme.h"

#include <QTest>

#include <algorithm>
#include <deque>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// Records what the click handling shows and asks, and answers questions from a script.
class Protokoll : public Ankleidehilfe {
public:
    std::deque<bool> antworten;
    QStringList fragen, bemerkungen;
    std::vector<int> abgewaehlt_;
    int anzeigen_ = 0;
    float letzteSumme = -1;

    void anzeigen(const Auswahl&, float summe) override
    {
        ++anzeigen_;
        letzteSumme = summe;
    }
    void abgewaehlt(int zeile) override { abgewaehlt_.push_back(zeile); }
    bool frage(const QString& text) override
    {
        fragen.append(text);
        if (antworten.empty()) {
            QTest::qFail("unerwartete Frage", __FILE__, __LINE__);
            return true;
        }
        const bool antwort = antworten.front();
        antworten.pop_front();
        return antwort;
    }
    void bemerkung(const QString& text) override { bemerkungen.append(text); }
};

Auswahl auswahlAus(std::size_t zeilen, std::initializer_list<int> gewaehlt)
{
    Auswahl auswahl(zeilen, false);
    for (int i : gewaehlt)
        auswahl[std::size_t(i)] = true;
    return auswahl;
}

Auswahl alleAusser(std::size_t zeilen, int fehlend)
{
    Auswahl auswahl(zeilen, true);
    if (fehlend >= 0)
        auswahl[std::size_t(fehlend)] = false;
    return auswahl;
}

const Haelfte& haelfte(bool frau) { return frau ? HaelfteFrau() : HaelfteMann(); }

}  // namespace

class TestKatalogkern : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aktivitaet_data()
    {
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < kAktivitaeten; ++i)
            QTest::newRow(qPrintable(Aktivitaetstabelle()[std::size_t(i)].Taetigkeit)) << i;
    }
    void aktivitaet()
    {
        QFETCH(int, zeile);
        const Aktivitaetszeile& z = Aktivitaetstabelle()[std::size_t(zeile)];
        QVERIFY(z.W_m2 >= 40 && z.W_m2 <= 400);
        QVERIFY(z.P_mech >= 0 && z.P_mech < 25);
        // met is tabled, not computed, but it must stay close to M / 58.2 W/m².
        TEMPARA_NAHE(z.met, z.W_m2 / 58.2, 0.1);
        const int position = energieumsatzPosition(z.W_m2);
        QVERIFY(position >= 8 && position <= 80);
        QVERIFY(std::abs(position * 5 - z.W_m2) <= 2);
        // Every velocity lies on the scroll grid, so the main window's handling gives it back.
        const int vPosition = geschwindigkeitPosition(z.v_rel);
        QVERIFY(vPosition >= 0 && vPosition <= 200);
        QCOMPARE(float(0.05 * vPosition), z.v_rel);
    }

    void ensemble_data()
    {
        QTest::addColumn<bool>("taeglich");
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < kEnsembles; ++i) {
            QTest::addRow("Arbeit %d", i) << false << i;
            QTest::addRow("täglich %d", i) << true << i;
        }
    }
    void ensemble()
    {
        QFETCH(bool, taeglich);
        QFETCH(int, zeile);
        const Ensemblezeile& z = (taeglich ? Taeglichebekleidung() : Arbeitsbekleidung())[std::size_t(zeile)];
        QVERIFY(z.Text.contains(u", "_s));
        QVERIFY(z.Clo > 0.2f && z.Clo < 3.0f);
        // 1 clo = 0.155 (m² K)/W; the tabled resistances are rounded a little differently.
        TEMPARA_NAHE(z.m2KW, z.Clo * 0.155, 0.005);
        QCOMPARE(float(0.05 * kleidungPosition(z.Clo)), z.Clo);
    }

    void ensembleTexte()
    {
        QCOMPARE(Taeglichebekleidung()[1].Text.left(26), u"Unterhose, Hemd mit kurzen"_s);
        QVERIFY(Taeglichebekleidung()[1].Text.endsWith(u"Socken, Schuhe"_s));
        QCOMPARE(tabellenzahl(Arbeitsbekleidung()[7].Clo, 2), u"2,55"_s);
        QCOMPARE(tabellenzahl(Taeglichebekleidung()[2].m2KW, 3), u"0,105"_s);
        QCOMPARE(tabellenzahl(Aktivitaetstabelle()[4].v_rel, 2), u"1,10"_s);
    }

    void kleidungsstueck_data()
    {
        QTest::addColumn<bool>("frau");
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < kKleidungMann; ++i)
            QTest::addRow("Mann %s", qPrintable(KleidungMann()[std::size_t(i)].Name)) << false << i;
        for (int i = 0; i < kKleidungFrau; ++i)
            QTest::addRow("Frau %s", qPrintable(KleidungFrau()[std::size_t(i)].Name)) << true << i;
    }
    void kleidungsstueck()
    {
        QFETCH(bool, frau);
        QFETCH(int, zeile);
        const auto tabelle = haelfte(frau).tabelle;
        const Kleidungsstueck& stueck = tabelle[std::size_t(zeile)];
        QVERIFY(stueck.Clo >= 0.02f && stueck.Clo <= 0.6f);
        QVERIFY(stueck.Ebene >= 0 && std::size_t(stueck.Ebene) < tabelle.size());
        // Each picture layer belongs to exactly one garment.
        QCOMPARE(std::ranges::count_if(tabelle, [&](const Kleidungsstueck& k) { return k.Ebene == stueck.Ebene; }), 1);
    }

    void summen_data()
    {
        QTest::addColumn<bool>("frau");
        QTest::addColumn<int>("fehlend");
        QTest::addColumn<QString>("summe");
        QTest::addColumn<bool>("expedition");
        QTest::newRow("Mann komplett") << false << -1 << u"5,03"_s << true;
        QTest::newRow("Mann ohne kurze Socken") << false << 5 << u"5,01"_s << true;
        QTest::newRow("Mann ohne dünne Schuhe") << false << 15 << u"5,01"_s << true;
        QTest::newRow("Mann ohne Slip") << false << 0 << u"5,00"_s << false;
        QTest::newRow("Mann ohne Unterhemd") << false << 1 << u"4,99"_s << false;
        QTest::newRow("Frau komplett") << true << -1 << u"4,66"_s << true;
        QTest::newRow("Frau ohne Socken") << true << 5 << u"4,64"_s << false;
        QTest::newRow("Frau ohne Schuhe") << true << 18 << u"4,64"_s << false;
        QTest::newRow("Frau ohne Slip") << true << 0 << u"4,63"_s << false;
    }
    void summen()
    {
        QFETCH(bool, frau);
        QFETCH(int, fehlend);
        QFETCH(QString, summe);
        QFETCH(bool, expedition);
        const Haelfte& h = haelfte(frau);
        Auswahl auswahl = alleAusser(h.tabelle.size(), fehlend);
        QCOMPARE(tabellenzahl(isolationssumme(h.tabelle, auswahl), 2), summe);
        // No current item: only the total and the expedition remark count.
        Protokoll protokoll;
        Klickbehandlung(h, auswahl, -1, false, protokoll);
        QCOMPARE(protokoll.bemerkungen.contains(expeditionsText()), expedition);
    }

    void uebernahmePosition_data()
    {
        QTest::addColumn<float>("clo");
        QTest::addColumn<int>("position");
        QTest::newRow("0,37 → 7") << 0.37f << 7;
        QTest::newRow("0,28 → 6") << 0.28f << 6;
        QTest::newRow("0,00") << 0.0f << 0;
        QTest::newRow("4,00 noch auf dem Raster") << 4.0f << 80;
        QTest::newRow("5,03 am Ende") << 5.03f << 80;
        QTest::newRow("4,66 am Ende") << 4.66f << 80;
    }
    void uebernahmePosition()
    {
        QFETCH(float, clo);
        QFETCH(int, position);
        QCOMPARE(kleidungPosition(clo), position);
    }

    // The plausibility rules: clicked item, selection before the rule, answers, and what
    // is asked, remarked and finally selected.
    void regeln_data()
    {
        QTest::addColumn<bool>("frau");
        QTest::addColumn<QList<int>>("gewaehlt");
        QTest::addColumn<int>("aktuell");
        QTest::addColumn<QList<bool>>("antworten");
        QTest::addColumn<QStringList>("fragen");
        QTest::addColumn<QStringList>("bemerkungen");
        QTest::addColumn<QList<int>>("danach");

        const QString pyjamas = u"Zwei Pyjamas übereinander? Sind Sie sicher?"_s;
        const QString shorts = u"Shorts und ein langer Mantel - Ist das ein neuer Modetrend?"_s;
        const QString hose = u"Sie tragen bereits eine Hose. Wollen Sie wirklich eine zweite Hose darüber ziehen?"_s;
        const QString stiefelFrage = u"Möchten Sie wirklich über die Schuhe noch Stiefel anziehen?"_s;
        const QString stiefel = u"Wenn Sie in den Stiefeln noch Schuhe anziehen möchten, achten Sie\r"
                                u"bitte beim Kauf der Stiefel darauf, dass diese auch groß genug sind."_s;
        const QString ausgehen = u"Sind Sie sicher, dass dieses Outfit zum Ausgehen geeignet ist?"_s;
        const QString mantel =
            u"Achtung: Eine lange Jacke und ein Mantel können ggf. die Bewegungsfreiheit stark einschränken."_s;
        const QString rock = u"Sie haben bereits eine Hose angezogen und wollen noch einen Rock darüber anziehen?"_s;
        const QString roecke = u"Erlauben Sie einen kleinen Hinweis: Sie tragen zwei Röcke übereinander!"_s;
        const QString kleid = u"Handschuhe und ein Sommerkleid - Ist das ein neuer Modetrend?"_s;

        QTest::newRow("Mann Pyjamas Ja") << false << QList<int>{2, 3} << 3 << QList<bool>{true}
                                         << QStringList{pyjamas} << QStringList{} << QList<int>{2, 3};
        QTest::newRow("Mann Pyjamas Nein") << false << QList<int>{2, 3} << 3 << QList<bool>{false}
                                           << QStringList{pyjamas} << QStringList{} << QList<int>{2};
        QTest::newRow("Mann Pyjamas Nein, erster geklickt") << false << QList<int>{2, 3} << 2 << QList<bool>{false}
                                                            << QStringList{pyjamas} << QStringList{} << QList<int>{3};
        QTest::newRow("Mann Shorts Ja") << false << QList<int>{10, 21} << 10 << QList<bool>{true}
                                        << QStringList{shorts} << QStringList{} << QList<int>{10, 21};
        QTest::newRow("Mann Shorts Nein behält") << false << QList<int>{10, 21} << 10 << QList<bool>{false}
                                                 << QStringList{shorts} << QStringList{} << QList<int>{10, 21};
        QTest::newRow("Mann Shorts mit Hose still") << false << QList<int>{10, 14, 21} << 10 << QList<bool>{}
                                                    << QStringList{} << QStringList{} << QList<int>{10, 14, 21};
        QTest::newRow("Mann Mantel geklickt still") << false << QList<int>{10, 21} << 21 << QList<bool>{}
                                                    << QStringList{} << QStringList{} << QList<int>{10, 21};
        QTest::newRow("Mann Hosen Ja") << false << QList<int>{13, 14} << 14 << QList<bool>{true}
                                       << QStringList{hose} << QStringList{} << QList<int>{13, 14};
        QTest::newRow("Mann Hosen Nein") << false << QList<int>{13, 14} << 14 << QList<bool>{false}
                                         << QStringList{hose} << QStringList{} << QList<int>{13};
        QTest::newRow("Mann Schuhe zu Stiefeln") << false << QList<int>{15, 16} << 15 << QList<bool>{}
                                                 << QStringList{} << QStringList{stiefel} << QList<int>{15, 16};
        QTest::newRow("Mann Stiefel Ja") << false << QList<int>{15, 16} << 16 << QList<bool>{true}
                                         << QStringList{stiefelFrage} << QStringList{} << QList<int>{15, 16};
        QTest::newRow("Mann Stiefel Nein") << false << QList<int>{15, 16} << 16 << QList<bool>{false}
                                           << QStringList{stiefelFrage} << QStringList{} << QList<int>{15};
        QTest::newRow("Mann Jackett Ja") << false << QList<int>{3, 19} << 19 << QList<bool>{true}
                                         << QStringList{ausgehen} << QStringList{} << QList<int>{3, 19};
        QTest::newRow("Mann Jackett Nein") << false << QList<int>{2, 19} << 19 << QList<bool>{false}
                                           << QStringList{ausgehen} << QStringList{} << QList<int>{2};
        QTest::newRow("Mann Jacke und Mantel") << false << QList<int>{20, 21} << 20 << QList<bool>{}
                                               << QStringList{} << QStringList{mantel} << QList<int>{20, 21};
        QTest::newRow("Mann abgewählter Pyjama still") << false << QList<int>{2} << 3 << QList<bool>{}
                                                       << QStringList{} << QStringList{} << QList<int>{2};

        QTest::newRow("Frau Hosen Ja") << true << QList<int>{10, 11} << 10 << QList<bool>{true}
                                       << QStringList{hose} << QStringList{} << QList<int>{10, 11};
        QTest::newRow("Frau Hosen Nein") << true << QList<int>{10, 11} << 10 << QList<bool>{false}
                                         << QStringList{hose} << QStringList{} << QList<int>{11};
        QTest::newRow("Frau Rock über Hose Ja") << true << QList<int>{11, 12} << 12 << QList<bool>{true}
                                                << QStringList{rock} << QStringList{} << QList<int>{11, 12};
        QTest::newRow("Frau Rock über Hose Nein") << true << QList<int>{11, 12} << 12 << QList<bool>{false}
                                                  << QStringList{rock} << QStringList{} << QList<int>{11};
        QTest::newRow("Frau zwei Röcke") << true << QList<int>{12, 13} << 13 << QList<bool>{}
                                         << QStringList{} << QStringList{roecke} << QList<int>{12, 13};
        QTest::newRow("Frau zwei Röcke über Hose Ja") << true << QList<int>{10, 12, 13} << 13 << QList<bool>{true}
                                                      << QStringList{rock} << QStringList{roecke}
                                                      << QList<int>{10, 12, 13};
        // "Nein" takes the second skirt off; the re-run still sees the first one over the
        // trousers and asks once more, and the two-skirts remark no longer applies.
        QTest::newRow("Frau zwei Röcke über Hose Nein")
            << true << QList<int>{10, 12, 13} << 13 << QList<bool>{false, false} << QStringList{rock, rock}
            << QStringList{} << QList<int>{10, 12};
        QTest::newRow("Frau Sommerkleid Ja") << true << QList<int>{14, 20} << 14 << QList<bool>{true}
                                             << QStringList{kleid} << QStringList{} << QList<int>{14, 20};
        QTest::newRow("Frau Sommerkleid Nein behält") << true << QList<int>{14, 20} << 14 << QList<bool>{false}
                                                      << QStringList{kleid} << QStringList{} << QList<int>{14, 20};
        QTest::newRow("Frau Sommerkleid mit Winterkleid still")
            << true << QList<int>{14, 15, 20} << 14 << QList<bool>{} << QStringList{} << QStringList{}
            << QList<int>{14, 15, 20};
        QTest::newRow("Frau Schuhe zu Stiefeln") << true << QList<int>{18, 19} << 18 << QList<bool>{}
                                                 << QStringList{} << QStringList{stiefel} << QList<int>{18, 19};
        QTest::newRow("Frau Stiefel Ja") << true << QList<int>{18, 19} << 19 << QList<bool>{true}
                                         << QStringList{stiefelFrage} << QStringList{} << QList<int>{18, 19};
        QTest::newRow("Frau Stiefel Nein") << true << QList<int>{18, 19} << 19 << QList<bool>{false}
                                           << QStringList{stiefelFrage} << QStringList{} << QList<int>{18};
        QTest::newRow("Frau Jacke und Mantel") << true << QList<int>{21, 22} << 22 << QList<bool>{}
                                               << QStringList{} << QStringList{mantel} << QList<int>{21, 22};
    }
    void regeln()
    {
        QFETCH(bool, frau);
        QFETCH(QList<int>, gewaehlt);
        QFETCH(int, aktuell);
        QFETCH(QList<bool>, antworten);
        QFETCH(QStringList, fragen);
        QFETCH(QStringList, bemerkungen);
        QFETCH(QList<int>, danach);

        const Haelfte& h = haelfte(frau);
        Auswahl auswahl(h.tabelle.size(), false);
        for (int i : gewaehlt)
            auswahl[std::size_t(i)] = true;
        Protokoll protokoll;
        protokoll.antworten.assign(antworten.begin(), antworten.end());
        Klickbehandlung(h, auswahl, aktuell, false, protokoll);

        QCOMPARE(protokoll.fragen, fragen);
        QCOMPARE(protokoll.bemerkungen, bemerkungen);
        QVERIFY(protokoll.antworten.empty());
        QList<int> ist;
        for (std::size_t i = 0; i < auswahl.size(); ++i)
            if (auswahl[i])
                ist.append(int(i));
        QCOMPARE(ist, danach);
    }

    void neinLaesstErneutLaufen()
    {
        // All garments on, the second pyjama refused: the nested run shows the lower total
        // without a remark, the interrupted run still remarks on its own 5,03.
        const Haelfte& h = HaelfteMann();
        Auswahl auswahl = alleAusser(h.tabelle.size(), -1);
        Protokoll protokoll;
        protokoll.antworten = {false};
        Klickbehandlung(h, auswahl, 3, false, protokoll);
        QCOMPARE(protokoll.abgewaehlt_, std::vector<int>{3});
        QCOMPARE(protokoll.anzeigen_, 2);
        QCOMPARE(tabellenzahl(protokoll.letzteSumme, 2), u"4,46"_s);
        QCOMPARE(protokoll.bemerkungen, QStringList{expeditionsText()});
    }

    void zuruecksetzenOhnePruefung()
    {
        // Two pyjamas and all else: reset asks nothing and ends with 0,00.
        const Haelfte& h = HaelfteMann();
        Auswahl auswahl = alleAusser(h.tabelle.size(), -1);
        Protokoll protokoll;
        Zuruecksetzen(h, auswahl, 3, protokoll);
        QVERIFY(protokoll.fragen.isEmpty());
        QVERIFY(protokoll.bemerkungen.isEmpty());
        QCOMPARE(protokoll.abgewaehlt_.size(), h.tabelle.size());
        QCOMPARE(protokoll.letzteSumme, 0.0f);
        QVERIFY(std::ranges::none_of(auswahl, [](bool b) { return b; }));
    }

    void namen()
    {
        const Auswahl auswahl = auswahlAus(kKleidungMann, {14, 0, 7});
        QCOMPARE(namensliste(KleidungMann(), auswahl), u"Slip, T-Shirt, normale Hose"_s);
        QCOMPARE(tabellenzahl(isolationssumme(KleidungMann(), auswahl), 2), u"0,37"_s);
        QCOMPARE(namensliste(KleidungMann(), Auswahl(kKleidungMann, false)), QString());
    }

    void zeiger_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("zeile");
        QTest::newRow("erste Zeile") << 0 << 0;
        QTest::newRow("Rand zur zweiten") << 16 << 1;
        QTest::newRow("abgerundet") << 31 << 1;
        QTest::newRow("letzte") << 21 * 16 + 15 << 21;
        QTest::newRow("hinter der letzten") << 22 * 16 << -1;
        QTest::newRow("darüber") << -3 << -1;
    }
    void zeiger()
    {
        QFETCH(int, y);
        QFETCH(int, zeile);
        QCOMPARE(zeigerZeile(y, 16, kKleidungMann), zeile);
    }
};

QTEST_GUILESS_MAIN(TestKatalogkern)
#include "tst_katalogkern.moc"
