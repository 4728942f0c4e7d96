// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation window, what it saves and prints (the code tempara-cli shares), and the year's picture.
#include "auswertung_fenster.h"
#include "bildflaeche.h"
#include "jahresbild.h"
#include "jahrestabelle.h"
#include "stapeltest.h"

#include "fenstertest.h"
#include "skriptdienste.h"

#include <QCheckBox>
#include <QLabel>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace batch;
using namespace evaluation;
using namespace Qt::StringLiterals;
using namespace gui;

namespace {

// January around neutral with one cold, one clipped (day 2) and one failed hour; December warm.
Jahresauswertung beispiel(bool stundenspalte = true)
{
    Jahreszaehler z(stundenspalte);
    for (int h = 1; h <= 48; ++h)
        z.zaehle(true, h == 1 ? -2.5f : h == 25 ? 3.0f : 0.1f * float(h % 8), float(h));
    z.zaehle(false, 0.0f, 49.0f);
    for (int h = 8017; h <= 8040; ++h)
        z.zaehle(true, 1.5f, float(h));
    Jahresauswertung j;
    j.ergebnisdatei = u"/daten/buero.TPR"_s;
    j.sicherung = u"/daten/buero.BAK"_s;
    j.gekuerzt = {{1, u"5000"_s, u"3760"_s}};
    j.zaehlung = std::move(z).abschliessen(73);
    return j;
}

}  // namespace

class TestAuswertungFenster : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_ordner;
    SkriptDienste m_dienste;
    const Jahresauswertung j = beispiel();

