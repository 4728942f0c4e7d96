// The activity and ensemble catalogues as the user drives them: ticking rows, taking a value
// over into the main window, cancelling, and hiding versus closing.
#include "aktivitaet.h"
#include "bekleidungsliste.h"
#include "katalogdaten.h"
#include "katalogtest.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

class TestKatalogfenster : public QObject {
    Q_OBJECT

    std::unique_ptr<SkriptDienste> dienste;
    std::unique_ptr<hpt> haupt;
    const QString kAktivitaet = u"AW_Energieumsatz"_s, kArbeit = u"AW_Arbeitsbekleidung"_s,
                  kTaeglich = u"AW_Täglichebekleidung"_s;

    QCheckBox* box(QWidget& f, const QString& feld, int i) { return finde<QCheckBox>(&f, u"%1(%2)"_s.arg(feld).arg(i)); }
    QString zelle(QWidget& f, const QString& name) { return finde<QLabel>(&f, name)->text(); }
    QList<int> angekreuzt(QWidget& f, const QString& feld)
    {
        QList<int> zeilen;
        for (int i = 0; i < kAktivitaeten; ++i)
            if (auto* b = f.findChild<QCheckBox*>(u"%1(%2)"_s.arg(feld).arg(i)); b && b->isChecked())
                zeilen << i;
        return zeilen;
    }
    // What the main window shows for the clothing as it starts.
    void kleidungUnveraendert()
    {
        QCOMPARE(programm::Raumklima.Icl, 1.0f);
        QCOMPARE(haupt->ui.Kleidung_Scroll->value(), 20);
        QCOMPARE(haupt->ui.eingabe_txt5->text(), u"1,00 clo"_s);
        QCOMPARE(haupt->ui.Kleidung_Liste->text(), u"Slip, Hemd, Hose, Jacke, Socken, Schuhe"_s);
    }

private Q_SLOTS:
    void init()
    {
        dienste = std::make_unique<SkriptDienste>();
        haupt = std::make_unique<hpt>(*dienste);
        verbindeFenster(*haupt);
        haupt->Neuberechnung();
    }
    void cleanup()
    {
        QVERIFY2(dienste->offeneFehler().isEmpty(), qPrintable(dienste->offeneFehler().join(u'\n')));
        QVERIFY(dienste->aufrufe.isEmpty());  // these two windows never show a message
        haupt.reset();
    }

    void aktivitaetErsteOeffnung()
    {
        Aktivitaet fenster(*haupt);
        fenster.show();
        QCOMPARE(fenster.objectName(), u"Aktivität"_s);
        QCOMPARE(fenster.windowTitle(), u"Energieumsätze verschiedener körperlicher Tätigkeiten"_s);
        QVERIFY(angekreuzt(fenster, kAktivitaet).isEmpty());
        QVERIFY(!fenster.ui.Command1->isEnabled());
        // The cells read as tabled, with decimal commas; met is shown only.
        QCOMPARE(zelle(fenster, u"Tätigkeit(7)"_s), u"aufwärts gehen (4 km/h)"_s);
        QCOMPARE(zelle(fenster, u"W_Energieumsatz(0)"_s), u"41"_s);
        QCOMPARE(zelle(fenster, u"met_Energieumsatz(0)"_s), u"0,7"_s);
        QCOMPARE(zelle(fenster, u"met_Energieumsatz(17)"_s), u"3,5"_s);
        QCOMPARE(zelle(fenster, u"P_mech_Leistung(8)"_s), u"20"_s);
        QCOMPARE(zelle(fenster, u"m_rel_Geschwindigkeit(4)"_s), u"1,10"_s);
    }

    void aktivitaetEinHaken()
    {
        Aktivitaet fenster(*haupt);
        fenster.show();
        klicke(box(fenster, kAktivitaet, 3));
        klicke(box(fenster, kAktivitaet, 5));
        QCOMPARE(angekreuzt(fenster, kAktivitaet), QList<int>{5});
        QVERIFY(fenster.ui.Command1->isEnabled());
        klicke(box(fenster, kAktivitaet, 5));
        QVERIFY(angekreuzt(fenster, kAktivitaet).isEmpty());
        QVERIFY(!fenster.ui.Command1->isEnabled());
    }

