// SPDX-License-Identifier: GPL-3.0-or-later
// The window Grafik driven as a user would: choosing quantities, typing ranges, "&Start",
// saving and printing through the menu, and opening it from the main window.
#include "cliprozess.h"
#include "fenstertest.h"
#include "gespeichert.h"
#include "grafik_fenster.h"
#include "hpt_fenster.h"
#include "pmv.h"
#include "programm.h"
#include "skriptdienste.h"

#include <QAction>
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;
using namespace diagram;
using namespace model;
using namespace gui;
using namespace app;

namespace {

const QColor kSchwarz(Qt::black), kWeiss(Qt::white);
const int ti = Lufttemperatur, ts = Strahlungstemperatur;

// What a run with the main window's state draws with x = air and y = radiant temperature.
void zeichne(Diagrammbild& d, const Bereich& b = {})
{
    diagrammZeichnen(d, PmvEingabeAus(programm::Raumklima, true), 0, ti, ts, b);
}

// The name typed (empty: cancelled), the file written, the message (%1: the path).
struct Namensfall {
    QString name, datei, meldung;
    Symbol symbol = Symbol::Keins;
};

// Counts message boxes under the hourglass: the user must see that the program waits for an answer.
struct ZeigerDienste : SkriptDienste {
    int unterSanduhr = 0;
    void meldung(QWidget* w, Symbol symbol, const QString& titel, const QString& text) override
    {
        const QCursor* zeiger = QApplication::overrideCursor();
        unterSanduhr += zeiger && zeiger->shape() == Qt::WaitCursor;
        SkriptDienste::meldung(w, symbol, titel, text);
    }
};

}  // namespace

class TestGrafik : public Fenstertest<Grafik, ZeigerDienste> {
    Q_OBJECT

