// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Behaglichkeit nach ISO 7730" as a user sees it, coupled to the main window.
#include "bewertung_fenster.h"
#include "fenstertest.h"
#include "gespeichert.h"
#include "hilfe_fenster.h"
#include "hpt_fenster.h"
#include "programm.h"
#include "pruefen.h"
#include "skriptdienste.h"
#include "version.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace assessment;
using namespace model;
using namespace gui;
using namespace app;

class TestBewertungsfenster : public Fenstertest<Bewertung> {
    Q_OBJECT

    // The report of what the window shows on the page of the PDF and the printer (190 × 277 mm at
    // 300 dpi), as the texts its page painter drew.
    QStringList berichtstexte(QPicture* seite = nullptr)
    {
        QPicture eigene;
        QPainter maler(seite ? seite : &eigene);
        return zeichneBericht(maler, QRectF(QPointF(0, 0), QSizeF(190, 277) * (300 / 25.4)), fenster->inhalt());
    }

private Q_SLOTS:
    void init()
    {
        gespeichert()->clear();
        programm::Verfahren = Rechenverfahren::Klassisch;
        programm::Raumklima = standardRaumklima();
        programm::TsGleichTi = true;
        fenster = std::make_unique<Bewertung>(dienste);
        fenster->show();
    }

    void cleanup() { schliessen(); }

    void aufbauUndStart()
    {
        for (const QString& k : {u"PMV"_s, u"PPD"_s, u"DR"_s, u"Vertikal"_s, u"Boden"_s, u"Decke_warm"_s,
                                 u"Wand_kalt"_s, u"Decke_kalt"_s, u"Wand_warm"_s}) {
            for (const QString& teil : {u"_Wert"_s, u"_Kategorie"_s, u"_Hinweis"_s})
                finde<QLabel>(k + teil);
            QCOMPARE(finde(k + u"_Balken"_s)->metaObject()->className(), "assessment::Kategoriebalken");
            if (k != u"PMV"_s && k != u"PPD"_s)
                finde<QCheckBox>(k + u"_bewertet"_s);
            if (k != u"PMV"_s && k != u"PPD"_s && k != u"DR"_s)
                finde<QLineEdit>(k + u"_Eingabe"_s);
        }
        finde<QPushButton>(u"Bewertung_Schliessen"_s);
        QCOMPARE(fenster->windowTitle(), u"Behaglichkeit nach ISO 7730"_s);
        QCOMPARE(finde<QLineEdit>(u"DR_Tu"_s)->text() + u' ' + finde<QLineEdit>(u"DR_v_lokal"_s)->text(), u"40 0,00"_s);
        QVERIFY(!finde<QLineEdit>(u"Boden_Eingabe"_s)->isEnabled());
        QCOMPARE((QStringList{text(u"PMV_Wert"_s), text(u"PPD_Wert"_s), text(u"DR_Wert"_s), text(u"Boden_Wert"_s),
                              text(u"Gesamt_Kategorie"_s)}),
                 (QStringList{u"-0,265"_s, u"6,68 %"_s, u"0,00 %"_s, u"nicht bewertet"_s, u"Kategorie B"_s}));
    }

