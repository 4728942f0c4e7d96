// The garment estimator as the user drives it: dressing either figure garment by garment,
// the questions with their answers, the totals at the expedition thresholds, the pointer
// panel, the take-over into the main window, reset, and hiding versus closing.
#include "bekleidung.h"
#include "bekleidungshaelfte.h"
#include "figurbilder.h"
#include "katalogdaten.h"
#include "katalogtest.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

void klickeZeile(QListWidget* liste, int zeile)
{
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier,
                      liste->visualItemRect(liste->item(zeile)).center());
}

QList<int> gewaehlt(const QListWidget* liste)
{
    QList<int> zeilen;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->isSelected())
            zeilen << i;
    return zeilen;
}

QList<int> sichtbareEbenen(const Bekleidungshaelfte& haelfte)
{
    QList<int> ebenen;
    for (std::size_t i = 0; i < haelfte.bilder.size(); ++i)
        if (!haelfte.bilder[i]->isHidden())
            ebenen << int(i);
    return ebenen;
}

void zeigerUeber(QWidget* ziel, QPoint punkt)
{
    QMouseEvent bewegung(QEvent::MouseMove, punkt, ziel->mapToGlobal(punkt), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(ziel, &bewegung);
}

// Garments clicked in this order (with "Ja" to `ja` questions on the way), and what the half
// then shows and hands over to the main window: the total, the expedition remark, the
// scroll position and the clothing text (unchecked where null).
struct Anziehfall {
    bool frau;
    QList<int> zeilen;
    int ja;
    QString summe;
    bool expedition;
    int position;
    QString liste;
};
// A rule's question after two clicks: the answer, and the selection, the visible layers and
// the total that follow.
struct Fragefall {
    bool frau;
    int vorher, klick;
    bool antwort;
    QString frage;
    QList<int> danach, ebenen;
    QString summe;
};

QList<int> alleAusser(int zeilen, int fehlend)
{
    QList<int> liste;
    for (int i = 0; i < zeilen; ++i)
        if (i != fehlend)
            liste << i;
    return liste;
}

}  // namespace

Q_DECLARE_METATYPE(Anziehfall)
Q_DECLARE_METATYPE(Fragefall)

class TestBekleidung : public QObject {
    Q_OBJECT

    std::unique_ptr<SkriptDienste> dienste;
    std::unique_ptr<hpt> haupt;
    std::unique_ptr<Bekleidung> fenster;

    Bekleidungshaelfte& haelfte(bool frau) { return frau ? fenster->frau() : fenster->mann(); }
    // Clicks the rows in order; the questions on the way take the scripted answers.
    void ziehAn(bool frau, const QList<int>& zeilen)
    {
        for (int z : zeilen)
            klickeZeile(haelfte(frau).liste, z);
    }

private Q_SLOTS:
    void init()
    {
        dienste = std::make_unique<SkriptDienste>();
        haupt = std::make_unique<hpt>(*dienste);
        verbindeFenster(*haupt);
        haupt->Neuberechnung();
        fenster = std::make_unique<Bekleidung>(*haupt);
        fenster->show();
    }
    void cleanup()
    {
        QVERIFY2(dienste->offeneFehler().isEmpty(), qPrintable(dienste->offeneFehler().join(u'\n')));
        fenster.reset();
        haupt.reset();
    }

    void ersteOeffnung()
    {
        QCOMPARE(fenster->windowTitle(), u"Abschätzung des Isolationswerts von Bekleidungskombinationen"_s);
        auto* list1 = finde<QListWidget>(fenster.get(), u"List1"_s);
        auto* list2 = finde<QListWidget>(fenster.get(), u"List2"_s);
        QCOMPARE(list1->item(1)->text(), u"ärmelloses Unterhemd"_s);
        QCOMPARE(list2->item(0)->text(), u"Slip und Büstenhalter"_s);
        for (QString name : {u"Mann"_s, u"Frau"_s}) {
            QCOMPARE(finde<QLabel>(fenster.get(), u"Label_clo_"_s + name)->text(), u"0,00"_s);
            QVERIFY(finde<QLabel>(fenster.get(), name + u'_')->isVisible());
            QVERIFY(finde<QLabel>(fenster.get(), u"Kleidungsstueck_%1_Name"_s.arg(name))->isHidden());
            QVERIFY(finde<QLabel>(fenster.get(), u"Kleidungsstueck_%1_Clo"_s.arg(name))->isHidden());
        }
        QVERIFY(gewaehlt(list1).isEmpty() && gewaehlt(list2).isEmpty());
        QVERIFY(sichtbareEbenen(fenster->mann()).isEmpty() && sichtbareEbenen(fenster->frau()).isEmpty());
        // Mirrored halves: the man's list left of his picture, the woman's right of hers.
        QVERIFY(list1->x() < finde<QWidget>(fenster.get(), u"Frame1"_s)->x());
        QVERIFY(list2->x() > finde<QWidget>(fenster.get(), u"Frame3"_s)->x());
        QVERIFY(dienste->aufrufe.isEmpty());
    }

