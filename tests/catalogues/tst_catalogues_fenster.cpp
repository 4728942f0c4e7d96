// SPDX-License-Identifier: GPL-3.0-or-later
// The three catalogue windows as the user drives them, alone and opened through the main window.
#include "aktivitaet_fenster.h"
#include "bekleidung_fenster.h"
#include "bekleidungshaelfte.h"
#include "bekleidungsliste_fenster.h"
#include "fenstertest.h"
#include "figurbilder.h"
#include "hpt_fenster.h"
#include "katalogdaten.h"
#include "kataloge.h"
#include "programm.h"
#include "pruefen.h"
#include "skriptdienste.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <set>

using namespace Qt::StringLiterals;
using namespace catalogues;
using namespace model;
using namespace gui;
using namespace app;

namespace {

const QString kAktivitaet = u"AW_Energieumsatz"_s, kArbeit = u"AW_Arbeitsbekleidung"_s,
              kTaeglich = u"AW_Täglichebekleidung"_s, kStandardliste = u"Slip, Hemd, Hose, Jacke, Socken, Schuhe"_s;

// A catalogue opened with a main window's button, its rows picked: the main window's Raumklima and clothing text.
struct Uebernahmefall {
    QString knopf, feld;
    QList<int> zeilen;
    Raumklima soll;
    QString liste;
};
// Garments clicked, the answers (J/N) on the way; the total, the expedition remark, the text (null: unchecked).
struct Anziehfall {
    bool frau;
    QList<int> zeilen;
    QString antworten, summe;
    bool expedition;
    QString liste;
};

// A click on a button; a check box is hit on its indicator (it has no caption).
void klicke(QAbstractButton* knopf)
{
    QVERIFY(knopf);
    const QPoint punkt = qobject_cast<QCheckBox*>(knopf) ? QPoint(6, knopf->height() / 2) : knopf->rect().center();
    QTest::mouseClick(knopf, Qt::LeftButton, Qt::NoModifier, punkt);
}

template <typename Bedingung>
QList<int> indizes(int n, Bedingung gilt)
{
    QList<int> liste;
    for (int i = 0; i < n; ++i)
        if (gilt(i))
            liste << i;
    return liste;
}

QCheckBox* box(QWidget& f, const QString& feld, int i) { return f.findChild<QCheckBox*>(u"%1(%2)"_s.arg(feld).arg(i)); }

// The selection of a catalogue: the ticked rows of a table, or the selected rows of an estimator's list.
QList<int> auswahl(QWidget& f, const QString& feld)
{
    if (auto* liste = f.findChild<QListWidget*>(feld))
        return indizes(liste->count(), [liste](int i) { return liste->item(i)->isSelected(); });
    return indizes(kAktivitaeten, [&](int i) { return box(f, feld, i) && box(f, feld, i)->isChecked(); });
}

// Picks these rows in turn, as clicks on the boxes or the list's rows.
void waehle(QWidget& f, const QString& feld, const QList<int>& zeilen)
{
    auto* liste = f.findChild<QListWidget*>(feld);
    for (int z : zeilen)
        liste ? QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(z)).center())
              : klicke(box(f, feld, z));
}

// What a half shows: these rows selected, their layers on the figure and no other, the total.
void pruefeHaelfte(const Bekleidungshaelfte& h, const QList<int>& zeilen, const QString& summe)
{
    QCOMPARE(auswahl(*h.liste->window(), h.liste->objectName()), zeilen);
    for (std::size_t z = 0; z < h.daten().tabelle.size(); ++z)
        QCOMPARE(!h.bilder[std::size_t(h.daten().tabelle[z].Ebene)]->isHidden(), zeilen.contains(int(z)));
    QCOMPARE(h.summe->text(), summe);
}

void zeigerUeber(QWidget* ziel, QPoint punkt)
{
    QMouseEvent bewegung(QEvent::MouseMove, punkt, ziel->mapToGlobal(punkt), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(ziel, &bewegung);
}

}  // namespace

Q_DECLARE_METATYPE(Anziehfall)
Q_DECLARE_METATYPE(Uebernahmefall)