    QRadioButton* option(int i) const { return finde<QRadioButton>(u"Option3D1(%1)"_s.arg(i)); }
    QLineEdit* text(int i) const { return finde<QLineEdit>(u"Text%1"_s.arg(i)); }
    QString texte(const QStringList& namen) const { return texteVon(fenster.get(), namen); }
    QString felder() const { return texte({u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s}); }
    bool rot(const QString& name) const { return finde(name)->palette().color(QPalette::WindowText) == Qt::red; }
    // Clicks into a field, replaces its text by typing and leaves it with Tab (or presses Return).
    void tippen(int feld, const QString& eingabe, Qt::Key taste = Qt::Key_Tab)
    {
        QTest::mouseClick(text(feld), Qt::LeftButton);
        tippe(text(feld), eingabe);
        if (taste != Qt::Key_unknown)
            QTest::keyClick(text(feld), taste);
    }
    void start() { klick(fenster.get(), u"grafik_start"_s); }
    QColor pixelBei(double x, double y) const { return fenster->bild().bild().pixelColor(px(x), px(y)); }

private Q_SLOTS:
    void init()
    {
        programm::Raumklima = standardRaumklima();
        programm::TsGleichTi = true;
        dienste.unterSanduhr = 0;
        gespeichert()->remove(u"Diagramm"_s);
        gespeichert()->remove(u"Diagrammbericht"_s);
        fenster = std::make_unique<Grafik>(dienste, werttexteAus(programm::Raumklima, true));
        fenster->show();
        QApplication::setActiveWindow(fenster.get());
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup() { schliessen(); }

    void vertrag()
    {
        pruefeVertrag(*fenster, {{"Grafik_Flaeche", "QWidget", 0, 270, 10185, 7335},
                                 {"Frame1", "QFrame", 60, 0, 3270, 3000},
                                 {"Option3D1(0)", "QRadioButton", 75, 180, 255, 255},
                                 {"Text1", "QLineEdit", 900, 600, 555, 285},
                                 {"Wertname(0)", "QLabel", 360, 720, 4695, 255},
                                 {"diagramm", "diagram::DiagrammFlaeche", 3390, 90, 5700, 4500},
                                 {"x_achse", "QLabel", 4095, 3795, 810, 180},
                                 {"Frame5", "QFrame", 9150, 0, 975, 4590},
                                 {"grafik_start", "QPushButton", 7320, 6000, 2295, 495},
                                 {"grafik_ende", "QPushButton", 7320, 6600, 2295, 495},
                                 {"Frame_Druckinfo", "QFrame", 6780, 4590, 3330, 2655}});
    }

    void auswahl_data()
    {
        // option clicked after typing "-10" into Text1 (-1: none); axis titles, fields (the scales are the
        // core's); the six fixed rows; the disabled options
        for (const char* s : {"klick", "titel", "felder", "zeilen", "gesperrt"})
            QTest::addColumn<QString>(s);
        const QString rest =
            u"Luftgeschwindigkeit: 0,00 m/s|%1Aktivität - Energieumsatz: 70 W/m²|Aktivität - Wirksame "
            u"mechanische Leistung: 0 %|Aktivität - Relative Geschwindigkeit in ruhender Luft: 0,00 m/s"_s;
        QTest::newRow("beim Öffnen") << u"-1"_s << u"T_Luft [°C]|T_Strahlung [°C]"_s << u"-15|50|-15|50"_s
                                     << rest.arg(u"Relative Luftfeuchtigkeit: 60 %|Bekleidung: 1,00 clo|"_s)
                                     << u"1|6"_s;
        QTest::newRow("x Feuchte") << u"3"_s << u"rel. Feuchte [%]|T_Strahlung [°C]"_s << u"0|100|-15|50"_s
                                   << u"Raumlufttemperatur: 20,0 °C|"_s + rest.arg(u"Bekleidung: 1,00 clo|"_s)
                                   << u"1|9"_s;
    }
    void auswahl()
    {
        QFETCH(QString, klick);
        if (klick.toInt() >= 0) {
            tippen(1, u"-10"_s);
            QTest::mouseClick(option(klick.toInt()), Qt::LeftButton);
        }
        QTEST(texte({u"x_achse"_s, u"y_achse"_s}), "titel");
        QTEST(felder(), "felder");
        QStringList zeilen, gesperrt;
        for (int k = 0; k < 6; ++k)
            zeilen << texte({u"Wertname(%1)"_s.arg(k), u"Wertergebnis(%1)"_s.arg(k)}).replace(u'|', u' ');
        QTEST(zeilen.join(u'|'), "zeilen");
        QVERIFY(option(std::max(klick.toInt(), 0))->isChecked());
        for (int i = 0; i < 12; ++i)
            if (!option(i)->isEnabled())
                gesperrt << QString::number(i);
        QTEST(gesperrt.join(u'|'), "gesperrt");
    }

    void fokusFaerbtDieUeberschrift()
    {
        QTest::mouseClick(text(3), Qt::LeftButton);
        QVERIFY(rot(u"Panel3D2(2)"_s) && !rot(u"Panel3D2(0)"_s));
        QTest::keyClick(text(3), Qt::Key_Tab);
        QVERIFY(!rot(u"Panel3D2(2)"_s));
        option(8)->setFocus(Qt::TabFocusReason);
        QVERIFY(rot(u"y_über(1)"_s) && !rot(u"x_über(0)"_s));
        option(2)->setFocus(Qt::TabFocusReason);
        QVERIFY(!rot(u"y_über(1)"_s) && rot(u"x_über(0)"_s));
    }

    void startZeichnetDieBaender()
    {
        QCOMPARE(fenster->windowTitle(), u"Darstellung des Behaglichkeitsbereichs"_s);
        QVERIFY(!finde(u"Frame_Druckinfo"_s)->isVisible());
        start();
        QVERIFY(dienste.meldungen().isEmpty());
        QCOMPARE(pixelBei(3055, 2070), QColor(0, 255, 0));  // 20 °C / 20 °C: neutral
        QVERIFY(!finde(u"Frame_arbeitet"_s)->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(programm::Raumklima.Ti, 20.0f);       // the main window's record is untouched
        QTest::mouseClick(option(9), Qt::LeftButton);  // a new choice clears the drawing
        QCOMPARE(pixelBei(3055, 2070), kWeiss);
        // the cell 30 °C / 50 % with y = humidity: with Ts = Ti tr stays Ti = 20 (PMV 0,82), else Ts = 35 (2,47)
        programm::Raumklima.Ts = 35.0f;
        for (const auto& [tsGleichTi, farbe] :
             {std::pair{true, QColor(255, 255, 0)}, std::pair{false, QColor(128, 0, 0)}}) {
            programm::TsGleichTi = tsGleichTi;
            QTest::mouseClick(option(9), Qt::LeftButton);
            start();
            QCOMPARE(pixelBei(1400 + 82 * 30 + 5, 3300 - 31 * 50 + 5), farbe);
        }
    }

    void startNachBerichtigtemFeld()
    {
        // leaving Xmin = 60 for "&Start" checks the field (the rules are the core's) and corrects it with a
        // message box, which swallows the release; the run follows with the corrected ranges
        tippen(1, u"60"_s, Qt::Key_unknown);
        auto* knopf = finde<QPushButton>(u"grafik_start"_s);
        QTest::mousePress(knopf, Qt::LeftButton);
        QCOMPARE(dienste.meldungen(), QStringList{u"Xmin ist größer als Xmax"_s});
        QVERIFY(dienste.aufrufe[0].symbol == Symbol::Warnung && dienste.aufrufe[0].titel == anwendungsTitel());
        QCOMPARE(texte({u"Text1"_s, u"Text2"_s}), u"40|50"_s);
        Diagrammbild erwartet;
        zeichne(erwartet, {40, 50, -15, 50});
        QTRY_VERIFY(fenster->bild().bild() == erwartet.bild());
        QVERIFY(!knopf->isDown());
        QTest::mouseRelease(knopf, Qt::LeftButton);
        QCOMPARE(dienste.meldungen().size(), 1);
    }

    void eingabetasteZeichnetHoechstwertNullNicht()
    {
        // Return in a field starts the run; a maximum of 0 leaves the grid empty with a hint
        tippen(2, u"0"_s, Qt::Key_Return);
        QCOMPARE(dienste.meldungen(), QStringList{u"Xmax ist 0:\r\nDer Maßstab einer Achse reicht immer "
                                                  u"von 0 bis zu ihrem Höchstwert.\r\nDas Diagramm bleibt leer."_s});
        QVERIFY(!finde(u"x_achsenskal(0)"_s)->isVisible());
        QCOMPARE(pixelBei(1200, 2070), kWeiss);
        QCOMPARE(dienste.unterSanduhr, 0);
    }

    void speichern()
    {
        // before any run: the empty axes and the legend; after "&Start" two saves give the very picture
        // tempara-cli draws, and the window looks the same (the texts painted in lie under the labels)
        QTemporaryDir ordner;
        auto speichere = [&](const QString& name) {
            dienste.datei(ordner.filePath(name));
            finde<QAction>(u"menu_diagramm_speichern"_s)->trigger();
            return QImage(ordner.filePath(name));
        };
        const QImage vorher = speichere(u"leer.bmp"_s);
        QVERIFY(vorher.pixelColor(px(3000), px(3300)) == kSchwarz && vorher.pixel(px(5820), px(200)) == band(0).farbe);
        start();
        const QImage fensterVorher = fenster->grab().toImage(), eins = speichere(u"bild1.bmp"_s);
        QCOMPARE(fenster->grab().toImage(), fensterVorher);
        QCOMPARE(speichere(u"bild2.bmp"_s), eins);
        QVERIFY(dienste.meldungen().isEmpty());
        const Dateidialog& d = dienste.aufrufe.first().dialog;
        QCOMPARE(d.titel + u' ' + d.filter + u' ' + d.vorgabeEndung, u"Diagramm speichern Bitmap(*.bmp)|*.bmp bmp"_s);
        QCOMPARE(QImageReader::imageFormat(ordner.filePath(u"bild1.bmp"_s)), QByteArray("bmp"));
        Diagrammbild erwartet;
        zeichne(erwartet);
        const Festwerte zeilen = festwerte(ti, ts, werttexteAus(programm::Raumklima, true));
        QCOMPARE(eins, erwartet.speicherbild(achsenAuslegen({}, ti, ts), zeilen).convertToFormat(eins.format()));
    }

    void dateiname_data()
    {
        QTest::addColumn<Namensfall>("fall");
        QTest::newRow("13 Zeichen") << Namensfall{u"neunbuchs.bmp"_s, {}, u"Fehlerhafter Dateiname"_s};
        QTest::newRow("Stern") << Namensfall{u"a*.bmp"_s, {}, u"Fehlerhafter Dateiname"_s};
        QTest::newRow("12 Zeichen, ohne Endung") << Namensfall{u"achtbuch"_s, u"achtbuch.bmp"_s, {}};
        QTest::newRow("abgebrochen") << Namensfall{};
        QTest::newRow("Ordner fehlt") << Namensfall{
            u"fehlt/bild.bmp"_s,
            {},
            u"Das Diagramm konnte nicht gespeichert werden:\r\n%1\r\n\r\nDie Datei oder ihr Ordner existiert nicht "
            u"(mehr)."_s,
            Symbol::Warnung};
    }
    void dateiname()
    {
        QFETCH(Namensfall, fall);
        QTemporaryDir ordner;
        if (fall.name.isEmpty())
            dienste.abbrechen();
        else
            dienste.datei(ordner.filePath(fall.name));
        finde<QAction>(u"menu_diagramm_speichern"_s)->trigger();
        QCOMPARE(dienste.meldungen().join(QString()),
                 QString(fall.meldung).replace(u"%1"_s, ordner.filePath(fall.name)));
        QCOMPARE(dienste.aufrufe.last().symbol, fall.symbol);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files),
                 fall.datei.isEmpty() ? QStringList() : QStringList{fall.datei});
        QCOMPARE(fenster->bild().bild().size(), QSize(380, 300));  // the drawing back at its size
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(dienste.unterSanduhr, 0);
    }

