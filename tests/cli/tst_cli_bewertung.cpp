// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli bewertung as a script calls it: the lines of each criterion, the range marks,
// the exit status. Local values are worked out from the equations of ISO 7730 separately;
// PMV and PPD are those of the pmv command's tests.
#include "cliprozess.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCliBewertung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aufrufe_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("ausgabe");
        QTest::newRow("Vorgabewerte: DR allein")
            << u"20 20 0 60 70 0 0 1"_s << 0 << u"PMV\t-0.265\tB\nPPD\t6.68\tB\nDR\t0.00\tA\nGesamt\t\tB\n"_s;
        QTest::newRow("alle Kriterien, Komma als Trenner")
            << u"22 22 0,2 50 70 0 0 1 --dt-vertikal 2 --t-boden 29 --decke-warm 5 --wand-kalt 10 "
               "--decke-kalt 14 --wand-warm 23"_s
            << 0
            << u"PMV\t-0.075\tA\nPPD\t5.13\tA\nDR\t22.58\tC\nPD_vertikal\t1.72\tA\nPD_boden\t12.14\tC\n"
               "PD_decke_warm\t6.74\tC\nPD_wand_kalt\t4.07\tA\nPD_decke_kalt\t5.07\tC\nPD_wand_warm\t3.92\tA\n"
               "Gesamt\t\tC\n"_s;
        QTest::newRow("Tu mit =, Reihenfolge der Optionen egal")
            << u"--wand-kalt 10 22 22 0.2 50 70 0 0 1 --tu=10"_s << 0
            << u"PMV\t-0.075\tA\nPPD\t5.13\tA\nDR\t14.36\tB\nPD_wand_kalt\t4.07\tA\nGesamt\t\tB\n"_s;
        QTest::newRow("außerhalb der Bereiche, negative Werte")
            << u"-5 -5 0 60 70 0 0 1 --v-lokal 0.1 --wand-warm 40 --dt-vertikal -1"_s << 0
            << u"PMV\t-3.000\t-\tausserhalb\nPPD\t98.10\t-\tausserhalb\nDR\t28.12\tC\tausserhalb\n"
               "PD_vertikal\t0.13\tA\tausserhalb\nPD_wand_warm\t12.75\t-\tausserhalb\nGesamt\t\t-\n"_s;
        QTest::newRow("örtliche Werte statt TI und V_LUFT")
            << u"--ts-gleich-ti 24 99 0 50 70 0 0 1 --t-lokal 22 --v-lokal 0.2"_s << 0
            << QString();  // only DR is checked below
        QTest::newRow("gedruckter Wert in seiner Kategorie, nicht 10.00 mit A")
            << u"20 20 0.1 50 70 0 0 1 --tu 38.77"_s << 0
            << u"PMV\t-0.335\tB\nPPD\t7.70\tB\nDR\t9.996\tA\nGesamt\t\tB\n"_s;
        QTest::newRow("Optionswert wie die acht Werte gelesen")
            << u"20 20 0.1 50 70 0 0 1 --tu 1e-400"_s << 0
            << u"PMV\t-0.335\tB\nPPD\t7.70\tB\nDR\t6.86\tA\tausserhalb\nGesamt\t\tB\n"_s;
        QTest::newRow("Optionswert +-5") << u"20 20 0 60 70 0 0 1 --tu +-5"_s << 2 << QString();
        QTest::newRow("Optionswert inf") << u"20 20 0 60 70 0 0 1 --t-lokal inf"_s << 2 << QString();
        QTest::newRow("Boden unter dem absoluten Nullpunkt")
            << u"20 20 0 60 70 0 0 1 --t-boden -274"_s << 2 << QString();
        QTest::newRow("TS unter dem absoluten Nullpunkt") << u"20 -273.2 0 60 70 0 0 1"_s << 2 << QString();
        QTest::newRow("PHI über 100") << u"20 20 0 101 70 0 0 1"_s << 2 << QString();
        QTest::newRow("M null") << u"20 20 0 60 0 0 0 1"_s << 2 << QString();
        QTest::newRow("ICL negativ") << u"20 20 0 60 70 0 0 -0.01"_s << 2 << QString();
        QTest::newRow("lange Option gekürzt") << u"20 20 0 60 70 0 0 1 --"_s + QString(200, u'x') << 2 << QString();
        QTest::newRow("Modell versagt") << u"-234.175 -234.175 0 60 70 0 0 1"_s << 1 << QString();
        QTest::newRow("sieben Werte") << u"20 20 0 60 70 0 0"_s << 2 << QString();
        QTest::newRow("unbekannte Option") << u"20 20 0 60 70 0 0 1 --tuerkalt 3"_s << 2 << QString();
        QTest::newRow("Option ohne Wert") << u"20 20 0 60 70 0 0 1 --tu"_s << 2 << QString();
        QTest::newRow("Option keine Zahl") << u"20 20 0 60 70 0 0 1 --t-boden warm"_s << 2 << QString();
        QTest::newRow("Option doppelt") << u"20 20 0 60 70 0 0 1 --tu 30 --tu 40"_s << 2 << QString();
        QTest::newRow("PHI nicht ganz") << u"20 20 0 60.5 70 0 0 1"_s << 2 << QString();
        QTest::newRow("Hilfe auf Deutsch, mit den Optionen") << u"--help"_s << 0 << u"Rückgabewert"_s;
    }
    void aufrufe()
    {
        QFETCH(QString, argumente);
        QFETCH(int, status);
        QFETCH(QString, ausgabe);
        const CliAusgang a = cliStarten(u"bewertung "_s + argumente);
        const QString aus = a.ausText();
        QVERIFY(a.status == status && a.fehler.isEmpty() == (status == 0) && a.fehler.size() < 200);
        if (argumente == u"--help")
            QVERIFY(aus.contains(ausgabe) && aus.contains(u"--wand-warm"_s));
        else if (!ausgabe.isEmpty())
            QCOMPARE(aus, ausgabe);
        else if (status == 0)
            QVERIFY2(aus.contains(u"\nDR\t22.58\tC\n"_s), qPrintable(aus));
        else
            QVERIFY(aus.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliBewertung)
#include "tst_cli_bewertung.moc"