class TestKatalogfenster : public QObject {
    Q_OBJECT

    SkriptDienste dienste;
    std::unique_ptr<hpt> haupt;
    std::unique_ptr<Bekleidung> m_schaetzer;  // the estimator, made on first use

    // Opens a catalogue with the main window's button; `waehrend` runs in the modal loop and must hide it.
    void oeffne(QAbstractButton* knopf, const std::function<void(Katalogfenster&)>& waehrend)
    {
        bool gelaufen = false;
        QTimer::singleShot(0, haupt.get(), [&] {
            auto* f = haupt->findChild<Katalogfenster*>();
            QVERIFY(f && f->isVisible());
            gelaufen = true;
            waehrend(*f);
            const bool offen = f->isVisible();
            f->hide();  // never leave a test stuck in the modal loop
            QVERIFY(!offen);
        });
        klicke(knopf);
        QVERIFY(gelaufen);
    }

    // Only the last box clicked stays ticked and enables "Wert übernehmen"; a second click clears it.
    void nurEinHaken(QWidget& f, const QList<std::pair<QString, int>>& klicks)
    {
        for (const auto& [feld, i] : klicks)
            klicke(box(f, feld, i));
        const auto [letztesFeld, letzte] = klicks.last();
        for (const QString& feld : {kAktivitaet, kArbeit, kTaeglich})
            QCOMPARE(auswahl(f, feld), feld == letztesFeld ? QList<int>{letzte} : QList<int>{});
        QVERIFY(findeKind<QPushButton>(&f, u"Command1"_s)->isEnabled());
        klicke(box(f, letztesFeld, letzte));
        QVERIFY(auswahl(f, letztesFeld).isEmpty() && !findeKind<QPushButton>(&f, u"Command1"_s)->isEnabled());
    }

    Bekleidung& schaetzer()
    {
        if (!m_schaetzer)
            (m_schaetzer = std::make_unique<Bekleidung>(*haupt))->show();
        return *m_schaetzer;
    }
    Bekleidungshaelfte& haelfte(bool frau) { return frau ? schaetzer().frau() : schaetzer().mann(); }
    void ziehAn(bool frau, const QList<int>& zeilen) { waehle(schaetzer(), haelfte(frau).liste->objectName(), zeilen); }

private Q_SLOTS:
    void init()
    {
        haupt = std::make_unique<hpt>(dienste);
        hpt::Fensteroeffner oeffner;
        oeffner.aktivitaet = zeigeAktivitaet;
        oeffner.bekleidungsliste = zeigeBekleidungsliste;
        oeffner.bekleidung = zeigeBekleidung;
        haupt->setzeFensteroeffner(oeffner);
        haupt->Neuberechnung();
    }
    void cleanup()
    {
        const bool nurDerSchaetzerSprach = m_schaetzer || dienste.aufrufe.isEmpty();
        m_schaetzer.reset();
        haupt.reset();
        aufraeumen(dienste);
        QVERIFY(nurDerSchaetzerSprach);
    }

