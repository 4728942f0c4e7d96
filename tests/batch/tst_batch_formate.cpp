// SPDX-License-Identifier: GPL-3.0-or-later
// Data files with a real separator: each form gives the data lines of the equivalent
// tab-separated file; what cannot be read safely is named by line and field; the warnings
// before the run about lines the plain reading gets wrong.
#include "stapeltest.h"

#include "feldleser.h"
#include "stapellauf.h"
#include "vorpruefung.h"
#include "vorschau.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace batch;
using namespace stapeltest;
using namespace Qt::StringLiterals;

namespace {

Dateiformat formatVon(QByteArray text, std::optional<Trennzeichen> trennzeichen = {})
{
    QBuffer puffer(&text);
    puffer.open(QIODevice::ReadOnly);
    return FormatErkennen(ErsteZeilen(puffer), u"d.csv"_s, trennzeichen);
}

Dateibefund befundVon(QByteArray text, const Dateiformat& format)
{
    QBuffer puffer(&text);
    puffer.open(QIODevice::ReadOnly);
    return DateiPruefen(puffer, {}, format);
}

}  // namespace

class TestFormate : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;

    // The data lines of the result of `datei` read as tempara-cli reads it: the detected format,
    // the codes of the S line or else of the names.
    QByteArray datenzeilen(QByteArray datei, const QString& name)
    {
        schreibe(m_ordner.filePath(name), datei);
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.format = formatVon(datei);
        QBuffer puffer(&datei);
        puffer.open(QIODevice::ReadOnly);
        Vorschautabelle vorschau;
        if (!VorschauLesen(puffer, vorschau, e.zuordnung, e.format))
            e.zuordnung = e.format.zuordnung;
        const Stapelergebnis r = Stapellauf(PlanMitAusgabe(m_ordner.filePath(name), m_ordner.filePath(u"r.TPR"_s)), e);
        if (!r.erfolgreich)
            return r.fehlermeldung.toUtf8();
        return QString::fromUtf8(lies(m_ordner.filePath(u"r.TPR"_s)))
            .split(u'\n')
            .filter(QRegularExpression(u"^\t"_s))
            .join(u'\n')
            .toUtf8();
    }

