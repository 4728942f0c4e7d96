// The real platform services where they can be checked without a person: file filters,
// printing into a PDF, the gauge pictures and the help viewer.
#include "fenstertest.h"
#include "hilfefenster.h"
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

namespace {

struct Ecke {
    int spalte;
    int r, g, b;
};

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

// The ramp as its corners define it, for a column.
QColor soll(const QList<Ecke>& ecken, int x)
{
    for (int i = 1; i < ecken.size(); ++i)
        if (x <= ecken[i].spalte) {
            const Ecke& a = ecken[i - 1];
            const Ecke& b = ecken[i];
            const double t = double(x - a.spalte) / (b.spalte - a.spalte);
            return QColor(int(a.r + (b.r - a.r) * t), int(a.g + (b.g - a.g) * t), int(a.b + (b.b - a.b) * t));
        }
    return {};
}

}  // namespace

Q_DECLARE_METATYPE(QList<Ecke>)

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

    // Qt's own dialogs speak German as main() sets them up, under any locale of the user.
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

    void dialogeDeutschInJedemGebietsschema_data()
    {
        QTest::addColumn<QString>("gebietsschema");
        QTest::newRow("C") << u"C"_s;
        QTest::newRow("en_US") << u"en_US.UTF-8"_s;
    }

    void dialogeDeutschInJedemGebietsschema()
    {
        if (qEnvironmentVariableIsSet("TEMPARA_KIND"))
            QSKIP("im Kindprozess");
        QFETCH(QString, gebietsschema);
        QProcess kind;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {u"LC_ALL"_s, u"LANG"_s, u"LANGUAGE"_s, u"LC_MESSAGES"_s})
            umgebung.insert(name, gebietsschema);
        umgebung.insert(u"TEMPARA_KIND"_s, u"1"_s);
        kind.setProcessEnvironment(umgebung);
        kind.start(QCoreApplication::applicationFilePath(), {u"dialogeDeutsch"_s});
        QVERIFY(kind.waitForFinished(120000));
        QVERIFY2(kind.exitStatus() == QProcess::NormalExit && kind.exitCode() == 0,
                 kind.readAllStandardOutput().constData());
    }

    void druckInPdf()
    {
        QTemporaryDir ordner;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ordner.filePath(u"druck.pdf"_s));
        QImage bild(440, 400, QImage::Format_RGB32);
        bild.fill(Qt::green);
        QVERIFY(QtDienste::druckeBild(drucker, bild, QPointF(10, 10), QSizeF()));
        QFile pdf(ordner.filePath(u"druck.pdf"_s));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5).startsWith("%PDF"));
    }

    void skalenNachRampenregel_data()
    {
        QTest::addColumn<QImage>("bild");
        QTest::addColumn<QList<Ecke>>("ecken");
        QTest::addColumn<int>("tickabstand");
        QTest::newRow("PMV")
            << pmvSkala()
            << QList<Ecke>{{1, 0, 0, 130}, {47, 0, 0, 255}, {149, 255, 255, 255}, {251, 255, 0, 0}, {299, 133, 0, 0}}
            << 50;
        QTest::newRow("PPD") << ppdSkala()
                             << QList<Ecke>{{1, 0, 255, 0}, {99, 255, 255, 0}, {200, 255, 0, 0}, {299, 129, 0, 0}}
                             << 30;
    }
    void skalenNachRampenregel()
    {
        QFETCH(QImage, bild);
        QFETCH(QList<Ecke>, ecken);
        QFETCH(int, tickabstand);
        QCOMPARE(bild.size(), QSize(301, 36));
        for (int x = 0; x <= 300; ++x)  // a black frame, black ticks on the panel's yellow
            QVERIFY(bild.pixelColor(x, 0) == Qt::black && bild.pixelColor(x, 29) == Qt::black
                    && bild.pixelColor(x, 33) == (x % tickabstand ? QColor(255, 255, 187) : QColor(Qt::black)));
        for (int y = 1; y <= 28; ++y) {
            QVERIFY(bild.pixelColor(0, y) == Qt::black && bild.pixelColor(300, y) == Qt::black);
            for (int x = 1; x <= 299; ++x) {
                const QColor ist = bild.pixelColor(x, y), s = soll(ecken, x);
                const int abstand = std::max({std::abs(ist.red() - s.red()), std::abs(ist.green() - s.green()),
                                              std::abs(ist.blue() - s.blue())});
                QVERIFY2(abstand <= 6, qPrintable(u"Spalte %1 Zeile %2"_s.arg(x).arg(y)));
            }
        }
    }

    void hilfeFindetSeiteDesStichworts()
    {
        const QList<Hilfefenster::Seite> seiten = Hilfefenster::seiten();
        if (seiten.isEmpty())
            QSKIP("keine Hilfeseiten eingebunden");
        QVERIFY(!Hilfefenster::seiteFuer(u"einfuehrung"_s).isEmpty());
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
        QTest::newRow("Grafik") << u"Grafik"_s << u"40_diagramm.html"_s;
        QTest::newRow("Aktivität") << u"Aktivität"_s << u"30_aktivitaet_bekleidung.html"_s;
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
#include "tst_plattform.moc"