    // M keeps the tabled value even where its scroll bar cannot stand (41 at position 8).
    void aktivitaetUebernehmen_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("M");
        QTest::addColumn<int>("mPosition");
        QTest::addColumn<int>("W");
        QTest::addColumn<float>("vRel");
        QTest::addColumn<int>("vPosition");
        QTest::addColumn<QString>("vText");
        QTest::newRow("schlafen: 41 bleibt 41") << 0 << 41 << 8 << 0 << 0.0f << 0 << u"0,00 m/s"_s;
        QTest::newRow("ruhig sitzen: aufgerundet") << 2 << 58 << 12 << 0 << 0.0f << 0 << u"0,00 m/s"_s;
        QTest::newRow("Büro: Position wie vorher") << 9 << 70 << 14 << 0 << 0.0f << 0 << u"0,00 m/s"_s;
        QTest::newRow("aufwärts laufen") << 8 << 355 << 71 << 20 << 2.8f << 56 << u"2,80 m/s"_s;
        QTest::newRow("Tennis spielen") << 19 << 267 << 53 << 8 << 1.25f << 25 << u"1,25 m/s"_s;
    }
    void aktivitaetUebernehmen()
    {
        QFETCH(int, zeile);
        QFETCH(int, M);
        QFETCH(int, mPosition);
        QFETCH(int, W);
        QFETCH(float, vRel);
        QFETCH(int, vPosition);
        QFETCH(QString, vText);
        Aktivitaet fenster(*haupt);
        fenster.show();
        klicke(box(fenster, kAktivitaet, zeile));
        klicke(fenster.ui.Command1);

        const ::Raumklima& k = programm::Raumklima;
        QCOMPARE(int(k.M), M);
        QCOMPARE(int(k.W), W);
        QCOMPARE(k.v_rel, vRel);
        QCOMPARE(haupt->ui.Energieumsatz_Scroll->value(), mPosition);
        QCOMPARE(haupt->ui.mech_Leistung_Scroll->value(), W);
        QCOMPARE(haupt->ui.rel_Geschwindigkeit_Scroll->value(), vPosition);
        QCOMPARE(haupt->ui.eingabe_txt6->text(), u"%1 W/m²"_s.arg(M));
        QCOMPARE(haupt->ui.eingabe_txt7->text(), u"%1 %"_s.arg(W));
        QCOMPARE(haupt->ui.eingabe_txt8->text(), vText);
        kleidungUnveraendert();
        TEMPARA_NAHE(programm::PmvErgebnis.PMV, erwartetesPmv(), 1e-6);  // recomputed from the exact values
        QVERIFY(fenster.isHidden() && !fenster.verworfen());
    }

    void ensembleErsteOeffnung()
    {
        Bekleidungsliste fenster(*haupt);
        fenster.show();
        QCOMPARE(fenster.windowTitle(), u"Thermische Isolationswerte für typische Bekleidungskombinationen"_s);
        QVERIFY(angekreuzt(fenster, kArbeit).isEmpty() && angekreuzt(fenster, kTaeglich).isEmpty());
        QVERIFY(!fenster.ui.Command1->isEnabled());
        QCOMPARE(zelle(fenster, u"Clo_Arbeitsbekleidung(7)"_s), u"2,55"_s);
        QCOMPARE(zelle(fenster, u"W_Täglichebekleidung(2)"_s), u"0,105"_s);
        QCOMPARE(zelle(fenster, u"W_Täglichebekleidung(3)"_s), u"0,110"_s);
        // The longest ensemble wraps over several lines, at most five.
        QLabel* lang = finde<QLabel>(&fenster, u"Arbeitsbekleidung(7)"_s);
        const int zeilen = lang->height() / lang->fontMetrics().lineSpacing();
        QVERIFY2(zeilen >= 3 && zeilen <= 5, qPrintable(QString::number(zeilen)));
    }

    void ensembleEinHakenUeberBeideTabellen()
    {
        Bekleidungsliste fenster(*haupt);
        fenster.show();
        klicke(box(fenster, kArbeit, 2));
        klicke(box(fenster, kTaeglich, 5));
        QVERIFY(angekreuzt(fenster, kArbeit).isEmpty());
        QCOMPARE(angekreuzt(fenster, kTaeglich), QList<int>{5});
        klicke(box(fenster, kArbeit, 5));
        QCOMPARE(angekreuzt(fenster, kArbeit), QList<int>{5});
        QVERIFY(angekreuzt(fenster, kTaeglich).isEmpty());
        klicke(box(fenster, kArbeit, 5));
        QVERIFY(!fenster.ui.Command1->isEnabled());
    }

    void ensembleUebernehmen_data()
    {
        QTest::addColumn<bool>("taeglich");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<float>("clo");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("Arbeit 0") << false << 0 << 0.7f << 14 << u"0,70 clo"_s;
        QTest::newRow("Arbeit 7, aufgerundet") << false << 7 << 2.55f << 51 << u"2,55 clo"_s;
        QTest::newRow("täglich 0") << true << 0 << 0.3f << 6 << u"0,30 clo"_s;
        QTest::newRow("täglich 1") << true << 1 << 0.5f << 10 << u"0,50 clo"_s;
        // 1,00 clo is where the scroll bar already stands: its handling does not run.
        QTest::newRow("täglich 4, Position wie vorher") << true << 4 << 1.0f << 20 << u"1,00 clo"_s;
    }
    void ensembleUebernehmen()
    {
        QFETCH(bool, taeglich);
        QFETCH(int, zeile);
        QFETCH(float, clo);
        QFETCH(int, position);
        QFETCH(QString, text);
        haupt->ui.Kleidung_Liste->setText(u"vorher"_s);
        Bekleidungsliste fenster(*haupt);
        fenster.show();
        klicke(box(fenster, taeglich ? kTaeglich : kArbeit, zeile));
        klicke(fenster.ui.Command1);

        QCOMPARE(programm::Raumklima.Icl, clo);
        QCOMPARE(haupt->ui.Kleidung_Scroll->value(), position);
        QCOMPARE(haupt->ui.eingabe_txt5->text(), text);
        QCOMPARE(haupt->ui.Kleidung_Liste->text(), (taeglich ? Taeglichebekleidung() : Arbeitsbekleidung())[zeile].Text);
        TEMPARA_NAHE(programm::PmvErgebnis.PMV, erwartetesPmv(), 1e-6);
        QVERIFY(fenster.isHidden());
        // A later move of the main window's clothing scroll bar empties the text.
        haupt->ui.Kleidung_Scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY(haupt->ui.Kleidung_Liste->text().isEmpty());
    }

    // Opened through the main window: "Abbruch" and Esc change nothing and hide the window,
    // which keeps its tick for the next opening.
    void abbruchBehaeltHaken()
    {
        oeffneUeber<Aktivitaet>(haupt->ui.Command3, *haupt, [&](Aktivitaet& f) {
            klicke(box(f, kAktivitaet, 4));
            klicke(f.ui.Command3);
            QVERIFY(f.isHidden());
        });
        QCOMPARE(int(programm::Raumklima.M), 70);
        QCOMPARE(haupt->ui.Energieumsatz_Scroll->value(), 14);
        QCOMPARE(haupt->ui.eingabe_txt6->text(), u"70 W/m²"_s);
        oeffneUeber<Aktivitaet>(haupt->ui.Command3, *haupt, [&](Aktivitaet& f) {
            QCOMPARE(angekreuzt(f, kAktivitaet), QList<int>{4});
            QVERIFY(f.ui.Command1->isEnabled());
            klicke(f.ui.Command1);
        });
        QCOMPARE(int(programm::Raumklima.M), 165);

        oeffneUeber<Bekleidungsliste>(haupt->ui.Command2, *haupt, [&](Bekleidungsliste& f) {
            klicke(box(f, kArbeit, 7));
            klicke(f.ui.Command3);
            QVERIFY(f.isHidden());
        });
        kleidungUnveraendert();
        oeffneUeber<Bekleidungsliste>(haupt->ui.Command2, *haupt, [&](Bekleidungsliste& f) {
            QCOMPARE(angekreuzt(f, kArbeit), QList<int>{7});
            QVERIFY(f.ui.Command1->isEnabled());
            QTest::keyClick(&f, Qt::Key_Escape);
            QVERIFY(f.isHidden() && !f.verworfen());
        });
        kleidungUnveraendert();
        QCOMPARE(haupt->findChildren<Bekleidungsliste*>().size(), 1);
    }

    void schliessenBeginntNeu()
    {
        oeffneUeber<Aktivitaet>(haupt->ui.Command3, *haupt, [&](Aktivitaet& f) {
            klicke(box(f, kAktivitaet, 4));
            QVERIFY(f.close());
        });
        QVERIFY(!haupt->findChild<Aktivitaet*>());
        QCOMPARE(int(programm::Raumklima.M), 70);
        oeffneUeber<Aktivitaet>(haupt->ui.Command3, *haupt, [&](Aktivitaet& f) {
            QVERIFY(angekreuzt(f, kAktivitaet).isEmpty());
            QVERIFY(!f.ui.Command1->isEnabled());
            klicke(f.ui.Command3);
        });
        oeffneUeber<Bekleidungsliste>(haupt->ui.Command2, *haupt, [&](Bekleidungsliste& f) {
            klicke(box(f, kArbeit, 1));
            QVERIFY(f.close());
        });
        oeffneUeber<Bekleidungsliste>(haupt->ui.Command2, *haupt, [&](Bekleidungsliste& f) {
            QVERIFY(angekreuzt(f, kArbeit).isEmpty());
            klicke(f.ui.Command3);
        });
    }
};

QTEST_MAIN(TestKatalogfenster)
#include "tst_katalogfenster.moc"
