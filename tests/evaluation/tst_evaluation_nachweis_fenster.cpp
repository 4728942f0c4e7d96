// SPDX-License-Identifier: GPL-3.0-or-later
// The page "Nachweis" as a user works it: a changed setting recomputes at once, the files it
// saves are the shared code's, the run's own files are refused, the print dialog prints the
// PDF's pages, and tempara-cli writes the same table and PDF as the window.
#include "auswertung_fenster.h"
#include "nachweis_seite.h"
#include "nachweisbericht.h"
#include "nachweistabelle.h"
#include "stapeltest.h"

#include "cliprozess.h"
#include "fenstertest.h"
#include "gespeichert.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>

using namespace evaluation;
using namespace Qt::StringLiterals;

namespace {

// An office year with an outdoor column: a warm summer, warmer afternoons.
QByteArray datenjahr()
{
    QByteArray text = "S 1 2 3 8\r\n";
    for (int h = 1; h <= 8760; ++h) {
        const double tag = (h - 1) / 24, stunde = (h - 1) % 24;
        const double aussen =
            10 - 10 * std::cos(2 * M_PI * (tag - 20) / 365) + 5 * std::sin(2 * M_PI * (stunde - 9) / 24);
        const double ti = 22 + 0.35 * std::max(0.0, aussen - 8) + std::sin(h * 0.7);
        text += QStringLiteral("%1\t%2\t%3\t%4\r\n")
                    .arg(h)
                    .arg(ti, 0, 'f', 1)
                    .arg(ti + 0.8, 0, 'f', 1)
                    .arg(aussen, 0, 'f', 1)
                    .replace(u'.', u',')
                    .toUtf8();
    }
    return text;
}

// The PDF without its moment of creation, which Qt writes into it.
QByteArray ohneZeitpunkt(const QByteArray& pdf)
{
    return QString::fromLatin1(pdf).remove(QRegularExpression(u"/CreationDate \\(D:[^)]*\\)"_s)).toLatin1();
}

}  // namespace

class TestNachweisFenster : public Fenstertest<Auswertungsfenster> {
    Q_OBJECT

    QTemporaryDir m_ordner;
    Jahresauswertung m_jahr;
    QString pfad(const QString& name) const { return m_ordner.filePath(name); }

