// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Behaglichkeit nach ISO 7730" as a user sees it: its controls, the coupling to the
// main window's records, switching criteria, marks outside the ranges, and the report.
#include "bewertung_fenster.h"
#include "fenstertest.h"
#include "findekind.h"
#include "hilfe_fenster.h"
#include "hpt_fenster.h"
#include "programm.h"
#include "pruefen.h"
#include "skriptdienste.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace assessment;
using namespace model;
using namespace gui;
using namespace app;

class TestBewertungsfenster : public QObject {
    Q_OBJECT

    SkriptDienste dienste;
    std::unique_ptr<Bewertung> fenster;

    template <typename T = QWidget>
    T* finde(const QString& name)
    {
        return findeKind<T>(fenster.get(), name);
    }
    QString text(const QString& name) { return finde<QLabel>(name)->text(); }
    void tippe(const QString& name, const QString& text)
    {
        QLineEdit* feld = finde<QLineEdit>(name);
        feld->selectAll();
        QTest::keyClicks(feld, text);
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init()
    {
        programm::Raumklima = standardRaumklima();
        programm::TsGleichTi = true;
        fenster = std::make_unique<Bewertung>(dienste);
        fenster->show();
    }

    void cleanup()
    {
        fenster.reset();
        QVERIFY2(dienste.offeneFehler().isEmpty(), qPrintable(dienste.offeneFehler().join(u'\n')));
        dienste.zuruecksetzen();
        keineFensterUebrig();
    }

    void vertrag()
    {
        const auto klasse = [this](const QString& name, const char* soll) {
            QVERIFY2(qstrcmp(finde(name)->metaObject()->className(), soll) == 0, qPrintable(name));
        };
        for (const char* n : {"Gesamt_Kategorie", "Gesamt_entscheidend", "Gesamt_Hinweis"})
            klasse(QString::fromLatin1(n), "QLabel");
        for (const char* n : {"DR_Tu", "DR_t_lokal", "DR_v_lokal"})
            klasse(QString::fromLatin1(n), "QLineEdit");
        for (const char* n : {"Bericht_speichern", "Bericht_drucken", "Bewertung_Hilfe", "Bewertung_Schliessen"})
            klasse(QString::fromLatin1(n), "QPushButton");
        for (const QString& k : {u"PMV"_s, u"PPD"_s, u"DR"_s, u"Vertikal"_s, u"Boden"_s, u"Decke_warm"_s,
                                 u"Wand_kalt"_s, u"Decke_kalt"_s, u"Wand_warm"_s}) {
            for (const QString& teil : {u"_Wert"_s, u"_Kategorie"_s, u"_Hinweis"_s})
                klasse(k + teil, "QLabel");
            klasse(k + u"_Balken"_s, "assessment::Kategoriebalken");
            if (k != u"PMV"_s && k != u"PPD"_s)
                klasse(k + u"_bewertet"_s, "QCheckBox");
            if (k != u"PMV"_s && k != u"PPD"_s && k != u"DR"_s)
                klasse(k + u"_Eingabe"_s, "QLineEdit");
        }
    }

    void startzustand()
    {
        QCOMPARE(fenster->windowTitle(), u"Behaglichkeit nach ISO 7730"_s);
        QCOMPARE(finde<QLineEdit>(u"DR_Tu"_s)->text() + u' ' + finde<QLineEdit>(u"DR_v_lokal"_s)->text(), u"40 0,00"_s);
        QVERIFY(finde<QCheckBox>(u"DR_bewertet"_s)->isChecked());
        QVERIFY(!finde<QCheckBox>(u"Boden_bewertet"_s)->isChecked());
        QVERIFY(!finde<QLineEdit>(u"Boden_Eingabe"_s)->isEnabled());
        QCOMPARE((QStringList{text(u"PMV_Wert"_s), text(u"PPD_Wert"_s), text(u"DR_Wert"_s), text(u"Boden_Wert"_s),
                              text(u"Gesamt_Kategorie"_s)}),
                 (QStringList{u"-0,265"_s, u"6,68 %"_s, u"0,00 %"_s, u"nicht bewertet"_s, u"Kategorie B"_s}));
    }

    // The main window changes its records and emits neuberechnet(); the window follows, and
    // a local value typed by the user stays until the field is emptied.
    void folgtDemHauptfenster()
    {
        const Raumklima vorher{22, 22, 0.2f, 50, 70, 0, 0, 1};
        programm::Raumklima = vorher;
        fenster->aktualisieren();
        QCOMPARE(finde<QLineEdit>(u"DR_t_lokal"_s)->text(), u"22,0"_s);
        QCOMPARE(text(u"DR_Wert"_s), u"22,58 %"_s);
        QCOMPARE(text(u"Gesamt_Kategorie"_s), u"Kategorie C"_s);
        QCOMPARE(text(u"Gesamt_entscheidend"_s), u"entscheidend: Zugluftrisiko DR"_s);
        QCOMPARE(programm::Raumklima, vorher);  // read only

        tippe(u"DR_t_lokal"_s, u"26"_s);  // at 26 °C: DR 15,05 %
        QCOMPARE(text(u"DR_Wert"_s), u"15,05 %"_s);
        programm::Raumklima.Ti = 25.0f;
        fenster->aktualisieren();
        QCOMPARE(finde<QLineEdit>(u"DR_t_lokal"_s)->text(), u"26"_s);
        QLineEdit* feld = finde<QLineEdit>(u"DR_t_lokal"_s);
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Delete);
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(feld->text(), u"25,0"_s);
    }

