// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation window (controls, table, hours or shares) and what it saves and prints: the bytes
// of the table and picture code tempara-cli shares. The picture: deterministic, wide enough for
// reports, each hour in its band's colour at its day and hour.
#include "auswertung_fenster.h"
#include "jahresbild.h"
#include "jahrestabelle.h"
#include "stapeltest.h"

#include "fenstertest.h"
#include "findekind.h"
#include "skriptdienste.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace batch;
using namespace Qt::StringLiterals;
using namespace gui;

namespace {

// A short year: January hours around neutral, one cold and one failed hour, warm in December,
// one clipped hour on day 2.
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

void klick(QWidget* fenster, const QString& name)
{
    QTest::mouseClick(findeKind<QWidget>(fenster, name), Qt::LeftButton);
}

}  // namespace

class TestAuswertungFenster : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_ordner;
    SkriptDienste m_dienste;
    const Jahresauswertung j = beispiel();

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init()
    {
        m_ordner = std::make_unique<QTemporaryDir>();
        m_dienste.zuruecksetzen();
    }
    void cleanup()
    {
        QCOMPARE(m_dienste.offeneFehler(), QStringList());
        keineFensterUebrig();
    }

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
        QVERIFY(findeKind<QWidget>(&fenster, u"bild"_s)->isVisible());

        auto* tabelle = findeKind<QTableWidget>(&fenster, u"tabelle"_s);
        QCOMPARE(tabelle->rowCount(), 13);
        // Rows and columns as in the CSV: the table is the file, its first column the row headers.
        const QList<QByteArray> csv = TabelleCsv(j.zaehlung).split('\n');
        for (int r = 0; r < 13; ++r) {
            const QList<QByteArray> felder = csv[r + 1].trimmed().split(';');
            QCOMPARE(tabelle->verticalHeaderItem(r)->text().toUtf8(), felder[0]);
            for (int s = 0; s < tabelle->columnCount(); ++s)
                QCOMPARE(tabelle->item(r, s)->text().toUtf8(), felder[s + 1]);
        }
        auto* anteile = findeKind<QCheckBox>(&fenster, u"anteile"_s);
        QTest::mouseClick(anteile, Qt::LeftButton, {}, QPoint(8, anteile->height() / 2));  // on its box
        QCOMPARE(tabelle->item(12, 0)->text(), u"73"_s);                                   // lines stay a count
        QCOMPARE(tabelle->item(11, 6)->text(), u"100,0 %"_s);                              // December: all "warm"
        QCOMPARE(tabelle->item(12, 8)->text(), u"1,4 %"_s);                                // clipped: 1 of 73

        klick(&fenster, u"schliessen"_s);
        QVERIFY(!fenster.isVisible());
        const Jahresauswertung ohne = beispiel(false);
        QCOMPARE(findeKind<QTableWidget>(std::make_unique<Auswertungsfenster>(m_dienste, ohne).get(), u"tabelle"_s)
                     ->rowCount(),
                 1);
    }

    // Each save button writes what the shared code writes; a failure is reported.
    void speichernWieDieKommandozeile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("PNG") << u"jahr.png"_s;
        QTest::newRow("SVG") << u"jahr.SVG"_s;
        QTest::newRow("CSV") << u"jahr.csv"_s;
    }
    void speichernWieDieKommandozeile()
    {
        QFETCH(QString, name);
        Auswertungsfenster fenster(m_dienste, j);
        const QString knopf = name.endsWith(u".csv") ? u"tabelleSpeichern"_s : u"bildSpeichern"_s;
        const QString pfad = m_ordner->filePath(name);
        m_dienste.datei(pfad);
        klick(&fenster, knopf);
        const QByteArray soll = name.endsWith(u".csv")   ? TabelleCsv(j.zaehlung)
                                : name.endsWith(u".png") ? JahresbildPng(j)
                                                         : JahresbildSvg(j);
        QCOMPARE(stapeltest::lies(pfad), soll);
        QCOMPARE(m_dienste.aufrufe.last().dialog.dateiname.section(u'/', -1),
                 name.endsWith(u".csv") ? u"buero.csv"_s : u"buero.png"_s);

        m_dienste.datei(m_ordner->path());  // a folder: nothing written, a warning
        klick(&fenster, knopf);
        QVERIFY(m_dienste.aufrufe.last().art == u"meldung" && m_dienste.aufrufe.last().symbol == Symbol::Warnung);
        QCOMPARE(stapeltest::lies(pfad), soll);
    }

    void drucken()
    {
        Auswertungsfenster fenster(m_dienste, j);
        m_dienste.drucker(true);
        m_dienste.drucker(false);
        klick(&fenster, u"drucken"_s);
        klick(&fenster, u"drucken"_s);  // no printer: a message
        QVERIFY(m_dienste.gedruckt == QList<QImage>{JahresbildRaster(j)} && m_dienste.meldungen().size() == 1);
    }

    void bildDeterministischUndFarbrichtig()
    {
        const QByteArray png = JahresbildPng(j);
        QVERIFY(JahresbildPng(j) == png && JahresbildSvg(j) == JahresbildSvg(j));
        QVERIFY(QSvgRenderer(JahresbildSvg(j)).isValid());
        const QImage bild = QImage::fromData(png, "png").convertToFormat(QImage::Format_RGB32);
        QVERIFY(bild.width() >= 1600);
        QCOMPARE(bild, JahresbildRaster(j));  // the PNG loses nothing of what is painted
        // The diagram's colours: "kalt" dark blue, "warm" red, a clipped vote black.
        auto farbe = [&](int tag, int stunde) { return bild.pixelColor(TeppichZelle(tag, stunde).center()); };
        QCOMPARE(farbe(1, 1), QColor(0, 0, 128));        // hour 1: −2.5
        QCOMPARE(farbe(2, 1), QColor(0, 0, 0));          // hour 25: clipped at 3
        QCOMPARE(farbe(335, 24), QColor(255, 0, 0));     // hour 8040: 1.5
        QCOMPARE(farbe(3, 1), Zellfarbe(kZelleFehler));  // hour 49: failed
        QCOMPARE(farbe(200, 12), Zellfarbe(kZelleLeer));
        QVERIFY(TeppichZelle(1, 24).top() < TeppichZelle(1, 1).top());  // hours run upwards
    }
};

QTEST_MAIN(TestAuswertungFenster)
#include "tst_batch_auswertung_fenster.moc"
