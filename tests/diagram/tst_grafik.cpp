// The window Grafik driven as a user would: choosing quantities, typing ranges, "&Start",
// saving and printing through the menu, and opening it from the main window.
#include "grafik.h"
#include "hpt.h"
#include "pmv.h"
#include "programm.h"
#include "skriptdienste.h"
#include "verbund.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;
using namespace diagramm;

namespace {

QColor textfarbe(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

const QColor kRot(255, 0, 0);

}  // namespace

class TestGrafik : public QObject {
    Q_OBJECT

    SkriptDienste dienste;
    std::unique_ptr<Grafik> fenster;

    template <typename T = QWidget>
    T* finde(const QString& name) const
    {
        T* w = fenster->findChild<T*>(name);
        if (!w)
            qFatal("Steuerelement %s fehlt", qPrintable(name));
        return w;
    }
    QRadioButton* option(int i) const { return finde<QRadioButton>(u"Option3D1(%1)"_s.arg(i)); }
    QLineEdit* text(int i) const { return finde<QLineEdit>(u"Text%1"_s.arg(i)); }
    QString label(const QString& name) const { return finde<QLabel>(name)->text(); }
    QStringList felder() const { return {text(1)->text(), text(2)->text(), text(3)->text(), text(4)->text()}; }

    // Clicks into a field, replaces its text by typing and leaves it with Tab.
    void tippen(int feld, const QString& eingabe)
    {
        QLineEdit* f = text(feld);
        QTest::mouseClick(f, Qt::LeftButton);
        QVERIFY(f->hasFocus());
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(f, eingabe);
        QTest::keyClick(f, Qt::Key_Tab);
        QVERIFY(!f->hasFocus());
    }
    void start() { QTest::mouseClick(finde<QPushButton>(u"grafik_start"_s), Qt::LeftButton); }
    void menue(const char16_t* name) { finde<QAction>(QString::fromUtf16(name))->trigger(); }
    QRgb pixelBei(double xTwips, double yTwips) const { return fenster->bild().bild().pixel(px(xTwips), px(yTwips)); }

private Q_SLOTS:
    void init()
    {
        programm::Raumklima = standardRaumklima();
        programm::TsGleichTi = true;
        dienste.zuruecksetzen();
        fenster = std::make_unique<Grafik>(dienste, werttexteAus(programm::Raumklima, true));
        fenster->show();
        QApplication::setActiveWindow(fenster.get());
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup()
    {
        fenster.reset();
        QVERIFY2(dienste.offeneFehler().isEmpty(), qPrintable(dienste.offeneFehler().join(u"; "_s)));
    }

    void oeffnenZeigtDieVorgabe()
    {
        QCOMPARE(fenster->windowTitle(), u"Darstellung des Behaglichkeitsbereichs"_s);
        QCOMPARE(label(u"x_achse"_s), u"T_Luft [°C]"_s);
        QCOMPARE(label(u"y_achse"_s), u"T_Strahlung [°C]"_s);
        QCOMPARE(felder(), (QStringList{u"-15"_s, u"50"_s, u"-15"_s, u"50"_s}));
        QCOMPARE(label(u"Wertname(0)"_s), u"Luftgeschwindigkeit:"_s);
        QCOMPARE(label(u"Wertergebnis(0)"_s), u"0,00 m/s"_s);
        QCOMPARE(label(u"Wertname(3)"_s), u"Aktivität - Energieumsatz:"_s);
        QCOMPARE(label(u"Wertergebnis(3)"_s), u"70 W/m²"_s);
        QCOMPARE(label(u"Wertname(5)"_s), u"Aktivität - Relative Geschwindigkeit in ruhender Luft:"_s);
        QVERIFY(option(0)->isChecked() && option(7)->isChecked());
        QVERIFY(!option(1)->isEnabled());
        QVERIFY(!option(6)->isEnabled());
        for (int i : {0, 2, 3, 4, 5, 7, 8, 9, 10, 11})
            QVERIFY2(option(i)->isEnabled(), qPrintable(QString::number(i)));
        QVERIFY(!finde(u"Frame_arbeitet"_s)->isVisible());
        QVERIFY(!finde(u"Frame_Druckinfo"_s)->isVisible());
        // the empty axes with their scales are there before any run
        QCOMPARE(label(u"x_achsenskal(12)"_s), u"-15"_s);
        QCOMPARE(QColor(pixelBei(3000, 3300)), QColor(Qt::black));
        QCOMPARE(QColor(pixelBei(3055, 2070)), QColor(Qt::white));
    }

    void kleidungAlsY()
    {
        tippen(1, u"-10"_s);
        QTest::mouseClick(option(11), Qt::LeftButton);
        QVERIFY(option(11)->isChecked());
        QVERIFY(!option(5)->isEnabled());
        QVERIFY(option(1)->isEnabled());
        QCOMPARE(felder(), (QStringList{u"-15"_s, u"50"_s, u"0"_s, u"4"_s}));
        QCOMPARE(label(u"y_achse"_s), u"Kleidung [clo]"_s);
        QCOMPARE(label(u"Wertname(0)"_s), u"Strahlungstemperatur:"_s);
        QStringList namen;
        for (int k = 0; k < 6; ++k)
            namen << label(u"Wertname(%1)"_s.arg(k));
        QVERIFY(!namen.contains(u"Bekleidung:"_s));
        QCOMPARE(namen.size(), 6);
        QCOMPARE(label(u"y_achsenskal(0)"_s), u"0,4"_s);
        QCOMPARE(label(u"y_achsenskal(12)"_s), u"-1,2"_s);
    }

    void xAuswahlSperrtDieGleicheGroesseFuerY()
    {
        QTest::mouseClick(option(3), Qt::LeftButton);
        QVERIFY(!option(9)->isEnabled());
        QVERIFY(option(6)->isEnabled());
        QCOMPARE(label(u"x_achse"_s), u"rel. Feuchte [%]"_s);
        QCOMPARE(felder(), (QStringList{u"0"_s, u"100"_s, u"-15"_s, u"50"_s}));
        QCOMPARE(label(u"Wertname(0)"_s), u"Raumlufttemperatur:"_s);
    }

    void fokusFaerbtDieUeberschrift()
    {
        QTest::mouseClick(text(3), Qt::LeftButton);
        QCOMPARE(textfarbe(finde(u"Panel3D2(2)"_s)), kRot);
        QCOMPARE(textfarbe(finde(u"Panel3D2(0)"_s)), QColor(Qt::black));
        QTest::keyClick(text(3), Qt::Key_Tab);
        QCOMPARE(textfarbe(finde(u"Panel3D2(2)"_s)), QColor(Qt::black));

        option(8)->setFocus(Qt::TabFocusReason);
        QCOMPARE(textfarbe(finde(u"y_über(1)"_s)), kRot);
        QCOMPARE(textfarbe(finde(u"x_über(0)"_s)), QColor(Qt::black));
        option(2)->setFocus(Qt::TabFocusReason);
        QCOMPARE(textfarbe(finde(u"y_über(1)"_s)), QColor(Qt::black));
        QCOMPARE(textfarbe(finde(u"x_über(0)"_s)), kRot);
    }

    void eingabetasteZeichnet()
    {
        QLineEdit* f = text(2);
        QTest::mouseClick(f, Qt::LeftButton);
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(f, u"40"_s);
        QTest::keyClick(f, Qt::Key_Return);
        QVERIFY(dienste.meldungen().isEmpty());
        QCOMPARE(label(u"x_achsenskal(0)"_s), u"4"_s);
        // 20 °C / 20 °C now lies at 1400 + 102,5 · 20 twips
        QCOMPARE(QColor(pixelBei(1400 + 102.5 * 20 + 10, 2070)), QColor(0, 255, 0));
    }

    void verlassenPrueft_data()
    {
        QTest::addColumn<int>("wahl");  // option clicked first, -1 none
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<QString>("danach");
        QTest::newRow("v_Luft: Xmin -2") << 2 << 1 << u"-2"_s
            << QStringList{u"X-Wert ist zu klein!\r\nXmin wird auf X = 0 gesetzt"_s} << u"0"_s;
        QTest::newRow("Xmin 60 über Xmax") << -1 << 1 << u"60"_s << QStringList{u"Xmin ist größer als Xmax"_s} << u"40"_s;
        QTest::newRow("abc liest 0") << -1 << 2 << u"abc"_s << QStringList{} << u"0"_s;
        QTest::newRow("Aktivität: Ymax 700") << 10 << 4 << u"700"_s
            << QStringList{u"Y-Wert ist zu groß!\r\nYmax wird auf Y = 500 gesetzt"_s} << u"500"_s;
        QTest::newRow("0.5 mit Punkt") << 2 << 1 << u"0.5"_s << QStringList{} << u"0,5"_s;
        QTest::newRow("0,5 mit Komma") << 2 << 1 << u"0,5"_s << QStringList{} << u"0,5"_s;
        QTest::newRow("Xmax gleich Xmin") << -1 << 2 << u"-15"_s << QStringList{u"Xmax ist kleiner als Xmin"_s} << u"-5"_s;
        QTest::newRow("Ymin 55") << -1 << 3 << u"55"_s << QStringList{u"Ymin ist größer als Ymax"_s} << u"40"_s;
        QTest::newRow("Ymin -40") << -1 << 3 << u"-40"_s
            << QStringList{u"Y-Wert ist zu klein!\r\nYmin wird auf Y = -15 gesetzt"_s} << u"-15"_s;
        QTest::newRow("Ymax -20") << -1 << 4 << u"-20"_s << QStringList{u"Ymax ist kleiner als Ymin"_s} << u"-5"_s;
        QTest::newRow("Kleidung: Xmax 9") << 5 << 2 << u"9"_s
            << QStringList{u"X-Wert ist zu groß!\r\nXmax wird auf X = 4 gesetzt"_s} << u"4"_s;
        QTest::newRow("führende Zahl") << -1 << 1 << u"  12,5 Grad"_s << QStringList{} << u"12,5"_s;
    }
    void verlassenPrueft()
    {
        QFETCH(int, wahl);
        QFETCH(int, feld);
        QFETCH(QString, eingabe);
        QFETCH(QStringList, meldungen);
        QFETCH(QString, danach);
        if (wahl >= 0)
            QTest::mouseClick(option(wahl), Qt::LeftButton);
        tippen(feld, eingabe);
        QCOMPARE(dienste.meldungen(), meldungen);
        for (const SkriptDienste::Aufruf& a : dienste.aufrufe) {
            QCOMPARE(a.symbol, Symbol::Warnung);
            QCOMPARE(a.titel, anwendungsTitel());
        }
        QCOMPARE(text(feld)->text(), danach);
    }

    void startZeichnetDieBaender()
    {
        start();
        QVERIFY(dienste.meldungen().isEmpty());
        QCOMPARE(QColor(pixelBei(3055, 2070)), QColor(0, 255, 0));  // 20 °C / 20 °C: neutral
        QCOMPARE(QColor(pixelBei(3055, 2070)), QColor(0, 255, 0));
        QVERIFY(!finde(u"Frame_arbeitet"_s)->isVisible());
        QCOMPARE(finde<QLabel>(u"Label_arbeitet"_s)->text(),
                 u"Das Diagramm wird generiert. \n\nBitte haben Sie  \netwas Geduld !  "_s);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(textfarbe(finde(u"x_achse"_s)), QColor(Qt::black));
        // the main window's record is untouched, the prepared inputs hold the last grid point
        QCOMPARE(programm::Raumklima.Ti, 20.0f);
        QCOMPARE(programm::PmvEingabe.ta, 50.0f);
        QCOMPARE(programm::PmvEingabe.tr, 50.0f);
        QStringList x, y;
        for (int i = 0; i < 13; ++i) {
            x << label(u"x_achsenskal(%1)"_s.arg(i));
            if (i != 9)
                y << label(u"y_achsenskal(%1)"_s.arg(i));
        }
        QCOMPARE(x, (QStringList{u"5"_s, u"10"_s, u"15"_s, u"20"_s, u"25"_s, u"30"_s, u"35"_s, u"40"_s, u"45"_s,
                                 u"50"_s, u"-5"_s, u"-10"_s, u"-15"_s}));
        QCOMPARE(y, (QStringList{u"5"_s, u"10"_s, u"15"_s, u"20"_s, u"25"_s, u"30"_s, u"35"_s, u"40"_s, u"45"_s,
                                 u"-5"_s, u"-10"_s, u"-15"_s}));
        QVERIFY(!fenster->findChild<QLabel*>(u"y_achsenskal(9)"_s));
        // a new choice clears the drawing
        QTest::mouseClick(option(9), Qt::LeftButton);
        QCOMPARE(QColor(pixelBei(3055, 2070)), QColor(Qt::white));
    }

    void tsGleichTiGiltNurUeberDieVorbereitung()
    {
        // x = air temperature varies ta only: tr keeps the prepared 20 °C even with "Ts = Ti"
        start();
        const QRgb gleich = pixelBei(1400 + 82 * 30 + 5, 3300 - 62 * 20 + 5);
        programm::TsGleichTi = false;
        programm::Raumklima.Ts = 30.0f;
        start();
        QVERIFY(pixelBei(1400 + 82 * 30 + 5, 3300 - 62 * 20 + 5) == gleich);  // y = tr is varied anyway
        QTest::mouseClick(option(9), Qt::LeftButton);  // y = humidity: now tr = Ts = 30 counts
        start();
        programm::TsGleichTi = true;
        Grafik zweites(dienste, werttexteAus(programm::Raumklima, true));
        QTest::mouseClick(zweites.findChild<QRadioButton*>(u"Option3D1(9)"_s), Qt::LeftButton);
        zweites.findChild<QPushButton*>(u"grafik_start"_s)->click();
        QVERIFY(fenster->bild().bild() != zweites.bild().bild());
    }

    void hoechstwertNullZeichntNichts()
    {
        tippen(2, u"0"_s);
        QVERIFY(dienste.meldungen().isEmpty());
        start();
        QCOMPARE(dienste.meldungen().size(), 1);
        QVERIFY(dienste.meldungen().first().startsWith(u"Xmax muss größer als 0 sein"_s));
        QVERIFY(!finde(u"x_achsenskal(0)"_s)->isVisible());
        QCOMPARE(QColor(pixelBei(1200, 2070)), QColor(Qt::white));
    }

    void speichernZweimal()
    {
        start();
        QTemporaryDir ordner;
        const QString a = ordner.filePath(u"bild1.bmp"_s), b = ordner.filePath(u"bild2.bmp"_s);
        dienste.datei(a);
        menue(u"menu_diagramm_speichern");
        dienste.datei(b);
        menue(u"menu_diagramm_speichern");
        QVERIFY(dienste.meldungen().isEmpty());
        const Dateidialog& d = dienste.aufrufe.first().dialog;
        QCOMPARE(d.titel, u"Diagramm speichern"_s);
        QCOMPARE(d.filter, u"Bitmap(*.bmp)|*.bmp"_s);
        QCOMPARE(d.vorgabeEndung, u"bmp"_s);
        QVERIFY(d.dateiname.isEmpty());
        const QImage eins(a), zwei(b);
        QCOMPARE(eins.size(), QSize(440, 400));
        QCOMPARE(eins, zwei);
        // the very picture that tempara-cli draws for the same state
        Diagrammbild erwartet;
        diagrammZeichnen(erwartet, PmvEingabeAus(programm::Raumklima, true), 0, Lufttemperatur, Strahlungstemperatur,
                         Bereich{});
        QCOMPARE(eins, erwartet.speicherbild(achsenAuslegen(Bereich{}, Lufttemperatur, Strahlungstemperatur),
                                            festwerte(Lufttemperatur, Strahlungstemperatur,
                                                      werttexteAus(programm::Raumklima, true)))
                           .convertToFormat(eins.format()));
        for (int i = 0; i < kAnzahlBaender; ++i)
            QCOMPARE(eins.pixel(px(5820), px(200 + 588 * i)), band(i).farbe);
        QCOMPARE(QColor(eins.pixel(px(3055), px(2070))), QColor(0, 255, 0));
        QCOMPARE(fenster->bild().bild().size(), QSize(380, 300));
        QVERIFY(!QApplication::overrideCursor());
    }

    void speichernVorDemStart()
    {
        // the empty axes for -15 to 50, the six fixed parameters and the legend
        QTemporaryDir ordner;
        dienste.datei(ordner.filePath(u"leer.bmp"_s));
        menue(u"menu_diagramm_speichern");
        const QImage bild(ordner.filePath(u"leer.bmp"_s));
        QCOMPARE(bild.size(), QSize(440, 400));
        QCOMPARE(bild.pixelColor(px(3000), px(3300)), QColor(Qt::black));
        QCOMPARE(bild.pixelColor(px(3055), px(2070)), QColor(Qt::white));
        QCOMPARE(bild.pixel(px(5820), px(200)), band(0).farbe);
        int schwarz = 0;
        for (int y = px(4600); y < px(5800); ++y)
            for (int x = px(500); x < px(1500); ++x)
                schwarz += bild.pixelColor(x, y) == QColor(Qt::black);
        QVERIFY(schwarz > 100);
    }

    void dateinamen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datei");  // empty: nothing written
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("13 Zeichen") << u"neunbuchs.bmp"_s << QString() << QStringList{u"Fehlerhafter Dateiname"_s};
        QTest::newRow("12 Zeichen") << u"achtbuch.bmp"_s << u"achtbuch.bmp"_s << QStringList{};
        QTest::newRow("Stern") << u"a*.bmp"_s << QString() << QStringList{u"Fehlerhafter Dateiname"_s};
        QTest::newRow("ohne Endung") << u"bild"_s << u"bild.bmp"_s << QStringList{};
    }
    void dateinamen()
    {
        QFETCH(QString, name);
        QFETCH(QString, datei);
        QFETCH(QStringList, meldungen);
        QTemporaryDir ordner;
        dienste.datei(ordner.filePath(name));
        menue(u"menu_diagramm_speichern");
        QCOMPARE(dienste.meldungen(), meldungen);
        if (!meldungen.isEmpty())
            QCOMPARE(dienste.aufrufe.last().symbol, Symbol::Keins);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), datei.isEmpty() ? QStringList() : QStringList{datei});
    }

    void abbrechenTutNichts()
    {
        dienste.abbrechen();
        menue(u"menu_diagramm_speichern");
        QCOMPARE(dienste.aufrufe.size(), 1);
    }

    void nichtSchreibbar()
    {
        QTemporaryDir ordner;
        dienste.datei(ordner.filePath(u"fehlt/bild.bmp"_s));
        menue(u"menu_diagramm_speichern");
        QCOMPARE(dienste.meldungen().size(), 1);
        QVERIFY(dienste.meldungen().first().startsWith(u"Das Diagramm konnte nicht gespeichert werden"_s));
        QCOMPARE(dienste.aufrufe.last().symbol, Symbol::Warnung);
        QCOMPARE(fenster->bild().bild().size(), QSize(380, 300));
        QVERIFY(!QApplication::overrideCursor());
    }

    void drucken_data()
    {
        QTest::addColumn<bool>("drucker");
        QTest::newRow("mit Drucker") << true;
        QTest::newRow("ohne Drucker") << false;
    }
    void drucken()
    {
        QFETCH(bool, drucker);
        dienste.drucker(drucker);
        menue(u"menu_diagramm_form_drucken");
        QVERIFY(dienste.meldungen().isEmpty());
        QCOMPARE(dienste.aufrufe.last().art, u"drucken"_s);
        QCOMPARE(dienste.aufrufe.last().text, u"10,10 -1x-1"_s);
        QCOMPARE(dienste.gedruckt.size(), drucker ? 1 : 0);
        if (drucker) {
            const QImage& bild = dienste.gedruckt.first();
            QCOMPARE(bild.size(), twipsGroesse(10185, 7335));
            // white background, the print frame in place of the buttons
            QCOMPARE(QColor(bild.pixel(px(8000), px(7300))), QColor(Qt::white));
            QCOMPARE(QColor(bild.pixel(px(3360), px(4000))), QColor(Qt::white));
        }
        QVERIFY(finde(u"grafik_start"_s)->isVisible());
        QVERIFY(finde(u"grafik_ende"_s)->isVisible());
        QVERIFY(!finde(u"Frame_Druckinfo"_s)->isVisible());
        QCOMPARE(fenster->grab().toImage().pixelColor(px(3360), px(4000)), QColor(192, 192, 192));
    }

    void druckerEinrichten()
    {
        dienste.drucker(true);
        menue(u"menu_diagramm_Drucker");
        QCOMPARE(dienste.aufrufe.size(), 1);
        QCOMPARE(dienste.aufrufe.first().art, u"drucker"_s);
    }

    void ausDemHauptfenster()
    {
        fenster.reset();
        hpt haupt(dienste);
        verbindeFenster(haupt);
        haupt.show();
        haupt.ui.PHI_Scroll->setValue(45);
        haupt.ui.TLI_Scroll->setValue(113);
        haupt.ui.Kleidung_Scroll->setValue(13);
        // tempara-cli writes the fixed rows as the main window's labels read
        const Werttexte cli = werttexteAus(programm::Raumklima, programm::TsGleichTi);
        const QLabel* labels[] = {haupt.ui.eingabe_txt1, haupt.ui.eingabe_txt2, haupt.ui.eingabe_txt3,
                                  haupt.ui.eingabe_txt4, haupt.ui.eingabe_txt5, haupt.ui.eingabe_txt6,
                                  haupt.ui.eingabe_txt7, haupt.ui.eingabe_txt8};
        for (std::size_t i = 0; i < cli.size(); ++i)
            QCOMPARE(cli[i], labels[i]->text());
        QString gesehen;
        bool modal = false;
        QTimer::singleShot(0, &haupt, [&] {
            auto* g = qobject_cast<Grafik*>(QApplication::activeModalWidget());
            if (!g)
                return;
            modal = g->isModal();
            gesehen = g->findChild<QLabel*>(u"Wertergebnis(1)"_s)->text();
            QTest::mouseClick(g->findChild<QPushButton*>(u"grafik_ende"_s), Qt::LeftButton);
        });
        haupt.ui.menu_extras_zeichne->trigger();
        QVERIFY(modal);
        QCOMPARE(gesehen, u"45 %"_s);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestGrafik)
#include "tst_grafik.moc"