    void drucken_data()
    {
        QTest::addColumn<QString>("menuepunkt");
        QTest::addColumn<bool>("drucker");
        QTest::addColumn<QString>("aufruf");  // the platform call with its arguments
        QTest::addColumn<int>("seiten");
        const QString drucken = u"menu_diagramm_form_drucken"_s;
        QTest::newRow("mit Drucker") << drucken << true << u"drucken 10,10 -1x-1"_s << 1;
        QTest::newRow("ohne Drucker") << drucken << false << u"drucken 10,10 -1x-1"_s << 0;
        QTest::newRow("Drucker einrichten") << u"menu_diagramm_Drucker"_s << true << u"drucker "_s << 0;
    }
    void drucken()
    {
        QFETCH(QString, menuepunkt);
        QFETCH(bool, drucker);
        dienste.drucker(drucker);
        start();  // hiding "&Start" for the print hands its focus to an option
        finde<QAction>(menuepunkt)->trigger();
        QCOMPARE(dienste.aufrufe.size(), 1);  // and no message
        QTEST(dienste.aufrufe.first().art + u' ' + dienste.aufrufe.first().text, "aufruf");
        QTEST(int(dienste.gedruckt.size()), "seiten");
        if (!dienste.gedruckt.isEmpty()) {
            // the whole client area on white, the print frame in place of the buttons, no focus colour
            const QImage& bild = dienste.gedruckt.first();
            QCOMPARE(bild.size(), twipsGroesse(10185, 7335));
            QCOMPARE(bild.pixelColor(px(8000), px(7300)), kWeiss);
            QCOMPARE(bild.pixelColor(px(3360), px(4000)), kWeiss);
            const QWidget* kopf = finde(u"x_über(0)"_s);
            const QImage k = bild.copy(QRect(kopf->mapTo(finde(u"Grafik_Flaeche"_s), QPoint()), kopf->size()));
            for (int y = 0; y < k.height(); ++y)
                for (int x = 0; x < k.width(); ++x)
                    QVERIFY(k.pixelColor(x, y).red() - k.pixelColor(x, y).green() < 100);
        }
        QVERIFY(finde(u"grafik_start"_s)->isVisible() && !finde(u"Frame_Druckinfo"_s)->isVisible());
        QCOMPARE(fenster->grab().toImage().pixelColor(px(3360), px(4000)), QColor(192, 192, 192));
    }

