// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a user drives it: scroll steps, the switch, menus and clicks.
#include "fenstertest.h"
#include "gespeichert.h"
#include "hpt_fenster.h"
#include "programm.h"
#include "pruefen.h"
#include "skriptdienste.h"

#include <QAction>
#include <QCheckBox>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <tuple>

using namespace Qt::StringLiterals;
using namespace model;
using namespace gui;
using namespace app;

class TestHauptfenster : public Fenstertest<hpt> {
    Q_OBJECT

    QString texte(const QStringList& namen) { return texteVon(fenster.get(), namen); }
    QScrollBar* schieber(const QString& name) { return finde<QScrollBar>(name); }
    QCheckBox* schalter() { return finde<QCheckBox>(u"TU_Check"_s); }
    // Where the marker's middle pixel stands on its gauge, in gauge columns.
    double markenspalte(const QString& marke, const QString& skala)
    {
        return finde(marke)->x() + (finde(marke)->width() - 1) / 2.0 - finde(skala)->x();
    }

private Q_SLOTS:
    void init()
    {
        gespeichert()->clear();
        programm::Raumklima = Raumklima{};
        fenster = std::make_unique<hpt>(dienste);
    }
    void cleanup() { schliessen(); }

    void vertrag()
    {
        pruefeVertrag(*fenster, {{"Frame_Temperatur", "QFrame", 60, 60, 5220, 1800},
                                 {"TLI_Scroll", "QScrollBar", 120, 420, 3540, 255},
                                 {"TU_Check", "QCheckBox", 2640, 900, 2460, 285},
                                 {"Command1", "QPushButton", 120, 1980, 4980, 360},
                                 {"ende", "QPushButton", 8625, 7530, 1935, 420}});
        const QList<std::pair<QString, QColor>> farben{
            {u"Frame_Luft"_s, QColor(192, 192, 192)},   {u"pmv_frame"_s, QColor(255, 255, 187)},
            {u"pmv_gauge1"_s, QColor(64, 64, 64)},      {u"eingabe_txt1"_s, QColor(255, 160, 160)},
            {u"eingabe_txt3"_s, QColor(192, 255, 192)}, {u"PMV_numerisch"_s, QColor(Qt::white)}};
        for (const auto& [name, farbe] : farben) {
            QVERIFY(finde(name)->autoFillBackground());
            QCOMPARE(finde(name)->palette().color(QPalette::Window), farbe);
        }
    }

    // Extras → Rechenverfahren switches the program and the PMV panel names it; the next start
    // keeps it. The line under the panels names what leaves ISO 7730's range, in either method.
    void rechenverfahrenUndAnwendungsbereich()
    {
        QCOMPARE(texte({u"Label_Verfahren"_s, u"PMV_numerisch"_s, u"Anwendungsbereich"_s}),
                 u"Rechenverfahren: klassisch (wie TEMPARA 1.3)|-0,26|"_s);
        finde<QAction>(u"menu_verfahren_iso"_s)->trigger();
        QVERIFY(!finde<QAction>(u"menu_verfahren_klassisch"_s)->isChecked());
        schliessen();
        fenster = std::make_unique<hpt>(dienste);
        QVERIFY(finde<QAction>(u"menu_verfahren_iso"_s)->isChecked());
        QCOMPARE(texte({u"Label_Verfahren"_s, u"PMV_numerisch"_s, u"PPD_numerisch"_s}),
                 u"Rechenverfahren: ISO 7730:2005 (Anhang D)|-0,26|6,4 %"_s);
        schieber(u"Kleidung_Scroll"_s)->setValue(10);  // 0.5 clo keeps PMV at 30.4 °C inside
        schieber(u"TLI_Scroll"_s)->setValue(152);
        QCOMPARE(text(u"Anwendungsbereich"_s),
                 u"Ta außerhalb 10–30 °C: außerhalb des Anwendungsbereichs von ISO 7730"_s);
        finde<QAction>(u"menu_verfahren_klassisch"_s)->trigger();
        QCOMPARE(programm::Verfahren, Rechenverfahren::Klassisch);
        QVERIFY(text(u"Anwendungsbereich"_s).startsWith(u"Ta außerhalb"_s));
    }

    void startzustandUndNeu()
    {
        const auto vorgaben = [this] {
            QCOMPARE(texte({u"eingabe_txt1"_s, u"eingabe_txt2"_s, u"eingabe_txt3"_s, u"eingabe_txt4"_s,
                            u"eingabe_txt5"_s, u"eingabe_txt6"_s, u"eingabe_txt7"_s, u"eingabe_txt8"_s,
                            u"Kleidung_Liste"_s, u"PMV_numerisch"_s, u"PPD_numerisch"_s}),
                     u"20,0 °C|20,0 °C|0,00 m/s|60 %|1,00 clo|70 W/m²|0 %|0,00 m/s|Slip, Hemd, Hose, Jacke, Socken, "
                     u"Schuhe|-0,26|6,7 %"_s);
            QCOMPARE(programm::Raumklima, (Raumklima{20, 20, 0, 60, 70, 0, 0, 1}));
        };
        QCOMPARE(fenster->windowTitle(), u"TEMPARA 1.3"_s);
        vorgaben();
        QVERIFY(schalter()->isChecked() && !schieber(u"TU_Scroll"_s)->isEnabled());
        schieber(u"Kleidung_Scroll"_s)->setValue(30);
        QCOMPARE(text(u"Kleidung_Liste"_s), QString());
        for (const QString& n : {u"TLI_Scroll"_s, u"V_Scroll"_s, u"PHI_Scroll"_s, u"Energieumsatz_Scroll"_s,
                                 u"mech_Leistung_Scroll"_s, u"rel_Geschwindigkeit_Scroll"_s})
            schieber(n)->setValue(40);
        schalter()->click();
        schieber(u"TU_Scroll"_s)->setValue(40);
        finde<QAction>(u"menu_datei_neu"_s)->trigger();
        vorgaben();
        QVERIFY(!schalter()->isChecked());
    }

