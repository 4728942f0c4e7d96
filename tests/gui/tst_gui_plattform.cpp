// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform services checked without a person: filters, Qt's German, PDF, gauges, help.
#include "bewertung_fenster.h"
#include "dateioeffner.h"
#include "fenstertest.h"
#include "grafik_fenster.h"
#include "hilfe_fenster.h"
#include "hpt_fenster.h"
#include "kataloge.h"
#include "letzter_lauf.h"
#include "qtdienste.h"
#include "skalenbilder.h"
#include "skriptdienste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <cstdlib>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using namespace gui;
using namespace app;

namespace {

// The texts of every button of the modal dialog that `oeffnen` shows; the dialog is then cancelled.
QStringList knoepfeDesDialogs(const std::function<void()>& oeffnen)
{
    QStringList texte;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        for (const QAbstractButton* knopf : dialog->findChildren<QAbstractButton*>())
            if (knopf->isVisible() && !knopf->text().isEmpty())
                texte << knopf->text().remove(u'&');
        static_cast<QDialog*>(dialog)->reject();
    });
    oeffnen();
    return texte;
}

// A page down in the open help, delivered as the window system delivers keys, which a window
// blocked by a modal one never receives.
bool hilfeBlaettert()
{
    auto* text = findeKind<QTextBrowser>(Hilfefenster::offenes(), u"Hilfe_Text"_s);
    text->setFocus();
    text->verticalScrollBar()->setValue(0);
    QTest::keyClick(Hilfefenster::offenes()->windowHandle(), Qt::Key_PageDown);
    return text->verticalScrollBar()->value() > 0;
}

// F1 where the window's focus is opens the help at the window's page, usable at once; a dialog is
// closed after.
void f1UndBlaettern(QWidget* fenster)
{
    const auto schliessen = qScopeGuard([fenster] {
        if (auto* dialog = qobject_cast<QDialog*>(fenster))
            dialog->reject();
    });
    QTest::keyClick(fenster->focusWidget() ? fenster->focusWidget() : fenster, Qt::Key_F1);
    QVERIFY2(Hilfefenster::offenes() && Hilfefenster::offenes()->isVisible(), qPrintable(fenster->objectName()));
    QCOMPARE(Hilfefenster::offenes()->aktuelleSeite(),
             Hilfefenster::seiteFuer(HilfeTaste::stichwortFuer(fenster->objectName())));
    QVERIFY2(hilfeBlaettert(), qPrintable(fenster->objectName() + u": Hilfe blockiert"_s));
}

}  // namespace