    void neutrallinie()
    {
        // off, the window shows what it always did; on after "&Start", the line lies over the cells
        // through the neutral point (22 °C air at the main window's 20 °C radiant temperature) and
        // its value stands beside it. The saved bitmap stays without it; a new choice clears both.
        QTemporaryDir ordner;
        start();
        QVERIFY(!finde(u"neutralwert"_s)->isVisible());
        auto dunkelBei = [&](double tL, double tS) {
            const QImage bild = finde(u"diagramm"_s)->grab().toImage();
            const QPoint p(px(kX0 + 82 * tL + 15), px(kY0 - 62 * tS + 10));
            int dunkel = 255;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    dunkel = std::min(dunkel, qGray(bild.pixel(p + QPoint(dx, dy))));
            return dunkel < 80;
        };
        QVERIFY(!dunkelBei(22, 20));
        finde<QAction>(u"menu_diagramm_neutrallinie"_s)->trigger();
        QVERIFY(finde(u"neutralwert"_s)->isVisible() && dunkelBei(22, 20) && !dunkelBei(30, 20));
        QCOMPARE(textVon(fenster.get(), u"neutralwert"_s).replace(QChar(0xa0), u' '),
                 u"neutral bei Ti = 22,0 °C (Ts = 20,0 °C)"_s);
        dienste.datei(ordner.filePath(u"mit.bmp"_s));
        finde<QAction>(u"menu_diagramm_speichern"_s)->trigger();
        Diagrammbild erwartet;
        zeichne(erwartet);
        const QImage gespeichert(ordner.filePath(u"mit.bmp"_s));
        QCOMPARE(gespeichert, erwartet
                                  .speicherbild(achsenAuslegen({}, ti, ts),
                                                festwerte(ti, ts, werttexteAus(programm::Raumklima, true)))
                                  .convertToFormat(gespeichert.format()));
        option(8)->click();
        QVERIFY(!finde(u"neutralwert"_s)->isVisible() && !dunkelBei(22, 20));
    }