    // Each bar writes its value text and recomputes once; the ends of the scales and the odd steps.
    void schieberSchreibenFeldUndText()
    {
        for (const auto& [name, position, label, erwartet] :
             {std::tuple{u"TLI_Scroll"_s, -100, u"eingabe_txt1"_s, u"-20,0 °C"_s},
              {u"V_Scroll"_s, 200, u"eingabe_txt3"_s, u"10,00 m/s"_s},
              {u"PHI_Scroll"_s, 35, u"eingabe_txt4"_s, u"35 %"_s},
              {u"Kleidung_Scroll"_s, 80, u"eingabe_txt5"_s, u"4,00 clo"_s},
              {u"Energieumsatz_Scroll"_s, 8, u"eingabe_txt6"_s, u"40 W/m²"_s},
              {u"mech_Leistung_Scroll"_s, 100, u"eingabe_txt7"_s, u"100 %"_s},
              {u"rel_Geschwindigkeit_Scroll"_s, 7, u"eingabe_txt8"_s, u"0,35 m/s"_s}}) {
            QSignalSpy neu(fenster.get(), &hpt::neuberechnet);
            schieber(name)->setValue(position);
            QVERIFY2(text(label) == erwartet && neu.count() == 1, qPrintable(name));
            programm::PmvEingabeAufbereiten();
            QVERIFY(programm::PmvBerechnen());
            QCOMPARE(text(u"PMV_numerisch"_s), QLocale().toString(programm::PmvErgebnis.PMV, 'f', 2));
        }
    }

    void schalterTsEingeben()
    {
        schieber(u"TLI_Scroll"_s)->setValue(125);
        QCOMPARE(texte({u"eingabe_txt1"_s, u"eingabe_txt2"_s}), u"25,0 °C|25,0 °C"_s);
        QCOMPARE(programm::PmvEingabe.tr, 25.0f);
        schalter()->click();
        QCOMPARE(schalter()->text(), u" Ts eingeben:"_s);
        QVERIFY(schieber(u"TU_Scroll"_s)->isEnabled());
        QCOMPARE(text(u"eingabe_txt2"_s), u"20,0 °C"_s);
        QCOMPARE(programm::PmvEingabe.tr, 20.0f);
        schieber(u"TU_Scroll"_s)->setValue(150);
        schalter()->click();
        QCOMPARE(schalter()->text(), u" Ts = Ti"_s);
        QCOMPARE(text(u"eingabe_txt2"_s), u"25,0 °C"_s);
        QCOMPARE(programm::Raumklima.Ts, 30.0f);
        Raumklima klima = fenster->raumklima();
        klima.M = 100;
        klima.Icl = 0.5f;
        QSignalSpy neu(fenster.get(), &hpt::neuberechnet);
        fenster->uebernehmen(klima);
        QCOMPARE(neu.count(), 1);
        QCOMPARE((QList<int>{schieber(u"TU_Scroll"_s)->value(), schieber(u"Energieumsatz_Scroll"_s)->value(),
                             schieber(u"Kleidung_Scroll"_s)->value()}),
                 (QList<int>{150, 20, 10}));
    }

    void skalenMarkenUndFehler()
    {
        for (int i = 0; i <= 10; ++i)  // the texts centred under the ticks
            TEMPARA_NAHE(markenspalte(u"Label_ppd(%1)"_s.arg(i), u"ppd_gauge0"_s), 30 * i, 1);
        const auto pruefe = [this] {
            TEMPARA_NAHE(markenspalte(u"pmv_gauge1"_s, u"pmv_gauge0"_s), 150 + 50 * programm::PmvErgebnis.PMV, 1);
            TEMPARA_NAHE(markenspalte(u"PPD_gauge1"_s, u"ppd_gauge0"_s), 3 * programm::PmvErgebnis.PPD, 1);
        };
        pruefe();
        schieber(u"Kleidung_Scroll"_s)->setValue(0);
        pruefe();
        schieber(u"TLI_Scroll"_s)->setValue(250);
        schieber(u"Kleidung_Scroll"_s)->setValue(80);
        schieber(u"Energieumsatz_Scroll"_s)->setValue(80);
        QCOMPARE(programm::PmvErgebnis.PMV, 3.0f);
        pruefe();
        programm::Raumklima.Ti = -234.175f;
        fenster->Neuberechnung();
        QCOMPARE(texte({u"PMV_numerisch"_s, u"PPD_numerisch"_s}), u"Fehler|Fehler"_s);
        QVERIFY(finde(u"pmv_gauge1"_s)->isHidden());
        schieber(u"TLI_Scroll"_s)->setValue(101);
        QVERIFY(!finde(u"pmv_gauge1"_s)->isHidden());
    }