    Nachweisseite* seite() const { return finde<Nachweisseite>(u"nachweis"_s); }
    QString jahreswert(const QString& spalte) const
    {
        auto* t = finde<QTableWidget>(u"nachweisTabelle"_s);
        for (int s = 0; s < t->columnCount(); ++s)
            if (t->horizontalHeaderItem(s)->text() == spalte)
                return t->item(t->rowCount() - 1, s)->text();
        return {};
    }
    QString urteile() const
    {
        QStringList texte;
        for (const QLabel* l : seite()->findChildren<QLabel*>(QRegularExpression(u"^urteil"_s)))
            texte << l->text();
        return texte.join(u'\n');
    }
    void waehle(const QString& liste, int eintrag)
    {
        auto* l = finde<QComboBox>(liste);
        l->setFocus();
        while (l->currentIndex() != eintrag)
            QTest::keyClick(l, l->currentIndex() < eintrag ? Qt::Key_Down : Qt::Key_Up);
    }
    void oeffnen()
    {
        fenster = std::make_unique<Auswertungsfenster>(dienste, m_jahr);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        auto* seiten = finde<QTabWidget>(u"seiten"_s);
        QTest::mouseClick(seiten->tabBar(), Qt::LeftButton, {}, seiten->tabBar()->tabRect(2).center());
        QVERIFY(seite()->isVisible());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, pfad(u"einstellungen"_s));
        stapeltest::schreibe(pfad(u"buero.txt"_s), datenjahr());
        batch::Stapeleinstellungen e;
        e.zuordnung = {batch::kJahresstunde, batch::kTi, batch::kTs, batch::kTaAussen};
        const batch::Dateiplan plan = batch::PlanMitAusgabe(pfad(u"buero.txt"_s), pfad(u"buero.TPR"_s));
        const Auswertungslauf lauf = StapellaufAuswerten(plan, e);
        QVERIFY(lauf.ergebnis.erfolgreich);
        m_jahr = JahresauswertungAus(plan, e, lauf);
    }
    void init() { gui::gespeichert()->clear(); }
    void cleanup() { schliessen(); }

    // Region and occupancy change the verdicts and the table at once; the choice is remembered.
    void einstellungRechnetNeu()
    {
        oeffnen();
        const QString vorher = urteile(), gradstunden = jahreswert(u"Übertemperaturgradstunden"_s);
        QCOMPARE(jahreswert(u"Nutzungsstunden"_s), u"2871"_s);  // 261 weekdays (1 January a Monday) of 11 hours
        waehle(u"klimaregion"_s, 2);                            // C: 27 °C instead of 26 °C
        QVERIFY(urteile() != vorher);
        QVERIFY(QLocale().toDouble(jahreswert(u"Übertemperaturgradstunden"_s)) < QLocale().toDouble(gradstunden));
        waehle(u"nutzung"_s, 1);  // every hour
        QCOMPARE(jahreswert(u"Nutzungsstunden"_s), u"8760"_s);
        fenster.reset();
        oeffnen();
        QCOMPARE(finde<QComboBox>(u"klimaregion"_s)->currentIndex(), 2);
        QCOMPARE(jahreswert(u"Nutzungsstunden"_s), u"8760"_s);
    }

    // The carpet greys the unoccupied hours: Monday 1 January at 3 o'clock, not at noon; Sunday
    // 7 January at noon too.
    void teppichGrautUnbelegteStunden()
    {
        oeffnen();
        const QImage bild = QImage::fromData(
            NachweisbildDaten(seite()->nachweis(), seite()->einstellungen(), Nachweisbild::Teppich, false));
        const auto farbe = [&](int tag, int stunde) {  // the carpet spans x 100…1560, y 110…770
            return bild.pixelColor(int(100 + (tag + 0.5) * 1460 / 365), int(770 - (stunde + 0.5) * 660 / 24));
        };
        const QColor grau(200, 200, 200);
        QVERIFY(farbe(0, 3) == grau && farbe(0, 12) != grau && farbe(6, 12) == grau);
    }

    // Each button writes what the shared code writes; the data file is refused and stays.
    void speichernUndDrucken()
    {
        oeffnen();
        const Nachweis& n = seite()->nachweis();
        const Nachweiseinstellungen& e = seite()->einstellungen();
        const struct {
            QString knopf, name;
            QByteArray soll;
        } faelle[] = {
            {u"nachweisSpeichern"_s, u"n.csv"_s, NachweisCsv(n, m_jahr.stunden, e)},
            {u"nachweisSpeichern"_s, u"n.pdf"_s, NachweisPdf({n, m_jahr.stunden, e, QDate::currentDate()})},
            {u"stundenSpeichern"_s, u"s.csv"_s, StundenCsv(n, m_jahr.stunden, e)},
            {u"nachweisBildSpeichern"_s, u"a.svg"_s, NachweisbildDaten(n, e, Nachweisbild::Adaptiv, true)},
        };
        auto* ansicht = finde<QTabWidget>(u"nachweisAnsicht"_s);
        QTest::mouseClick(ansicht->tabBar(), Qt::LeftButton, {}, ansicht->tabBar()->tabRect(3).center());
        for (const auto& f : faelle) {
            dienste.datei(pfad(f.name));
            klick(fenster.get(), f.knopf);
            QCOMPARE(ohneZeitpunkt(stapeltest::lies(pfad(f.name))), ohneZeitpunkt(f.soll));
        }
        const QByteArray daten = stapeltest::lies(pfad(u"buero.txt"_s));
        dienste.datei(pfad(u"buero.txt"_s));
        klick(fenster.get(), u"nachweisSpeichern"_s);
        QVERIFY(dienste.meldungen().last().contains(u"Datendatei"));
        QCOMPARE(stapeltest::lies(pfad(u"buero.txt"_s)), daten);

        dienste.drucker(true);
        klick(fenster.get(), u"nachweisDrucken"_s);
        QCOMPARE(dienste.aufrufe.last().art, u"druckdialog"_s);
        QCOMPARE(dienste.gedruckt.size(), kNachweisSeiten);
        tasten(fenster.get(), u"projekt"_s, Qt::Key_F1);  // the proof's own help page
        QCOMPARE(dienste.aufrufe.last().text, QStringLiteral("%1 Seite Nachweis").arg(gui::kHilfeStichwort));
    }

    // tempara-cli and the window give the same table and the same PDF for the same run.
    void kommandozeileWieFenster()
    {
        oeffnen();
        for (const QString& endung : {u"csv"_s, u"pdf"_s}) {
            const CliAusgang cli = cliStarten({u"stapel"_s, pfad(u"buero.txt"_s), u"--ausgabe"_s, pfad(u"cli.TPR"_s),
                                               u"--ueberschreiben"_s, u"--nachweis"_s, pfad(u"cli."_s + endung)});
            QVERIFY2(cli.status == 0, qPrintable(cli.fehlerText()));
            dienste.datei(pfad(u"fenster."_s + endung));
            klick(fenster.get(), u"nachweisSpeichern"_s);
            QCOMPARE(ohneZeitpunkt(stapeltest::lies(pfad(u"fenster."_s + endung))),
                     ohneZeitpunkt(stapeltest::lies(pfad(u"cli."_s + endung))));
        }
    }
};

QTEST_MAIN(TestNachweisFenster)
#include "tst_evaluation_nachweis_fenster.moc"