private Q_SLOTS:
    void gleicheDatenzeilen_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QList<int>>("stunden");
        const auto fall = [](const char* tag, const QByteArray& datei, QList<int> stunden = {1, 2}) {
            QTest::newRow(tag) << datei << stunden;
        };
        fall("Semikolon, Dezimalkomma, BOM, CR LF",
             "\xEF\xBB\xBFStunde;Ti;Ts;rel. Feuchte\r\n1;21,5;20,0;50\r\n2;22,0;21,0;55\r\n");
        fall("Komma, Punkt, Einheiten", "Hour,Air Temperature [C],Mean Radiant Temperature [C],Relative Humidity "
                                        "[%]\n1,21.5,20.0,50\n2,22,21,55\n");
        fall("Anführungszeichen, leere Felder",
             "\"Stunde\";\"Notiz\";\"TI\";\"Ts\";\"Feuchte\"\n\"1\";;\"21,5\";20;50\n"
             "2;\"a;\"\"b\"\"\";22;21;55\n");
        fall("Tabulator mit Kopfzeile, Blank am Ende", "Stunde\tTi\tTs\tFeuchte \n1\t21,5\t20\t50 \n2\t22\t21\t55 \n");
        fall("Simulation, Ende der Stunde",
             "Date/Time,ZONE1:Zone Mean Air Temperature [C](Hourly),ZONE1:Zone Mean Radiant Temperature [C](Hourly),"
             "ZONE1:Zone Air Relative Humidity [%](Hourly)\n 01/01  01:00:00,21.5,20,50\n 01/01  02:00:00,22,21,55\n");
        fall("Datum und Uhrzeit getrennt, Anfang der Stunde",
             "Datum;Uhrzeit;Raumlufttemperatur;Strahlungstemperatur;rel. Feuchte\n01.01.2023;00:00;21,5;20;50\n"
             "01.01.2023;01:00;22;21;55\n");
        fall("sep=, Einheitenzeile", "sep=;\nDatum;Uhrzeit;Ti;Ts;Feuchte\n;;°C;°C;%\n01.01.2023;00:00;21,5;20;50\n"
                                     "01.01.2023;01:00;22;21;55\n");
        QByteArray breit = "Stunde";  // 24 fields, the named ones beyond the 20th
        for (int i = 2; i <= 21; ++i)
            breit += ";Messstelle " + QByteArray::number(i);
        const QByteArray nullen = QByteArray(";0").repeated(20);
        fall("24 Felder", breit + ";Ti;Ts;Feuchte\n1" + nullen + ";21,5;20;50\n2" + nullen + ";22;21;55\n");
        fall("Datum mit Uhrzeit, Jahreswechsel",
             "Zeit;Ti;Ts;Feuchte\n31.12.2023 23:00;21,5;20;50\n"
             "01.01.2024 00:00;22;21;55\n",
             {8759, 8760});
        fall("29. Februar mit Jahr",
             "Datum;Uhrzeit;Ti;Ts;Feuchte\n29.02.2024;23:00;21,5;20;50\n"
             "01.03.2024;00:00;22;21;55\n",
             {1439, 1440});
        fall("29. Februar ohne Jahr",
             "Date/Time;Ti;Ts;Feuchte\n 02/29  24:00:00;21,5;20;50\n"
             " 03/01  01:00:00;22;21;55\n",
             {1440, 1441});
        fall("Jahr ohne 29. Februar",
             "Date/Time;Ti;Ts;Feuchte\n 02/28  24:00:00;21,5;20;50\n"
             " 03/01  01:00:00;22;21;55\n",
             {1416, 1417});
    }
    void gleicheDatenzeilen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QList<int>, stunden);
        const QByteArray tabulatoren = "S 1 2 3 5\r\n" + QByteArray::number(stunden[0]) + "\t21,5\t20\t50\r\n"
                                       + QByteArray::number(stunden[1]) + "\t22\t21\t55\r\n";
        QCOMPARE(datenzeilen(datei, u"d.txt"_s), datenzeilen(tabulatoren, u"t.txt"_s));
    }

    // A line that cannot be read safely stops the run with its line and field; nothing is written.
    void meldungen()
    {
        const std::pair<QByteArray, QString> faelle[]{
            {"Stunde;Ti;Ts\n1;21;20\n2;22\n", u"Zeile 3: Die Zeile hat 2 Felder, die Kopfzeile aber 3."_s},
            {"Stunde;Ti\n1;21\n2;abc\n", u"Zeile 3: Feld 2 (Ti): „abc“ ist keine Zahl."_s},
            {"Stunde;Ti\n1;1.234,5\n",
             u"Zeile 2: Feld 2 (Ti): In „1.234,5“ ist das Dezimaltrennzeichen nicht eindeutig"_s},
            {"Hour,Ti\n1,\"21,5\"\n", u"Zeile 2: Feld 2 (Ti): In „21,5“ ist das Dezimaltrennzeichen"_s},
            {"Datum;Uhrzeit;Ti\n28.02.2023;23:00;21\n29.02.2023;00:00;21\n",
             u"Zeile 3: Feld 1 (Datum): Den 29.02.2023 gibt es nicht."_s},
            {"Datum;Uhrzeit;Ti\n01.01.2023;01:00;21\n01.01.2023;00:00;21\n",
             u"Zeile 3: Feld 1 (Datum): Die Zeit läuft rückwärts"_s}};
        for (const auto& [text, soll] : faelle) {
            const Dateiformat f = formatVon(text);
            const QString fehler = Lesefehler(befundVon(text, f), f.zuordnung);
            QVERIFY2(fehler.startsWith(soll), qPrintable(soll + u" / "_s + fehler));
            QVERIFY(datenzeilen(text, u"d.csv"_s).startsWith(soll.toUtf8()));  // the run stops alike
        }
    }

    // Lines the plain reading gets wrong, and values no room can have, are warned about with their line.
    void vorwarnungen()
    {
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.zuordnung = {kJahresstunde, kTi, kTs, kFeuchte};
        const std::pair<QByteArray, QString> faelle[]{
            {"1\t21\t20\t50 \n2\t21\t20\t50 \n", u"2 Datenzeilen (zuerst Zeile 1) sind durch Tabulatoren getrennt"_s},
            {"1 21 20 50\n2 21 -300 50\n", u"Zeile 2: Spalte 3 (Ts) = -300"_s},
            {"1 21 20 101\n2 21 20 -1\n", u"Zeile 2: Spalte 4 (rel. Feuchte) = -1"_s},
            {"1 21 20 100\n2 -273 -273 0\n", {}}};  // the limits themselves are possible
        for (const auto& [text, soll] : faelle) {
            const QStringList w = Vorwarnungen(befundVon(text, {}), e);
            QVERIFY2(soll.isEmpty() ? w.isEmpty() : w.join(u'\n').contains(soll), qPrintable(w.join(u'\n')));
        }
        // Read with the tab as separator, the blank at the end does not matter.
        const QByteArray blank = "1\t21\t20\t50 \n";
        QVERIFY(Vorwarnungen(befundVon(blank, formatVon(blank, Trennzeichen::Tabulator)), e).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFormate)
#include "tst_batch_formate.moc"