    // Every garment has a picture that loads, in the figure's size, transparent around the
    // garment, and the window shows it as the garment's layer; the base figures are opaque.
    void bilder_data()
    {
        QTest::addColumn<bool>("frau");
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < kKleidungMann; ++i)
            QTest::addRow("Mann %s", qPrintable(KleidungMann()[std::size_t(i)].Name)) << false << i;
        for (int i = 0; i < kKleidungFrau; ++i)
            QTest::addRow("Frau %s", qPrintable(KleidungFrau()[std::size_t(i)].Name)) << true << i;
    }
    void bilder()
    {
        QFETCH(bool, frau);
        QFETCH(int, zeile);
        const int ebene = haelfte(frau).daten().tabelle[std::size_t(zeile)].Ebene;
        const QImage bild = svgBild(ebenenPfad(frau ? Figur::Frau : Figur::Mann, ebene), kFigurGroesse).toImage();
        QCOMPARE(bild.size(), kFigurGroesse);
        int gemalt = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                gemalt += qAlpha(bild.pixel(x, y)) > 0;
        QVERIFY2(gemalt > 40, "das Kleidungsstück fehlt im Bild");
        QVERIFY2(gemalt < bild.width() * bild.height() * 2 / 3, "das Bild ist nicht durchsichtig");
        QVERIFY(!haelfte(frau).bilder[std::size_t(ebene)]->pixmap().isNull());
    }
    void grundbilder()
    {
        for (Figur figur : {Figur::Mann, Figur::Frau}) {
            const QImage bild = svgBild(grundbildPfad(figur), kFigurGroesse).toImage();
            QCOMPARE(bild.size(), kFigurGroesse);
            for (int y = 0; y < bild.height(); y += 3)
                for (int x = 0; x < bild.width(); x += 3)
                    QCOMPARE(qAlpha(bild.pixel(x, y)), 255);
            QVERIFY(!svgBild(symbolPfad(figur), kSymbolGroesse).isNull());
        }
    }

    void anziehen()
    {
        ziehAn(false, {0, 14});
        QCOMPARE(fenster->mann().summe->text(), u"0,28"_s);
        QCOMPARE(sichtbareEbenen(fenster->mann()), (QList<int>{0, 13}));
        klickeZeile(fenster->mann().liste, 0);  // a second click takes it off again
        QCOMPARE(fenster->mann().summe->text(), u"0,25"_s);
        QCOMPARE(sichtbareEbenen(fenster->mann()), QList<int>{13});
        QVERIFY(sichtbareEbenen(fenster->frau()).isEmpty());
    }

    // A rule's question through the window: the list, the figure and the total follow the answer.
    void fragen_data()
    {
        QTest::addColumn<Fragefall>("fall");
        const QString pyjamas = u"Zwei Pyjamas übereinander? Sind Sie sicher?"_s;
        const QString stiefel = u"Möchten Sie wirklich über die Schuhe noch Stiefel anziehen?"_s;
        QTest::newRow("Mann Pyjamas Ja") << Fragefall{false, 2, 3, true, pyjamas, {2, 3}, {8, 9}, u"0,99"_s};
        QTest::newRow("Mann Pyjamas Nein") << Fragefall{false, 2, 3, false, pyjamas, {2}, {8}, u"0,42"_s};
        QTest::newRow("Frau Stiefel Nein") << Fragefall{true, 18, 19, false, stiefel, {18}, {6}, u"0,02"_s};
    }
    void fragen()
    {
        QFETCH(Fragefall, fall);
        Bekleidungshaelfte& h = haelfte(fall.frau);
        klickeZeile(h.liste, fall.vorher);
        QVERIFY(dienste->aufrufe.isEmpty());
        fall.antwort ? dienste->ja() : dienste->nein();
        klickeZeile(h.liste, fall.klick);

        QCOMPARE(dienste->aufrufe.size(), 1);
        QCOMPARE(dienste->aufrufe[0].art, u"frage"_s);
        QCOMPARE(dienste->aufrufe[0].titel, u"Hinweis"_s);
        QVERIFY(dienste->aufrufe[0].symbol == Symbol::Frage);
        QCOMPARE(dienste->aufrufe[0].text, fall.frage);
        QCOMPARE(gewaehlt(h.liste), fall.danach);
        QCOMPARE(sichtbareEbenen(h), fall.ebenen);
        QCOMPARE(h.summe->text(), fall.summe);
    }

    // The expedition remark comes strictly above 5,00 clo for the man and 4,65 for the
    // woman. The total goes over in full, also beyond the scroll bar's 4,00 clo; the other
    // half's selection does not count. Dressing in list order asks four questions.
    void uebernehmen_data()
    {
        QTest::addColumn<Anziehfall>("fall");
        const auto mann = [](int fehlend) { return alleAusser(kKleidungMann, fehlend); };
        const auto frau = [](int fehlend) { return alleAusser(kKleidungFrau, fehlend); };
        QTest::newRow("Mann Slip, T-Shirt, Hose")
            << Anziehfall{false, {14, 0, 7}, 0, u"0,37"_s, false, 7, u"Slip, T-Shirt, normale Hose"_s};
        QTest::newRow("Mann nichts") << Anziehfall{false, {}, 0, u"0,00"_s, false, 0, {}};
        QTest::newRow("Frau Kleid und Schuhe")
            << Anziehfall{true, {18, 14}, 0, u"0,22"_s, false, 4, u"Sommerkleid, kurze Ärmel, Schuhe, dünn besohlt"_s};
        QTest::newRow("Mann alles 5,03") << Anziehfall{false, mann(-1), 4, u"5,03"_s, true, 80, {}};
        QTest::newRow("Mann ohne kurze Socken 5,01") << Anziehfall{false, mann(5), 4, u"5,01"_s, true, 80, {}};
        QTest::newRow("Mann ohne Slip 5,00") << Anziehfall{false, mann(0), 4, u"5,00"_s, false, 80, {}};
        QTest::newRow("Frau alles 4,66") << Anziehfall{true, frau(-1), 4, u"4,66"_s, true, 80, {}};
        QTest::newRow("Frau ohne Socken 4,64") << Anziehfall{true, frau(5), 4, u"4,64"_s, false, 80, {}};
    }
    void uebernehmen()
    {
        QFETCH(Anziehfall, fall);
        const QString expedition = u"Jetzt sind Sie gut gerüstet für eine Nordpolexpedition!"_s;
        for (int i = 0; i < fall.ja; ++i)
            dienste->ja();
        ziehAn(fall.frau, fall.zeilen);
        QCOMPARE(haelfte(fall.frau).summe->text(), fall.summe);
        QCOMPARE(dienste->meldungen().count(expedition), fall.expedition ? 1 : 0);
        if (fall.expedition) {
            const SkriptDienste::Aufruf& letzter = dienste->aufrufe.last();
            QCOMPARE(letzter.text, expedition);
            QCOMPARE(letzter.art, u"meldung"_s);
            QCOMPARE(letzter.titel, u"Hinweis"_s);
            QVERIFY(letzter.symbol == Symbol::Warnung);
        }
        ziehAn(!fall.frau, {0});
        klicke(haelfte(fall.frau).uebernehmen);

        TEMPARA_NAHE(programm::Raumklima.Icl, QLocale(QLocale::German).toFloat(fall.summe), 1e-5);
        QCOMPARE(haupt->ui.Kleidung_Scroll->value(), fall.position);
        QCOMPARE(haupt->ui.eingabe_txt5->text(), fall.summe + u" clo"_s);
        if (!fall.liste.isNull() || fall.zeilen.isEmpty())
            QCOMPARE(haupt->ui.Kleidung_Liste->text(), fall.liste);
        TEMPARA_NAHE(programm::PmvErgebnis.PMV, erwartetesPmv(), 1e-6);
        QVERIFY(fenster->isHidden());
    }

    void resetEinerHaelfte()
    {
        // The second pair of trousers is current: a rule run while the garments come off
        // one by one would ask again.
        dienste->ja();
        ziehAn(false, {0, 13, 14});
        ziehAn(true, {0, 14});
        dienste->zuruecksetzen();
        klicke(fenster->mann().reset);
        QVERIFY(dienste->aufrufe.isEmpty());
        QVERIFY(gewaehlt(fenster->mann().liste).isEmpty());
        QCOMPARE(fenster->mann().summe->text(), u"0,00"_s);
        QVERIFY(sichtbareEbenen(fenster->mann()).isEmpty());
        QCOMPARE(gewaehlt(fenster->frau().liste), (QList<int>{0, 14}));
        QCOMPARE(fenster->frau().summe->text(), u"0,23"_s);
        QCOMPARE(sichtbareEbenen(fenster->frau()), (QList<int>{0, 13}));
    }

    void zeigerpanel()
    {
        Bekleidungshaelfte& mann = fenster->mann();
        Bekleidungshaelfte& frau = fenster->frau();
        const int zeile = mann.liste->sizeHintForRow(0);
        zeigerUeber(mann.liste->viewport(), QPoint(20, zeile / 2));
        QVERIFY(mann.zeigerName->isVisible() && mann.zeigerClo->isVisible());
        QCOMPARE(mann.zeigerName->text(), u"Slip:"_s);
        QCOMPARE(mann.zeigerClo->text(), u"0,03 clo"_s);

        zeigerUeber(frau.liste->viewport(), QPoint(20, zeile * 17 + 1));
        QVERIFY(mann.zeigerName->isHidden() && mann.zeigerClo->isHidden());
        QCOMPARE(frau.zeigerName->text(), u"dicker Pullover:"_s);
        QCOMPARE(frau.zeigerClo->text(), u"0,35 clo"_s);

        zeigerUeber(mann.liste->viewport(), QPoint(20, zeile * kKleidungMann + 2));  // beyond the last row
        QVERIFY(mann.zeigerName->isHidden() && frau.zeigerName->isHidden());

        zeigerUeber(frau.liste->viewport(), QPoint(20, 2));
        QVERIFY(frau.zeigerName->isVisible());
        zeigerUeber(mann.bildrahmen, QPoint(5, 5));
        QVERIFY(frau.zeigerName->isHidden() && frau.zeigerClo->isHidden());
    }

    // Through the main window's button: the hourglass while open, "Abbruch" changes nothing
    // and keeps the selection, closing starts afresh.
    void oeffnenUeberHauptfenster()
    {
        fenster.reset();
        QPushButton* knopf = haupt->ui.Command1;
        oeffneUeber<Bekleidung>(knopf, *haupt, [&](Bekleidung& b) {
            QCOMPARE(knopf->cursor().shape(), Qt::WaitCursor);
            klickeZeile(b.mann().liste, 0);
            klickeZeile(b.mann().liste, 14);
            klicke(b.mann().abbruch);
            QVERIFY(b.isHidden());
        });
        QCOMPARE(programm::Raumklima.Icl, 1.0f);
        QCOMPARE(knopf->cursor().shape(), Qt::ArrowCursor);
        oeffneUeber<Bekleidung>(knopf, *haupt, [&](Bekleidung& b) {
            QCOMPARE(gewaehlt(b.mann().liste), (QList<int>{0, 14}));
            QCOMPARE(b.mann().summe->text(), u"0,28"_s);
            QVERIFY(b.mann().bilder[13]->isVisible());
            QVERIFY(b.close());
        });
        QVERIFY(!haupt->findChild<Bekleidung*>());
        oeffneUeber<Bekleidung>(knopf, *haupt, [&](Bekleidung& b) {
            QVERIFY(gewaehlt(b.mann().liste).isEmpty());
            QCOMPARE(b.mann().summe->text(), u"0,00"_s);
            klicke(b.frau().abbruch);
            QVERIFY(b.isHidden());
        });
    }
};

QTEST_MAIN(TestBekleidung)
#include "tst_bekleidung.moc"