    void kriterienUndAusserhalb()
    {
        QCheckBox* boden = finde<QCheckBox>(u"Boden_bewertet"_s);
        QTest::mouseClick(boden, Qt::LeftButton, {}, QPoint(5, 5));
        tippe(finde<QLineEdit>(u"Boden_Eingabe"_s), u"35"_s);
        QCOMPARE(text(u"Boden_Wert"_s), u"31,71 %"_s);
        QCOMPARE(text(u"Gesamt_entscheidend"_s), u"entscheidend: Fußbodentemperatur"_s);
        QTest::mouseClick(boden, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(text(u"Gesamt_Kategorie"_s), u"Kategorie B"_s);
        QTest::mouseClick(finde<QCheckBox>(u"Vertikal_bewertet"_s), Qt::LeftButton, {}, QPoint(5, 5));
        tippe(finde<QLineEdit>(u"Vertikal_Eingabe"_s), u"9"_s);
        QVERIFY(text(u"Vertikal_Hinweis"_s).contains(u"unter 8 K"_s) && !finde(u"Vertikal_Hinweis"_s)->isHidden());
        tippe(finde<QLineEdit>(u"Vertikal_Eingabe"_s), u"neun"_s);
        QCOMPARE(text(u"Vertikal_Wert"_s), u"keine Zahl"_s);

        programm::Raumklima.Ti = 32.0f;  // above PMV's 30 °C and DR's 26 °C; at 60 % pa is 2857 Pa
        fenster->aktualisieren();
        QCOMPARE(text(u"PMV_Hinweis"_s),
                 u"Außerhalb des Gültigkeitsbereichs von ISO 7730: PMV = 2,475 (gültig −2 bis 2); "
                 "ta = 32,0 °C (gültig 10–30 °C); pa = 2857 Pa (gültig 0–2700 Pa)."_s);
        programm::Raumklima.Ti = -234.175f;  // the model fails
        fenster->aktualisieren();
        QCOMPARE(text(u"PMV_Wert"_s), u"Fehler"_s);
        QCOMPARE(text(u"Gesamt_Kategorie"_s), u"nicht bestimmbar"_s);
    }

    void berichtUndHilfe()
    {
        QTemporaryDir ordner;
        dienste.datei(ordner.filePath(u"bericht.pdf"_s));
        QTest::mouseClick(finde<QPushButton>(u"Bericht_speichern"_s), Qt::LeftButton);
        QFile datei(ordner.filePath(u"bericht.pdf"_s));
        QVERIFY(datei.open(QIODevice::ReadOnly) && datei.readAll().startsWith("%PDF"));

        const QString fifo = ordner.filePath(u"fifo.pdf"_s);  // a FIFO is written into, never replaced
        QProcess leser;
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        leser.start(u"cat"_s, {fifo});
        dienste.datei(fifo);
        QTest::mouseClick(finde<QPushButton>(u"Bericht_speichern"_s), Qt::LeftButton);
        QVERIFY(leser.waitForFinished() && leser.readAll().startsWith("%PDF") && !QFileInfo(fifo).isFile());
        dienste.datei(ordner.filePath(u"fehlt/bericht.pdf"_s));  // a folder that does not exist
        QTest::mouseClick(finde<QPushButton>(u"Bericht_speichern"_s), Qt::LeftButton);
        QVERIFY(dienste.meldungen().size() == 1 && dienste.meldungen().constFirst().contains(u"nicht gespeichert"_s));

        // printed through the print dialog: the PDF's vector page with the PDF's margins
        dienste.drucker(true);
        QTest::mouseClick(finde<QPushButton>(u"Bericht_drucken"_s), Qt::LeftButton);
        QCOMPARE(dienste.aufrufe.constLast().text, u"1 Seiten, 190 x 277 mm"_s);
        QCOMPARE(dienste.gedruckteSeiten.size(), 1);
        QPicture seite;
        berichtstexte(&seite);
        QCOMPARE(dienste.gedruckteSeiten[0].data(), seite.data());

        QTest::mouseClick(finde<QPushButton>(u"Bewertung_Hilfe"_s), Qt::LeftButton);
        QVERIFY(!Hilfefenster::seiteFuer(dienste.aufrufe.constLast().text.section(u' ', 1)).isEmpty());
    }

    // The report says what the window says: no number, worse than C, the method; the project's
    // fields are kept for the next window.
    void berichtWieFenster()
    {
        tippe(finde<QLineEdit>(u"Bericht_Projekt"_s), u"Neubau Nord"_s);
        tippe(finde<QLineEdit>(u"Bericht_Raum"_s), u"2.14"_s);
        tippe(finde<QLineEdit>(u"DR_Tu"_s), u"viel"_s);
        QTest::mouseClick(finde<QCheckBox>(u"Boden_bewertet"_s), Qt::LeftButton, {}, QPoint(5, 5));
        tippe(finde<QLineEdit>(u"Boden_Eingabe"_s), u"40"_s);
        QCOMPARE(texteVon(fenster.get(), {u"DR_Wert"_s, u"Gesamt_Kategorie"_s}), u"keine Zahl|schlechter als C"_s);
        QVERIFY(!finde(u"PPD_Notiz"_s)->isHidden());
        const QString bericht = berichtstexte().join(u'|');
        for (const QString& teil :
             {u"Neubau Nord|Raum|2.14|"_s, u"Tempara "_s + kTemparaVersion, u"|keine Zahl|"_s,
              u"Zugluft bewertet|keine Zahl|"_s, u"Zugluftrisiko DR|keine Zahl|"_s,
              u"Gesamtkategorie: schlechter als C"_s, u"klassisch (wie TEMPARA 1.3)"_s, u"PPD der Norm"_s})
            QVERIFY2(bericht.contains(teil), qPrintable(teil));

        schliessen();
        programm::Verfahren = Rechenverfahren::Iso7730;
        fenster = std::make_unique<Bewertung>(dienste);
        QCOMPARE(finde<QLineEdit>(u"Bericht_Projekt"_s)->text(), u"Neubau Nord"_s);
        QVERIFY(finde(u"PPD_Notiz"_s)->isHidden());
        QCOMPARE(text(u"Rechenverfahren"_s), u"PMV und PPD: ISO 7730:2005 (Anhang D)"_s);
        QVERIFY(berichtstexte().contains(u"PMV und PPD: ISO 7730:2005 (Anhang D)"_s));
    }

    // From the Extras menu: one window per run, following the main window's every recomputation (also after
    // closing) without writing into its records; a typed local value stays until the field is emptied.
    void folgtDemHauptfensterUeberDasMenue()
    {
        hpt haupt(dienste);
        hpt::Fensteroeffner oeffner;
        oeffner.bewertung = [](Hauptfenster& h) { zeigeBewertung(h); };
        haupt.setzeFensteroeffner(std::move(oeffner));
        haupt.show();
        auto* menue = haupt.findChild<QAction*>(u"menu_extras_bewertung"_s);
        menue->trigger();
        auto* erstes = haupt.findChild<Bewertung*>();
        QVERIFY(erstes && erstes->isVisible());

        auto* ti = haupt.findChild<QScrollBar*>(u"TLI_Scroll"_s);
        QTest::keyClick(ti, Qt::Key_Right);
        QLineEdit* tLokal = findeKind<QLineEdit>(erstes, u"DR_t_lokal"_s);
        QCOMPARE(tLokal->text(), u"20,2"_s);
        const Raumklima vorher = programm::Raumklima;
        tippe(tLokal, u"26"_s);
        QCOMPARE(programm::Raumklima, vorher);
        QTest::keyClick(ti, Qt::Key_Right);
        QCOMPARE(tLokal->text(), u"26"_s);
        tLokal->selectAll();
        QTest::keyClick(tLokal, Qt::Key_Delete);
        QTest::keyClick(tLokal, Qt::Key_Return);
        QCOMPARE(tLokal->text(), u"20,4"_s);

        erstes->close();
        QTest::keyClick(ti, Qt::Key_Right);
        menue->trigger();
        QCOMPARE(haupt.findChildren<Bewertung*>().size(), 1);
        QVERIFY(erstes->isVisible());
        QCOMPARE(tLokal->text(), u"20,6"_s);

        // the note beside PPD switches the whole program to the standard's PPD
        QPushButton* aufIso = findeKind<QPushButton>(erstes, u"Auf_ISO_umschalten"_s);
        QTest::mouseClick(aufIso, Qt::LeftButton);
        QVERIFY(haupt.findChild<QAction*>(u"menu_verfahren_iso"_s)->isChecked() && aufIso->isHidden());
        QCOMPARE(textVon(erstes, u"Rechenverfahren"_s), u"PMV und PPD: ISO 7730:2005 (Anhang D)"_s);
    }
};

QTEST_MAIN(TestBewertungsfenster)
#include "tst_assessment_fenster.moc"