class TestPlattform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { keineFensterUebrig(); }

    void dateifilter()
    {
        QCOMPARE(QtDienste::namensfilter(u"Datendateien (*.txt *.dat *.csv *.tpr)|*.txt;*.dat;*.csv;*.tpr|"
                                         u"Alle Dateien (*.*)|*.*"_s),
                 (QStringList{u"Datendateien (*.txt *.dat *.csv *.tpr)"_s, u"Alle Dateien (*)"_s}));
        QCOMPARE(QtDienste::namensfilter(u"Bitmap(*.bmp)|*.bmp"_s), QStringList{u"Bitmap (*.bmp)"_s});
    }

    // Qt's own dialogs speak German as main() sets them up, under any locale of the user (next test).
    void dialogeDeutsch()
    {
        QVERIFY2(qtTexteDeutsch(*QCoreApplication::instance()), "Qt-Übersetzungen fehlen (qt6-translations-l10n)");
        QtDienste dienste;
        const QStringList datei = knoepfeDesDialogs([&] { dienste.dateiOeffnen(nullptr, {}); });
        QVERIFY2(datei.contains(u"Abbrechen"_s) && !datei.contains(u"Cancel"_s), qPrintable(datei.join(u" | "_s)));

        const QStringList drucker = knoepfeDesDialogs([&] { dienste.druckerEinrichten(nullptr); });
        QVERIFY2(drucker.contains(u"Abbrechen"_s) && !drucker.contains(u"Drucken"_s),
                 qPrintable(drucker.join(u" | "_s)));
    }

    void dialogeDeutschInJedemGebietsschema()
    {
        for (const QString& gebietsschema : {u"C"_s, u"en_US.UTF-8"_s}) {
            QProcess kind;
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            for (const QString& name : {u"LC_ALL"_s, u"LANG"_s, u"LANGUAGE"_s, u"LC_MESSAGES"_s})
                umgebung.insert(name, gebietsschema);
            kind.setProcessEnvironment(umgebung);
            kind.start(QCoreApplication::applicationFilePath(), {u"dialogeDeutsch"_s});
            QVERIFY(kind.waitForFinished(120000));
            QVERIFY2(kind.exitStatus() == QProcess::NormalExit && kind.exitCode() == 0,
                     qPrintable(gebietsschema + u": "_s + QString::fromLocal8Bit(kind.readAllStandardOutput())));
        }
    }

    void druckInPdf()
    {
        QTemporaryDir ordner;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFileName(ordner.filePath(u"druck.pdf"_s));  // the .pdf makes it a PDF printer
        QVERIFY(QtDienste::druckeBild(drucker, pmvSkala(), QPointF(10, 10), QSizeF()));
        QFile pdf(ordner.filePath(u"druck.pdf"_s));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5).startsWith("%PDF"));

        // A job of whole pages: each page painted once into the page less the margins, in order.
        drucker.setOutputFileName(ordner.filePath(u"seiten.pdf"_s));
        drucker.setPageSize(QPageSize(QPageSize::A4));
        QList<int> gemalt;
        QRectF flaeche;
        const Druckauftrag auftrag{u"Test"_s, 3, [&](QPainter&, const QRectF& f, int seite) {
                                       gemalt << seite;
                                       flaeche = f;
                                   }};
        QVERIFY(QtDienste::druckeSeiten(drucker, auftrag));
        QCOMPARE(gemalt, (QList<int>{0, 1, 2}));
        QCOMPARE(qRound(flaeche.width() * 25.4 / drucker.resolution()), 210 - 2 * int(kDruckrandMm));
    }

    void skalenNachRampenregel()
    {
        // column and colour of each corner of the ramp, which runs linearly between them
        using Ecken = QList<std::pair<int, QRgb>>;
        const Ecken pmv{{1, 0x000082}, {47, 0x0000ff}, {149, 0xffffff}, {251, 0xff0000}, {299, 0x850000}};
        const Ecken ppd{{1, 0x00ff00}, {99, 0xffff00}, {200, 0xff0000}, {299, 0x810000}};
        const std::tuple<QImage, Ecken, int> skalen[] = {{pmvSkala(), pmv, 50}, {ppdSkala(), ppd, 30}};
        const auto nahe = [](QRgb ist, QRgb a, QRgb b, double t) {  // within 6 steps in every channel
            const auto kanal = [&](int (*k)(QRgb)) { return std::abs(k(ist) - k(a) - (k(b) - k(a)) * t) <= 6; };
            return kanal(qRed) && kanal(qGreen) && kanal(qBlue);
        };
        for (const auto& [bild, ecken, tickabstand] : skalen) {
            QCOMPARE(bild.size(), QSize(301, 36));
            for (int x = 0; x <= 300; ++x)  // a black frame, black ticks on the panel's yellow
                QVERIFY(bild.pixelColor(x, 0) == Qt::black && bild.pixelColor(x, 29) == Qt::black
                        && bild.pixelColor(x, 33) == (x % tickabstand ? QColor(255, 255, 187) : QColor(Qt::black)));
            for (int y = 1; y <= 28; ++y)  // every row of the ramp alike, between black edges
                QVERIFY(bild.pixelColor(0, y) == Qt::black && bild.pixelColor(300, y) == Qt::black
                        && bild.copy(1, y, 299, 1) == bild.copy(1, 14, 299, 1));
            for (qsizetype i = 1; i < ecken.size(); ++i) {
                const auto& [x0, a] = ecken[i - 1];
                const auto& [x1, b] = ecken[i];
                for (int x = x0; x <= x1; ++x)
                    QVERIFY2(nahe(bild.pixel(x, 14), a, b, double(x - x0) / (x1 - x0)),
                             qPrintable(u"Spalte %1"_s.arg(x)));
            }
        }
    }

    // Every page fits the help's width on a laptop screen (1366 × 768, set for this test) without a
    // horizontal scroll bar, and no number is parted from its unit or a comparison from its numbers.
    void hilfeseitenPassen()
    {
        Hilfefenster::zeige(nullptr, u"andere.hlp"_s, kHilfeStichwort, u"Einfuehrung"_s);
        QVERIFY(!Hilfefenster::offenes());  // another program's help file
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

    // F1 in every window, modal or not, opens the help at the window's page in front of it, usable at
    // once; a window without a page keeps the key. The help stays open from one window to the next.
    void f1InJedemFenster()
    {
        SkriptDienste dienste;
        QtDienste echteHilfe;
        HilfeTaste taste(echteHilfe);
        hpt haupt(dienste);
        haupt.show();
        QTemporaryDir ordner;
        QFile daten(ordner.filePath(u"messwerte.txt"_s));
        QVERIFY(daten.open(QIODevice::WriteOnly) && daten.write("S 1 2 3\r\n1 21,5 20,0\r\n2 21,0 19,5\r\n") > 0);
        daten.close();
        evaluation::LetzterLauf letzter;
        letzter.setzen({});
        imNaechstenModalen([](QWidget* w) {
            QTest::keyClick(w, Qt::Key_F1);
            QVERIFY(!Hilfefenster::offenes());
            static_cast<QDialog*>(w)->reject();
        });
        QDialog().exec();
        const std::function<void()> oeffner[] = {
            [&] { catalogues::zeigeAktivitaet(haupt); },
            [&] { catalogues::zeigeBekleidungsliste(haupt); },
            [&] { catalogues::zeigeBekleidung(haupt); },
            [&] { diagram::Grafik::zeigen(haupt); },
            [&] { batch::LetzteAuswertungZeigen(haupt, letzter); },
            [&] { batch::DateiFensterZeigen(haupt, daten.fileName(), letzter); },
        };
        for (const auto& oeffnen : oeffner) {
            imNaechstenModalen(f1UndBlaettern);
            oeffnen();
        }
        imNaechstenModalen([](QWidget* datei) {  // nutzen stands on DATEI: two modal windows
            klick(datei, u"rechnen"_s);
            klick(datei, u"rechnen"_s);
            imNaechstenModalen(f1UndBlaettern);
            klick(datei, u"benutzer_einstellen"_s);
            QCoreApplication::processEvents();  // back on DATEI, the help still usable without F1
            QVERIFY(hilfeBlaettert());
            static_cast<QDialog*>(datei)->reject();
        });
        batch::DateiFensterZeigen(haupt, daten.fileName(), letzter);
        const std::unique_ptr<QWidget> bewertung(assessment::zeigeBewertung(haupt));
        f1UndBlaettern(bewertung.get());
        delete Hilfefenster::offenes();
        QVERIFY(dienste.offeneFehler().isEmpty());
    }
};

QTEST_MAIN(TestPlattform)
#include "tst_gui_plattform.moc"
