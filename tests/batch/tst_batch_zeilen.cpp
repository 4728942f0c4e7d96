// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of hourly data files on damaged and unusual input (random bytes: the fuzz target).
#include "vorschau.h"
#include "zeilen.h"
#include "zeilenleser.h"

#include <QBuffer>
#include <QTest>

#include <numeric>

using namespace batch;

Q_DECLARE_METATYPE(QList<float>)

namespace {

// Expected 20 columns: the given ones, then 0.
QList<float> spalten(std::initializer_list<float> vorn)
{
    QList<float> alle(vorn);
    alle.resize(kSpalten, 0.0f);
    return alle;
}

QBuffer* puffer(QByteArray& inhalt, QObject* eltern)
{
    auto* datei = new QBuffer(&inhalt, eltern);
    datei->open(QIODevice::ReadOnly);
    return datei;
}

}  // namespace

class TestStapelZeilen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zeilenart()
    {
        const QList<std::pair<QByteArray, Zeilenart>> faelle{
            {"C Messung", Zeilenart::Kommentar},   {"   \tC", Zeilenart::Kommentar}, {"\t\tC", Zeilenart::Daten},
            {"S 1 2 3 6 7", Zeilenart::Zuordnung}, {"s 1", Zeilenart::Daten},        {"    ", Zeilenart::Leer}};
        for (const auto& [zeile, art] : faelle) {
            Vorschautabelle tabelle{};
            Spaltenzuordnung zuordnung{};
            Zeilenwerte werte{};
            QCOMPARE(VorschauzeileZerlegen(zeile.toStdString(), 1, tabelle, zuordnung), art);
            QCOMPARE(DatenzeileZerlegen(zeile.toStdString(), werte), art);
            QCOMPARE(ZeilenartVon(zeile.toStdString()), art);
        }
    }

    // Where tabs and blanks mix, the preview cuts at the earlier one, the run at a blank.
    void felder_data()
    {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<QList<float>>("vorschau");
        QTest::addColumn<QList<float>>("lauf");
        auto gleich = [](const char* tag, const QByteArray& zeile, const QList<float>& soll) {
            QTest::newRow(tag) << zeile << soll << soll;
        };
        gleich("Zeile einer Ergebnisdatei", "\t20,5\t21,0", spalten({20.5f, 21.0f}));
        gleich("Blank-Folgen", "1     20.5      45", spalten({1, 20.5f, 45}));
        gleich("Komma trennt nicht", "1,2,3", spalten({1.2f}));
        gleich("E und D", "1.5E2 25D-1 -3e-1", spalten({150, 2.5f, -0.3f}));
        gleich("keine Zahl", "abc 4", spalten({0, 4}));
        gleich("NUL-Byte", QByteArray("4\0005 6", 5), spalten({4, 6}));
        gleich("riesiger Exponent", "1E999 2", spalten({std::numeric_limits<float>::infinity(), 2}));
        gleich("zwei Tabs: leeres Feld", "1\t\t45", spalten({1, 0, 45}));
        QList<float> zwanzig(kSpalten);
        std::iota(zwanzig.begin(), zwanzig.end(), 1.0f);
        gleich("25 Felder", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 ", zwanzig);
        const QByteArray riesig = "1 " + QByteArray(4 << 20, '7') + "\t,,,," + QByteArray(1 << 20, '\t') + "3";
        gleich("sehr lange Zeile", riesig, spalten({1, std::numeric_limits<float>::infinity()}));
        QTest::newRow("Tabs, dann Blank am Ende") << QByteArray("1\t2\t3 ") << spalten({1, 2, 3}) << spalten({123});
        QTest::newRow("Tab vor Blank") << QByteArray("1\t2 3") << spalten({1, 2, 3}) << spalten({12, 3});
        QTest::newRow("Blank vor Tab") << QByteArray("1 2\t3") << spalten({1, 2, 3}) << spalten({1, 2, 3});
    }
    void felder()
    {
        QFETCH(QByteArray, zeile);
        QFETCH(QList<float>, vorschau);
        QFETCH(QList<float>, lauf);
        Vorschautabelle tabelle{};  // VorschauLesen clears the table before the lines
        Spaltenzuordnung zuordnung{};
        VorschauzeileZerlegen(zeile.toStdString(), 2, tabelle, zuordnung);  // preview line 2
        QCOMPARE(QList<float>(tabelle.begin(), tabelle.end()),
                 QList<float>(kSpalten, 0.0f) + vorschau + QList<float>(3 * kSpalten, 0.0f));
        Zeilenwerte werte;
        werte.fill(-1.0f);
        DatenzeileZerlegen(zeile.toStdString(), werte);
        QCOMPARE(QList<float>(werte.begin(), werte.end()), lauf);
    }

    void vorschauLesen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QList<float>>("ersteSpalte");  // column 1 of preview lines 1 to 5
        QTest::addColumn<bool>("uebernommen");
        QTest::addColumn<QList<int>>("codes");  // the rest 0
        const QList<float> leer(kVorschauzeilen, 0.0f);
        const auto zuordnung = [&](const char* tag, const QByteArray& zeile, const QList<int>& codes) {
            QTest::newRow(tag) << zeile << leer << true << codes;
        };
        zuordnung("Zuordnung einer Ergebnisdatei", "S 1 2 3 6 7", {1, 2, 3, 6, 7});
        zuordnung("halbe Codes zur geraden Zahl", "S 2.5 3.5 0.5 1.4", {2, 4, 0, 1});
        zuordnung("Codes außerhalb 0 bis 8 werden 0", "S 9 -1 8 1E9 3", {0, 0, 8, 0, 3});
        zuordnung("zwei Blanks nach S", "S  1 2", {0, 1, 2});
        zuordnung("Tab trennt Codes nicht", "S 1\t2 3", {0, 3});
        zuordnung("UTF-8-Kennung vor der ersten Zeile", "\xEF\xBB\xBFS 1 2", {1, 2});
        zuordnung("25 Codes", "S" + QByteArray(" 1").repeated(25), QList<int>(kSpalten, 1));
        const auto datei = [](const char* tag, const QByteArray& inhalt, const QList<float>& erste, bool uebernommen,
                              const QList<int>& codes = {}) {
            QTest::newRow(tag) << inhalt << erste << uebernommen << codes;
        };
        datei("Kopf einer Ergebnisdatei",
              "C\r\nS 1 2 3 6 7\r\nC \r\n\t1\t20\r\n\t2\t21\r\n\t3\t22\r\n\t4\t23\r\n\t5\t24\r\n\t6\t25\r\n",
              {1, 2, 3, 4, 5}, true, {1, 2, 3, 6, 7});
        datei("nur zwei Datenzeilen", "7\n8\n", {7, 8, 0, 0, 0}, false);
        datei("Zuordnung nach der fünften Datenzeile zählt nicht", "1\n2\n3\n4\n5\nS 2 2\n", {1, 2, 3, 4, 5}, false);
        datei("Zuordnung vor der fünften Datenzeile zählt", "1\n2\n3\n4\nS 4 5\n5\n", {1, 2, 3, 4, 5}, true, {4, 5});
        datei("Leerzeilen werden übergangen", "1\n\n   \n2\r\n\r\n3", {1, 2, 3, 0, 0}, false);
    }
    void vorschauLesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QList<float>, ersteSpalte);
        QFETCH(bool, uebernommen);
        QFETCH(QList<int>, codes);
        Vorschautabelle tabelle;
        tabelle.fill(-1.0f);  // must be cleared
        Spaltenzuordnung zuordnung{};
        QCOMPARE(VorschauLesen(*puffer(inhalt, this), tabelle, zuordnung), uebernommen);
        for (int r = 0; r < kVorschauzeilen; ++r)
            QCOMPARE(tabelle[std::size_t(kSpalten * r)], ersteSpalte[r]);
        codes.resize(kSpalten, 0);
        QCOMPARE(QList<int>(zuordnung.begin(), zuordnung.end()), codes);
    }

    // A CR at the buffer's end, a line longer than the buffer, empty lines, no last line end.
    void zeilenleser()
    {
        QByteArray inhalt = "abcdefghijklmno\r\nx\n" + QByteArray(100, 'z') + "\n\r\n\nc";
        Zeilenleser leser(*puffer(inhalt, this), 16);
        QList<QByteArray> gelesen;
        std::string_view zeile;
        while (leser.naechste(zeile))
            gelesen.append(QByteArray(zeile.data(), qsizetype(zeile.size())));
        QCOMPARE(gelesen, (QList<QByteArray>{"abcdefghijklmno", "x", QByteArray(100, 'z'), "", "", "c"}));
        QVERIFY(!leser.fehler());
    }
};

QTEST_GUILESS_MAIN(TestStapelZeilen)
#include "tst_batch_zeilen.moc"