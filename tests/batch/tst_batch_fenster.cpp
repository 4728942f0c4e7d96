// SPDX-License-Identifier: GPL-3.0-or-later
// DATEI and nutzen driven as a user drives them: opening, paging, column variables, constants,
// the behaviour window and the batch run with its questions and messages.
#include "auswertung_fenster.h"
#include "datei_fenster.h"
#include "dateioeffner.h"
#include "letzter_lauf.h"
#include "monatstabelle.h"
#include "nutzen_fenster.h"
#include "stapeltest.h"

#include "fenstertest.h"
#include "hpt_fenster.h"
#include "programm.h"
#include "skriptdienste.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace batch;
using namespace evaluation;
using namespace stapeltest;
using namespace model;
using namespace gui;
using namespace app;

namespace {

template <typename T = QWidget>
T* finde(QWidget* fenster, const QString& name)
{
    return findeKind<T>(fenster, name);
}

const QByteArray kMesswerte = "C Messwerte Raum 1.12\r\nS 1 2 3\r\n"
                              "\t1\t21,5\t20,0\r\n\t2\t21,0\t19,5\r\n\t3\t20,5\t19,0\r\n\t4\t20,0\t18,5\r\n"
                              "\t5\t21,0\t20,0\r\n\t6\t22,0\t21,0\r\n";

// A column assignment and the constants page: vText empty for the duplicate warning, vPosition −1 for a disabled bar.
struct Konstantenfall {
    QByteArray zuordnung;
    float vLuft;
    QString vText, phiText;
    int vPosition;
};

}  // namespace

Q_DECLARE_METATYPE(Konstantenfall)

class TestStapelFenster : public QObject {
    Q_OBJECT

    SkriptDienste dienste;
    std::unique_ptr<hpt> haupt;
    std::unique_ptr<DATEI> datei;
    std::unique_ptr<QTemporaryDir> ordner;
    LetzterLauf letzter;

