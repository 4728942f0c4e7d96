// SPDX-License-Identifier: GPL-3.0-or-later
// F1 in every window of the program, modal or not: the help opens at that window's page in front
// of it and scrolls at once, while the window stays open behind it.
#include "bewertung_fenster.h"
#include "dateioeffner.h"
#include "fenstertest.h"
#include "grafik_fenster.h"
#include "hilfe_fenster.h"
#include "hpt_fenster.h"
#include "kataloge.h"
#include "letzter_lauf.h"
#include "qtdienste.h"

#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;
using namespace gui;

namespace {

// F1 where the window's focus is; then a page down in the help, delivered as the window system
// delivers keys, which a window blocked by a modal one never receives. The help stays open for the
// next window, as it does for the user.
void f1UndBlaettern(QWidget* fenster)
{
    QTest::keyClick(fenster->focusWidget() ? fenster->focusWidget() : fenster, Qt::Key_F1);
    Hilfefenster* hilfe = Hilfefenster::offenes();
    QVERIFY2(hilfe && hilfe->isVisible(), qPrintable(fenster->objectName()));
    QCOMPARE(hilfe->aktuelleSeite(), Hilfefenster::seiteFuer(HilfeTaste::stichwortFuer(fenster->objectName())));
    auto* text = findeKind<QTextBrowser>(hilfe, u"Hilfe_Text"_s);
    text->setFocus();
    text->verticalScrollBar()->setValue(0);
    QTest::keyClick(hilfe->windowHandle(), Qt::Key_PageDown);
    QVERIFY2(text->verticalScrollBar()->value() > 0, qPrintable(fenster->objectName() + u": Hilfe blockiert"_s));
    QVERIFY(fenster->isVisible());
}

// The check inside the modal window that `oeffnen` shows; the window is cancelled afterwards.
void imModalen(const std::function<void()>& oeffnen, std::function<void(QWidget*)> schritt = f1UndBlaettern)
{
    bool gelaufen = false;
    imNaechstenModalen([&](QWidget* w) {
        schritt(w);
        static_cast<QDialog*>(w)->reject();
        gelaufen = true;
    });
    oeffnen();
    QVERIFY(gelaufen);
}

}  // namespace

class TestHilfe : public QObject {
    Q_OBJECT

    SkriptDienste dienste;  // the windows' own questions
    QtDienste echteHilfe;   // F1 opens the real help window

private Q_SLOTS:
    void cleanup() { aufraeumen(dienste); }

    // Every page fits the help's width on a laptop screen (1366 × 768, set for this test) without a
    // horizontal scroll bar, and no number is parted from its unit or a comparison from its numbers.
    void seitenPassen()
    {
        Hilfefenster::zeige(nullptr, u"tempara.hlp"_s, kHilfeStichwort, u"Einfuehrung"_s);
        const std::unique_ptr<Hilfefenster> hilfe(Hilfefenster::offenes());
        auto* text = findeKind<QTextBrowser>(hilfe.get(), u"Hilfe_Text"_s);
        static const QRegularExpression getrennt(
            uR"(\d\s+(°C|m/s|clo|W/m²|%|K|Pa)(?!\w)|(&lt;|&le;|≤)\s|[\w|)]\s+(&lt;|&le;|≤))"_s);
        static const QRegularExpression vorgesetzt(uR"(<pre>.*?</pre>)"_s,
                                                   QRegularExpression::DotMatchesEverythingOption);
        for (const Hilfefenster::Seite& seite : Hilfefenster::seiten()) {
            hilfe->oeffne(seite.pfad);
            QCoreApplication::processEvents();
            QVERIFY2(text->horizontalScrollBar()->maximum() == 0, qPrintable(seite.pfad));
            QFile quelle(QUrl(seite.pfad).path().prepend(u':'));
            QVERIFY(quelle.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(quelle.readAll()).remove(vorgesetzt);
            const QRegularExpressionMatch treffer = getrennt.match(html);
            QVERIFY2(!treffer.hasMatch(), qPrintable(seite.pfad + u": "_s + treffer.captured()));
        }
    }

    void f1InJedemFenster()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        HilfeTaste taste(echteHilfe);
        app::hpt haupt(dienste);
        haupt.show();
        QTemporaryDir ordner;
        const QString daten = ordner.filePath(u"messwerte.txt"_s);
        QFile datei(daten);
        QVERIFY(datei.open(QIODevice::WriteOnly)
                && datei.write("S 1 2 3\r\n\t1\t21,5\t20,0\r\n\t2\t21,0\t19,5\r\n") > 0);
        datei.close();
        batch::LetzterLauf letzter;
        letzter.setzen({});

        imModalen([&] { catalogues::zeigeAktivitaet(haupt); });
        imModalen([&] { catalogues::zeigeBekleidungsliste(haupt); });
        imModalen([&] { catalogues::zeigeBekleidung(haupt); });
        imModalen([&] { diagram::Grafik::zeigen(haupt); });
        imModalen([&] { batch::LetzteAuswertungZeigen(haupt, letzter); });
        imModalen([&] { batch::DateiFensterZeigen(haupt, daten, letzter); });
        // nutzen stands on DATEI: two modal windows above the main window
        imModalen([&] { batch::DateiFensterZeigen(haupt, daten, letzter); },
                  [](QWidget* datei) {
                      klick(datei, u"rechnen"_s);
                      klick(datei, u"rechnen"_s);
                      imModalen([&] { klick(datei, u"benutzer_einstellen"_s); });
                  });
        QWidget* bewertung = assessment::zeigeBewertung(haupt);
        f1UndBlaettern(bewertung);
        delete bewertung;
        delete Hilfefenster::offenes();
    }
};

QTEST_MAIN(TestHilfe)
#include "tst_app_hilfe.moc"
