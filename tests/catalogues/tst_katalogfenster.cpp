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

    QCheckBox* aktivitaetsBox(Aktivitaet& f, int i) { return finde<QCheckBox>(&f, u"AW_Energieumsatz(%1)"_s.arg(i)); }
    QCheckBox* ensembleBox(Bekleidungsliste& f, bool taeglich, int i)
    {
        return finde<QCheckBox>(&f, (taeglich ? u"AW_Täglichebekleidung(%1)"_s : u"AW_Arbeitsbekleidung(%1)"_s).arg(i));
    }
    QList<int> angekreuzt(QWidget& f, const QString& praefix)
    {
        QList<int> zeilen;
        for (int i = 0; i < 20; ++i)
            if (auto* box = f.findChild<QCheckBox*>(u"%1(%2)"_s.arg(praefix).arg(i)); box && box->isChecked())
                zeilen << i;
        return zeilen;
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
        QVERIFY(angekreuzt(fenster, u"AW_Energieumsatz"_s).isEmpty());
        QVERIFY(!fenster.ui.Command1->isEnabled());
        // The cells read as tabled, with decimal commas; met is shown only.
        QCOMPARE(finde<QLabel>(&fenster, u"Tätigkeit(7)"_s)->text(), u"aufwärts gehen (4 km/h)"_s);
        QCOMPARE(finde<QLabel>(&fenster, u"W_Energieumsatz(0)"_s)->text(), u"41"_s);
        QCOMPARE(finde<QLabel>(&fenster, u"met_Energieumsatz(0)"_s)->text(), u"0,7"_s);
        QCOMPARE(finde<QLabel>(&fenster, u"met_Energieumsatz(17)"_s)->text(), u"3,5"_s);
        QCOMPARE(finde<QLabel>(&fenster, u"P_mech_Leistung(8)"_s)->text(), u"20"_s);
        QCOMPARE(finde<QLabel>(&fenster, u"m_rel_Geschwindigkeit(4)"_s)->text(), u"1,10"_s);
    }

    void aktivitaetEinHaken()
    {
        Aktivitaet fenster(*haupt);
        fenster.show();
        klicke(aktivitaetsBox(fenster, 3));
        klicke(aktivitaetsBox(fenster, 5));
        QCOMPARE(angekreuzt(fenster, u"AW_Energieumsatz"_s), QList<int>{5});
        QVERIFY(fenster.ui.Command1->isEnabled());
        klicke(aktivitaetsBox(fenster, 5));
        QVERIFY(angekreuzt(fenster, u"AW_Energieumsatz"_s).isEmpty());
        QVERIFY(!fenster.ui.Command1->isEnabled());
    }

    void aktivitaetUebernehmen_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("M");
        QTest::addColumn<int>("mPosition");
        QTest::addColumn<QString>("mText");
        QTest::addColumn<int>("W");
        QTest::addColumn<QString>("wText");
        QTest::addColumn<float>("vRel");
        QTest::addColumn<int>("vPosition");
        QTest::addColumn<QString>("vText");
        QTest::newRow("schlafen: 41 bleibt 41") << 0 << 41 << 8 << u"41 W/m²"_s << 0 << u"0 %"_s << 0.0f << 0 << u"0,00 m/s"_s;
        QTest::newRow("ruhig sitzen: aufgerundet") << 2 << 58 << 12 << u"58 W/m²"_s << 0 << u"0 %"_s << 0.0f << 0 << u"0,00 m/s"_s;
        QTest::newRow("Büro: Position wie vorher") << 9 << 70 << 14 << u"70 W/m²"_s << 0 << u"0 %"_s << 0.0f << 0 << u"0,00 m/s"_s;
        QTest::newRow("aufwärts laufen") << 8 << 355 << 71 << u"355 W/m²"_s << 20 << u"20 %"_s << 2.8f << 56 << u"2,80 m/s"_s;
        QTest::newRow("Tennis spielen") << 19 << 267 << 53 << u"267 W/m²"_s << 8 << u"8 %"_s << 1.25f << 25 << u"1,25 m/s"_s;
    }
    void aktivitaetUebernehmen()
    {
        QFETCH(int, zeile);
        QFETCH(int, M);
        QFETCH(int, mPosition);
        QFETCH(QString, mText);
        QFETCH(int, W);
        QFETCH(QString, wText);
        QFETCH(float, vRel);
        QFETCH(int, vPosition);
        QFETCH(QString, vText);

        Aktivitaet fenster(*haupt);
        fenster.show();
        klicke(aktivitaetsBox(fenster, zeile));
        klicke(fenster.ui.Command1);

        const ::Raumklima& k = programm::Raumklima;
        QCOMPARE(int(k.M), M);
        QCOMPARE(int(k.W), W);
        QCOMPARE(k.v_rel, vRel);
        QCOMPARE(haupt->ui.Energieumsatz_Scroll->value(), mPosition);
        QCOMPARE(haupt->ui.mech_Leistung_Scroll->value(), W);
        QCOMPARE(haupt->ui.rel_Geschwindigkeit_Scroll->value(), vPosition);
        QCOMPARE(haupt->ui.eingabe_txt6->text(), mText);
        QCOMPARE(haupt->ui.eingabe_txt7->text(), wText);
        QCOMPARE(haupt->ui.eingabe_txt8->text(), vText);
        // The untouched inputs stay, and the result is recomputed from the exact values.
        QCOMPARE(k.Icl, 1.0f);
        QCOMPARE(haupt->ui.Kleidung_Liste->text(), u"Slip, Hemd, Hose, Jacke, Socken, Schuhe"_s);
        TEMPARA_NAHE(programm::PmvErgebnis.PMV, erwartetesPmv(), 1e-6);
        QVERIFY(fenster.isHidden());
        QVERIFY(!fenster.verworfen());
    }

    void aktivitaetAbbruch()
    {
        Aktivitaet fenster(*haupt);
        fenster.show();
        klicke(aktivitaetsBox(fenster, 8));
        klicke(fenster.ui.Command3);
        QVERIFY(fenster.isHidden());
        QCOMPARE(int(programm::Raumklima.M), 70);
        QCOMPARE(haupt->ui.Energieumsatz_Scroll->value(), 14);
        QCOMPARE(haupt->ui.eingabe_txt6->text(), u"70 W/m²"_s);
        QCOMPARE(angekreuzt(fenster, u"AW_Energieumsatz"_s), QList<int>{8});
    }

    void ensembleErsteOeffnung()
    {
        Bekleidungsliste fenster(*haupt);
        fenster.show();
        QCOMPARE(fenster.windowTitle(), u"Thermische Isolationswerte für typische Bekleidungskombinationen"_s);
        QVERIFY(angekreuzt(fenster, u"AW_Arbeitsbekleidung"_s).isEmpty());
        QVERIFY(angekreuzt(fenster, u"AW_Täglichebekleidung"_s).isEmpty());
        QVERIFY(!fenster.ui.Command1->isEnabled());
        QCOMPARE(finde<QLabel>(&fenster, u"Clo_Arbeitsbekleidung(7)"_s)->text(), u"2,55"_s);
        QCOMPARE(finde<QLabel>(&fenster, u"W_Täglichebekleidung(2)"_s)->text(), u"0,105"_s);
        QCOMPARE(finde<QLabel>(&fenster, u"W_Täglichebekleidung(3)"_s)->text(), u"0,110"_s);
        // The longest ensemble wraps over several lines, at most five.
        QLabel* lang = finde<QLabel>(&fenster, u"Arbeitsbekleidung(7)"_s);
        const int zeilen = lang->height() / lang->fontMetrics().lineSpacing();
        QVERIFY2(zeilen >= 3 && zeilen <= 5, qPrintable(QString::number(zeilen)));
    }

    void ensembleEinHakenUeberBeideTabellen()
    {
        Bekleidungsliste fenster(*haupt);
        fenster.show();
        klicke(ensembleBox(fenster, false, 2));
        klicke(ensembleBox(fenster, true, 5));
        QVERIFY(angekreuzt(fenster, u"AW_Arbeitsbekleidung"_s).isEmpty());
        QCOMPARE(angekreuzt(fenster, u"AW_Täglichebekleidung"_s), QList<int>{5});
        klicke(ensembleBox(fenster, false, 5));
        QCOMPARE(angekreuzt(fenster, u"AW_Arbeitsbekleidung"_s), QList<int>{5});
        QVERIFY(angekreuzt(fenster, u"AW_Täglichebekleidung"_s).isEmpty());
        klicke(ensembleBox(fenster, false, 5));
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
        QTest::newRow("Arbeit 7") << false << 7 << 2.55f << 51 << u"2,55 clo"_s;
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
        klicke(ensembleBox(fenster, taeglich, zeile));
        klicke(fenster.ui.Command1);

        const Ensemblezeile& ensemble = (taeglich ? Taeglichebekleidung() : Arbeitsbekleidung())[std::size_t(zeile)];
        QCOMPARE(programm::Raumklima.Icl, clo);
        QCOMPARE(haupt->ui.Kleidung_Scroll->value(), position);
        QCOMPARE(haupt->ui.eingabe_txt5->text(), text);
        QCOMPARE(haupt->ui.Kleidung_Liste->text(), ensemble.Text);
        TEMPARA_NAHE(programm::PmvErgebnis.PMV, erwartetesPmv(), 1e-6);
        QVERIFY(fenster.isHidden());

        // A later move of the main window's clothing scroll bar empties the text.
        haupt->ui.Kleidung_Scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY(haupt->ui.Kleidung_Liste->text().isEmpty());
    }

    void ensembleAbbruch()
    {
        Bekleidungsliste fenster(*haupt);
        fenster.show();
        klicke(ensembleBox(fenster, false, 7));
        klicke(fenster.ui.Command3);
        QVERIFY(fenster.isHidden());
        QCOMPARE(programm::Raumklima.Icl, 1.0f);
        QCOMPARE(haupt->ui.Kleidung_Scroll->value(), 20);
        QCOMPARE(haupt->ui.eingabe_txt5->text(), u"1,00 clo"_s);
        QCOMPARE(haupt->ui.Kleidung_Liste->text(), u"Slip, Hemd, Hose, Jacke, Socken, Schuhe"_s);
    }

    // Opened through the main window: hiding keeps the tick, closing discards the window.
    void versteckenBehaeltHaken()
    {
        oeffneUeber<Aktivitaet>(haupt->ui.Command3, *haupt, [&](Aktivitaet& f) {
            klicke(aktivitaetsBox(f, 4));
            klicke(f.ui.Command3);
        });
        oeffneUeber<Aktivitaet>(haupt->ui.Command3, *haupt, [&](Aktivitaet& f) {
            QCOMPARE(angekreuzt(f, u"AW_Energieumsatz"_s), QList<int>{4});
            QVERIFY(f.ui.Command1->isEnabled());
            klicke(f.ui.Command1);
        });
        QCOMPARE(int(programm::Raumklima.M), 165);
        oeffneUeber<Bekleidungsliste>(haupt->ui.Command2, *haupt, [&](Bekleidungsliste& f) {
            klicke(ensembleBox(f, true, 6));
            klicke(f.ui.Command1);
        });
        oeffneUeber<Bekleidungsliste>(haupt->ui.Command2, *haupt, [&](Bekleidungsliste& f) {
            QCOMPARE(angekreuzt(f, u"AW_Täglichebekleidung"_s), QList<int>{6});
            QVERIFY(f.ui.Command1->isEnabled());
            f.reject();  // Esc acts like "Abbruch"
        });
        QCOMPARE(haupt->findChildren<Bekleidungsliste*>().size(), 1);
    }

    void schliessenBeginntNeu()
    {
        oeffneUeber<Aktivitaet>(haupt->ui.Command3, *haupt, [&](Aktivitaet& f) {
            klicke(aktivitaetsBox(f, 4));
            QVERIFY(f.close());
        });
        QVERIFY(!haupt->findChild<Aktivitaet*>());
        QCOMPARE(int(programm::Raumklima.M), 70);
        oeffneUeber<Aktivitaet>(haupt->ui.Command3, *haupt, [&](Aktivitaet& f) {
            QVERIFY(angekreuzt(f, u"AW_Energieumsatz"_s).isEmpty());
            QVERIFY(!f.ui.Command1->isEnabled());
            klicke(f.ui.Command3);
        });
        oeffneUeber<Bekleidungsliste>(haupt->ui.Command2, *haupt, [&](Bekleidungsliste& f) {
            klicke(ensembleBox(f, false, 1));
            QVERIFY(f.close());
        });
        oeffneUeber<Bekleidungsliste>(haupt->ui.Command2, *haupt, [&](Bekleidungsliste& f) {
            QVERIFY(angekreuzt(f, u"AW_Arbeitsbekleidung"_s).isEmpty());
            klicke(f.ui.Command3);
        });
    }
};

QTEST_MAIN(TestKatalogfenster)
#include "tst_katalogfenster.moc"