    void vertrag()
    {
        Aktivitaet aktivitaet(*haupt);
        pruefeVertrag(aktivitaet, {{"Frame1", "QFrame", 120, 120, 9240, 7500},
                                   {"AW_Energieumsatz(1)", "QCheckBox", 240, 1740, 300, 270},
                                   {"W_Energieumsatz(1)", "QLabel", 3840, 1740, 900, 270},
                                   {"m_rel_Geschwindigkeit(1)", "QLabel", 7500, 1740, 1620, 270},
                                   {"Command1", "QPushButton", 120, 7800, 2040, 450},
                                   {"Command3", "QPushButton", 7320, 7800, 2040, 450}});
        Bekleidungsliste liste(*haupt);
        pruefeVertrag(liste, {{"Frame1", "QFrame", 120, 120, 6000, 6990},
                              {"AW_Arbeitsbekleidung(0)", "QCheckBox", 120, 1080, 300, 270},
                              {"Clo_Arbeitsbekleidung(0)", "QLabel", 4140, 1080, 780, 270},
                              {"Frame2", "QFrame", 6240, 120, 6000, 6990},
                              {"AW_Täglichebekleidung(1)", "QCheckBox", 120, 1620, 300, 270},
                              {"Command1", "QPushButton", 120, 7290, 2040, 450},
                              {"Command3", "QPushButton", 10200, 7290, 2040, 450}});
        QCOMPARE(aktivitaet.windowTitle(), u"Energieumsätze verschiedener körperlicher Tätigkeiten"_s);
        QCOMPARE(liste.windowTitle(), u"Thermische Isolationswerte für typische Bekleidungskombinationen"_s);
        QCOMPARE(schaetzer().windowTitle(), u"Abschätzung des Isolationswerts von Bekleidungskombinationen"_s);
        pruefeVertrag(schaetzer(), {{"Kopf_Mann", "QFrame", 120, 120, 5760, 480},
                                    {"List1", "QListWidget", 120, 720, 3600, 4920},
                                    {"Frame1", "QFrame", 3840, 720, 2040, 4920},
                                    {"Mann(0)", "QLabel", 195, 660, 1650, 3600},
                                    {"Label_clo_Mann", "QLabel", 4200, 0, 900, 420},
                                    {"Command1", "QPushButton", 120, 6840, 2160, 450},
                                    {"List2", "QListWidget", 8280, 720, 3600, 4920},
                                    {"Frame3", "QFrame", 6120, 720, 2040, 4920},
                                    {"Command6", "QPushButton", 6120, 6840, 2160, 450},
                                    {"Nachweis", "QLabel", 120, 7410, 11760, 330}});
    }

    void ankreuzen()
    {
        Aktivitaet aktivitaet(*haupt);
        Bekleidungsliste liste(*haupt);
        const auto zelle = [](QWidget& f, const QString& name) { return findeKind<QLabel>(&f, name)->text(); };
        QCOMPARE(
            (QStringList{zelle(aktivitaet, u"met_Energieumsatz(0)"_s), zelle(aktivitaet, u"m_rel_Geschwindigkeit(4)"_s),
                         zelle(liste, u"Clo_Arbeitsbekleidung(7)"_s), zelle(liste, u"W_Täglichebekleidung(3)"_s)}),
            (QStringList{u"0,7"_s, u"1,10"_s, u"2,55"_s, u"0,110"_s}));
        // The longest ensemble wraps over several lines, at most five.
        QLabel* lang = findeKind<QLabel>(&liste, u"Arbeitsbekleidung(7)"_s);
        const int zeilen = lang->height() / lang->fontMetrics().lineSpacing();
        QVERIFY2(zeilen >= 3 && zeilen <= 5, qPrintable(QString::number(zeilen)));
        nurEinHaken(aktivitaet, {{kAktivitaet, 3}, {kAktivitaet, 5}});
        nurEinHaken(liste, {{kTaeglich, 5}, {kArbeit, 2}, {kArbeit, 5}});  // one tick across both tables
    }

