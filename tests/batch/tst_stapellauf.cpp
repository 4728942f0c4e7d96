// The batch run: result names, the header byte for byte, season-independent and -dependent
// runs, the output plan with its questions, and that the user's files survive every failure.
#include "stapeltest.h"

#include "ergebnisdatei.h"
#include "stapellauf.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace stapel;
using namespace stapeltest;
using namespace Qt::Literals::StringLiterals;

namespace {

QList<QByteArray> datenzeilen(const QByteArray& ergebnis)
{
    QList<QByteArray> zeilen;
    for (const QByteArray& zeile : ergebnis.split('\n'))
        if (zeile.startsWith('\t'))
            zeilen.append(zeile);
    return zeilen;
}

// Column `spalte` (0 = the first after the leading tab) of every data line.
QList<QByteArray> spalte(const QByteArray& ergebnis, int spalte)
{
    QList<QByteArray> werte;
    for (const QByteArray& zeile : datenzeilen(ergebnis))
        werte.append(zeile.trimmed().split('\t').value(spalte));
    return werte;
}

QByteArray kopfMesswerte()
{
    return QByteArray("C\r\n"
                      "C  Tempara 1.3\r\n"
                      "C  \r\n"
                      "C  Bei der Berechnung von PMV und PPD wurden folgende\r\n"
                      "C  konstante Parameter verwendet:\r\n"
                      "C  \r\n"
                      "C  Luftgeschwindigkeit  = 0,1 m/s\r\n"
                      "C  relative Luftfeuchte = 50,0 %\r\n"
                      "C  Aktivit\xc3\xa4t            = 70 W/m\xc2\xb2\r\n"
                      "C  Bekleidung           = 1,00 clo\r\n"
                      "C  \r\n"
                      "S 1 2 3 6 7\r\n"
                      "C \r\n"
                      "C\tStunde\tTLI   \tTU    \tPMV\tPPD\r\n");
}

Stapeleinstellungen jahreszeitabhaengig(std::initializer_list<const char*> laengen)
{
    Stapeleinstellungen e = einstellungenStundeTiTs();
    e.zuordnung = {kJahresstunde};
    e.nutzungsart = Nutzungsart::Jahreszeitabhaengig;
    int k = 0;
    for (const char* laenge : laengen)
        e.bereiche[std::size_t(k++)].laenge = QString::fromLatin1(laenge);
    return e;
}

}  // namespace

class TestStapellauf : public QObject {
    Q_OBJECT

    QTemporaryDir* m_ordner = nullptr;
    QString pfad(const QString& name) const { return m_ordner->filePath(name); }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init()
    {
        m_ordner = new QTemporaryDir;
        QVERIFY(m_ordner->isValid());
    }
    void cleanup()
    {
        freigeben(m_ordner->path(), true);
        delete m_ordner;
    }

    void ergebnisname_data()
    {
        QTest::addColumn<QString>("datendatei");
        QTest::addColumn<bool>("alsEingabe");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("txt") << QStringLiteral("/d/messwerte.txt") << false << QStringLiteral("/d/messwerte.TPR");
        QTest::newRow("TPR wird gelesen") << QStringLiteral("/d/messwerte.TPR") << true << QStringLiteral("/d/messwerte.BAK");
        QTest::newRow("tpr klein") << QStringLiteral("/d/a.tpr") << true << QStringLiteral("/d/a.BAK");
        QTest::newRow("kein Punkt in den letzten vier") << QStringLiteral("/d/messwerte.data") << false << QStringLiteral("/d/messwerte.data.TPR");
        QTest::newRow("ohne Endung") << QStringLiteral("/d/jahr") << false << QStringLiteral("/d/jahr.TPR");
        QTest::newRow("kurze Endung") << QStringLiteral("/d/jahr.c") << false << QStringLiteral("/d/jahr.TPR");
        QTest::newRow("endet mit Punkt") << QStringLiteral("/d/jahr.") << false << QStringLiteral("/d/jahr.TPR");
        QTest::newRow("endet mit tpr ohne Punkt") << QStringLiteral("/d/ftpr") << true << QStringLiteral("/d/ftpr.TPR");
    }
    void ergebnisname()
    {
        QFETCH(QString, datendatei);
        QFETCH(bool, alsEingabe);
        QFETCH(QString, ergebnis);
        QCOMPARE(ErgebnisAlsEingabe(datendatei), alsEingabe);
        QCOMPARE(Ergebnisdateiname(datendatei, alsEingabe), ergebnis);
    }

