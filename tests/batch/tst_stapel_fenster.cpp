// The windows DATEI and nutzen driven as a user drives them: opening a data file from the
// main window, paging, choosing column variables, constants, the behaviour window and the
// batch run with its questions and messages.
#include "auswertung_fenster.h"
#include "cliprozess.h"
#include "datei_fenster.h"
#include "dateioeffner.h"
#include "letzter_lauf.h"
#include "monatstabelle.h"
#include "nutzen_fenster.h"
#include "stapeltest.h"

#include "fenstertest.h"
#include "findekind.h"
#include "hpt.h"
#include "pmv.h"
#include "programm.h"
#include "skriptdienste.h"
#include "twips.h"
#include "zahlen.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using namespace stapel;
using namespace stapeltest;

namespace {

template <typename T = QWidget>
T* finde(QWidget* fenster, const QString& name)
{
    return findeKind<T>(fenster, name);
}

QString beschriftung(QWidget* fenster, const QString& name) { return finde<QLabel>(fenster, name)->text(); }
QString feld(QWidget* fenster, const QString& name) { return finde<QLineEdit>(fenster, name)->text(); }
void klick(QWidget* fenster, const QString& name)
{
    QTest::mouseClick(finde<QPushButton>(fenster, name), Qt::LeftButton);
}
void tasten(QWidget* fenster, const QString& name, Qt::Key taste, int anzahl = 1)
{
    QWidget* ziel = finde(fenster, name);
    ziel->setFocus();
    for (int i = 0; i < anzahl; ++i)
        QTest::keyClick(ziel, taste);
}

// Runs `schritt` on the modal window that opens next (DATEI's exec or nutzen's exec).
void imNaechstenModalen(std::function<void(QWidget*)> schritt)
{
    QTimer::singleShot(0, qApp, [schritt = std::move(schritt)] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        schritt(modal);
    });
}

const QByteArray kMesswerte = "C Messwerte Raum 1.12\r\nS 1 2 3\r\n"
                              "\t1\t21,5\t20,0\r\n\t2\t21,0\t19,5\r\n\t3\t20,5\t19,0\r\n\t4\t20,0\t18,5\r\n"
                              "\t5\t21,0\t20,0\r\n\t6\t22,0\t21,0\r\n";

