// The main window driven as a user drives it: scroll steps, the switch, menus and clicks.
#include "hpt.h"
#include "programm.h"
#include "pruefen.h"
#include "skriptdienste.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestHauptfenster : public QObject {
    Q_OBJECT

    SkriptDienste dienste;
    std::unique_ptr<hpt> fenster;

    template <typename T>
    T* finde(const QString& name)
    {
        const QList<T*> treffer = fenster->findChildren<T*>(name);
        if (treffer.size() != 1)
            qFatal("%s: %lld Treffer", qPrintable(name), qlonglong(treffer.size()));
        return treffer.constFirst();
    }
    QString text(const char* name) { return finde<QLabel>(QLatin1String(name))->text(); }
    QScrollBar* schieber(const char* name) { return finde<QScrollBar>(QLatin1String(name)); }

    // Where the marker's middle pixel stands on its gauge, in gauge columns.
    double markenspalte(const char* marke, const char* skala)
    {
        const QFrame* m = finde<QFrame>(QLatin1String(marke));
        const QLabel* s = finde<QLabel>(QLatin1String(skala));
        return m->x() + (m->width() - 1) / 2.0 - s->x();
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init()
    {
        programm::Raumklima = Raumklima{};
        fenster = std::make_unique<hpt>(dienste);
    }

    void cleanup()
    {
        fenster.reset();
        QVERIFY2(dienste.offeneFehler().isEmpty(), qPrintable(dienste.offeneFehler().join(u'\n')));
        dienste.zuruecksetzen();
    }

    void startzustand()
    {
        QCOMPARE(fenster->windowTitle(), QStringLiteral("TEMPARA 1.3"));
        const QStringList texte = {u"20,0 °C"_s, u"20,0 °C"_s, u"0,00 m/s"_s, u"60 %"_s,
                                   u"1,00 clo"_s, u"70 W/m²"_s, u"0 %"_s, u"0,00 m/s"_s};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(text(qPrintable(QStringLiteral("eingabe_txt%1").arg(i + 1))), texte.at(i));
        const char* namen[] = {"TLI_Scroll", "TU_Scroll", "V_Scroll", "PHI_Scroll", "Energieumsatz_Scroll",
                               "mech_Leistung_Scroll", "rel_Geschwindigkeit_Scroll", "Kleidung_Scroll"};
        const int positionen[] = {100, 100, 0, 60, 14, 0, 0, 20};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(schieber(namen[i])->value(), positionen[i]);
        const Raumklima& k = programm::Raumklima;
        QCOMPARE(k.Ti, 20.0f);
        QCOMPARE(k.Ts, 20.0f);
        QCOMPARE(k.v_Luft, 0.0f);
        QCOMPARE(k.phi, int16_t(60));
        QCOMPARE(k.M, int16_t(70));
        QCOMPARE(k.W, int16_t(0));
        QCOMPARE(k.v_rel, 0.0f);
        QCOMPARE(k.Icl, 1.0f);
        QVERIFY(finde<QCheckBox>(u"TU_Check"_s)->isChecked());
        QCOMPARE(finde<QCheckBox>(u"TU_Check"_s)->text(), u" Ts = Ti"_s);
        QVERIFY(!schieber("TU_Scroll")->isEnabled());
        QCOMPARE(text("Kleidung_Liste"), u"Slip, Hemd, Hose, Jacke, Socken, Schuhe"_s);
        QCOMPARE(text("PMV_numerisch"), u"-0,26"_s);
        QCOMPARE(text("PPD_numerisch"), u"6,7 %"_s);
    }

    void aufbauInTwips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<QColor>("hintergrund");
        const QColor grau(192, 192, 192), gelb(255, 255, 187);
        // six panels of 5220 twips in rows of 1800, 2835 and 2100 twips
        QTest::newRow("Temperaturen") << u"Frame_Temperatur"_s << QSize(348, 120) << grau;
        QTest::newRow("Luft") << u"Frame_Luft"_s << QSize(348, 120) << grau;
        QTest::newRow("Bekleidung") << u"Frame_Bekleidung"_s << QSize(348, 189) << grau;
        QTest::newRow("Aktivität") << u"Frame_Aktivitaet"_s << QSize(348, 189) << grau;
        QTest::newRow("PMV") << u"pmv_frame"_s << QSize(348, 140) << gelb;
        QTest::newRow("PPD") << u"ppd_frame"_s << QSize(348, 140) << gelb;
        QTest::newRow("PMV-Marke") << u"pmv_gauge1"_s << QSize(5, 38) << QColor(64, 64, 64);
        QTest::newRow("Ti-Wert") << u"eingabe_txt1"_s << QSize(88, 21) << QColor(255, 160, 160);
        QTest::newRow("v-Wert") << u"eingabe_txt3"_s << QSize(88, 21) << QColor(192, 255, 192);
        QTest::newRow("phi-Wert") << u"eingabe_txt4"_s << QSize(88, 21) << QColor(192, 255, 255);
        QTest::newRow("Icl-Wert") << u"eingabe_txt5"_s << QSize(88, 21) << QColor(255, 255, 128);
        QTest::newRow("M-Wert") << u"eingabe_txt6"_s << QSize(88, 21) << QColor(208, 208, 255);
        QTest::newRow("PMV-Zahl") << u"PMV_numerisch"_s << QSize(52, 19) << QColor(Qt::white);
    }
    void aufbauInTwips()
    {
        QFETCH(QString, name);
        QFETCH(QSize, groesse);
        QFETCH(QColor, hintergrund);
        const QWidget* w = finde<QWidget>(name);
        QCOMPARE(w->size(), groesse);
        QVERIFY(w->autoFillBackground());
        QCOMPARE(w->palette().color(QPalette::Window), hintergrund);
    }

    void schieberSchreibenFeldUndText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Ti Minimum") << u"TLI_Scroll"_s << -100 << u"eingabe_txt1"_s << u"-20,0 °C"_s;
        QTest::newRow("Ti Maximum") << u"TLI_Scroll"_s << 250 << u"eingabe_txt1"_s << u"50,0 °C"_s;
        QTest::newRow("v_Luft Ende") << u"V_Scroll"_s << 200 << u"eingabe_txt3"_s << u"10,00 m/s"_s;
        QTest::newRow("phi") << u"PHI_Scroll"_s << 35 << u"eingabe_txt4"_s << u"35 %"_s;
        QTest::newRow("Icl null") << u"Kleidung_Scroll"_s << 0 << u"eingabe_txt5"_s << u"0,00 clo"_s;
        QTest::newRow("Icl Ende") << u"Kleidung_Scroll"_s << 80 << u"eingabe_txt5"_s << u"4,00 clo"_s;
        QTest::newRow("M Maximum") << u"Energieumsatz_Scroll"_s << 80 << u"eingabe_txt6"_s << u"400 W/m²"_s;
        QTest::newRow("M Minimum") << u"Energieumsatz_Scroll"_s << 8 << u"eingabe_txt6"_s << u"40 W/m²"_s;
        QTest::newRow("W") << u"mech_Leistung_Scroll"_s << 100 << u"eingabe_txt7"_s << u"100 %"_s;
        QTest::newRow("v_rel") << u"rel_Geschwindigkeit_Scroll"_s << 7 << u"eingabe_txt8"_s << u"0,35 m/s"_s;
    }
    void schieberSchreibenFeldUndText()
    {
        QFETCH(QString, name);
        QFETCH(int, position);
        QFETCH(QString, label);
        QFETCH(QString, erwartet);
        QSignalSpy neu(fenster.get(), &hpt::neuberechnet);
        finde<QScrollBar>(name)->setValue(position);
        QCOMPARE(finde<QLabel>(label)->text(), erwartet);
        QCOMPARE(neu.count(), 1);
        // what is shown is what is computed
        programm::PmvEingabeAufbereiten();
        QVERIFY(programm::PmvBerechnen());
        QCOMPARE(text("PMV_numerisch"), QLocale().toString(programm::PmvErgebnis.PMV, 'f', 2));
    }

    void pfeiltastenGehenEinenSchritt()
    {
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QScrollBar* v = schieber("V_Scroll");
        v->setFocus();
        QTest::keyClick(v, Qt::Key_Right);
        QCOMPARE(text("eingabe_txt3"), u"0,05 m/s"_s);
        QCOMPARE(programm::Raumklima.v_Luft, 0.05f);
        QTest::keyClick(v, Qt::Key_PageUp);
        QCOMPARE(v->value(), 11);
        QScrollBar* ti = schieber("TLI_Scroll");
        ti->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        TEMPARA_NAHE(programm::Raumklima.Ti, 20.2, 1e-6);
    }

    void lufttemperaturBeiTsGleichTi()
    {
        schieber("TLI_Scroll")->setValue(125);
        QCOMPARE(text("eingabe_txt1"), u"25,0 °C"_s);
        QCOMPARE(text("eingabe_txt2"), u"25,0 °C"_s);
        QCOMPARE(programm::Raumklima.Ts, 20.0f);
        QCOMPARE(programm::PmvEingabe.tr, 25.0f);
    }

    void schalterTsEingeben()
    {
        QCheckBox* schalter = finde<QCheckBox>(u"TU_Check"_s);
        schieber("TLI_Scroll")->setValue(125);
        schalter->click();
        QCOMPARE(schalter->text(), u" Ts eingeben:"_s);
        QVERIFY(schieber("TU_Scroll")->isEnabled());
        QCOMPARE(text("eingabe_txt2"), u"20,0 °C"_s);
        QCOMPARE(programm::PmvEingabe.tr, 20.0f);
        QCOMPARE(programm::PmvEingabe.ta, 25.0f);
        schieber("TU_Scroll")->setValue(150);
        QCOMPARE(text("eingabe_txt2"), u"30,0 °C"_s);
        QCOMPARE(programm::PmvEingabe.tr, 30.0f);
        // ticking again: the radiant temperature follows the air, the field keeps its value
        schalter->click();
        QCOMPARE(schalter->text(), u" Ts = Ti"_s);
        QCOMPARE(text("eingabe_txt2"), u"25,0 °C"_s);
        QCOMPARE(programm::PmvEingabe.tr, 25.0f);
        QCOMPARE(programm::Raumklima.Ts, 30.0f);
        // unticking starts Ts from 20 °C again while the thumb stays
        schalter->click();
        QCOMPARE(text("eingabe_txt2"), u"20,0 °C"_s);
        QCOMPARE(schieber("TU_Scroll")->value(), 150);
        // another window's take-over moves only the bars of what it changes, and computes once;
        // a new Icl without a garment text empties the list as the clothing bar would
        Raumklima klima = fenster->raumklima();
        klima.M = 100;
        klima.Icl = 0.5f;
        QSignalSpy neu(fenster.get(), &hpt::neuberechnet);
        fenster->uebernehmen(klima);
        QCOMPARE(neu.count(), 1);
        QCOMPARE((QList<int>{schieber("TU_Scroll")->value(), schieber("Energieumsatz_Scroll")->value(),
                             schieber("Kleidung_Scroll")->value()}),
                 (QList<int>{150, 20, 10}));
        QCOMPARE((QStringList{text("eingabe_txt2"), text("eingabe_txt6"), text("eingabe_txt5"), text("Kleidung_Liste")}),
                 (QStringList{u"20,0 °C"_s, u"100 W/m²"_s, u"0,50 clo"_s, QString()}));
    }

    void neuStelltAllesZurueck()
    {
        schieber("Kleidung_Scroll")->setValue(30);
        QCOMPARE(text("Kleidung_Liste"), QString());
        schieber("TLI_Scroll")->setValue(0);
        schieber("Energieumsatz_Scroll")->setValue(40);
        schieber("rel_Geschwindigkeit_Scroll")->setValue(20);
        finde<QCheckBox>(u"TU_Check"_s)->click();
        finde<QAction>(u"menu_datei_neu"_s)->trigger();
        QCOMPARE(text("eingabe_txt1"), u"20,0 °C"_s);
        QCOMPARE(text("eingabe_txt5"), u"1,00 clo"_s);
        QCOMPARE(text("eingabe_txt6"), u"70 W/m²"_s);
        QCOMPARE(text("eingabe_txt8"), u"0,00 m/s"_s);
        QCOMPARE(text("Kleidung_Liste"), u"Slip, Hemd, Hose, Jacke, Socken, Schuhe"_s);
        QCOMPARE(text("PMV_numerisch"), u"-0,26"_s);
        // the switch keeps its state
        QVERIFY(!finde<QCheckBox>(u"TU_Check"_s)->isChecked());
    }

    void skalenbeschriftung()
    {
        QCOMPARE(text("Label_pmv(3)"), u"-1\r\netwas\r\nkühl"_s);
        QCOMPARE(text("Label_pmv(7)"), u"+3\r\nheiß"_s);
        QCOMPARE(text("Label_ppd(10)"), u"100"_s);
        const QLabel* skala = finde<QLabel>(u"pmv_gauge0"_s);
        for (int i = 1; i <= 7; ++i) {
            const QLabel* l = finde<QLabel>(QStringLiteral("Label_pmv(%1)").arg(i));
            TEMPARA_NAHE(l->x() + l->width() / 2.0 - skala->x(), 50 * (i - 1), 1);
        }
        const QLabel* ppd = finde<QLabel>(u"ppd_gauge0"_s);
        for (int i = 0; i <= 10; ++i) {
            const QLabel* l = finde<QLabel>(QStringLiteral("Label_ppd(%1)").arg(i));
            TEMPARA_NAHE(l->x() + l->width() / 2.0 - ppd->x(), 30 * i, 1);
        }
    }

    void markenStehenAufIhremWert()
    {
        QCOMPARE(finde<QLabel>(u"pmv_gauge0"_s)->pixmap().size(), QSize(301, 36));
        QCOMPARE(finde<QFrame>(u"pmv_gauge1"_s)->width(), 5);
        const auto pruefe = [this] {
            TEMPARA_NAHE(markenspalte("pmv_gauge1", "pmv_gauge0"), 150 + 50 * programm::PmvErgebnis.PMV, 1);
            TEMPARA_NAHE(markenspalte("PPD_gauge1", "ppd_gauge0"), 3 * programm::PmvErgebnis.PPD, 1);
        };
        pruefe();
        schieber("Kleidung_Scroll")->setValue(0);  // PMV −3: the marker over column 0
        QCOMPARE(programm::PmvErgebnis.PMV, -3.0f);
        pruefe();
        schieber("TLI_Scroll")->setValue(250);
        schieber("Kleidung_Scroll")->setValue(80);
        schieber("Energieumsatz_Scroll")->setValue(80);
        QCOMPARE(programm::PmvErgebnis.PMV, 3.0f);
        pruefe();
    }

    void zahlenBleibenImRahmen()
    {
        const QFrame* pmv = finde<QFrame>(u"pmv_frame"_s);
        const QLabel* zahl = finde<QLabel>(u"PMV_numerisch"_s);
        schieber("Kleidung_Scroll")->setValue(0);
        QCOMPARE(zahl->text(), u"-3,00"_s);
        QCOMPARE(zahl->x(), 2);  // 30 twips
        schieber("TLI_Scroll")->setValue(250);
        schieber("Kleidung_Scroll")->setValue(80);
        schieber("Energieumsatz_Scroll")->setValue(80);
        QCOMPARE(zahl->x() + zahl->width(), pmv->width() - 2);
        QCOMPARE(text("PPD_numerisch"), u"98,1 %"_s);
    }

    void rahmenklickErklaert_data()
    {
        QTest::addColumn<QString>("rahmen");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("PMV") << u"pmv_frame"_s
                             << u"Voraussichtliche mittlere Beurteilung\r\n\r\nEine ausführliche Erklärung des PMV-Wertes\r\nfinden Sie in der Hilfe."_s;
        QTest::newRow("PPD") << u"ppd_frame"_s
                             << u"Vorhergesagter Prozentsatz der unzufriedenen Personen\r\n\r\nEine ausführliche Erklärung des PPD-Wertes\r\nfinden Sie in der Hilfe."_s;
    }
    void rahmenklickErklaert()
    {
        QFETCH(QString, rahmen);
        QFETCH(QString, meldung);
        // the right button, and a left press released outside the frame, say nothing
        QFrame* f = finde<QFrame>(rahmen);
        QTest::mouseClick(f, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mousePress(f, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(f->width() + 20, 5));
        QVERIFY(dienste.meldungen().isEmpty());
        QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(dienste.meldungen(), QStringList{meldung});
        QCOMPARE(dienste.aufrufe.constFirst().titel, u"Tempara"_s);
        QCOMPARE(dienste.aufrufe.constFirst().symbol, Symbol::Keins);
    }

    void gleitkommafehlerZeigtKeinErgebnis()
    {
        programm::Raumklima.Ti = -234.175f;
        fenster->Neuberechnung();
        QVERIFY(!fenster->ergebnisGueltig());
        QCOMPARE(text("PMV_numerisch"), u"Fehler"_s);
        QCOMPARE(text("PPD_numerisch"), u"Fehler"_s);
        QVERIFY(finde<QFrame>(u"pmv_gauge1"_s)->isHidden());
        schieber("TLI_Scroll")->setValue(101);
        QVERIFY(fenster->ergebnisGueltig());
        QVERIFY(!finde<QFrame>(u"pmv_gauge1"_s)->isHidden());
    }

    void befehleOhneFensterGesperrt()
    {
        for (const char* name : {"oeffnen", "zeichne", "Command1", "Command2", "Command3"})
            QVERIFY2(!finde<QPushButton>(QLatin1String(name))->isEnabled(), name);
        QVERIFY(!finde<QAction>(u"menu_datei_open"_s)->isEnabled());
        QVERIFY(!finde<QAction>(u"menu_extras_zeichne"_s)->isEnabled());
        QVERIFY(finde<QAction>(u"menu_datei_neu"_s)->isEnabled());
    }

    void dateiOeffnenFragtNachDatei()
    {
        QStringList geoeffnet;
        hpt::Fensteroeffner oeffner;
        oeffner.datei = [&](Hauptfenster&, const QString& pfad) { geoeffnet << pfad; };
        fenster->setzeFensteroeffner(oeffner);
        dienste.abbrechen();
        finde<QAction>(u"menu_datei_open"_s)->trigger();
        QVERIFY(geoeffnet.isEmpty());
        const Dateidialog d = dienste.aufrufe.constLast().dialog;
        QCOMPARE(d.titel, u"Öffnen"_s);
        QCOMPARE(d.filter, u"All files (*.*)|*.*|Text Files (*.txt)|*.txt|Tempara Files (*.tpr)|*.tpr"_s);
        QCOMPARE(d.filterIndex, 3);
        dienste.datei(u"/tmp/klima.txt"_s);
        QTest::mouseClick(finde<QPushButton>(u"oeffnen"_s), Qt::LeftButton);
        QCOMPARE(geoeffnet, QStringList{u"/tmp/klima.txt"_s});
        // while the data-file window is open, both open commands rest
        fenster->setzeDateiOeffnenAktiv(false);
        QVERIFY(!finde<QPushButton>(u"oeffnen"_s)->isEnabled());
        QVERIFY(!finde<QAction>(u"menu_datei_open"_s)->isEnabled());
        fenster->setzeDateiOeffnenAktiv(true);
        QVERIFY(finde<QAction>(u"menu_datei_open"_s)->isEnabled());
    }

    void katalogeUndDarstellungModal()
    {
        QStringList gezeigt;
        hpt::Fensteroeffner oeffner;
        oeffner.bekleidung = [&](Hauptfenster&) {
            gezeigt << u"Bekleidung"_s;
            QCOMPARE(finde<QPushButton>(u"Command1"_s)->cursor().shape(), Qt::WaitCursor);
        };
        oeffner.bekleidungsliste = [&](Hauptfenster&) { gezeigt << u"Bekleidungsliste"_s; };
        oeffner.aktivitaet = [&](Hauptfenster&) { gezeigt << u"Aktivität"_s; };
        oeffner.grafik = [&](Hauptfenster& h) { gezeigt << (h.fenster().cursor().shape() == Qt::WaitCursor ? u"Grafik mit Sanduhr"_s : u"Grafik"_s); };
        fenster->setzeFensteroeffner(oeffner);
        QTest::mouseClick(finde<QPushButton>(u"Command1"_s), Qt::LeftButton);
        QTest::mouseClick(finde<QPushButton>(u"Command2"_s), Qt::LeftButton);
        QTest::mouseClick(finde<QPushButton>(u"Command3"_s), Qt::LeftButton);
        QTest::mouseClick(finde<QPushButton>(u"zeichne"_s), Qt::LeftButton);
        finde<QAction>(u"menu_extras_zeichne"_s)->trigger();
        QCOMPARE(gezeigt, (QStringList{u"Bekleidung"_s, u"Bekleidungsliste"_s, u"Aktivität"_s,
                                       u"Grafik mit Sanduhr"_s, u"Grafik"_s}));
        QCOMPARE(finde<QPushButton>(u"Command1"_s)->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(fenster->cursor().shape(), Qt::ArrowCursor);
    }

    void altDOeffnetDasDateimenue()
    {
        // Alt+D opens the menu "&Datei", the button "Dar&stellung" has Alt+S: every shown
        // underline works.
        int grafiken = 0;
        hpt::Fensteroeffner oeffner;
        oeffner.grafik = [&](Hauptfenster&) { ++grafiken; };
        fenster->setzeFensteroeffner(oeffner);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QTest::keyClick(fenster.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(grafiken, 1);  // a mnemonic clicks the button after a short flash
        QCOMPARE(finde<QPushButton>(u"zeichne"_s)->text(), u"Dar&stellung"_s);
        QTest::keyClick(fenster.get(), Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(finde<QMenu>(u"menu_datei"_s)->isVisible());
        finde<QMenu>(u"menu_datei"_s)->close();
        QCOMPARE(grafiken, 1);
    }

    void hilfeBeimStichwortEinfuehrung()
    {
        finde<QAction>(u"Menu_hilfe_index"_s)->trigger();
        QCOMPARE(dienste.aufrufe.size(), 1);
        QCOMPARE(dienste.aufrufe.constFirst().art, u"hilfe"_s);
        QCOMPARE(dienste.aufrufe.constFirst().titel, u"tempara.hlp"_s);
        QCOMPARE(dienste.aufrufe.constFirst().text, u"257 Einfuehrung"_s);
    }

    void menuetexte()
    {
        QCOMPARE(finde<QMenu>(u"menu_datei"_s)->title(), u"&Datei"_s);
        QCOMPARE(finde<QAction>(u"menu_datei_open"_s)->text(), u"Ö&ffnen..."_s);
        QVERIFY(finde<QAction>(u"menu_file_sep"_s)->isSeparator());
        QCOMPARE(finde<QAction>(u"menu_extras_zeichne"_s)->text(), u"&Darstellung..."_s);
        QCOMPARE(finde<QAction>(u"menu_hilfe_info"_s)->text(), u"Inf&o..."_s);
        QCOMPARE(finde<QPushButton>(u"oeffnen"_s)->text(), u"Datei ö&ffnen"_s);
        QCOMPARE(finde<QPushButton>(u"ende"_s)->text(), u"&Ende"_s);
    }

    void infoZeigtStartfensterUeberDemHauptfenster()
    {
        fenster->show();
        schieber("TLI_Scroll")->setValue(130);
        finde<QAction>(u"menu_hilfe_info"_s)->trigger();
        finde<QAction>(u"menu_hilfe_info"_s)->trigger();  // a second time: still the one window
        QCOMPARE(fenster->findChildren<QWidget*>(u"Start"_s).size(), 1);
        QWidget* about = fenster->findChild<QWidget*>(u"Start"_s);
        QVERIFY(about && about->isVisible());
        QVERIFY(!about->isModal());
        QTest::mouseClick(about->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
        QTRY_VERIFY(!fenster->findChild<QWidget*>(u"Start"_s));
        QVERIFY(fenster->isVisible());
        QCOMPARE(text("eingabe_txt1"), u"26,0 °C"_s);
    }

    void schliessenBeendetAuchMitOffenemAbout()
    {
        fenster->show();
        finde<QAction>(u"menu_hilfe_info"_s)->trigger();
        QWidget* about = fenster->findChild<QWidget*>(u"Start"_s);
        QVERIFY(about->isVisible());
        fenster->close();
        QVERIFY(!fenster->isVisible());
        QVERIFY(!about->isVisible());
    }

    void englischesGebietsschema()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        fenster = std::make_unique<hpt>(dienste);
        QCOMPARE(text("eingabe_txt1"), u"20.0 °C"_s);
        QCOMPARE(text("PMV_numerisch"), u"-0.26"_s);
        QCOMPARE(text("PPD_numerisch"), u"6.7 %"_s);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
};

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