    void rahmenklickErklaert()
    {
        for (const auto& [rahmen, wert, langtext] :
             {std::tuple{u"pmv_frame"_s, u"PMV"_s, u"Voraussichtliche mittlere Beurteilung"_s},
              std::tuple{u"ppd_frame"_s, u"PPD"_s, u"Vorhergesagter Prozentsatz der unzufriedenen Personen"_s}}) {
            // the right button, and a left press released outside the frame, say nothing
            QWidget* f = finde(rahmen);
            QTest::mouseClick(f, Qt::RightButton, {}, QPoint(5, 5));
            QTest::mousePress(f, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(f->width() + 20, 5));
            QVERIFY(dienste.meldungen().isEmpty());
            QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(dienste.meldungen(), QStringList{langtext + u"\r\n\r\nEine ausführliche Erklärung des "_s + wert
                                                      + u"-Wertes\r\nfinden Sie in der Hilfe."_s});
            QVERIFY(dienste.aufrufe.constFirst().titel == u"Tempara"_s
                    && dienste.aufrufe.constFirst().symbol == Symbol::Keins);
            dienste.zuruecksetzen();
        }
    }

    void dateiOeffnenFragtNachDatei()
    {
        for (const char* name : {"oeffnen", "zeichne", "Command1", "Command2", "Command3"})
            QVERIFY2(!finde(QLatin1String(name))->isEnabled(), name);
        QStringList geoeffnet;
        hpt::Fensteroeffner oeffner;
        oeffner.datei = [&](Hauptfenster&, const QString& pfad) { geoeffnet << pfad; };
        fenster->setzeFensteroeffner(oeffner);
        dienste.abbrechen();
        finde<QAction>(u"menu_datei_open"_s)->trigger();
        QVERIFY(geoeffnet.isEmpty());
        const Dateidialog d = dienste.aufrufe.constLast().dialog;
        QCOMPARE(d.titel + u' ' + d.filter + u' ' + QString::number(d.filterIndex),
                 u"Öffnen Datendateien (*.txt *.dat *.csv *.tpr)|*.txt;*.dat;*.csv;*.tpr|Textdateien (*.txt)|*.txt|"
                 u"Tempara-Ergebnisse (*.tpr)|*.tpr|Alle Dateien (*.*)|*.* 1"_s);
        dienste.datei(u"/tmp/klima.txt"_s);
        QTest::mouseClick(finde<QPushButton>(u"oeffnen"_s), Qt::LeftButton);
        QCOMPARE(geoeffnet, QStringList{u"/tmp/klima.txt"_s});
    }

    // The diagram takes a while to open: the hourglass shows until it is up (the catalogues' buttons are
    // driven in their own tests, the menu entry in the diagram's).
    void darstellungMitSanduhr()
    {
        QString gezeigt;
        hpt::Fensteroeffner oeffner;
        oeffner.grafik = [&](Hauptfenster& h) { gezeigt = QString::number(h.fenster().cursor().shape()); };
        fenster->setzeFensteroeffner(oeffner);
        QTest::mouseClick(finde<QPushButton>(u"zeichne"_s), Qt::LeftButton);
        QVERIFY(gezeigt == QString::number(Qt::WaitCursor) && fenster->cursor().shape() == Qt::ArrowCursor);
    }

    void hilfeAusDemMenue()
    {
        finde<QAction>(u"Menu_hilfe_index"_s)->trigger();
        QCOMPARE(dienste.aufrufe.size(), 1);
        const SkriptDienste::Aufruf& a = dienste.aufrufe.constFirst();
        QCOMPARE(a.art + u' ' + a.titel + u' ' + a.text, u"hilfe tempara.hlp 257 Einfuehrung"_s);
    }

    void infoZeigtStartfenster()
    {
        fenster->show();
        finde<QAction>(u"menu_hilfe_info"_s)->trigger();
        finde<QAction>(u"menu_hilfe_info"_s)->trigger();
        QCOMPARE(fenster->findChildren<QWidget*>(u"Start"_s).size(), 1);
        QWidget* about = fenster->findChild<QWidget*>(u"Start"_s);
        QVERIFY(about->isVisible() && !about->isModal());
        QTest::mouseClick(about->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
        QTRY_VERIFY(!fenster->findChild<QWidget*>(u"Start"_s));
        QVERIFY(fenster->isVisible());
        finde<QAction>(u"menu_hilfe_info"_s)->trigger();
        about = fenster->findChild<QWidget*>(u"Start"_s);
        fenster->close();
        QVERIFY(!fenster->isVisible() && !about->isVisible());
    }
};

QTEST_MAIN(TestHauptfenster)
#include "tst_app_hauptfenster.moc"