private Q_SLOTS:
    void init() { m_ordner = std::make_unique<QTemporaryDir>(); }
    void cleanup() { aufraeumen(m_dienste); }

    void zeigtZahlenUndAnteile()
    {
        Auswertungsfenster fenster(m_dienste, j);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QString text = findeKind<QLabel>(&fenster, u"zusammenfassung"_s)->text();
        for (const QString& teil : {u"Ausgewertete Datenzeilen: 73"_s, u"Datenzeilen mit Rechenfehler: 1"_s,
                                    u"Bereich B gekürzt auf 3760 von 5000"_s, u"buero.BAK"_s})
            QVERIFY2(text.contains(teil), qPrintable(text));
        QVERIFY(findeKind<QLabel>(&fenster, u"kategorienHinweis"_s)->text().contains(u"nach PMV"));
        // The picture on its page is laid out at its own size, so its texts keep their pixels; in a
        // small window it is laid out at the least size and scaled down.
        auto* seiten = findeKind<QTabWidget>(&fenster, u"seiten"_s);
        QTest::mouseClick(seiten->tabBar(), Qt::LeftButton, {}, seiten->tabBar()->tabRect(1).center());
        auto* bild = findeKind<Bildflaeche>(&fenster, u"bild"_s);
        QVERIFY(bild->isVisible());
        fenster.resize(1800, 1300);
        QTRY_COMPARE(bild->bildgroesse(), bild->size());
        fenster.resize(700, 500);
        QTRY_VERIFY(bild->bildgroesse().width() >= kBildMindestens.width()
                    && bild->bildgroesse().height() >= kBildMindestens.height());

        auto* tabelle = findeKind<QTableWidget>(&fenster, u"tabelle"_s);  // the CSV's table: months, then the sum
        QVERIFY(tabelle->rowCount() == 13 && tabelle->columnCount() == 13);
        QCOMPARE(tabelle->verticalHeaderItem(12)->text() + tabelle->horizontalHeaderItem(6)->text(), u"Summewarm"_s);
        auto* anteile = findeKind<QCheckBox>(&fenster, u"anteile"_s);
        QTest::mouseClick(anteile, Qt::LeftButton, {}, QPoint(8, anteile->height() / 2));  // on its box
        QCOMPARE(tabelle->item(12, 0)->text(), u"73"_s);                                   // lines stay a count
        QCOMPARE(tabelle->item(11, 6)->text(), u"100,0 %"_s);                              // December: all "warm"
        QCOMPARE(tabelle->item(12, 8)->text(), u"1,4 %"_s);                                // clipped: 1 of 73

        // Each button writes what the shared code writes; a folder as target or no printer: a message.
        for (const auto& [name, knopf, soll] : {std::tuple{u"jahr.png"_s, u"bildSpeichern"_s, JahresbildPng(j)},
                                                {u"jahr.SVG"_s, u"bildSpeichern"_s, JahresbildSvg(j)},
                                                {u"jahr.csv"_s, u"tabelleSpeichern"_s, TabelleCsv(j.zaehlung)}}) {
            m_dienste.datei(m_ordner->filePath(name));
            klick(&fenster, knopf);
            QCOMPARE(stapeltest::lies(m_ordner->filePath(name)), soll);
            QCOMPARE(m_dienste.aufrufe.last().dialog.dateiname.section(u'/', -1),
                     name.endsWith(u".csv") ? u"buero_Auswertung.csv"_s : u"buero_Auswertung.png"_s);
            m_dienste.datei(m_ordner->path());
            klick(&fenster, knopf);
            QVERIFY(m_dienste.aufrufe.last().art == u"meldung" && m_dienste.aufrufe.last().symbol == Symbol::Warnung);
            m_dienste.datei(j.sicherung);  // a file of the run: refused with the reason
            klick(&fenster, knopf);
            QVERIFY(m_dienste.aufrufe.last().text.contains(u"ist die Sicherung der früheren Ergebnisdatei"));
        }
        m_dienste.drucker(true);
        m_dienste.drucker(false);
        klick(&fenster, u"drucken"_s);
        klick(&fenster, u"drucken"_s);
        // One page through the print dialog, the picture on it (hour 1's dark blue) below the table.
        QVERIFY(m_dienste.gedruckt.size() == 1 && m_dienste.meldungen().size() == 7);
        QCOMPARE(m_dienste.aufrufe.last().art, u"meldung"_s);
        bool blau = false;
        for (int y = m_dienste.gedruckt[0].height() / 3; y < m_dienste.gedruckt[0].height() && !blau; ++y)
            for (int x = 0; x < m_dienste.gedruckt[0].width(); ++x)
                blau = blau || m_dienste.gedruckt[0].pixelColor(x, y) == QColor(0, 0, 128);
        QVERIFY(blau);
        klick(&fenster, u"schliessen"_s);
        QVERIFY(!fenster.isVisible());
        Auswertungsfenster ohneStunden(m_dienste, beispiel(false));  // no months: the total only
        QCOMPARE(findeKind<QTableWidget>(&ohneStunden, u"tabelle"_s)->rowCount(), 1);
    }

    void bildDeterministischUndFarbrichtig()
    {
        const QImage bild = QImage::fromData(JahresbildPng(j), "png").convertToFormat(QImage::Format_RGB32);
        QVERIFY(JahresbildSvg(j) == JahresbildSvg(j) && QSvgRenderer(JahresbildSvg(j)).isValid()
                && bild.width() >= 1600);
        QCOMPARE(bild, JahresbildRaster(j));  // the PNG loses nothing of what is painted
        auto farbe = [&](int tag, int stunde) { return bild.pixelColor(TeppichZelle(tag, stunde).center()); };
        // Hour 1 (-2.5) dark blue, 25 (clipped) black, 8040 (1.5) red, 49 failed, and an empty cell.
        QCOMPARE(
            (QList<QColor>{farbe(1, 1), farbe(2, 1), farbe(335, 24), farbe(3, 1), farbe(200, 12)}),
            (QList<QColor>{QColor(0, 0, 128), Qt::black, Qt::red, Zellfarbe(kZelleFehler), Zellfarbe(kZelleLeer)}));
        QVERIFY(TeppichZelle(1, 24).top() < TeppichZelle(1, 1).top());  // hours run upwards
    }
};

QTEST_MAIN(TestAuswertungFenster)
#include "tst_evaluation_auswertung_fenster.moc"
