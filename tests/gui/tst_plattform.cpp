// The real platform services where they can be checked without a person: file filters,
// printing into a PDF, the gauge pictures and the help viewer.
#include "hilfefenster.h"
#include "qtdienste.h"
#include "skalenbilder.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

struct Ecke {
    int spalte;
    int r, g, b;
};

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
    void dateifilter()
    {
        QCOMPARE(QtDienste::namensfilter(u"All files (*.*)|*.*|Text Files (*.txt)|*.txt|Tempara Files (*.tpr)|*.tpr"_s),
                 (QStringList{u"All files (*)"_s, u"Text Files (*.txt)"_s, u"Tempara Files (*.tpr)"_s}));
        QCOMPARE(QtDienste::namensfilter(u"Bitmap(*.bmp)|*.bmp"_s), QStringList{u"Bitmap (*.bmp)"_s});
        QVERIFY(QtDienste::namensfilter(QString()).isEmpty());
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
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5).startsWith("%PDF"));
    }

    void skalenNachRampenregel_data()
    {
        QTest::addColumn<QImage>("bild");
        QTest::addColumn<QList<Ecke>>("ecken");
        QTest::addColumn<int>("tickabstand");
        QTest::newRow("PMV") << pmvSkala()
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
        for (int x = 0; x <= 300; ++x) {
            QCOMPARE(bild.pixelColor(x, 0), QColor(Qt::black));
            QCOMPARE(bild.pixelColor(x, 29), QColor(Qt::black));
            const QColor tick = x % tickabstand == 0 ? QColor(Qt::black) : QColor(255, 255, 187);
            QCOMPARE(bild.pixelColor(x, 33), tick);
        }
        for (int y = 1; y <= 28; ++y) {
            QCOMPARE(bild.pixelColor(0, y), QColor(Qt::black));
            QCOMPARE(bild.pixelColor(300, y), QColor(Qt::black));
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
        QVERIFY(!Hilfefenster::seiteFuer(u"Einfuehrung"_s).isEmpty());
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
};


QTEST_MAIN(TestPlattform)
#include "tst_plattform.moc"