    // "Abbruch" and Esc change nothing and keep the selection for the next opening; closing discards it.
    // "Wert übernehmen" hands the exact value over (41 W/m² off the scroll grid) and evaluates once.
    void ueberHauptfenster_data()
    {
        QTest::addColumn<Uebernahmefall>("fall");
        const auto zeile = [](const char* tag, const Uebernahmefall& fall) { QTest::newRow(tag) << fall; };
        const QString klima = u"Command3"_s, kleidung = u"Command2"_s, abschaetzung = u"Command1"_s;
        zeile("schlafen", {klima, kAktivitaet, {0}, {20, 20, 0, 60, 41, 0, 0, 1}, kStandardliste});
        zeile("Tennis spielen", {klima, kAktivitaet, {19}, {20, 20, 0, 60, 267, 8, 1.25f, 1}, kStandardliste});
        zeile("Arbeit 7", {kleidung, kArbeit, {7}, {20, 20, 0, 60, 70, 0, 0, 2.55f}, Arbeitsbekleidung()[7].Text});
        zeile("täglich", {kleidung, kTaeglich, {1}, {20, 20, 0, 60, 70, 0, 0, 0.5f}, Taeglichebekleidung()[1].Text});
        zeile("Schätzer", {abschaetzung, u"List1"_s, {14}, {20, 20, 0, 60, 70, 0, 0, 0.25f}, u"normale Hose"_s});
    }
    void ueberHauptfenster()
    {
        QFETCH(Uebernahmefall, fall);
        const auto& [knopf, feld, zeilen, soll, liste] = fall;
        auto* oeffner = findeKind<QPushButton>(haupt.get(), knopf);
        const long berechnungen = programm::anzahlBerechnungen;
        oeffne(oeffner, [&](Katalogfenster& f) {
            waehle(f, feld, zeilen);
            klicke(findeKind<QPushButton>(&f, u"Command3"_s));
        });
        oeffne(oeffner, [&](Katalogfenster& f) {
            QCOMPARE(auswahl(f, feld), zeilen);
            QTest::keyClick(&f, Qt::Key_Escape);
        });
        oeffne(oeffner, [&](Katalogfenster& f) {
            QCOMPARE(auswahl(f, feld), zeilen);
            QVERIFY(f.close());
        });
        QCOMPARE(programm::Raumklima, standardRaumklima());
        QCOMPARE(programm::anzahlBerechnungen, berechnungen);
        oeffne(oeffner, [&](Katalogfenster& f) {
            QVERIFY(auswahl(f, feld).isEmpty());
            waehle(f, feld, zeilen);
            klicke(findeKind<QPushButton>(&f, u"Command1"_s));
        });
        QCOMPARE(programm::anzahlBerechnungen - berechnungen, 1);
        QCOMPARE(programm::Raumklima, soll);
        QCOMPARE(findeKind<QLabel>(haupt.get(), u"Kleidung_Liste"_s)->text(), liste);
    }

    // Opaque base figures; each garment its own layer, transparent around it, loaded by the window.
    void schaetzerBilder()
    {
        const int flaeche = kFigurGroesse.width() * kFigurGroesse.height();
        const auto zaehle = [](const QString& pfad, auto bedingung) {
            const QImage bild = svgBild(pfad, kFigurGroesse).toImage();
            int n = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    n += bedingung(qAlpha(bild.pixel(x, y)));
            return n;
        };
        for (bool frau : {false, true}) {
            const Figur figur = frau ? Figur::Frau : Figur::Mann;
            QCOMPARE(zaehle(grundbildPfad(figur), [](int alpha) { return alpha == 255; }), flaeche);
            QVERIFY(!svgBild(symbolPfad(figur), kSymbolGroesse).isNull());
            std::set<int> ebenen;  // each layer belongs to one garment
            for (const Kleidungsstueck& stueck : haelfte(frau).daten().tabelle) {
                QVERIFY(ebenen.insert(stueck.Ebene).second && stueck.Ebene < int(haelfte(frau).bilder.size()));
                const int gemalt = zaehle(ebenenPfad(figur, stueck.Ebene), [](int alpha) { return alpha > 0; });
                QVERIFY2(gemalt > 40 && gemalt < flaeche * 2 / 3, qPrintable(stueck.Name));
                QVERIFY(!haelfte(frau).bilder[std::size_t(stueck.Ebene)]->pixmap().isNull());
            }
        }
    }