    void kriterienSchalten()
    {
        QTest::mouseClick(finde<QCheckBox>(u"DR_bewertet"_s), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(text(u"DR_Wert"_s), u"nicht bewertet"_s);
        QCheckBox* boden = finde<QCheckBox>(u"Boden_bewertet"_s);
        QTest::mouseClick(boden, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(boden->isChecked());
        tippe(u"Boden_Eingabe"_s, u"35"_s);
        QCOMPARE(text(u"Boden_Wert"_s), u"31,71 %"_s);
        QCOMPARE(text(u"Gesamt_Kategorie"_s), u"schlechter als C"_s);
        QCOMPARE(text(u"Gesamt_entscheidend"_s), u"entscheidend: Fußbodentemperatur"_s);
        QTest::mouseClick(boden, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(text(u"Boden_Wert"_s), u"nicht bewertet"_s);
        QCOMPARE(text(u"Gesamt_Kategorie"_s), u"Kategorie B"_s);
    }

    void ausserhalbUndKeineZahl()
    {
        QTest::mouseClick(finde<QCheckBox>(u"Vertikal_bewertet"_s), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(finde<QLabel>(u"Vertikal_Hinweis"_s)->isHidden());
        tippe(u"Vertikal_Eingabe"_s, u"9"_s);
        QVERIFY(text(u"Vertikal_Hinweis"_s).contains(u"unter 8 K"_s) && !finde(u"Vertikal_Hinweis"_s)->isHidden());
        QVERIFY(text(u"Gesamt_Hinweis"_s).contains(u"PD vertikal"_s));
        tippe(u"Vertikal_Eingabe"_s, u"neun"_s);
        QCOMPARE(text(u"Vertikal_Wert"_s), u"keine Zahl"_s);
        QVERIFY(text(u"Gesamt_Hinweis"_s).contains(u"keine Zahl"_s));

        programm::Raumklima.Ti = 32.0f;  // above PMV's 30 °C and DR's 26 °C; at 60 % pa is 2857 Pa
        fenster->aktualisieren();
        QCOMPARE(text(u"PMV_Hinweis"_s),
                 u"Außerhalb des Gültigkeitsbereichs von ISO 7730: PMV = 2,475 (gültig −2 bis 2); "
                 "ta = 32,0 °C (gültig 10–30 °C); pa = 2857 Pa (gültig 0–2700 Pa)."_s);
        QVERIFY(text(u"DR_Hinweis"_s).contains(u"20–26 °C"_s));
        programm::Raumklima.Ti = -234.175f;  // the model fails
        fenster->aktualisieren();
        QCOMPARE(text(u"PMV_Wert"_s), u"Fehler"_s);
        QCOMPARE(text(u"Gesamt_Kategorie"_s), u"nicht bestimmbar"_s);
    }

    void berichtUndHilfe()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"bericht.pdf"_s);
        dienste.datei(pfad);
        QTest::mouseClick(finde<QPushButton>(u"Bericht_speichern"_s), Qt::LeftButton);
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly) && datei.readAll().startsWith("%PDF"));
        QCOMPARE(dienste.aufrufe.constLast().dialog.vorgabeEndung, u"pdf"_s);

        dienste.datei(ordner.filePath(u"fehlt/bericht.pdf"_s));  // a folder that does not exist
        QTest::mouseClick(finde<QPushButton>(u"Bericht_speichern"_s), Qt::LeftButton);
        QCOMPARE(dienste.meldungen().size(), 1);
        QVERIFY(dienste.meldungen().constFirst().contains(u"nicht gespeichert"_s));

        dienste.drucker(true);
        dienste.drucker(true);
        QTest::mouseClick(finde<QPushButton>(u"Bericht_drucken"_s), Qt::LeftButton);
        QCOMPARE(dienste.gedruckt.size(), 1);
        QVERIFY(dienste.gedruckt.constFirst().width() > 1000);

        QTest::mouseClick(finde<QPushButton>(u"Bewertung_Hilfe"_s), Qt::LeftButton);
        const QString stichwort = dienste.aufrufe.constLast().text.section(u' ', 1);
        QVERIFY(!Hilfefenster::seiteFuer(stichwort).isEmpty());
    }

    // Opened from the main window's Extras menu: one window for the run, following every
    // recomputation of the main window while it is open, and again after it was closed.
    void folgtDemHauptfensterUeberDasMenue()
    {
        hpt haupt(dienste);
        hpt::Fensteroeffner oeffner;
        oeffner.bewertung = [](Hauptfenster& h) { zeigeBewertung(h); };
        haupt.setzeFensteroeffner(std::move(oeffner));
        haupt.show();
        auto* menue = haupt.findChild<QAction*>(u"menu_extras_bewertung"_s);
        QVERIFY(menue && menue->isEnabled());
        menue->trigger();
        auto* erstes = haupt.findChild<Bewertung*>();
        QVERIFY(erstes && erstes->isVisible());

        auto* ti = haupt.findChild<QScrollBar*>(u"TLI_Scroll"_s);
        QTest::keyClick(ti, Qt::Key_Right);
        QCOMPARE(erstes->findChild<QLineEdit*>(u"DR_t_lokal"_s)->text(), u"20,2"_s);
        QCOMPARE(erstes->findChild<QLabel*>(u"PMV_Wert"_s)->text().left(5),
                 haupt.findChild<QLabel*>(u"PMV_numerisch"_s)->text().left(5));

        erstes->close();
        QTest::keyClick(ti, Qt::Key_Right);
        menue->trigger();
        QCOMPARE(haupt.findChildren<Bewertung*>().size(), 1);
        QVERIFY(erstes->isVisible());
        QCOMPARE(erstes->findChild<QLineEdit*>(u"DR_t_lokal"_s)->text(), u"20,4"_s);
    }
};

QTEST_MAIN(TestBewertungsfenster)
#include "tst_assessment_fenster.moc"
