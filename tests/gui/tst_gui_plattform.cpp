// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform services where they can be checked without a person: file filters,
// printing into a PDF, the gauge pictures and the help viewer.
#include "fenstertest.h"
#include "hilfe_fenster.h"
#include "qtdienste.h"
#include "skalenbilder.h"
#include "skriptdienste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
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
QStringList knoepfeDesDialogs(const std::function<void()>& oeffnen, QStringList* typen = nullptr)
{
    QStringList texte;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        for (const QAbstractButton* knopf : dialog->findChildren<QAbstractButton*>())
            if (knopf->isVisible() && !knopf->text().isEmpty())
                texte << knopf->text().remove(u'&');
        if (auto* liste = dialog->findChild<QComboBox*>(u"fileTypeCombo"_s); liste && typen)
            for (int i = 0; i < liste->count(); ++i)
                *typen << liste->itemText(i);
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
        // "*.*" is every file, with or without an extension
        QCOMPARE(QtDienste::namensfilter(u"All files (*.*)|*.*|Text Files (*.txt)|*.txt|Tempara Files (*.tpr)|*.tpr"_s),
                 (QStringList{u"All files (*)"_s, u"Text Files (*.txt)"_s, u"Tempara Files (*.tpr)"_s}));
        QCOMPARE(QtDienste::namensfilter(u"Bitmap(*.bmp)|*.bmp"_s), QStringList{u"Bitmap (*.bmp)"_s});
        QVERIFY(QtDienste::namensfilter(QString()).isEmpty());
    }

    // Qt's own dialogs speak German as main() sets them up, under any locale of the user (next test).
    void dialogeDeutsch()
    {
        QVERIFY2(qtTexteDeutsch(*QCoreApplication::instance()), "Qt-Übersetzungen fehlen (qt6-translations-l10n)");
        QtDienste dienste;
        QStringList typen;
        Dateidialog oeffnen;
        oeffnen.titel = u"Öffnen"_s;
        oeffnen.filter = u"All files (*.*)|*.*|Text Files (*.txt)|*.txt"_s;
        const QStringList datei = knoepfeDesDialogs([&] { dienste.dateiOeffnen(nullptr, oeffnen); }, &typen);
        QVERIFY2(datei.contains(u"Abbrechen"_s) && !datei.contains(u"Cancel"_s), qPrintable(datei.join(u" | "_s)));
        QCOMPARE(typen, (QStringList{u"All files (*.*)"_s, u"Text Files (*.txt)"_s}));

        const QStringList drucker = knoepfeDesDialogs([&] { dienste.druckerEinrichten(nullptr); });
        QVERIFY2(drucker.contains(u"Abbrechen"_s) && !drucker.contains(u"Print"_s) && !drucker.contains(u"Drucken"_s)
                     && !drucker.contains(u"Cancel"_s),
                 qPrintable(drucker.join(u" | "_s)));
    }

    void dialogeDeutschInJedemGebietsschema()
    {
        if (qEnvironmentVariableIsSet("TEMPARA_KIND"))
            QSKIP("im Kindprozess");
        for (const QString& gebietsschema : {u"C"_s, u"en_US.UTF-8"_s}) {
            QProcess kind;
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            for (const QString& name : {u"LC_ALL"_s, u"LANG"_s, u"LANGUAGE"_s, u"LC_MESSAGES"_s, u"TEMPARA_KIND"_s})
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
        QImage bild(440, 400, QImage::Format_RGB32);
        bild.fill(Qt::green);
        QVERIFY(QtDienste::druckeBild(drucker, bild, QPointF(10, 10), QSizeF()));
        QFile pdf(ordner.filePath(u"druck.pdf"_s));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5).startsWith("%PDF"));
    }

    void skalenNachRampenregel()
    {
        // column and colour of each corner of the ramp, which runs linearly between them
        using Ecken = QList<std::pair<int, QColor>>;
        const std::tuple<QImage, Ecken, int> skalen[] = {
            {pmvSkala(),
             {{1, QColor(0, 0, 130)},
              {47, QColor(0, 0, 255)},
              {149, Qt::white},
              {251, Qt::red},
              {299, QColor(133, 0, 0)}},
             50},
            {ppdSkala(), {{1, Qt::green}, {99, Qt::yellow}, {200, Qt::red}, {299, QColor(129, 0, 0)}}, 30}};
        for (const auto& [bild, ecken, tickabstand] : skalen) {
            QCOMPARE(bild.size(), QSize(301, 36));
            for (int x = 0; x <= 300; ++x)  // a black frame, black ticks on the panel's yellow
                QVERIFY(bild.pixelColor(x, 0) == Qt::black && bild.pixelColor(x, 29) == Qt::black
                        && bild.pixelColor(x, 33) == (x % tickabstand ? QColor(255, 255, 187) : QColor(Qt::black)));
            for (int y = 1; y <= 28; ++y) {
                QVERIFY(bild.pixelColor(0, y) == Qt::black && bild.pixelColor(300, y) == Qt::black);
                for (qsizetype i = 1; i < ecken.size(); ++i) {
                    const auto& [x0, a] = ecken[i - 1];
                    const auto& [x1, b] = ecken[i];
                    for (int x = x0; x <= x1; ++x) {
                        const double t = double(x - x0) / (x1 - x0);
                        const QColor ist = bild.pixelColor(x, y);
                        const auto nahe = [t](int wert, int von, int bis) {
                            return std::abs(wert - von - (bis - von) * t) <= 6;
                        };
                        QVERIFY2(nahe(ist.red(), a.red(), b.red()) && nahe(ist.green(), a.green(), b.green())
                                     && nahe(ist.blue(), a.blue(), b.blue()),
                                 qPrintable(u"Spalte %1 Zeile %2"_s.arg(x).arg(y)));
                    }
                }
            }
        }
    }

    void hilfeFindetSeiteDesStichworts()
    {
        const QList<Hilfefenster::Seite> seiten = Hilfefenster::seiten();
        if (seiten.isEmpty())
            QSKIP("keine Hilfeseiten eingebunden");
        for (const Hilfefenster::Seite& seite : seiten)
            QVERIFY2(!seite.titel.isEmpty(), qPrintable(seite.pfad));
        Hilfefenster::zeige(nullptr, u"tempara.hlp"_s, 257, u"Einfuehrung"_s);
        Hilfefenster* fenster = Hilfefenster::offenes();
        QVERIFY(fenster && fenster->isVisible());
        QCOMPARE(fenster->aktuelleSeite(), Hilfefenster::seiteFuer(u"Einfuehrung"_s));
        // an unknown keyword opens the first page, another file nothing
        Hilfefenster::zeige(nullptr, u"tempara.hlp"_s, 257, u"gibt es nicht"_s);
        QCOMPARE(fenster->aktuelleSeite(), seiten.constFirst().pfad);
        delete fenster;
        Hilfefenster::zeige(nullptr, u"andere.hlp"_s, 257, u"Einfuehrung"_s);
        QVERIFY(!Hilfefenster::offenes());
    }

    void f1OeffnetDieSeiteDesFensters_data()
    {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("seite");
        QTest::newRow("DATEI") << u"DATEI"_s << u"50_datendateien.html"_s;
        QTest::newRow("fremdes Fenster") << u"anderes"_s << QString();
    }
    void f1OeffnetDieSeiteDesFensters()
    {
        // F1 in a field of a modal window: the help at that window's page
        QFETCH(QString, fenster);
        QFETCH(QString, seite);
        SkriptDienste dienste;
        HilfeTaste taste(dienste);
        QDialog dialog;
        dialog.setObjectName(fenster);
        auto* feld = new QLineEdit(&dialog);
        dialog.show();
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_F1);
        if (seite.isEmpty()) {
            QVERIFY(dienste.aufrufe.isEmpty());
            return;
        }
        QCOMPARE(dienste.aufrufe.size(), 1);
        const QString text = dienste.aufrufe.constFirst().text;
        QCOMPARE(text.section(u' ', 0, 0) + u' ' + Hilfefenster::seiteFuer(text.section(u' ', 1)),
                 u"257 qrc:/hilfe/"_s + seite);
    }
};

QTEST_MAIN(TestPlattform)
#include "tst_gui_plattform.moc"