    void kopfJahreszeitunabhaengig() { QCOMPARE(Kopfzeilen(einstellungenStundeTiTs()), kopfMesswerte()); }

    void kopfOhneSpalten()
    {
        Stapeleinstellungen e = einstellungenStundeTiTs(u'.');
        e.zuordnung = {kUnbenutzt, kPMV, kFeuchte, kVLuft, kPPD};
        e.Ti = -20.0f;
        e.bereiche[0] = BereichAus(QStringLiteral("0"), 400, 0.05f, u'.');
        QCOMPARE(Kopfzeilen(e), QByteArray("C\r\nC  Tempara 1.3\r\nC  \r\n"
                                           "C  Bei der Berechnung von PMV und PPD wurden folgende\r\n"
                                           "C  konstante Parameter verwendet:\r\nC  \r\n"
                                           "C  Raumlufttemperatur   = -20.0 \xc2\xb0" "C\r\n"
                                           "C  Strahlungstemperatur = Raumlufttemperatur\r\n"
                                           "C  Aktivit\xc3\xa4t            = 400 W/m\xc2\xb2\r\n"
                                           "C  Bekleidung           = 0.05 clo\r\n"
                                           "C  \r\nS 5 4 6 7\r\nC \r\nC\tPHI   \tVGES  \tPMV\tPPD\r\n"));
    }

    void kopfJahreszeitabhaengig()
    {
        Stapeleinstellungen e = jahreszeitabhaengig({"744", "0", "7344", "123456789012345678"});
        e.zuordnung = {kTi, kTs, kVLuft, kFeuchte};
        e.bereiche[0] = BereichAus(QStringLiteral("744"), 70, 0.5f, u',');
        e.bereiche[2].aktivitaetText = QStringLiteral("sehr lange Aktivit\u00e4t 20 Zeichen");
        const QByteArray kopf = Kopfzeilen(e);
        QVERIFY(kopf.contains("C  \r\nC\r\nC  Datenzeilen       Aktivit\xc3\xa4t           Bekleidung\r\n"
                              "C  744               70 W/m\xc2\xb2             0,50 clo\r\n"
                              "C  7344              sehr lange Aktivit\xc3\xa4t 20 Zeichen1,00 clo\r\n"
                              "C  123456789012345678" "70 W/m\xc2\xb2             1,00 clo\r\n"
                              "C  \r\nS 2 3 4 5 6 7\r\n"));
        QVERIFY(!kopf.contains("Raumlufttemperatur"));
    }