    // The total goes over in full, also beyond the scroll bar's 4,00 clo, with the garments in list order;
    // the other half's selection does not count.
    void schaetzerAnziehenUndUebernehmen_data()
    {
        QTest::addColumn<Anziehfall>("fall");
        const bool M = false, F = true;
        const auto zeile = [](const char* tag, const Anziehfall& fall) { QTest::newRow(tag) << fall; };
        zeile("Mann an, aus, in Listenfolge", {M, {0, 14, 0, 7}, {}, u"0,34"_s, false, u"T-Shirt, normale Hose"_s});
        zeile("Frau Kleid", {F, {18, 14}, {}, u"0,22"_s, false, u"Sommerkleid, kurze Ärmel, Schuhe, dünn besohlt"_s});
        zeile("Mann Pyjamas Nein", {M, {2, 3}, u"N"_s, u"0,42"_s, false, u"Pyjama, kurze Ärmel, kurze Beine"_s});
        zeile("Mann alles 5,03", {M, indizes(kKleidungMann, [](int) { return true; }), u"JJJJ"_s, u"5,03"_s, true, {}});
    }
    void schaetzerAnziehenUndUebernehmen()
    {
        QFETCH(Anziehfall, fall);
        for (QChar antwort : fall.antworten)
            antwort == u'J' ? dienste.ja() : dienste.nein();
        ziehAn(fall.frau, fall.zeilen);
        Bekleidungshaelfte& h = haelfte(fall.frau);
        pruefeHaelfte(h, auswahl(schaetzer(), h.liste->objectName()), fall.summe);  // the figure follows the list
        for (const SkriptDienste::Aufruf& a : dienste.aufrufe)
            QVERIFY(a.titel == u"Hinweis"_s && a.symbol == (a.art == u"frage"_s ? Symbol::Frage : Symbol::Warnung));
        QCOMPARE(dienste.meldungen().count(u"Jetzt sind Sie gut gerüstet für eine Nordpolexpedition!"_s),
                 int(fall.expedition));
        ziehAn(!fall.frau, {0});
        klicke(h.uebernehmen);
        TEMPARA_NAHE(programm::Raumklima.Icl, QLocale(QLocale::German).toFloat(fall.summe), 1e-5);
        if (!fall.liste.isNull())
            QCOMPARE(findeKind<QLabel>(haupt.get(), u"Kleidung_Liste"_s)->text(), fall.liste);
    }

    // "Zurücksetzen" takes the half's garments off without a question, although the second pair of trousers is
    // current; Return in the woman's list takes nothing over. The pointer panel names the garment under
    // the pointer in either list; beyond the last row, over the other list or anywhere else it is hidden.
    void schaetzerResetUndZeiger()
    {
        dienste.ja();
        ziehAn(false, {0, 13, 14});
        ziehAn(true, {0, 14});
        dienste.zuruecksetzen();
        QCOMPARE(schaetzer().mann().reset->text(), u"Zurücksetzen"_s);
        klicke(schaetzer().mann().reset);
        QVERIFY(dienste.aufrufe.isEmpty());
        pruefeHaelfte(schaetzer().mann(), {}, u"0,00"_s);
        pruefeHaelfte(schaetzer().frau(), {0, 14}, u"0,23"_s);
        QTest::keyClick(schaetzer().frau().liste, Qt::Key_Return);
        QVERIFY(schaetzer().isVisible());
        Bekleidungshaelfte& mann = schaetzer().mann();
        Bekleidungshaelfte& frau = schaetzer().frau();
        const int zeile = mann.liste->sizeHintForRow(0);
        zeigerUeber(mann.liste->viewport(), QPoint(20, zeile / 2));
        QVERIFY(mann.zeigerName->isVisible() && mann.zeigerClo->isVisible());
        QCOMPARE(mann.zeigerName->text() + u' ' + mann.zeigerClo->text(), u"Slip: 0,03 clo"_s);
        zeigerUeber(frau.liste->viewport(), QPoint(20, zeile * 17 + 1));
        QVERIFY(mann.zeigerName->isHidden() && mann.zeigerClo->isHidden() && frau.zeigerName->isVisible());
        QCOMPARE(frau.zeigerName->text() + u' ' + frau.zeigerClo->text(), u"dicker Pullover: 0,35 clo"_s);
        zeigerUeber(mann.bildrahmen, QPoint(5, 5));
        QVERIFY(frau.zeigerName->isHidden() && frau.zeigerClo->isHidden());
        zeigerUeber(mann.liste->viewport(), QPoint(20, zeile * kKleidungMann + 2));  // beyond the last row
        QVERIFY(mann.zeigerName->isHidden());
    }
};

QTEST_MAIN(TestKatalogfenster)
#include "tst_catalogues_fenster.moc"