    QString pfad(const QString& name) const { return ordner->filePath(name); }
    void oeffne(const QByteArray& inhalt)
    {
        schreibe(pfad(u"messwerte.txt"_s), inhalt);
        auto dateiZumLesen = std::make_unique<QFile>(pfad(u"messwerte.txt"_s));
        QVERIFY(dateiZumLesen->open(QIODevice::ReadOnly));
        datei = std::make_unique<DATEI>(*haupt, pfad(u"messwerte.txt"_s), std::move(dateiZumLesen), letzter);
        datei->show();
        datei->activateWindow();
        QVERIFY2(QTest::qWaitForWindowActive(datei.get()), "DATEI wurde nicht aktiv");
    }
    QComboBox* liste(int i) { return finde<QComboBox>(datei.get(), u"Auswahl(%1)"_s.arg(i)); }
    QString text(const QString& name) { return textVon(datei.get(), name); }
    int oben(const QString& rahmen) { return finde(datei.get(), rahmen)->y(); }
    QWidget* imHaupt(const QString& name) { return findeKind<QWidget>(haupt.get(), name); }
    // From the column page to nutzen in the given form; `inNutzen` runs while nutzen is open.
    void zuNutzen(std::function<void(nutzen*)> inNutzen, int art = 0)
    {
        for (int i = 0; i < 2 && datei->Assistentenschritt() < 3; ++i)
            klick(datei.get(), u"rechnen"_s);
        klick(datei.get(), u"benutzer(%1)"_s.arg(art));
        QCOMPARE(int(datei->nutzungsart()), art);
        bool gelaufen = false;
        imNaechstenModalen([&gelaufen, inNutzen = std::move(inNutzen)](QWidget* w) {
            auto* n = qobject_cast<nutzen*>(w);
            QVERIFY(n);
            inNutzen(n);
            if (n->isVisible())
                n->reject();
            gelaufen = true;
        });
        klick(datei.get(), u"benutzer_einstellen"_s);
        QVERIFY(gelaufen);
    }
    // nutzen's "&Weiter"; true if nutzen is still open afterwards.
    bool weiter()
    {
        bool offen = false;
        zuNutzen([&](nutzen* n) { klick(n, u"weiter"_s), offen = n->isVisible(); });
        return offen;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init()
    {
        programm::Raumklima = Raumklima{};
        haupt = std::make_unique<hpt>(dienste);
        letzter = LetzterLauf{};
        hpt::Fensteroeffner oeffner;
        oeffner.datei = [this](Hauptfenster& h, const QString& p) { DateiFensterZeigen(h, p, letzter); };
        oeffner.letzteAuswertung = [this](Hauptfenster& h) { LetzteAuswertungZeigen(h, letzter); };
        oeffner.letzteAuswertungDa = [this] { return letzter.vorhanden(); };
        haupt->setzeFensteroeffner(std::move(oeffner));
        ordner = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        datei.reset();
        haupt.reset();
        aufraeumen(dienste);
    }

    // The controls and the first page: the assignment line S 1 2 3 and the first data lines.
    void vertragUndErsteSeite()
    {
        oeffne(kMesswerte);
        pruefeVertrag(*datei, {{"tabelle", "QFrame", 120, 120, 10260, 3600},
                               {"links_max", "QPushButton", 1560, 3120, 480, 315},
                               {"sp_scroll", "QScrollBar", 2580, 3135, 6510, 285},
                               {"rechts_max", "QPushButton", 9660, 3120, 480, 315},
                               {"Auswahl_Legende", "QFrame", 120, 4320, 10260, 1560},
                               {"konst_para", "QGroupBox", 120, 7005, 10260, 1560},
                               {"V_Scroll", "QScrollBar", 2760, 420, 3600, 285},
                               {"eingabe_txt3", "QLabel", 6600, 405, 1560, 315},
                               {"benutzerverhalten", "QGroupBox", 120, 7005, 10260, 1560},
                               {"benutzer(0)", "QRadioButton", 480, 420, 3600, 345},
                               {"benutzer_einstellen", "QPushButton", 5280, 540, 1800, 420},
                               {"datenzeilen", "QLabel", 240, 6045, 2880, 285},
                               {"letzteAuswertung", "QPushButton", 3120, 6000, 1980, 375},
                               {"rechnen", "QPushButton", 6900, 6000, 1560, 375},
                               {"abbrechen", "QPushButton", 8580, 6000, 1560, 375}});
        // The frames parked at 7000 lie below the visible area.
        QVERIFY(datei->frameGeometry().height() >= px(6720) && datei->height() < px(7000));
        QStringList eintraege{text(u"spalten_titel(0)"_s), text(u"spalten_titel(2)"_s), text(u"t(1)"_s),
                              text(u"t(20)"_s), text(u"t(3)"_s)};
        for (int e = 0; e < liste(4)->count(); ++e)
            eintraege << liste(4)->itemText(e);
        QCOMPARE(eintraege.join(u'|'), u"Jahresstunde|Ts|21,50|5,00|0,00|(unbenutzt)|Jahresstunde|Ti|Ts|v_Luft|"
                                       u"rel. Feuchte|Ta_außen"_s);
        QCOMPARE(liste(1)->currentText(), u"Ti"_s);
        QCOMPARE(datei->Assistentenschritt(), int16_t(0));
    }

    void oeffnenAusDemHauptfenster()
    {
        schreibe(pfad(u"messwerte.txt"_s), kMesswerte);
        dienste.datei(pfad(u"messwerte.txt"_s));
        auto* menue = findeKind<QAction>(haupt.get(), u"menu_datei_open"_s);
        auto frei = [&] { return imHaupt(u"oeffnen"_s)->isEnabled() && menue->isEnabled(); };
        bool gezeigt = false;
        imNaechstenModalen([&](QWidget* w) {
            gezeigt = w->objectName() == u"DATEI" && !frei();
            QCOMPARE(w->windowTitle(), QDir::toNativeSeparators(pfad(u"messwerte.txt"_s)));
            klick(w, u"abbrechen"_s);
        });
        klick(haupt.get(), u"oeffnen"_s);
        QVERIFY(gezeigt && frei());
        // A file that cannot be read as text is refused with its cause before any preview.
        schreibe(pfad(u"null.txt"_s), QByteArray("S 1 2\r\n1 2\0\r\n", 14));
        dienste.datei(pfad(u"null.txt"_s));
        menue->trigger();
        QVERIFY(!QApplication::activeModalWidget() && dienste.meldungen().constLast().contains(u"enthält Nullbytes"_s));
    }

    // Buttons, and "Bild↑" on sp_scroll.
    void spaltenBlaettern_data()
    {
        QTest::addColumn<QString>("knoepfe");
        QTest::addColumn<int>("ersteSpalte");
        QTest::newRow(">| zeigt 16 bis 20") << u"rechts_max"_s << 16;
        QTest::newRow("> eine Spalte") << u"rechts rechts"_s << 3;
        QTest::newRow("< eine Spalte") << u"rechts_max links"_s << 15;
        QTest::newRow("Bild-Taste: drei Spalten") << u"Bild"_s << 4;
    }
    void spaltenBlaettern()
    {
        QFETCH(QString, knoepfe);
        QFETCH(int, ersteSpalte);
        oeffne("S 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 5\r\n"
               "10 20 30 40 50 60 70 80 90 100 110 120 130 140 150 160 170 180 190 200\r\n");
        for (const QString& k : knoepfe.split(u' '))
            k == u"Bild" ? tasten(datei.get(), u"sp_scroll"_s, Qt::Key_PageUp) : klick(datei.get(), k);
        QCOMPARE(finde<QScrollBar>(datei.get(), u"sp_scroll"_s)->value(), ersteSpalte);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(text(u"sp(%1)"_s.arg(i)) + u' ' + text(u"t(%1)"_s.arg(i)),
                     u"%1 %2,00"_s.arg(ersteSpalte + i).arg((ersteSpalte + i) * 10));
        QCOMPARE(liste(4)->currentIndex(), ersteSpalte == 16 ? 5 : 0);
    }

    // Typing into a list is discarded; PMV and PPD show as text only; the focus-loss rule.
    void listenWaehlenUndTippen()
    {
        oeffne("S 1 2 3 6 7\r\n\t1\t20,0\t20,0\t-0,3\t6,7\r\n");
        QCOMPARE(liste(3)->currentIndex(), -1);
        QCOMPARE(liste(3)->placeholderText() + liste(4)->placeholderText() + text(u"spalten_titel(4)"_s),
                 u"PMVPPDPPD"_s);
        liste(4)->setFocus();  // the focus leaves a list showing something else: its code again
        liste(4)->setCurrentIndex(2);
        finde(datei.get(), u"sp_scroll"_s)->setFocus();
        QVERIFY(liste(4)->currentIndex() == -1 && datei->spaltenzuordnung()[4] == kPPD);
        klick(datei.get(), u"rechts"_s);                     // columns 2 to 6: list 3 is column 5
        tasten(datei.get(), u"Auswahl(3)"_s, Qt::Key_Home);  // choosing an entry replaces PPD
        tasten(datei.get(), u"Auswahl(3)"_s, Qt::Key_Down, 4);
        QVERIFY(datei->spaltenzuordnung()[4] == kVLuft && text(u"spalten_titel(3)"_s) == u"v_Luft");
        QTest::keyClicks(liste(3), u"Ti"_s);
        QVERIFY(liste(3)->currentIndex() == 4 && datei->spaltenzuordnung()[4] == kVLuft);
        tasten(datei.get(), u"Auswahl(3)"_s, Qt::Key_End);  // the last entry is the outdoor temperature
        QVERIFY(datei->spaltenzuordnung()[4] == kTaAussen && text(u"spalten_titel(3)"_s) == u"Ta_außen");
    }

    // A semicolon file: its separator, the headings above the columns, the two zones to choose, a
    // field without a number named before the run; another separator or reading reads the preview again.
    void trennzeichenUndKopfzeile()
    {
        oeffne("Stunde;Zone1:Ti;Zone2:Ti;Ts\r\n1;20,5;22;19\r\n2;21;x;20\r\n");
        QCOMPARE(finde<QComboBox>(datei.get(), u"trennzeichen"_s)->currentText() + u'|'
                     + texteVon(datei.get(), {u"sp(1)"_s, u"t(1)"_s}),
                 u"Semikolon|2: Zone1:Ti|20,50"_s);
        QCOMPARE(text(u"formathinweis"_s), u"Bitte wählen Sie: Ti aus Spalte 2 oder 3."_s);
        tasten(datei.get(), u"Auswahl(2)"_s, Qt::Key_Home);
        tasten(datei.get(), u"Auswahl(2)"_s, Qt::Key_Down, 2);
        QTRY_VERIFY(datei->befund().has_value());
        klick(datei.get(), u"rechnen"_s);
        QVERIFY(dienste.meldungen().constLast().contains(u"Zeile 3: Feld 3 (Zone2:Ti): „x“ ist keine Zahl."_s));
        QCOMPARE(datei->Assistentenschritt(), int16_t(1));     // still the column page
        tasten(datei.get(), u"trennzeichen"_s, Qt::Key_Home);  // blanks and tabs: one number per line
        QCOMPARE(texteVon(datei.get(), {u"sp(1)"_s, u"t(0)"_s, u"t(1)"_s}), u"2|1,00|0,00"_s);

        oeffne("Datum;Uhrzeit;Ti\r\n01.01.2023;00:00;20\r\n01.01.2023;01:00;21\r\n");
        auto* lesart = finde<QComboBox>(datei.get(), u"lesart"_s);
        QVERIFY(lesart->isEnabled() && lesart->currentIndex() == int(Stundenlesart::Anfang));
        QCOMPARE(texteVon(datei.get(), {u"t(0)"_s, u"t(5)"_s}), u"1,00|2,00"_s);
        tasten(datei.get(), u"lesart"_s, Qt::Key_Home);  // 01:00 ends hour 1
        QCOMPARE(texteVon(datei.get(), {u"t(0)"_s, u"t(5)"_s}), u"0,00|1,00"_s);
    }

    // "&Weiter" on the column page: the duplicate check, then the constants page with its bars (or,
    // with v_Luft and humidity in columns, the behaviour page); "&Zurück" back and out.
    void konstanten_data()
    {
        QTest::addColumn<Konstantenfall>("fall");
        QTest::newRow("zweimal Ti") << Konstantenfall{"S 1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2", 0, {}, {}, 0};
        QTest::newRow("0,23 wird 0,25") << Konstantenfall{"S 1 2 3", 0.23f, u"0,25 m/s"_s, u"60 %"_s, 5};
        QTest::newRow("v_Luft-Spalte") << Konstantenfall{"S 1 2 4", 0.3f, u"aus Spalte 3"_s, u"60 %"_s, -1};
        QTest::newRow("Feuchte-Spalte, PMV unbenutzt")
            << Konstantenfall{"S 5 2 6", 0, u"0,00 m/s"_s, u"aus Spalte 1"_s, 0};
        QTest::newRow("beide Spalten: gleich zum Verhalten") << Konstantenfall{"S 1 2 4 5", 0, u"-"_s, {}, 0};
    }
    void konstanten()
    {
        QFETCH(Konstantenfall, fall);
        programm::Raumklima.v_Luft = fall.vLuft;
        oeffne(fall.zuordnung + "\r\n1 2 3\r\n");
        klick(datei.get(), u"rechnen"_s);
        QCOMPARE(dienste.aufrufe.size(), int(fall.vText.isEmpty()));
        if (fall.vText.isEmpty()) {
            QCOMPARE(dienste.aufrufe[0].titel + u'|' + dienste.aufrufe[0].text,
                     u"Warnung|Variable mehrfach vergeben!"_s);
            QVERIFY(dienste.aufrufe[0].symbol == Symbol::Warnung && datei->Assistentenschritt() == 1);
            return;
        }
        QVERIFY(!liste(0)->isVisible());
        if (fall.vText == u"-") {
            QVERIFY(datei->Assistentenschritt() == 4 && oben(u"benutzerverhalten"_s) == px(4320));
            QVERIFY(!finde(datei.get(), u"rechnen"_s)->isEnabled()
                    && finde(datei.get(), u"benutzer_einstellen"_s)->hasFocus());
        } else {
            QVERIFY(datei->Assistentenschritt() == 2 && oben(u"konst_para"_s) == px(4320));
            auto* v = finde<QScrollBar>(datei.get(), u"V_Scroll"_s);
            QCOMPARE(text(u"eingabe_txt3"_s) + u'|' + text(u"eingabe_txt4"_s), fall.vText + u'|' + fall.phiText);
            QCOMPARE(v->isEnabled() ? v->value() : -1, fall.vPosition);
            QCOMPARE(programm::Raumklima.v_Luft, fall.vPosition < 0 ? fall.vLuft : float(fall.vPosition) * 0.05f);
            QCOMPARE(finde(datei.get(), u"PHI_Scroll"_s)->isEnabled(), !fall.phiText.startsWith(u"aus"));
        }
        klick(datei.get(), u"Zurück"_s);  // back to the column page; there "&Zurück" closes
        QCOMPARE((QList<int>{datei->Assistentenschritt(), oben(u"Auswahl_Legende"_s), oben(u"konst_para"_s),
                             oben(u"benutzerverhalten"_s), finde(datei.get(), u"rechnen"_s)->isEnabled()}),
                 (QList<int>{1, px(4320), px(7000), px(7000), true}));
        klick(datei.get(), u"Zurück"_s);
        QVERIFY(!datei->isVisible() && imHaupt(u"oeffnen"_s)->isEnabled());
    }

    // The two forms of nutzen, centred on DATEI; the season-dependent one with its month table, its
    // ranges edited, and the run with them.
    void nutzenFormen()
    {
        oeffne(kMesswerte);
        QTRY_VERIFY(datei->befund());  // the hint counts the file's lines
        auto form = [&](nutzen* n, QSize groesse, const QString& titel, int zurueckLinks, int knopfOben, bool tabelle) {
            QVERIFY(n->size() == groesse && n->windowTitle() == titel);
            const QPoint abstand = n->frameGeometry().center() - datei->frameGeometry().center();
            QVERIFY(std::abs(abstand.x()) <= 2 && std::abs(abstand.y()) <= 2);
            QCOMPARE(finde(n, u"weiter"_s)->pos(), twipsPunkt(zurueckLinks + 1680, knopfOben));
            QVERIFY(finde(n, u"Frame1"_s)->isVisible() == tabelle && finde(n, u"tabelle"_s)->isVisible() == tabelle);
        };
        zuNutzen(
            [&](nutzen* n) { form(n, twipsGroesse(6240, 3270), u"Benutzerverhalten einstellen"_s, 1680, 2760, 0); });
        zuNutzen(
            [&](nutzen* n) {
                form(n, twipsGroesse(9675, 5520), u"Jahreszeitabhängiges Benutzerverhalten einstellen"_s, 6480, 4800,
                     true);
                QCOMPARE(finde(n, u"bereich(0)"_s)->focusPolicy(), Qt::StrongFocus);
                const auto* tabelle = finde<Monatstabelle>(n, u"tabelle"_s);  // the longest heading is not cut
                QVERIFY(QFontMetrics(tabelle->kopfschrift()).horizontalAdvance(u"1. Stunde"_s)
                        <= tabelle->zellen(0)[2].width());
                QVERIFY(QFontMetrics(tabelle->font()).horizontalAdvance(u"September"_s)  // in full, as in the lists
                        <= tabelle->zellen(9)[0].width());
                // First months fill the lengths (the month rules are the core's); what does not fit is said.
                QStringList laengen;
                for (const auto& [k, monat] : {std::pair{0, 1}, {1, 5}, {2, 10}, {3, 3}}) {  // Jan., Mai, Okt., März
                    tasten(n, u"monat(%1)"_s.arg(k), Qt::Key_Home);
                    tasten(n, u"monat(%1)"_s.arg(k), Qt::Key_Down, monat);
                    laengen << textVon(n, u"bereich(%1)"_s.arg(k)) << textVon(n, u"hinweis"_s);
                }
                QCOMPARE(laengen.mid(4).join(u'|'),
                         u"2208|Die Datei hat 6 Datenzeilen. Die Bereiche A bis D umfassen 6 davon.|0|"
                         u"Bereich D muss in einem späteren Monat beginnen als Bereich C."_s);
                QCOMPARE(textVon(n, u"bereich(0)"_s) + u' ' + textVon(n, u"bereich(1)"_s), u"2880 3672"_s);
                // Edited ranges: the marked one takes the bars; the run uses the lengths fitted to six lines.
                for (const auto& [k, laenge] : {std::pair{0, u"4"_s}, {1, u"0"_s}, {2, u"1"_s}, {3, u"9"_s}})
                    tippe(finde(n, u"bereich(%1)"_s.arg(k)), laenge);
                auto farbe = [&](int k) {
                    return finde(n, u"zeilen_titel(%1)"_s.arg(k))->palette().color(QPalette::WindowText);
                };
                auto* energie = finde<QScrollBar>(n, u"Energieumsatz_Scroll"_s);
                QCOMPARE(farbe(0), QColor(255, 0, 0));
                klick(n, u"zeilen_titel(2)"_s);  // "C"
                QVERIFY(farbe(2) == QColor(255, 0, 0) && farbe(0) == QColor(Qt::black));
                tasten(n, u"Energieumsatz_Scroll"_s, Qt::Key_PageUp);
                QCOMPARE(textVon(n, u"a(2)"_s) + textVon(n, u"a(0)"_s), u"95 W/m²70 W/m²"_s);
                klick(n, u"zeilen_titel(0)"_s);  // "A" loads its values into the bars
                QVERIFY(energie->value() == 14 && textVon(n, u"eingabe_txt6"_s) == u"70 W/m²");
                klick(n, u"zeilen_titel(2)"_s);
                klick(n, u"b(3)"_s);  // D, bars stay
                QCOMPARE(energie->value(), 19);
                tasten(n, u"Kleidung_Scroll"_s, Qt::Key_Right);
                QCOMPARE(textVon(n, u"b(3)"_s) + textVon(n, u"b(2)"_s), u"1,05 clo1,00 clo"_s);
                // Typed values keep to the bars' range and steps and move the bar; a refused one is said.
                for (const auto& [feld, getippt, gezeigt, abgelehnt] :
                     {std::tuple{u"a(3)"_s, u"viel"_s, u"70 W/m²"_s, true},
                      {u"b(3)"_s, u"4.1"_s, u"1,05 clo"_s, true},
                      {u"a(3)"_s, u"117 W/m²"_s, u"115 W/m²"_s, false}}) {
                    tippe(finde(n, feld), getippt);
                    QTest::keyClick(finde(n, feld), Qt::Key_Return);
                    QCOMPARE(textVon(n, feld), gezeigt);
                    QCOMPARE(textVon(n, u"hinweis"_s).contains(u"gilt nicht"_s), abgelehnt);
                }
                QCOMPARE(energie->value(), 23);
                klick(n, u"weiter"_s);
                QCOMPARE(textVon(n, u"bereich(3)"_s), u" 1"_s);
            },
            1);
        QVERIFY(lies(pfad(u"messwerte.TPR"_s))
                    .contains("C  1                 95 W/m\xc2\xb2             1,00 clo\r\n"
                              "C  9                 115 W/m\xc2\xb2            1,05 clo\r\nC  \r\n"));
    }

    // The whole road: constants (which the main window follows), nutzen's "&Weiter", the message, the
    // result shown in DATEI with its evaluation, and the evaluation again from the main window.
    void stapellaufUeberDieFenster()
    {
        auto* eintrag = findeKind<QAction>(haupt.get(), u"menu_extras_auswertung"_s);
        oeffne(kMesswerte);
        QVERIFY(!eintrag->isEnabled() && !finde(datei.get(), u"letzteAuswertung"_s)->isEnabled());
        QTRY_COMPARE(text(u"datenzeilen"_s), u"Datenzeilen: 6"_s);
        klick(datei.get(), u"rechts_max"_s);  // looking at columns 16 to 20 does not matter
        klick(datei.get(), u"rechnen"_s);
        tasten(datei.get(), u"V_Scroll"_s, Qt::Key_Right, 2);
        tasten(datei.get(), u"PHI_Scroll"_s, Qt::Key_PageDown, 2);
        QVERIFY(!weiter());
        const QString ergebnis = QDir::toNativeSeparators(pfad(u"messwerte.TPR"_s));
        QCOMPARE(dienste.meldungen(),
                 QStringList{u"Berechnung erfolgreich durchgeführt.\n\nErgebnisse in der Datei\n%1\ngespeichert."_s.arg(
                     ergebnis)});
        QCOMPARE(dienste.aufrufe[0].symbol, Symbol::Information);
        QVERIFY(lies(pfad(u"messwerte.TPR"_s))
                    .contains("C  Luftgeschwindigkeit  = 0,1 m/s\r\nC  relative Luftfeuchte = 50,0 %\r\n"));
        QVERIFY(datei->windowTitle() == ergebnis && datei->Assistentenschritt() == 1 && liste(0)->isVisible());
        QCOMPARE(text(u"sp(0)"_s) + liste(3)->placeholderText() + text(u"spalten_titel(4)"_s), u"1PMVPPD"_s);
        auto* fenster = datei->findChild<Auswertungsfenster*>();
        QVERIFY(fenster && fenster->isVisible() && finde(datei.get(), u"letzteAuswertung"_s)->isEnabled());
        QVERIFY(textVon(fenster, u"zusammenfassung"_s).contains(u"Ausgewertete Datenzeilen: 6"_s));
        QSignalSpy neuberechnet(haupt.get(), &hpt::neuberechnet);
        klick(datei.get(), u"abbrechen"_s);  // the main window follows the constants and recomputes once
        QWidget* h = haupt->centralWidget();
        QCOMPARE(textVon(h, u"eingabe_txt3"_s) + textVon(h, u"eingabe_txt4"_s), u"0,10 m/s50 %"_s);
        QVERIFY(neuberechnet.count() == 1 && eintrag->isEnabled());
        QString gezeigt;
        imNaechstenModalen([&](QWidget* w) { gezeigt = textVon(w, u"zusammenfassung"_s), w->close(); });
        eintrag->trigger();
        QVERIFY(gezeigt.contains(u"Ausgewertete Datenzeilen: 6"_s));
    }

    // What would make the result silently wrong is asked first: Nein writes nothing and keeps nutzen open.
    // Ja runs; a failed run (a folder in the way) says why, keeps nutzen open and loses nothing, and
    // nutzen's "&Zurück" leads to the columns.
    void vorwarnungUndFehlschlag()
    {
        QVERIFY(QDir(ordner->path()).mkdir(u"messwerte.TPR"_s));
        oeffne("S 1 2 3\r\nJahresstunde\tTi\tTs\r\n" + stundenwerte(3) + "\t4\t1E39\t20\r\n");
        QTRY_VERIFY(datei->befund());
        const QMap<QString, QByteArray> vorher = abbild(ordner->path());
        dienste.nein();
        QVERIFY(weiter());
        const SkriptDienste::Aufruf frage = dienste.aufrufe.value(0);
        QVERIFY2(frage.art == u"frage" && frage.text.endsWith(u"Trotzdem auswerten?"_s) && !frage.vorgabeJa,
                 qPrintable(frage.text));
        QVERIFY(abbild(ordner->path()) == vorher && dienste.aufrufe.size() == 1);
        dienste.ja();  // to the run, then to replacing what is in the way
        dienste.ja();
        zuNutzen([&](nutzen* n) {
            klick(n, u"weiter"_s);
            QVERIFY(n->isVisible());
            klick(n, u"Zurück"_s);
        });
        const SkriptDienste::Aufruf& meldung = dienste.aufrufe.last();
        QVERIFY(meldung.art == u"meldung" && meldung.symbol == Symbol::Warnung && datei->Assistentenschritt() == 1);
        QVERIFY2(meldung.text.contains(u"Unter diesem Namen steht ein Ordner"_s), qPrintable(meldung.text));
        QCOMPARE(abbild(ordner->path()), vorher);
    }

    // The question before a result is replaced, the save dialog, "Abbrechen" in the progress dialog
    // (the old result stays, nothing new is written, nutzen stays open), and "Datei existiert bereits!".
    void ueberschreibenUndAbbrechen()
    {
        schreibe(pfad(u"messwerte.TPR"_s), "alt");
        schreibe(pfad(u"vorhanden.bak"_s), "vorhanden");
        oeffne("S 1 2 3\r\n" + stundenwerte(400000));
        QTRY_VERIFY(datei->befund());
        datei->setzeFortschrittNach(std::chrono::milliseconds(0));
        const QMap<QString, QByteArray> vorher = abbild(ordner->path());
        dienste.nein();
        dienste.abbrechen();
        weiter();  // Nein, the save dialog cancelled: nothing written, back on the behaviour page
        QVERIFY(datei->Assistentenschritt() == 4 && dienste.aufrufe.size() == 2);
        const SkriptDienste::Aufruf& frage = dienste.aufrufe[0];
        QVERIFY(frage.art == u"frage" && frage.symbol == Symbol::Warnung && !frage.vorgabeJa);
        QCOMPARE(
            frage.titel + u'|' + frage.text,
            u"Datei speichern unter|%1\nbesteht bereits.\n\nMöchten Sie, dass diese Datei überschrieben wird?"_s.arg(
                QDir::toNativeSeparators(pfad(u"messwerte.TPR"_s))));
        const Dateidialog& dialog = dienste.aufrufe[1].dialog;
        QCOMPARE(dialog.filter + u'|' + dialog.dateiname + QString::number(dialog.filterIndex),
                 u"Sicherungen (*.bak)|*.bak|Alle Dateien (*.*)|*.*|"_s + pfad(u"messwerte.BAK1"_s));
        dienste.zuruecksetzen();
        dienste.ja();  // the old result may be replaced, but the cancelled run must not
        QTimer wache;
        connect(&wache, &QTimer::timeout, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == u"Fortschritt" && w->isVisible()) {
                    wache.stop();
                    QCOMPARE(w->findChild<QPushButton*>()->text(), u"Abbrechen"_s);
                    QTest::mouseClick(w->findChild<QPushButton*>(), Qt::LeftButton);
                }
        });
        wache.start(5);
        QVERIFY(weiter() && !wache.isActive());
        QCOMPARE(abbild(ordner->path()), vorher);
        QVERIFY(dienste.aufrufe.size() == 1 && !letzter.vorhanden());  // the question before replacing, no message
        dienste.zuruecksetzen();  // Nein, a name that exists, then Ja: the old result goes there
        dienste.nein();
        dienste.datei(pfad(u"vorhanden.bak"_s));
        dienste.ja();
        QVERIFY(!weiter());
        QVERIFY(dienste.aufrufe.size() == 5 && dienste.aufrufe[3].art == u"frage");  // a second question on the name
        QCOMPARE(dienste.aufrufe[2].text, u"Datei existiert bereits!\nBitte neuen Dateinamen eingeben."_s);
        QVERIFY(lies(pfad(u"vorhanden.bak"_s)).startsWith("C\r\nC  Tempara 1.3")
                && lies(pfad(u"messwerte.TPR"_s)) == "alt");
    }
};

QTEST_MAIN(TestStapelFenster)
#include "tst_batch_fenster.moc"
