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

// An activity taken over: its row, and what the main window's record, scroll bars and
// labels then hold (M, its position, W, v_rel, its position and label).
struct Aktivitaetsfall { int zeile, M, mPosition, W; float vRel; int vPosition; QString vText; };
// An ensemble taken over: its table and row, and Icl, the scroll position and the label.
struct Ensemblefall { bool taeglich; int zeile; float clo; int position; QString text; };
Q_DECLARE_METATYPE(Aktivitaetsfall)
Q_DECLARE_METATYPE(Ensemblefall)

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
        return indizes(kAktivitaeten, [&](int i) {
            auto* b = f.findChild<QCheckBox*>(u"%1(%2)"_s.arg(feld).arg(i));
            return b && b->isChecked();
        });
    }
    // What the main window shows for the clothing as it starts.
    void kleidungUnveraendert()
    {
        QCOMPARE(programm::Raumklima.Icl, 1.0f);
        QCOMPARE(haupt->ui.Kleidung_Scroll->value(), 20);
        QCOMPARE(haupt->ui.eingabe_txt5->text(), u"1,00 clo"_s);
        QCOMPARE(haupt->ui.Kleidung_Liste->text(), u"Slip, Hemd, Hose, Jacke, Socken, Schuhe"_s);
    }

    template <typename Fenster>
    void versteckenUndSchliessen(QPushButton* knopf, const QString& feld, int zeile)
    {
        oeffneUeber<Fenster>(knopf, *haupt, [&](Fenster& f) {
            klicke(box(f, feld, zeile));
            klicke(f.ui.Command3);
            QVERIFY(f.isHidden());
        });
        oeffneUeber<Fenster>(knopf, *haupt, [&](Fenster& f) {
            QCOMPARE(angekreuzt(f, feld), QList<int>{zeile});
            QVERIFY(f.ui.Command1->isEnabled());
            QTest::keyClick(&f, Qt::Key_Escape);
            QVERIFY(f.isHidden() && !f.verworfen());
        });
        QCOMPARE(haupt->findChildren<Fenster*>().size(), 1);
        oeffneUeber<Fenster>(knopf, *haupt, [&](Fenster& f) { QVERIFY(f.close()); });
        QVERIFY(!haupt->findChild<Fenster*>());
        oeffneUeber<Fenster>(knopf, *haupt, [&](Fenster& f) {
            QVERIFY(angekreuzt(f, feld).isEmpty());
            QVERIFY(!f.ui.Command1->isEnabled());
            klicke(f.ui.Command3);
        });
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

    void aktivitaetOeffnenUndAnkreuzen()
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
        // One tick at a time; "Wert übernehmen" only with a tick.
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
        QTest::addColumn<Aktivitaetsfall>("fall");
        QTest::newRow("schlafen: 41 bleibt 41") << Aktivitaetsfall{0, 41, 8, 0, 0.0f, 0, u"0,00 m/s"_s};
        QTest::newRow("ruhig sitzen: aufgerundet") << Aktivitaetsfall{2, 58, 12, 0, 0.0f, 0, u"0,00 m/s"_s};
        QTest::newRow("Büro: Position wie vorher") << Aktivitaetsfall{9, 70, 14, 0, 0.0f, 0, u"0,00 m/s"_s};
        QTest::newRow("aufwärts laufen") << Aktivitaetsfall{8, 355, 71, 20, 2.8f, 56, u"2,80 m/s"_s};
        QTest::newRow("Tennis spielen") << Aktivitaetsfall{19, 267, 53, 8, 1.25f, 25, u"1,25 m/s"_s};
    }
    void aktivitaetUebernehmen()
    {
        QFETCH(Aktivitaetsfall, fall);
        const auto [zeile, M, mPosition, W, vRel, vPosition, vText] = fall;
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

    void ensembleOeffnenUndAnkreuzen()
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
        // One tick across both tables.
        klicke(box(fenster, kArbeit, 2));
        klicke(box(fenster, kTaeglich, 5));
        QVERIFY(angekreuzt(fenster, kArbeit).isEmpty());
        QCOMPARE(angekreuzt(fenster, kTaeglich), QList<int>{5});
        klicke(box(fenster, kArbeit, 5));
        QCOMPARE(angekreuzt(fenster, kArbeit), QList<int>{5});
        QVERIFY(angekreuzt(fenster, kTaeglich).isEmpty());
        QVERIFY(fenster.ui.Command1->isEnabled());
        klicke(box(fenster, kArbeit, 5));
        QVERIFY(!fenster.ui.Command1->isEnabled());
    }

    void ensembleUebernehmen_data()
    {
        QTest::addColumn<Ensemblefall>("fall");
        QTest::newRow("Arbeit 0") << Ensemblefall{false, 0, 0.7f, 14, u"0,70 clo"_s};
        QTest::newRow("Arbeit 7, aufgerundet") << Ensemblefall{false, 7, 2.55f, 51, u"2,55 clo"_s};
        QTest::newRow("täglich 0") << Ensemblefall{true, 0, 0.3f, 6, u"0,30 clo"_s};
        QTest::newRow("täglich 1") << Ensemblefall{true, 1, 0.5f, 10, u"0,50 clo"_s};
        // 1,00 clo is where the scroll bar already stands: its handling does not run.
        QTest::newRow("täglich 4, Position wie vorher") << Ensemblefall{true, 4, 1.0f, 20, u"1,00 clo"_s};
    }
    void ensembleUebernehmen()
    {
        QFETCH(Ensemblefall, fall);
        const auto [taeglich, zeile, clo, position, text] = fall;
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
    // which keeps its tick for the next opening; closing it discards it, and the next
    // opening starts afresh.
    void versteckenUndSchliessen()
    {
        versteckenUndSchliessen<Aktivitaet>(haupt->ui.Command3, kAktivitaet, 4);
        versteckenUndSchliessen<Bekleidungsliste>(haupt->ui.Command2, kArbeit, 7);
        QCOMPARE(int(programm::Raumklima.M), 70);
        QCOMPARE(haupt->ui.Energieumsatz_Scroll->value(), 14);
        QCOMPARE(haupt->ui.eingabe_txt6->text(), u"70 W/m²"_s);
        kleidungUnveraendert();
    }
};

QTEST_MAIN(TestKatalogfenster)
#include "tst_katalogfenster.moc"
