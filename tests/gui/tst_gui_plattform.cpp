// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform services checked without a person: filters, Qt's German, PDF, gauges, help.
#include "fenstertest.h"
#include "hilfe_fenster.h"
#include "qtdienste.h"
#include "skalenbilder.h"
#include "skriptdienste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>

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

}  // namespace

class TestPlattform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { keineFensterUebrig(); }

    void dateifilter()
    {
        QCOMPARE(QtDienste::namensfilter(u"All files (*.*)|*.*|Text Files (*.txt)|*.txt|Tempara Files (*.tpr)|*.tpr"_s),
                 (QStringList{u"All files (*)"_s, u"Text Files (*.txt)"_s, u"Tempara Files (*.tpr)"_s}));
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

    void hilfeFindetSeiteDesStichworts()
    {
        Hilfefenster::zeige(nullptr, u"tempara.hlp"_s, 257, u"Einfuehrung"_s);
        Hilfefenster* fenster = Hilfefenster::offenes();
        QVERIFY(fenster && fenster->isVisible());
        QCOMPARE(fenster->aktuelleSeite(), Hilfefenster::seiteFuer(u"Einfuehrung"_s));
        delete fenster;  // another help file: nothing
        Hilfefenster::zeige(nullptr, u"andere.hlp"_s, 257, u"Einfuehrung"_s);
        QVERIFY(!Hilfefenster::offenes());
    }

    // F1 in a field of a modal window: the help at that window's page; a window without a page has none
    void f1OeffnetDieSeiteDesFensters()
    {
        for (const auto& [fenster, seite] :
             {std::pair{u"DATEI"_s, u"257 qrc:/hilfe/50_datendateien.html"_s}, std::pair{u"anderes"_s, QString()}}) {
            SkriptDienste dienste;
            HilfeTaste taste(dienste);
            QDialog dialog;
            dialog.setObjectName(fenster);
            auto* feld = new QLineEdit(&dialog);
            dialog.show();
            feld->setFocus();
            QTest::keyClick(feld, Qt::Key_F1);
            QStringList gezeigt;
            for (const SkriptDienste::Aufruf& a : dienste.aufrufe)
                gezeigt << a.text.section(u' ', 0, 0) + u' ' + Hilfefenster::seiteFuer(a.text.section(u' ', 1));
            QCOMPARE(gezeigt, seite.isEmpty() ? QStringList() : QStringList{seite});
        }
    }
};

QTEST_MAIN(TestPlattform)
#include "tst_gui_plattform.moc"
