// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts as the user sees them and numbers as the program reads them.
#include "zahlen.h"

#include <QLocale>
#include <QTest>

#include <cmath>

using namespace model;

class TestZahlen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void muster()
    {
        // value, decimals, text: halves away from zero, no sign on a rounded zero, no grouping
        const std::tuple<double, int, const char*> faelle[] = {{double(-0.264f), 2, "-0,26"},
                                                               {double(float(1 * 0.05)), 2, "0,05"},
                                                               {-20.0, 1, "-20,0"},
                                                               {0.125, 2, "0,13"},
                                                               {-2.5, 0, "-3"},
                                                               {-0.001, 2, "0,00"},
                                                               {12345.678, 1, "12345,7"}};
        for (const auto& [wert, stellen, text] : faelle)
            QCOMPARE(formatiereZahl(wert, stellen, u','), QString::fromUtf8(text));
        // counts: grouped from five digits on, never with a separator a locale could take for a decimal
        const std::pair<int64_t, const char*> anzahlen[] = {
            {8760, "8760"}, {10000, "10 000"}, {-123456, "-123 456"}, {1234567, "1 234 567"}, {0, "0"}};
        for (const auto& [anzahl, text] : anzahlen)
            QCOMPARE(formatiereAnzahl(anzahl), QString::fromUtf8(text).replace(u' ', QChar(0x00A0)));
    }

    void gebietsschema()
    {
        // the separator follows the user's locale
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(formatiereZahl(20.0, 1), QStringLiteral("20,0"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(QString(dezimaltrenner()) + formatiereZahl(1234.5, 2), QStringLiteral(".1234.50"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    // Read as the field reader reads: the leading number, blanks anywhere in it, E or D exponents.
    void zahlwert()
    {
        const std::pair<const char*, double> faelle[] = {{"45", 45},     {"20.5", 20.5}, {"-3.25", -3.25},
                                                         {"+7", 7},      {".5", 0.5},    {"1.5E2", 150},
                                                         {"25D-1", 2.5}, {"3E", 3},      {" 1 2\t3\n.5", 123.5},
                                                         {"5,7", 5},     {"abc", 0},     {"", 0},
                                                         {"-", 0},       {"12abc", 12},  {"1\r2", 1}};
        for (const auto& [text, wert] : faelle) {
            QVERIFY2(Zahlwert(QStringView(QString::fromLatin1(text))) == wert, text);
            QVERIFY2(Zahlwert(std::string_view(text)) == wert, text);
        }
    }

    void zahlwertUeberlauf()
    {
        QVERIFY(std::isinf(Zahlwert(std::string_view("1E400"))));
        QCOMPARE(Zahlwert(std::string_view("1E-400")), 0.0);
        QCOMPARE(Zahlwert(std::string_view(std::string(5000, '9') + "E-4990")), 1e10);
        // 400 digits without an exponent: the digits decide, not the sign of an exponent.
        QVERIFY(std::isinf(Zahlwert(std::string_view(std::string(400, '9')))));
        QCOMPARE(Zahlwert(std::string_view("0." + std::string(400, '0') + "1")), 0.0);
        QVERIFY(std::isinf(Zahlwert(std::string_view("0." + std::string(400, '0') + "1E900"))));
        float f = 1.0f;
        QVERIFY(leseFeld("0," + std::string(400, '0') + "1", f) && f == 0.0f);
        QVERIFY(leseFeld(std::string(400, '9'), f) && std::isinf(f));
        QVERIFY(!leseFeld("+-5", f) && !leseFeld("inf", f) && !leseFeld("1,2.3", f));
    }

    void ganzeZahlUndFuehrendeZahl()
    {
        // a field's leading number, with comma or point, the rest ignored
        QCOMPARE((QList<double>{leseFuehrendeZahl(QStringLiteral("0,5")), leseFuehrendeZahl(QStringLiteral("0.5")),
                                leseFuehrendeZahl(QStringLiteral("  -15")), leseFuehrendeZahl(QStringLiteral("abc")),
                                leseFuehrendeZahl(QStringLiteral("60 Grad"))}),
                 (QList<double>{0.5, 0.5, -15, 0, 60}));
        QCOMPARE((QList<std::optional<double>>{leseZahl(u"-5"), leseZahl(u" 0,25 "), leseZahl(u"1.5e1")}),
                 (QList<std::optional<double>>{-5.0, 0.25, 15.0}));
        QVERIFY(!leseZahl(u"1,2,3") && !leseZahl(u"12x") && !leseZahl(u""));
    }

    void kuerzesterTextLiestZurueck()
    {
        for (float f : {-0.2634f, 6.7f, 98.1f, 1e-7f, 3.0f})
            QVERIFY(!kuerzesterText(f).contains(u',') && kuerzesterText(f).toFloat() == f);
        QCOMPARE(kuerzesterText(5.0f), QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(TestZahlen)
#include "tst_model_zahlen.moc"