    void fuerBericht()
    {
        // nothing to report before "&Start"; afterwards each format is the very file tempara-cli
        // writes for the same inputs and choices, and the choices are offered again next time
        QTemporaryDir ordner;
        finde<QAction>(u"menu_diagramm_bericht"_s)->trigger();
        QCOMPARE(dienste.meldungen(), QStringList{u"Es ist noch kein Diagramm berechnet.\r\nBitte zuerst mit „Start“ "
                                                  u"das Diagramm berechnen."_s});
        tippen(2, u"-5"_s);  // a negative maximum: a run with an empty grid
        start();
        finde<QAction>(u"menu_diagramm_bericht"_s)->trigger();
        QVERIFY(dienste.meldungen().last().startsWith(u"Das Diagramm enthält keinen berechneten Punkt"_s));
        tippen(2, u"50"_s);
        start();
        auto ohneDatum = [](const QByteArray& datei) {
            return QString::fromLatin1(datei).remove(QRegularExpression(u"/CreationDate \\(D:[^)]*\\)"_s));
        };
        for (const QString& name : {u"bericht.svg"_s, u"bericht.pdf"_s, u"bericht.png"_s}) {
            dienste.datei(ordner.filePath(name));
            imNaechstenModalen([](QWidget* dialog) {
                klick(dialog, u"linien_07"_s);
                klick(dialog, u"bereich_anpassen"_s);
                klick(dialog, u"papier_a5"_s);
                klick(dialog, u"ok"_s);
            });
            finde<QAction>(u"menu_diagramm_bericht"_s)->trigger();
            const QString cliName = ordner.filePath(u"cli_"_s + name);
            QCOMPARE(cliStarten({u"diagramm"_s, u"--x"_s, u"ti"_s, u"--y"_s, u"ts"_s, u"--linien"_s, u"0,7"_s,
                                 u"--bereich"_s, u"anpassen"_s, u"--papier"_s, u"a5"_s, u"--bericht"_s, cliName})
                         .status,
                     0);
            QFile fensterDatei(ordner.filePath(name)), cliDatei(cliName);
            QVERIFY(fensterDatei.open(QIODevice::ReadOnly) && cliDatei.open(QIODevice::ReadOnly));
            QVERIFY2(ohneDatum(fensterDatei.readAll()) == ohneDatum(cliDatei.readAll()), qPrintable(name));
        }
        QCOMPARE(dienste.meldungen().size(), 2);
        const Dateidialog& d = dienste.aufrufe.last().dialog;
        QCOMPARE(d.filter, u"SVG-Grafik (*.svg)|*.svg|PDF-Dokument (*.pdf)|*.pdf|PNG-Bild (*.png)|*.png"_s);
        QVERIFY(d.ueberschreibenFragen);

        // an ending that names no format: said, nothing written, no choices asked
        dienste.datei(ordner.filePath(u"bericht.jpg"_s));
        finde<QAction>(u"menu_diagramm_bericht"_s)->trigger();
        QVERIFY(dienste.meldungen().last().startsWith(u"Das Format des Diagramms folgt aus der Endung"_s));
        QVERIFY(!QFile::exists(ordner.filePath(u"bericht.jpg"_s)));

        // printed: the choices of last time, one landscape page of A5 less its margins
        dienste.drucker(true);
        imNaechstenModalen([](QWidget* dialog) {
            QVERIFY(findeKind<QRadioButton>(dialog, u"linien_07"_s)->isChecked()
                    && findeKind<QRadioButton>(dialog, u"papier_a5"_s)->isChecked());
            klick(dialog, u"ok"_s);
        });
        finde<QAction>(u"menu_diagramm_bericht_drucken"_s)->trigger();
        QCOMPARE(dienste.aufrufe.last().text, u"1 Seiten, 190 x 128 mm"_s);
        QCOMPARE(dienste.gedruckteSeiten.size(), 1);
    }

    void ausDemHauptfenster()
    {
        fenster.reset();
        hpt haupt(dienste);
        hpt::Fensteroeffner oeffner;
        oeffner.grafik = &Grafik::zeigen;
        haupt.setzeFensteroeffner(oeffner);
        haupt.show();
        findeKind<QScrollBar>(&haupt, u"PHI_Scroll"_s)->setValue(45);
        QString gesehen = u"nichts"_s;
        QTimer::singleShot(0, &haupt, [&] {
            if (auto* g = qobject_cast<Grafik*>(QApplication::activeModalWidget())) {
                gesehen =
                    g->findChild<QLabel*>(u"Wertergebnis(1)"_s)->text() + (g->isModal() ? u""_s : u" nicht modal"_s);
                QTest::mouseClick(g->findChild<QPushButton*>(u"grafik_ende"_s), Qt::LeftButton);
            }
        });
        findeKind<QAction>(&haupt, u"menu_extras_zeichne"_s)->trigger();
        QCOMPARE(gesehen, u"45 %"_s);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestGrafik)
#include "tst_diagram_fenster.moc"