    void datenzeilenUndKonstanten_data()
    {
        QTest::addColumn<QByteArray>("eingabe");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<float>("vLuft");
        QTest::addColumn<int>("phi");
        QTest::addColumn<QByteArray>("zeile");
        QTest::newRow("Grundwerte, Spalten Stunde Ti Ts") << QByteArray("\t8017\t20\t20,0\r\n") << QList<int>{1, 2, 3} << 0.0f << 60
                                                         << QByteArray("\t8017\t20,0\t20,0\t-0,3\t6,7\r");
        QTest::newRow("ISO-Fall mit Konstanten") << QByteArray("1 22,0 22\r\n") << QList<int>{1, 2, 3} << 0.2f << 50
                                                 << QByteArray("\t1\t22,0\t22,0\t-0,1\t5,1\r");
        QTest::newRow("ohne Ti und Ts: Konstante 20 °C") << QByteArray("5 77\n") << QList<int>{1} << 0.0f << 60
                                                          << QByteArray("\t5\t-0,3\t6,7\r");
        QTest::newRow("negative Luftgeschwindigkeit als Betrag") << QByteArray("22 22 -0,2 50\n") << QList<int>{2, 3, 4, 5} << 0.0f << 0
                                                                 << QByteArray("\t22,0\t22,0\t0,2\t50,0\t-0,1\t5,1\r");
        QTest::newRow("PMV und PPD einer alten Auswertung fallen weg") << QByteArray("\t3\t20,0\t20,0\t1,0\t9,9\r\n") << QList<int>{1, 2, 3, 6, 7}
                                                                      << 0.0f << 60 << QByteArray("\t3\t20,0\t20,0\t-0,3\t6,7\r");
        QTest::newRow("unbenutzte Spalte dazwischen") << QByteArray("9 1000 20 20\n") << QList<int>{1, 0, 2, 3} << 0.0f << 60
                                                      << QByteArray("\t9\t20,0\t20,0\t-0,3\t6,7\r");
    }
    void datenzeilenUndKonstanten()
    {
        QFETCH(QByteArray, eingabe);
        QFETCH(QList<int>, codes);
        QFETCH(float, vLuft);
        QFETCH(int, phi);
        QFETCH(QByteArray, zeile);
        schreibe(pfad(QStringLiteral("m.txt")), eingabe);
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.zuordnung = {};
        for (qsizetype i = 0; i < codes.size(); ++i)
            e.zuordnung[std::size_t(i)] = int16_t(codes[i]);
        e.v_Luft = vLuft;
        e.phi = int16_t(phi);
        const Stapelergebnis ergebnis = Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("m.txt")), pfad(QStringLiteral("m.TPR"))), e);
        QVERIFY2(ergebnis.erfolgreich, qPrintable(ergebnis.fehlermeldung));
        QCOMPARE(datenzeilen(lies(pfad(QStringLiteral("m.TPR")))), QList<QByteArray>{zeile});
        QCOMPARE(ergebnis.auswertung.datenzeilen, 1);
    }

    void ganzeDateiJahreszeitunabhaengig()
    {
        QByteArray eingabe = "C Messung Raum 12\r\nS 1 2 3\r\n" + stundenwerte(3) + "\r\n   \r\nC Pause\r\n" + stundenwerte(2, 4);
        eingabe.chop(2);  // no line end after the last line
        schreibe(pfad(QStringLiteral("messwerte.txt")), eingabe);
        const Stapelergebnis ergebnis = Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("messwerte.txt")), pfad(QStringLiteral("messwerte.TPR"))),
                                                   einstellungenStundeTiTs());
        QVERIFY(ergebnis.erfolgreich);
        const QByteArray text = lies(pfad(QStringLiteral("messwerte.TPR")));
        QVERIFY(text.startsWith(kopfMesswerte()));
        QCOMPARE(spalte(text, 0), (QList<QByteArray>{"1", "2", "3", "4", "5"}));  // empty and comment lines skipped
        QCOMPARE(spalte(text, 1), (QList<QByteArray>{"21,5", "22,5", "23,5", "24,5", "20,5"}));
        QVERIFY(text.endsWith("\r\n"));
        QCOMPARE(text.count("\r\n"), text.count('\n'));
        QCOMPARE(ergebnis.auswertung.datenzeilen, 5);
        QCOMPARE(ergebnis.datenzeilenImEingang, -1);  // not counted: no ranges to fit
    }

    void englischesGebietsschema()
    {
        schreibe(pfad(QStringLiteral("e.txt")), "\t1\t22,0\t22.0\n");
        Stapeleinstellungen e = einstellungenStundeTiTs(u'.');
        e.v_Luft = 0.2f;
        QVERIFY(Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("e.txt")), pfad(QStringLiteral("e.TPR"))), e).erfolgreich);
        const QByteArray text = lies(pfad(QStringLiteral("e.TPR")));
        QVERIFY(text.contains("C  Luftgeschwindigkeit  = 0.2 m/s\r\n"));
        QCOMPARE(datenzeilen(text), QList<QByteArray>{"\t1\t22.0\t22.0\t-0.1\t5.1\r"});
    }

    // Ranges A to D: activity and clothing per range, ranges fitted to the file's length.
    void bereiche_data()
    {
        QTest::addColumn<QStringList>("laengen");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QStringList>("angepasst");
        QTest::addColumn<QByteArray>("pmvFolge");  // one letter per written line: n, k (cold), h (hot)
        QTest::newRow("3 2 4 0 auf 10 Zeilen") << QStringList{u"3"_s, u"2"_s, u"4"_s, u"0"_s} << 10
                                              << QStringList{u"3"_s, u"2"_s, u"4"_s, u"0"_s} << QByteArray("nnnkkhhhh");
        QTest::newRow("Bereich B gekürzt") << QStringList{u"3"_s, u"50"_s, u"4"_s, u"0"_s} << 6
                                          << QStringList{u"3"_s, u" 3"_s, u" 0"_s, u" 0"_s} << QByteArray("nnnkkk");
        QTest::newRow("alle Längen 0") << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s} << 6 << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s} << QByteArray();
        QTest::newRow("Länge 0 dann B") << QStringList{u"0"_s, u"2"_s, u"0"_s, u"1"_s} << 6 << QStringList{u"0"_s, u"2"_s, u"0"_s, u"1"_s} << QByteArray("kkn");
        QTest::newRow("halbe Länge zur geraden Zahl") << QStringList{u"2.5"_s, u"9"_s, u"0"_s, u"0"_s} << 6
                                                     << QStringList{u"2.5"_s, u" 4"_s, u" 0"_s, u" 0"_s} << QByteArray("nnkkkk");
    }
    void bereiche()
    {
        QFETCH(QStringList, laengen);
        QFETCH(int, zeilen);
        QFETCH(QStringList, angepasst);
        QFETCH(QByteArray, pmvFolge);
        schreibe(pfad(QStringLiteral("b.txt")), "C Kopf\r\n" + stundenwerte(zeilen));
        Stapeleinstellungen e = jahreszeitabhaengig({});
        e.bereiche[0] = BereichAus(laengen[0], 70, 1.0f, u',');   // about neutral at 20 °C
        e.bereiche[1] = BereichAus(laengen[1], 70, 0.0f, u',');   // naked: cold
        e.bereiche[2] = BereichAus(laengen[2], 400, 4.0f, u',');  // hard work in heavy clothing: hot
        e.bereiche[3] = BereichAus(laengen[3], 70, 1.0f, u',');
        const Stapelergebnis ergebnis = Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("b.txt")), pfad(QStringLiteral("b.TPR"))), e);
        QVERIFY(ergebnis.erfolgreich);
        QCOMPARE(ergebnis.datenzeilenImEingang, zeilen);
        QCOMPARE(QStringList(ergebnis.laengen.begin(), ergebnis.laengen.end()), angepasst);
        QByteArray folge;
        for (const QByteArray& pmv : spalte(lies(pfad(QStringLiteral("b.TPR"))), 1))
            folge += pmv == "-3,0" ? 'k' : pmv == "3,0" ? 'h' : 'n';
        QCOMPARE(folge, pmvFolge);
    }

    void jahrMitBereichenUndMehrAls32767Zeilen_data()
    {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QStringList>("laengen");
        QTest::addColumn<QStringList>("angepasst");
        QTest::newRow("Januar, Februar, Rest") << 8760 << QStringList{u"744"_s, u"672"_s, u"7344"_s, u"0"_s} << QStringList{u"744"_s, u"672"_s, u"7344"_s, u" 0"_s};
        QTest::newRow("5000 5000 auf ein Jahr") << 8760 << QStringList{u"5000"_s, u"5000"_s, u"0"_s, u"0"_s} << QStringList{u"5000"_s, u" 3760"_s, u" 0"_s, u" 0"_s};
        QTest::newRow("40000 Zeilen") << 40000 << QStringList{u"30000"_s, u"20000"_s, u"0"_s, u"0"_s} << QStringList{u"30000"_s, u" 10000"_s, u" 0"_s, u" 0"_s};
    }
    void jahrMitBereichenUndMehrAls32767Zeilen()
    {
        QFETCH(int, zeilen);
        QFETCH(QStringList, laengen);
        QFETCH(QStringList, angepasst);
        schreibe(pfad(QStringLiteral("jahr.txt")), stundenwerte(zeilen));
        Stapeleinstellungen e = jahreszeitabhaengig({});
        for (int k = 0; k < kBereiche; ++k)
            e.bereiche[std::size_t(k)].laenge = laengen[k];
        QList<QPair<qint64, qint64>> fortschritt;
        const Stapelergebnis ergebnis = Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("jahr.txt")), pfad(QStringLiteral("jahr.TPR"))), e,
                                                   [&](int64_t erledigt, int64_t gesamt) { fortschritt.append({erledigt, gesamt}); });
        QVERIFY(ergebnis.erfolgreich);
        QCOMPARE(QStringList(ergebnis.laengen.begin(), ergebnis.laengen.end()), angepasst);
        QList<QPair<qint64, qint64>> sollFortschritt;
        for (qint64 n = 16384; n <= ergebnis.auswertung.datenzeilen; n += 16384)
            sollFortschritt.append({n, zeilen});
        QCOMPARE(fortschritt, sollFortschritt);
        const QByteArray text = lies(pfad(QStringLiteral("jahr.TPR")));
        const qsizetype geschrieben = datenzeilen(text).size();
        QCOMPARE(ergebnis.auswertung.datenzeilen, geschrieben);
        QCOMPARE(geschrieben, qsizetype(laengen[0] == u"744" ? 8760 : zeilen));
        for (const QString& laenge : laengen)  // the header lists the ranges as typed
            if (laenge != u"0")
                QVERIFY(text.contains("\r\nC  " + laenge.toLatin1() + ' '));
    }

    void rechenfehlerHaeltWerte()
    {
        schreibe(pfad(QStringLiteral("f.txt")), "1 22 22\n2 1E39 1E39\n3 -234.175 20\n4 22 22\n");
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.v_Luft = 0.2f;
        e.gehaltenPMV = 1.25f;
        e.gehaltenPPD = 37.5f;
        const Stapelergebnis ergebnis = Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("f.txt")), pfad(QStringLiteral("f.TPR"))), e);
        QVERIFY(ergebnis.erfolgreich);
        const QByteArray text = lies(pfad(QStringLiteral("f.TPR")));
        QCOMPARE(spalte(text, 3), (QList<QByteArray>{"-0,1", "-0,1", "-0,1", "-0,1"}));
        QCOMPARE(spalte(text, 1), (QList<QByteArray>{"22,0", "Inf", "-234,2", "22,0"}));
        QCOMPARE(ergebnis.auswertung.datenzeilen, 4);
        QCOMPARE(ergebnis.auswertung.rechenfehler, 2);

        schreibe(pfad(QStringLiteral("g.txt")), "1 1E39 1E39\n");  // fails before any line succeeded
        QVERIFY(Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("g.txt")), pfad(QStringLiteral("g.TPR"))), e).erfolgreich);
        QCOMPARE(spalte(lies(pfad(QStringLiteral("g.TPR"))), 3), QList<QByteArray>{"1,3"});
    }

    void baenderUndKategorien()
    {
        // One line each: neutral (22 °C), cold (−3 at 0 clo is clipped: beyond the bands).
        schreibe(pfad(QStringLiteral("k.txt")), "1 22 22 1\n2 22 22 1\n3 22 22 0\n4 26 26 1\n");
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.zuordnung = {kJahresstunde, kTi, kTs};
        e.v_Luft = 0.2f;
        const Stapelergebnis ergebnis = Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("k.txt")), pfad(QStringLiteral("k.TPR"))), e);
        QVERIFY(ergebnis.erfolgreich);
        const Auswertung& a = ergebnis.auswertung;
        QCOMPARE(a.datenzeilen, 4);
        QCOMPARE(a.baender[3], 3);  // neutral: −0.08 three times
        QCOMPARE(a.baender[4] + a.baender[5], 1);  // 26 °C is warm
        QCOMPARE(a.kategorieA, 3);
        QVERIFY(a.kategorieB >= a.kategorieA && a.kategorieC >= a.kategorieB);
        QCOMPARE(BandVon(-3.0f), -1);
        QCOMPARE(BandVon(-2.999f), 0);
        QCOMPARE(BandVon(-0.5f), 3);
        QCOMPARE(BandVon(2.999f), 6);
        QCOMPARE(BandVon(3.0f), -1);
        QCOMPARE(Bandname(6), QStringLiteral("heiß"));
    }

    // The output plan: questions, the save dialog loop, and a result read again.
    void ausgabeplan_data()
    {
        QTest::addColumn<QStringList>("vorhanden");
        QTest::addColumn<QString>("datendatei");
        QTest::addColumn<QList<bool>>("jaNein");
        QTest::addColumn<QStringList>("namen");  // "" = cancel
        QTest::addColumn<QStringList>("protokoll");
        QTest::addColumn<QStringList>("plan");  // ausgabe, sicherung, beiseiteVon, beiseiteNach; "-" = cancelled
        QTest::newRow("frei") << QStringList{u"m.txt"_s} << u"m.txt"_s << QList<bool>{} << QStringList{} << QStringList{}
                              << QStringList{u"m.TPR"_s, u""_s, u""_s, u""_s};
        QTest::newRow("Ja ersetzt") << QStringList{u"m.txt"_s, u"m.TPR"_s} << u"m.txt"_s << QList<bool>{true} << QStringList{}
                                    << QStringList{u"frage m.TPR"_s} << QStringList{u"m.TPR"_s, u""_s, u""_s, u""_s};
        QTest::newRow("Nein, Abbrechen") << QStringList{u"m.txt"_s, u"m.TPR"_s} << u"m.txt"_s << QList<bool>{false} << QStringList{u""_s}
                                         << QStringList{u"frage m.TPR"_s, u"dialog"_s} << QStringList{u"-"_s};
        QTest::newRow("Nein, neuer Name") << QStringList{u"m.txt"_s, u"m.TPR"_s} << u"m.txt"_s << QList<bool>{false} << QStringList{u"alt.bak"_s}
                                          << QStringList{u"frage m.TPR"_s, u"dialog"_s} << QStringList{u"m.TPR"_s, u""_s, u"m.TPR"_s, u"alt.bak"_s};
        QTest::newRow("Nein, Name existiert, dann Ja") << QStringList{u"m.txt"_s, u"m.TPR"_s, u"x.bak"_s} << u"m.txt"_s << QList<bool>{false, true}
                                                      << QStringList{u"x.bak"_s}
                                                      << QStringList{u"frage m.TPR"_s, u"dialog"_s, u"existiert x.bak"_s, u"frage x.bak"_s}
                                                      << QStringList{u"x.bak"_s, u""_s, u""_s, u""_s};
        QTest::newRow("Datendatei gewählt") << QStringList{u"m.txt"_s, u"m.TPR"_s} << u"m.txt"_s << QList<bool>{false} << QStringList{u"m.txt"_s, u"neu.bak"_s}
                                            << QStringList{u"frage m.TPR"_s, u"dialog"_s, u"datendatei m.txt"_s, u"dialog"_s}
                                            << QStringList{u"m.TPR"_s, u""_s, u"m.TPR"_s, u"neu.bak"_s};
        QTest::newRow("Ergebnis erneut, BAK frei") << QStringList{u"m.TPR"_s} << u"m.TPR"_s << QList<bool>{} << QStringList{} << QStringList{}
                                                   << QStringList{u"m.TPR"_s, u"m.BAK"_s, u""_s, u""_s};
        QTest::newRow("Ergebnis erneut, BAK ersetzt") << QStringList{u"m.TPR"_s, u"m.BAK"_s} << u"m.TPR"_s << QList<bool>{true} << QStringList{}
                                                      << QStringList{u"frage m.BAK"_s} << QStringList{u"m.TPR"_s, u"m.BAK"_s, u""_s, u""_s};
        QTest::newRow("Ergebnis erneut, BAK beiseite") << QStringList{u"m.TPR"_s, u"m.BAK"_s} << u"m.TPR"_s << QList<bool>{false} << QStringList{u"m2.bak"_s}
                                                       << QStringList{u"frage m.BAK"_s, u"dialog"_s} << QStringList{u"m.TPR"_s, u"m.BAK"_s, u"m.BAK"_s, u"m2.bak"_s};
    }
    void ausgabeplan()
    {
        QFETCH(QStringList, vorhanden);
        QFETCH(QString, datendatei);
        QFETCH(QList<bool>, jaNein);
        QFETCH(QStringList, namen);
        QFETCH(QStringList, protokoll);
        QFETCH(QStringList, plan);
        for (const QString& name : vorhanden)
            schreibe(pfad(name), name.toLatin1());
        SkriptRueckfragen rueckfragen;
        rueckfragen.jaNein = jaNein;
        for (const QString& name : namen)
            rueckfragen.namen.append(name.isEmpty() ? std::nullopt : std::optional<QString>(pfad(name)));
        const auto vorher = abbild(m_ordner->path());
        const std::optional<Dateiplan> ergebnis = AusgabePlanen(pfad(datendatei), rueckfragen);
        QCOMPARE(rueckfragen.protokoll, protokoll);
        QCOMPARE(abbild(m_ordner->path()), vorher);  // planning touches nothing
        if (plan == QStringList{u"-"_s}) {
            QVERIFY(!ergebnis);
            return;
        }
        QVERIFY(ergebnis);
        auto name = [](const QString& p) { return QFileInfo(p).fileName(); };
        QCOMPARE((QStringList{name(ergebnis->ausgabe), name(ergebnis->sicherung), name(ergebnis->beiseiteVon), name(ergebnis->beiseiteNach)}), plan);
        QCOMPARE(ergebnis->eingabe, pfad(datendatei));
    }

    // A result evaluated again: the old one becomes the backup, the new one takes its name.
    void ergebnisErneutAuswerten()
    {
        schreibe(pfad(QStringLiteral("m.txt")), stundenwerte(4));
        const Stapeleinstellungen e = einstellungenStundeTiTs();
        QVERIFY(Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("m.txt")), pfad(QStringLiteral("m.TPR"))), e).erfolgreich);
        const QByteArray erstes = lies(pfad(QStringLiteral("m.TPR")));
        schreibe(pfad(QStringLiteral("m.BAK")), "ganz alt");

        SkriptRueckfragen rueckfragen;
        rueckfragen.jaNein = {false};
        rueckfragen.namen = {pfad(QStringLiteral("sehr_alt.bak"))};
        const std::optional<Dateiplan> plan = AusgabePlanen(pfad(QStringLiteral("m.TPR")), rueckfragen);
        QVERIFY(plan);
        Stapeleinstellungen wieder = e;
        wieder.zuordnung = {kJahresstunde, kTi, kTs, kPMV, kPPD};
        wieder.v_Luft = 0.5f;
        const Stapelergebnis ergebnis = Stapellauf(*plan, wieder);
        QVERIFY2(ergebnis.erfolgreich, qPrintable(ergebnis.fehlermeldung));
        QCOMPARE(lies(pfad(QStringLiteral("m.BAK"))), erstes);
        QCOMPARE(lies(pfad(QStringLiteral("sehr_alt.bak"))), QByteArray("ganz alt"));
        const QByteArray neu = lies(pfad(QStringLiteral("m.TPR")));
        QVERIFY(neu.contains("C  Luftgeschwindigkeit  = 0,5 m/s\r\nC  relative"));
        QVERIFY(neu.contains("\r\nS 1 2 3 6 7\r\n"));
        QCOMPARE(datenzeilen(neu).size(), 4);
        QCOMPARE(datenzeilen(neu).first().count('\t'), 5);  // the old PMV and PPD are not copied
        QCOMPARE(abbild(m_ordner->path()).size(), 4);  // m.txt, m.TPR, m.BAK, sehr_alt.bak: no leftovers
    }

    // Nothing is lost: each failure leaves every file as it was and says why in German.
    void nichtsGehtVerloren_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Ordner ohne Schreibrecht") << u"schreibgeschuetzt"_s << u"kann nicht angelegt werden"_s;
        QTest::newRow("Datenträger voll") << u"voll"_s << u"nicht vollständig geschrieben"_s;
        QTest::newRow("Sicherung scheitert am Umbenennen") << u"sicherung"_s << u"kann nicht als Sicherung"_s;
        QTest::newRow("Beiseiteschieben scheitert") << u"beiseite"_s << u"existiert nicht (mehr)"_s;
        QTest::newRow("Datendatei verschwunden") << u"verschwunden"_s << u"kann nicht gelesen werden"_s;
        QTest::newRow("Ergebnisname ist ein Ordner") << u"ordner"_s << u"Unter diesem Namen steht ein Ordner"_s;
    }
    void nichtsGehtVerloren()
    {
        QFETCH(QString, fall);
        QFETCH(QString, meldung);
        const QString daten = pfad(QStringLiteral("jahr.TPR"));
        schreibe(daten, "C alte Auswertung\r\nS 1 2 3 6 7\r\n" + stundenwerte(3000));
        schreibe(pfad(QStringLiteral("jahr.BAK")), "noch aeltere Auswertung");
        Dateiplan plan;
        plan.eingabe = daten;
        plan.ausgabe = daten;
        plan.sicherung = pfad(QStringLiteral("jahr.BAK"));
        Einschraenkung einschraenkung;
        if (fall == u"schreibgeschuetzt") {
            einschraenkung.ohneRechte = true;
        } else if (fall == u"voll") {
            einschraenkung.dateigroesse = 20000;
        } else if (fall == u"sicherung") {
            QVERIFY(QDir(m_ordner->path()).mkdir(QStringLiteral("ordner.BAK")));
            QVERIFY(QDir(pfad(QStringLiteral("ordner.BAK"))).mkdir(QStringLiteral("voll")));
            plan.sicherung = pfad(QStringLiteral("ordner.BAK"));  // a folder with content cannot be replaced
        } else if (fall == u"beiseite") {
            plan.beiseiteVon = pfad(QStringLiteral("jahr.BAK"));
            plan.beiseiteNach = pfad(QStringLiteral("fehlt/jahr.bak"));
        } else if (fall == u"verschwunden") {
            plan = PlanMitAusgabe(pfad(QStringLiteral("weg.txt")), pfad(QStringLiteral("weg.TPR")));
        } else if (fall == u"ordner") {
            QVERIFY(QDir(m_ordner->path()).mkdir(QStringLiteral("ziel.TPR")));
            plan = PlanMitAusgabe(daten, pfad(QStringLiteral("ziel.TPR")));
        }
        freigeben(m_ordner->path(), !einschraenkung.ohneRechte);
        const auto vorher = abbild(m_ordner->path());
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.zuordnung = {kJahresstunde, kTi, kTs, kPMV, kPPD};
        const std::optional<QString> text = imKindprozess(einschraenkung, [&] {
            const Stapelergebnis ergebnis = Stapellauf(plan, e);
            return ergebnis.erfolgreich ? QStringLiteral("erfolgreich") : ergebnis.fehlermeldung;
        });
        QVERIFY(text);
        QVERIFY2(text->contains(meldung), qPrintable(*text));
        QVERIFY2(text->contains(QStringLiteral("unverändert")), qPrintable(*text));
        QCOMPARE(abbild(m_ordner->path()), vorher);
    }

    void vollerDatentraegerNennt()
    {
        schreibe(pfad(QStringLiteral("a.txt")), stundenwerte(2000));
        const std::optional<QString> text = imKindprozess({false, 10000}, [&] {
            return Stapellauf(PlanMitAusgabe(pfad(QStringLiteral("a.txt")), pfad(QStringLiteral("a.TPR"))), einstellungenStundeTiTs()).fehlermeldung;
        });
        QVERIFY(text);
        QVERIFY2(text->contains(QStringLiteral("größer, als der Datenträger")), qPrintable(*text));
        QVERIFY(!QFileInfo::exists(pfad(QStringLiteral("a.TPR"))));
    }
};

QTEST_GUILESS_MAIN(TestStapellauf)
#include "tst_stapellauf.moc"