int datenzeilenIn(const QByteArray& text) { return int(text.count("\n\t")); }

}  // namespace

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
    QString text(const QString& name) { return beschriftung(datei.get(), name); }
    int oben(const QString& rahmen) { return finde(datei.get(), rahmen)->y(); }
    // From the column page to nutzen in the given form; `inNutzen` runs while nutzen is open.
    void zuNutzen(std::function<void(nutzen*)> inNutzen, int art = 0)
    {
        if (datei->Assistentenschritt() < 2)
            klick(datei.get(), u"rechnen"_s);
        if (datei->Assistentenschritt() == 2)
            klick(datei.get(), u"rechnen"_s);
        QTest::mouseClick(finde<QRadioButton>(datei.get(), u"benutzer(%1)"_s.arg(art)), Qt::LeftButton);
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
    void weiter()
    {
        zuNutzen([](nutzen* n) { klick(n, u"weiter"_s); });
    }
    static void tippe(QWidget* fenster, const QString& name, const QString& text)
    {
        auto* feld = finde<QLineEdit>(fenster, name);
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, text);
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
        QVERIFY2(dienste.offeneFehler().isEmpty(), qPrintable(dienste.offeneFehler().join(u'\n')));
        dienste.zuruecksetzen();
        keineFensterUebrig();
    }

    void vertrag()
    {
        oeffne(kMesswerte);
        pruefeVertrag(*datei, {{"tabelle", "QFrame", 120, 120, 10260, 3600},
                               {"links_max", "QPushButton", 1560, 3120, 480, 315},
                               {"links", "QPushButton", 2070, 3120, 480, 315},
                               {"sp_scroll", "QScrollBar", 2580, 3135, 6510, 285},
                               {"rechts", "QPushButton", 9150, 3120, 480, 315},
                               {"rechts_max", "QPushButton", 9660, 3120, 480, 315},
                               {"Auswahl_Legende", "QFrame", 120, 4320, 10260, 1560},
                               {"konst_para", "QGroupBox", 120, 7005, 10260, 1560},
                               {"V_Scroll", "QScrollBar", 2760, 420, 3600, 285},
                               {"eingabe_txt3", "QLabel", 6600, 405, 1560, 315},
                               {"PHI_Scroll", "QScrollBar", 2760, 960, 3600, 285},
                               {"eingabe_txt4", "QLabel", 6600, 945, 1560, 315},
                               {"benutzerverhalten", "QGroupBox", 120, 7005, 10260, 1560},
                               {"benutzer(0)", "QRadioButton", 480, 420, 3600, 345},
                               {"benutzer(1)", "QRadioButton", 480, 900, 3600, 345},
                               {"benutzer_einstellen", "QPushButton", 5280, 540, 1800, 420},
                               {"datenzeilen", "QLabel", 240, 6045, 2880, 285},
                               {"letzteAuswertung", "QPushButton", 3120, 6000, 1980, 375},
                               {"Zurück", "QPushButton", 5220, 6000, 1560, 375},
                               {"rechnen", "QPushButton", 6900, 6000, 1560, 375},
                               {"abbrechen", "QPushButton", 8580, 6000, 1560, 375}});
        zuNutzen(
            [](nutzen* n) {
                pruefeVertrag(*n, {{"Frame2", "QGroupBox", 120, 120, 6120, 1560},
                                   {"Energieumsatz_Scroll", "QScrollBar", 1740, 360, 2880, 285},
                                   {"eingabe_txt6", "QLabel", 4740, 345, 1140, 315},
                                   {"Kleidung_Scroll", "QScrollBar", 1740, 960, 2880, 285},
                                   {"eingabe_txt5", "QLabel", 4740, 945, 1140, 315},
                                   {"Frame1", "QFrame", 120, 1800, 6120, 2760},
                                   {"bereich(0)", "QLineEdit", 1920, 480, 1080, 345},
                                   {"bereich(3)", "QLineEdit", 1920, 2100, 1080, 345},
                                   {"tabelle", "stapel::Monatstabelle", 6480, 120, 3075, 4560},
                                   {"hinweis", "QLabel", 120, 4650, 6120, 600},
                                   {"Zurück", "QPushButton", 6480, 4800, 1455, 420},
                                   {"weiter", "QPushButton", 8160, 4800, 1455, 420}});
            },
            1);
    }

    void oeffnenAusDemHauptfenster()
    {
        schreibe(pfad(u"messwerte.txt"_s), kMesswerte);
        dienste.datei(pfad(u"messwerte.txt"_s));
        bool gezeigt = false;
        imNaechstenModalen([&](QWidget* w) {
            gezeigt = w->objectName() == u"DATEI";
            QCOMPARE(w->windowTitle(), QDir::toNativeSeparators(pfad(u"messwerte.txt"_s)));
            QVERIFY(!findeKind<QPushButton>(haupt.get(), u"oeffnen"_s)->isEnabled()
                    && !findeKind<QAction>(haupt.get(), u"menu_datei_open"_s)->isEnabled());
            klick(w, u"abbrechen"_s);
        });
        QTest::mouseClick(findeKind<QPushButton>(haupt.get(), u"oeffnen"_s), Qt::LeftButton);
        QVERIFY(gezeigt);
        QVERIFY(findeKind<QPushButton>(haupt.get(), u"oeffnen"_s)->isEnabled()
                && findeKind<QAction>(haupt.get(), u"menu_datei_open"_s)->isEnabled());
        dienste.datei(pfad(u"gibt_es_nicht.txt"_s));  // cannot be opened: silently nothing
        findeKind<QAction>(haupt.get(), u"menu_datei_open"_s)->trigger();
        QVERIFY(!QApplication::activeModalWidget());
        // A file that cannot be read as text is refused with its cause before any preview.
        schreibe(pfad(u"null.txt"_s), QByteArray("S 1 2\r\n1 2\0\r\n", 14));
        dienste.datei(pfad(u"null.txt"_s));
        findeKind<QAction>(haupt.get(), u"menu_datei_open"_s)->trigger();
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(dienste.meldungen().constLast().contains(u"enthält Nullbytes"_s));
    }

    void ersteSeite()
    {
        oeffne(kMesswerte);
        QVERIFY(datei->frameGeometry().height() >= px(6720));
        QCOMPARE(QList<int>({oben(u"Auswahl_Legende"_s), oben(u"konst_para"_s), oben(u"benutzerverhalten"_s)}),
                 QList<int>({px(4320), px(7000), px(7000)}));
        QVERIFY(datei->height() < px(7000));  // the parked frames lie below the visible area
        QStringList gezeigt;
        for (int e = 0; e < liste(4)->count(); ++e)
            gezeigt << liste(4)->itemText(e);
        QCOMPARE(gezeigt,
                 (QStringList{u"(unbenutzt)"_s, u"Jahresstunde"_s, u"Ti"_s, u"Ts"_s, u"v_Luft"_s, u"rel. Feuchte"_s}));
        // The assignment line S 1 2 3 and the first five data lines.
        QCOMPARE(text(u"spalten_titel(0)"_s), u"Jahresstunde"_s);
        QCOMPARE(text(u"spalten_titel(2)"_s), u"Ts"_s);
        QCOMPARE(liste(1)->currentText(), u"Ti"_s);
        QCOMPARE((QStringList{text(u"t(1)"_s), text(u"t(20)"_s), text(u"t(3)"_s)}),
                 (QStringList{u"21,50"_s, u"5,00"_s, u"0,00"_s}));
        QCOMPARE(datei->Assistentenschritt(), int16_t(0));
    }

    // Buttons, and keys on sp_scroll ("Bild↑" and "Ende").
    void spaltenBlaettern_data()
    {
        QTest::addColumn<QStringList>("knoepfe");
        QTest::addColumn<int>("ersteSpalte");
        QTest::newRow(">| zeigt 16 bis 20") << QStringList{u"rechts_max"_s} << 16;
        QTest::newRow("> eine Spalte") << QStringList{u"rechts"_s, u"rechts"_s} << 3;
        QTest::newRow("< eine Spalte") << QStringList{u"rechts_max"_s, u"links"_s} << 15;
        QTest::newRow("> am Ende bleibt") << QStringList{u"rechts_max"_s, u"rechts"_s} << 16;
        QTest::newRow("Bild-Taste: drei Spalten") << QStringList{u"Bild"_s} << 4;
        QTest::newRow("Ende-Taste") << QStringList{u"Ende"_s} << 16;
    }
    void spaltenBlaettern()
    {
        QFETCH(QStringList, knoepfe);
        QFETCH(int, ersteSpalte);
        QByteArray zeile;
        for (int c = 1; c <= 20; ++c)
            zeile += QByteArray::number(c * 10) + ' ';
        oeffne("S 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 5\r\n" + zeile + "\r\n");
        for (const QString& k : knoepfe)
            k == u"Bild"   ? tasten(datei.get(), u"sp_scroll"_s, Qt::Key_PageUp)
            : k == u"Ende" ? tasten(datei.get(), u"sp_scroll"_s, Qt::Key_End)
                           : klick(datei.get(), k);
        QCOMPARE(finde<QScrollBar>(datei.get(), u"sp_scroll"_s)->value(), ersteSpalte);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(text(u"sp(%1)"_s.arg(i)), QString::number(ersteSpalte + i));
            QCOMPARE(text(u"t(%1)"_s.arg(i)), u"%1,00"_s.arg((ersteSpalte + i) * 10));
        }
        QCOMPARE(liste(4)->currentIndex(), ersteSpalte == 16 ? 5 : 0);
    }

    // Typing into a list is discarded; PMV and PPD show as text only; the focus-loss rule.
    void listenWaehlenUndTippen()
    {
        oeffne("S 1 2 3 6 7\r\n\t1\t20,0\t20,0\t-0,3\t6,7\r\n");
        QCOMPARE(liste(3)->currentIndex(), -1);
        QCOMPARE(liste(3)->placeholderText(), u"PMV"_s);
        QCOMPARE(liste(4)->placeholderText(), u"PPD"_s);
        QCOMPARE(text(u"spalten_titel(4)"_s), u"PPD"_s);
        liste(4)->setFocus();  // the focus leaves a list showing something else: its code again
        liste(4)->setCurrentIndex(2);
        finde(datei.get(), u"sp_scroll"_s)->setFocus();
        QCOMPARE(liste(4)->currentIndex(), -1);
        QCOMPARE(datei->spaltenzuordnung()[4], int16_t(kPPD));
        klick(datei.get(), u"rechts"_s);                     // columns 2 to 6: list 3 is column 5
        tasten(datei.get(), u"Auswahl(3)"_s, Qt::Key_Home);  // choosing an entry replaces PPD
        tasten(datei.get(), u"Auswahl(3)"_s, Qt::Key_Down, 4);
        QCOMPARE(datei->spaltenzuordnung()[4], int16_t(kVLuft));
        QCOMPARE(text(u"spalten_titel(3)"_s), u"v_Luft"_s);
        QTest::keyClicks(liste(3), u"Ti"_s);
        QCOMPARE(liste(3)->currentIndex(), 4);
        QCOMPARE(datei->spaltenzuordnung()[4], int16_t(kVLuft));
        klick(datei.get(), u"links_max"_s);  // showing other columns changes no code
        QCOMPARE(liste(4)->currentIndex(), 4);
        QCOMPARE(datei->spaltenzuordnung()[0], int16_t(kJahresstunde));
    }

    // "&Weiter" on the column page: the duplicate check, then the constants page with its bars.
    void konstanten_data()
    {
        QTest::addColumn<QByteArray>("zuordnung");
        QTest::addColumn<float>("vLuft");
        QTest::addColumn<QString>("vText");  // empty: the duplicate warning instead
        QTest::addColumn<int>("vPosition");  // −1: bar disabled
        QTest::addColumn<float>("vNachher");
        QTest::addColumn<QString>("phiText");
        QTest::newRow("zweimal Ti") << QByteArray("S 1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2") << 0.0f << QString() << 0
                                    << 0.0f << QString();
        QTest::newRow("zweimal unbenutzt")
            << QByteArray("S 1 0 0 2") << 0.0f << u"0,00 m/s"_s << 0 << 0.0f << u"60 %"_s;
        QTest::newRow("zweimal PMV") << QByteArray("S 6 6 2") << 0.0f << u"0,00 m/s"_s << 0 << 0.0f << u"60 %"_s;
        QTest::newRow("0,23 wird 0,25") << QByteArray("S 1 2 3") << 0.23f << u"0,25 m/s"_s << 5 << 0.25f << u"60 %"_s;
        QTest::newRow("über 5 m/s: Ende der Leiste")
            << QByteArray("S 1 2 3") << 7.5f << u"5,00 m/s"_s << 100 << 5.0f << u"60 %"_s;
        QTest::newRow("v_Luft-Spalte") << QByteArray("S 1 2 4") << 0.3f << u"xxxx"_s << -1 << 0.3f << u"60 %"_s;
        QTest::newRow("Feuchte-Spalte") << QByteArray("S 5 2") << 0.0f << u"0,00 m/s"_s << 0 << 0.0f << u"xxxx"_s;
    }
    void konstanten()
    {
        QFETCH(QByteArray, zuordnung);
        QFETCH(float, vLuft);
        QFETCH(QString, vText);
        QFETCH(int, vPosition);
        QFETCH(float, vNachher);
        QFETCH(QString, phiText);
        programm::Raumklima.v_Luft = vLuft;
        oeffne(zuordnung + "\r\n1 2 3\r\n");
        klick(datei.get(), u"rechnen"_s);
        QCOMPARE(dienste.aufrufe.size(), int(vText.isEmpty()));
        if (vText.isEmpty()) {
            QCOMPARE(dienste.aufrufe[0].titel, u"Warnung"_s);
            QCOMPARE(dienste.aufrufe[0].text, u"Variable mehrfach vergeben!"_s);
            QCOMPARE(dienste.aufrufe[0].symbol, Symbol::Warnung);
            QCOMPARE(datei->Assistentenschritt(), int16_t(1));
            QCOMPARE(oben(u"Auswahl_Legende"_s), px(4320));
            return;
        }
        QCOMPARE(datei->Assistentenschritt(), int16_t(2));
        QCOMPARE(QList<int>({oben(u"konst_para"_s), oben(u"Auswahl_Legende"_s)}), QList<int>({px(4320), px(7000)}));
        QVERIFY(!liste(0)->isVisible());
        QScrollBar* v = finde<QScrollBar>(datei.get(), u"V_Scroll"_s);
        QCOMPARE(text(u"eingabe_txt3"_s), vText);
        QCOMPARE(text(u"eingabe_txt4"_s), phiText);
        QCOMPARE(v->isEnabled() ? v->value() : -1, vPosition);
        QCOMPARE(programm::Raumklima.v_Luft, vNachher);
        QCOMPARE(finde(datei.get(), u"PHI_Scroll"_s)->isEnabled(), phiText != u"xxxx");
    }

    void seitenVorUndZurueck()
    {
        oeffne("S 1 2 4 5\r\n1 2 3 4\r\n");
        klick(datei.get(), u"rechnen"_s);  // v_Luft and humidity in columns: straight to behaviour
        QCOMPARE(datei->Assistentenschritt(), int16_t(4));
        QCOMPARE(oben(u"benutzerverhalten"_s), px(4320));
        QVERIFY(!finde(datei.get(), u"rechnen"_s)->isEnabled());
        QVERIFY(finde(datei.get(), u"benutzer_einstellen"_s)->hasFocus());
        klick(datei.get(), u"Zurück"_s);
        QCOMPARE(datei->Assistentenschritt(), int16_t(1));
        QCOMPARE(oben(u"Auswahl_Legende"_s), px(4320));
        QCOMPARE(oben(u"benutzerverhalten"_s), px(7000));
        QVERIFY(finde(datei.get(), u"rechnen"_s)->isEnabled());
        QVERIFY(liste(0)->isVisible());
        klick(datei.get(), u"Zurück"_s);  // on the column page "&Zurück" closes
        QVERIFY(!datei->isVisible());
        QVERIFY(findeKind<QPushButton>(haupt.get(), u"oeffnen"_s)->isEnabled());
    }

    void nutzenFormen_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<QPoint>("zurueck");
        QTest::addColumn<QPoint>("weiter");
        QTest::addColumn<QString>("titel");
        QTest::newRow("jahreszeitunabhängig") << 0 << twipsGroesse(6240, 3270) << twipsPunkt(1680, 2760)
                                              << twipsPunkt(3360, 2760) << u"Benutzerverhalten einstellen"_s;
        QTest::newRow("jahreszeitabhängig")
            << 1 << twipsGroesse(9675, 5520) << twipsPunkt(6480, 4800) << twipsPunkt(8160, 4800)
            << u"Jahreszeitabhängiges Benutzerverhalten einstellen"_s;
    }
    void nutzenFormen()
    {
        QFETCH(int, art);
        QFETCH(QSize, groesse);
        QFETCH(QPoint, zurueck);
        QFETCH(QPoint, weiter);
        QFETCH(QString, titel);
        oeffne(kMesswerte);
        zuNutzen(
            [&](nutzen* n) {
                QCOMPARE(n->size(), groesse);
                QCOMPARE(n->windowTitle(), titel);
                QCOMPARE(finde(n, u"Zurück"_s)->pos(), zurueck);
                QCOMPARE(finde(n, u"weiter"_s)->pos(), weiter);
                QCOMPARE(finde(n, u"Frame1"_s)->isVisible(), art == 1);
                QCOMPARE(finde(n, u"tabelle"_s)->isVisible(), art == 1);
                const QPoint abstand = n->frameGeometry().center() - datei->frameGeometry().center();
                QVERIFY(std::abs(abstand.x()) <= 2 && std::abs(abstand.y()) <= 2);
                for (int k = 0; k < 4; ++k)
                    QCOMPARE((QStringList{feld(n, u"bereich(%1)"_s.arg(k)), feld(n, u"a(%1)"_s.arg(k)),
                                          feld(n, u"b(%1)"_s.arg(k))}),
                             (QStringList{u"0"_s, u"70 W/m²"_s, u"1,00 clo"_s}));
                QCOMPARE(beschriftung(n, u"eingabe_txt6"_s), u"70 W/m²"_s);
                QCOMPARE(beschriftung(n, u"eingabe_txt5"_s), u"1,00 clo"_s);
                QCOMPARE(finde(n, u"bereich(0)"_s)->focusPolicy(), art == 1 ? Qt::StrongFocus : Qt::NoFocus);
                // the headings and the longest month name fit their cells (none is cut)
                const auto* tabelle = finde<Monatstabelle>(n, u"tabelle"_s);
                const QFontMetrics fett(tabelle->kopfschrift()), normal(tabelle->font());
                QVERIFY(fett.horizontalAdvance(u"1. Tag"_s) <= tabelle->zellen(0)[1].width());
                QVERIFY(fett.horizontalAdvance(u"1. Stunde"_s) <= tabelle->zellen(0)[2].width());
                QVERIFY(normal.horizontalAdvance(u"Septemb."_s) <= tabelle->zellen(9)[0].width());
            },
            art);
        for (const Monat& m : kMonate)  // the month table counts hours of a year without leap day
            QCOMPARE(m.ersteStunde, (m.ersterTag - 1) * 24 + 1);
        QCOMPARE(kMonate[11].ersterTag + 31 - 1, 365);
    }

    // Editing the ranges, and the run with them: the lengths fitted to the file's six lines.
    void nutzenBereicheBearbeitenUndAuswerten()
    {
        oeffne(kMesswerte);
        zuNutzen(
            [&](nutzen* n) {
                tippe(n, u"bereich(1)"_s, u"-5"_s);
                QCOMPARE(feld(n, u"bereich(1)"_s), u"0"_s);
                for (const auto& [k, laenge] : {std::pair{0, u"4"_s}, {2, u"1"_s}, {3, u"9"_s}})
                    tippe(n, u"bereich(%1)"_s.arg(k), laenge);
                auto farbe = [&](int k) {
                    return finde(n, u"zeilen_titel(%1)"_s.arg(k))->palette().color(QPalette::WindowText);
                };
                auto* energie = finde<QScrollBar>(n, u"Energieumsatz_Scroll"_s);
                QCOMPARE(farbe(0), QColor(255, 0, 0));
                QTest::mouseClick(finde(n, u"zeilen_titel(2)"_s), Qt::LeftButton);  // "C"
                QCOMPARE(farbe(2), QColor(255, 0, 0));
                QCOMPARE(farbe(0), QColor(Qt::black));
                tasten(n, u"Energieumsatz_Scroll"_s, Qt::Key_PageUp);
                QCOMPARE((QStringList{feld(n, u"a(2)"_s), feld(n, u"a(0)"_s)}),
                         (QStringList{u"95 W/m²"_s, u"70 W/m²"_s}));
                QTest::mouseClick(finde(n, u"zeilen_titel(0)"_s),
                                  Qt::LeftButton);  // "A" loads its values into the bars
                QCOMPARE(energie->value(), 14);
                QCOMPARE(beschriftung(n, u"eingabe_txt6"_s), u"70 W/m²"_s);
                QTest::mouseClick(finde(n, u"zeilen_titel(2)"_s), Qt::LeftButton);
                QCOMPARE(energie->value(), 19);
                QTest::mouseClick(finde(n, u"b(3)"_s), Qt::LeftButton);  // D, bars stay
                QCOMPARE(energie->value(), 19);
                tasten(n, u"Kleidung_Scroll"_s, Qt::Key_Right);
                QCOMPARE((QStringList{feld(n, u"b(3)"_s), feld(n, u"b(2)"_s)}),
                         (QStringList{u"1,05 clo"_s, u"1,00 clo"_s}));
                klick(n, u"weiter"_s);
                QCOMPARE(feld(n, u"bereich(3)"_s), u" 1"_s);
            },
            1);
        const QByteArray text = lies(pfad(u"messwerte.TPR"_s));
        QVERIFY(text.contains("C  Datenzeilen       Aktivit\xc3\xa4t           Bekleidung\r\n"
                              "C  4                 70 W/m\xc2\xb2             1,00 clo\r\n"
                              "C  1                 95 W/m\xc2\xb2             1,00 clo\r\n"
                              "C  9                 70 W/m\xc2\xb2             1,05 clo\r\nC  \r\n"));
        QCOMPARE(datenzeilenIn(text), 6);
    }

    // A line that cannot be computed keeps the values before it: the message counts it and
    // claims no full success.
    void rechenfehlerInDerMeldung()
    {
        oeffne("S 1 2 3\r\n\t1\t20\t20\r\n\t2\t1E39\t20\r\n");
        klick(datei.get(), u"rechnen"_s);
        weiter();
        QCOMPARE(dienste.meldungen().size(), 1);
        QVERIFY2(
            dienste.meldungen()[0].startsWith(u"Berechnung durchgeführt; eine Datenzeile ließ sich nicht berechnen"_s),
            qPrintable(dienste.meldungen()[0]));
    }

    // The whole road: columns, constants (which the main window follows), nutzen's "&Weiter",
    // the message, the result file shown in DATEI, and a further run on the result.
    void stapellaufUeberDieFenster()
    {
        oeffne(kMesswerte);
        klick(datei.get(), u"rechts_max"_s);  // looking at columns 16 to 20 does not matter
        klick(datei.get(), u"rechnen"_s);
        tasten(datei.get(), u"V_Scroll"_s, Qt::Key_Right, 2);
        tasten(datei.get(), u"PHI_Scroll"_s, Qt::Key_PageDown, 2);
        QCOMPARE(text(u"eingabe_txt3"_s), u"0,10 m/s"_s);
        QCOMPARE(text(u"eingabe_txt4"_s), u"50 %"_s);
        weiter();
        const QString ergebnis = pfad(u"messwerte.TPR"_s);
        QCOMPARE(dienste.meldungen(),
                 QStringList{u"Berechnung erfolgreich durchgeführt.\n\nErgebnisse in der Datei\n%1\ngespeichert."_s.arg(
                     QDir::toNativeSeparators(ergebnis))});
        QCOMPARE(dienste.aufrufe[0].symbol, Symbol::Information);
        const QByteArray inhalt = lies(ergebnis);
        QVERIFY(inhalt.contains("C  Luftgeschwindigkeit  = 0,1 m/s\r\nC  relative Luftfeuchte = 50,0 %\r\n"));
        QCOMPARE(datei->windowTitle(), QDir::toNativeSeparators(ergebnis));
        QCOMPARE(datei->Assistentenschritt(), int16_t(1));
        QCOMPARE(oben(u"Auswahl_Legende"_s), px(4320));
        QVERIFY(liste(0)->isVisible() && finde(datei.get(), u"rechnen"_s)->isEnabled());
        QCOMPARE((QStringList{text(u"sp(0)"_s), liste(3)->placeholderText(), text(u"spalten_titel(4)"_s)}),
                 (QStringList{u"1"_s, u"PMV"_s, u"PPD"_s}));  // the result's columns from column 1 on

        dienste.zuruecksetzen();  // a further run evaluates the result shown: the old one becomes BAK
        weiter();
        QCOMPARE(lies(pfad(u"messwerte.BAK"_s)), inhalt);
        QVERIFY(lies(ergebnis).contains("\r\nS 1 2 3 6 7\r\n"));
        QCOMPARE(datenzeilenIn(lies(ergebnis)), 6);
        QSignalSpy neuberechnet(haupt.get(), &hpt::neuberechnet);
        klick(datei.get(), u"abbrechen"_s);  // the main window follows the constants and recomputes once
        QWidget* h = haupt->centralWidget();
        QCOMPARE((QList<int>{findeKind<QScrollBar>(h, u"V_Scroll"_s)->value(),
                             findeKind<QScrollBar>(h, u"PHI_Scroll"_s)->value()}),
                 (QList<int>{2, 50}));
        QCOMPARE((QStringList{findeKind<QLabel>(h, u"eingabe_txt3"_s)->text(),
                              findeKind<QLabel>(h, u"eingabe_txt4"_s)->text()}),
                 (QStringList{u"0,10 m/s"_s, u"50 %"_s}));
        QCOMPARE(neuberechnet.count(), 1);
        PmvErgebnis soll;
        QVERIFY(PmvBerechnen(PmvEingabeAus(programm::Raumklima, true), soll));
        QCOMPARE(findeKind<QLabel>(h, u"PMV_numerisch"_s)->text(), formatiereZahl(soll.PMV, 2));
    }

    // Before a run, what would make the result silently wrong is asked about: Nein writes
    // nothing and keeps nutzen open, Ja runs as before.
    void vorwarnungen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("laengeA");  // season-dependent only
        QTest::addColumn<QString>("teil");     // of the question
        QTest::addColumn<bool>("ja");
        const QByteArray kopf = "S 1 2 3\r\nJahresstunde\tTi\tTs\r\n" + stundenwerte(3);
        const QByteArray semikolons = "S 1 2 3\r\n1;21,5;20\r\n2;21;19\r\n";
        QTest::newRow("Überschrift, Nein") << kopf << 0 << QString() << u"Beginnt die Zeile mit „C“"_s << false;
        QTest::newRow("Überschrift, Ja") << kopf << 0 << QString() << u"Die erste Datenzeile (Zeile 2)"_s << true;
        QTest::newRow("Semikolons") << semikolons << 0 << QString() << u"Semikolons trennen keine Spalten"_s << false;
        QTest::newRow("alle Längen 0") << kMesswerte << 1 << u"0"_s << u"Alle Bereiche A bis D haben die Länge 0"_s
                                       << false;
        QTest::newRow("nicht alle Zeilen, Ja")
            << kMesswerte << 1 << u"5"_s << u"Die Bereiche A bis D umfassen 5 der 6 Datenzeilen."_s << true;
    }
    void vorwarnungen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, art);
        QFETCH(QString, laengeA);
        QFETCH(QString, teil);
        QFETCH(bool, ja);
        oeffne(inhalt);
        QTRY_VERIFY(datei->befund());
        const QMap<QString, QByteArray> vorher = abbild(ordner->path());
        ja ? dienste.ja() : dienste.nein();
        bool offen = false;
        zuNutzen(
            [&](nutzen* n) {
                if (!laengeA.isNull())
                    tippe(n, u"bereich(0)"_s, laengeA);
                klick(n, u"weiter"_s);
                offen = n->isVisible();
            },
            art);
        QCOMPARE(dienste.aufrufe[0].art, u"frage"_s);
        QVERIFY2(dienste.aufrufe[0].text.contains(teil), qPrintable(dienste.aufrufe[0].text));
        QVERIFY(dienste.aufrufe[0].text.endsWith(u"Trotzdem auswerten?"_s) && !dienste.aufrufe[0].vorgabeJa);
        QCOMPARE(offen, !ja);
        if (!ja) {
            QCOMPARE(abbild(ordner->path()), vorher);
            QCOMPARE(dienste.aufrufe.size(), 1);
            return;
        }
        QCOMPARE(datenzeilenIn(lies(pfad(u"messwerte.TPR"_s))), art == 1 ? 5 : 4);
    }

    // A first month per range fills the lengths from the month table (the last range to the
    // end of the year); what does not fit is said and changes nothing; the boxes stay editable.
    void bereicheNachMonaten()
    {
        oeffne(kMesswerte);
        QTRY_VERIFY(datei->befund());
        zuNutzen(
            [&](nutzen* n) {
                auto waehle = [&](int k, int monat) {
                    auto* liste = finde<QComboBox>(n, u"monat(%1)"_s.arg(k));
                    liste->setFocus();
                    while (liste->currentIndex() < monat)
                        QTest::keyClick(liste, Qt::Key_Down);
                    while (liste->currentIndex() > monat)
                        QTest::keyClick(liste, Qt::Key_Up);
                };
                auto laengen = [&] {
                    QStringList l;
                    for (int k = 0; k < 4; ++k)
                        l << feld(n, u"bereich(%1)"_s.arg(k));
                    return l;
                };
                const QString hinweis = u"Die Datei hat 6 Datenzeilen. Die Bereiche A bis D umfassen %1 davon."_s;
                QCOMPARE(beschriftung(n, u"hinweis"_s), hinweis.arg(0));
                waehle(0, 1);
                QCOMPARE(laengen(), (QStringList{u"8760"_s, u"0"_s, u"0"_s, u"0"_s}));
                waehle(1, 5);   // Mai
                waehle(2, 10);  // Oktober
                QCOMPARE(laengen(), (QStringList{u"2880"_s, u"3672"_s, u"2208"_s, u"0"_s}));
                QCOMPARE(beschriftung(n, u"hinweis"_s), hinweis.arg(6));
                waehle(3, 3);  // März, before C
                QCOMPARE(beschriftung(n, u"hinweis"_s),
                         u"Bereich D muss in einem späteren Monat beginnen als Bereich C."_s);
                QCOMPARE(laengen(), (QStringList{u"2880"_s, u"3672"_s, u"2208"_s, u"0"_s}));
                tippe(n, u"bereich(0)"_s, u"4"_s);
                QCOMPARE(feld(n, u"bereich(0)"_s), u"4"_s);
                QCOMPARE(beschriftung(n, u"hinweis"_s), hinweis.arg(6));
            },
            1);
    }

    // "Abbrechen" in the progress dialog of a long run: the old result stays, nothing new is
    // written, nutzen stays open.
    void abbrechenImFortschritt()
    {
        schreibe(pfad(u"messwerte.TPR"_s), "alt");
        oeffne("S 1 2 3\r\n" + stundenwerte(400000));
        QTRY_VERIFY(datei->befund());
        datei->setzeFortschrittNach(std::chrono::milliseconds(0));
        const QMap<QString, QByteArray> vorher = abbild(ordner->path());
        dienste.ja();  // the old result may be replaced, but the cancelled run must not
        QString knopftext;
        QTimer wache;
        connect(&wache, &QTimer::timeout, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == u"Fortschritt" && w->isVisible()) {
                    wache.stop();
                    auto* knopf = w->findChild<QPushButton*>();
                    knopftext = knopf->text();
                    QTest::mouseClick(knopf, Qt::LeftButton);
                }
        });
        wache.start(5);
        bool offen = false;
        zuNutzen([&](nutzen* n) {
            klick(n, u"weiter"_s);
            offen = n->isVisible();
        });
        QCOMPARE(knopftext, u"Abbrechen"_s);
        QVERIFY(offen);
        QCOMPARE(abbild(ordner->path()), vorher);
        QCOMPARE(dienste.aufrufe.size(), 1);  // the question before replacing, no message
        QVERIFY(!letzter.vorhanden());
    }

    // After a run its evaluation opens beside DATEI; DATEI and the main window's entry (enabled
    // only once there is a run) show it again; its table and picture are tempara-cli's.
    void auswertungNachDemLauf()
    {
        auto* eintrag = findeKind<QAction>(haupt.get(), u"menu_extras_auswertung"_s);
        QVERIFY(!eintrag->isEnabled());
        oeffne(kMesswerte);
        QVERIFY(!finde(datei.get(), u"letzteAuswertung"_s)->isEnabled());
        QTRY_COMPARE(text(u"datenzeilen"_s), u"Datenzeilen: 6"_s);
        weiter();
        auto* fenster = datei->findChild<Auswertungsfenster*>();
        QVERIFY(fenster && fenster->isVisible());
        QVERIFY(beschriftung(fenster, u"zusammenfassung"_s).contains(u"Ausgewertete Datenzeilen: 6"_s));
        QVERIFY(finde(datei.get(), u"letzteAuswertung"_s)->isEnabled());

        dienste.datei(pfad(u"fenster.png"_s));
        klick(fenster, u"bildSpeichern"_s);
        dienste.datei(pfad(u"fenster.csv"_s));
        klick(fenster, u"tabelleSpeichern"_s);
        QTemporaryDir anders;
        schreibe(anders.filePath(u"messwerte.txt"_s), kMesswerte);
        CliUmgebung u;
        u.ordner = anders.path();
        QCOMPARE(cliStarten({u"stapel"_s, u"messwerte.txt"_s, u"--v-luft"_s, u"0"_s, u"--phi"_s, u"60"_s,
                             u"--tabelle"_s, u"cli.csv"_s, u"--bild"_s, u"cli.png"_s},
                            u)
                     .status,
                 0);
        QCOMPARE(lies(anders.filePath(u"messwerte.TPR"_s)), lies(pfad(u"messwerte.TPR"_s)));
        QCOMPARE(lies(anders.filePath(u"cli.csv"_s)), lies(pfad(u"fenster.csv"_s)));
        QCOMPARE(lies(anders.filePath(u"cli.png"_s)), lies(pfad(u"fenster.png"_s)));

        klick(datei.get(), u"abbrechen"_s);
        QVERIFY(eintrag->isEnabled());
        QString gezeigt;
        imNaechstenModalen([&](QWidget* w) {
            gezeigt = beschriftung(w, u"zusammenfassung"_s);
            w->close();
        });
        eintrag->trigger();
        QVERIFY(gezeigt.contains(u"Ausgewertete Datenzeilen: 6"_s));
    }

    // The question before a result is replaced, the save dialog, and "Datei existiert bereits!".
    void ueberschreibenFragen_data()
    {
        QTest::addColumn<bool>("abbrechen");
        QTest::newRow("Nein, Name vorhanden, Ja") << false;
        QTest::newRow("Nein, Abbrechen") << true;
    }
    void ueberschreibenFragen()
    {
        QFETCH(bool, abbrechen);
        schreibe(pfad(u"messwerte.TPR"_s), "alt");
        schreibe(pfad(u"vorhanden.bak"_s), "vorhanden");
        dienste.nein();
        abbrechen ? dienste.abbrechen() : (dienste.datei(pfad(u"vorhanden.bak"_s)), dienste.ja());
        oeffne(kMesswerte);
        weiter();
        QCOMPARE(dienste.aufrufe.size(), abbrechen ? 2 : 5);  // then the message, a second question, the final message
        const SkriptDienste::Aufruf& frage = dienste.aufrufe[0];
        QCOMPARE(frage.art, u"frage"_s);
        QCOMPARE(frage.titel, u"Datei speichern unter"_s);
        QCOMPARE(frage.symbol, Symbol::Warnung);
        QVERIFY(!frage.vorgabeJa);
        QCOMPARE(frage.text, u"%1\nbesteht bereits.\n\nMöchten Sie, daß diese Datei überschrieben wird?"_s.arg(
                                 QDir::toNativeSeparators(pfad(u"messwerte.TPR"_s))));
        QCOMPARE(dienste.aufrufe[1].dialog.filter, u"All files (*.*)|*.*|Text Files (*.txt)|*.txt"_s);
        QCOMPARE(dienste.aufrufe[1].dialog.filterIndex, 1);
        QCOMPARE(dienste.aufrufe[1].dialog.dateiname, u"*.bak"_s);
        QCOMPARE(lies(pfad(u"messwerte.TPR"_s)), QByteArray("alt"));
        QCOMPARE(datei->Assistentenschritt(), int16_t(abbrechen ? 4 : 1));
        if (abbrechen) {
            QCOMPARE(oben(u"benutzerverhalten"_s), px(4320));
            return;
        }
        QCOMPARE(dienste.aufrufe[2].text, u"Datei existiert bereits!\nBitte neuen Dateinamen eingeben."_s);
        QCOMPARE(dienste.aufrufe[3].art, u"frage"_s);  // now about the chosen name
        QVERIFY(lies(pfad(u"vorhanden.bak"_s)).startsWith("C\r\nC  Tempara 1.3"));
    }

    void fehlschlagZeigtMeldungUndLaesstNutzenOffen()
    {
        QVERIFY(QDir(ordner->path()).mkdir(u"messwerte.TPR"_s));
        dienste.ja();
        oeffne(kMesswerte);
        bool offen = false;
        zuNutzen([&](nutzen* n) {
            klick(n, u"weiter"_s);
            offen = n->isVisible();
            klick(n, u"Zurück"_s);
        });
        QVERIFY(offen);
        QCOMPARE(dienste.aufrufe.last().art, u"meldung"_s);
        QCOMPARE(dienste.aufrufe.last().symbol, Symbol::Warnung);
        QVERIFY(dienste.aufrufe.last().text.contains(u"Unter diesem Namen steht ein Ordner"_s));
        QCOMPARE(datei->Assistentenschritt(), int16_t(1));  // "&Zurück" of nutzen: column page
        QCOMPARE(lies(pfad(u"messwerte.txt"_s)), kMesswerte);
    }
};

QTEST_MAIN(TestStapelFenster)
#include "tst_stapel_fenster.moc"
