// SPDX-License-Identifier: GPL-3.0-or-later
// The batch run: result names, header bytes, ranges, the output plan, and that no file is lost.
#include "stapeltest.h"

#include "ergebnisdatei.h"
#include "stapellauf.h"

#include <QTemporaryDir>
#include <QTest>

using namespace batch;
using namespace stapeltest;
using namespace Qt::Literals::StringLiterals;
using namespace model;

namespace {

// Column `spalte` (0 = the first after the leading tab) of every data line; −1: the whole lines.
QList<QByteArray> spalte(const QByteArray& ergebnis, int spalte = -1)
{
    QList<QByteArray> werte;
    for (const QByteArray& zeile : ergebnis.split('\n'))
        if (zeile.startsWith('\t'))
            werte.append(spalte < 0 ? zeile : zeile.trimmed().split('\t').value(spalte));
    return werte;
}

const QByteArray kKopfAnfang = "C\r\nC  Tempara 1.3\r\nC  \r\n"
                               "C  Bei der Berechnung von PMV und PPD wurden folgende\r\n"
                               "C  konstante Parameter verwendet:\r\nC  \r\n";
const QByteArray kKopfMesswerte = kKopfAnfang
                                  + "C  Luftgeschwindigkeit  = 0,1 m/s\r\n"
                                    "C  relative Luftfeuchte = 50,0 %\r\n"
                                    "C  Aktivit\xc3\xa4t            = 70 W/m\xc2\xb2\r\n"
                                    "C  Bekleidung           = 1,00 clo\r\n"
                                    "C  \r\nS 1 2 3 6 7\r\nC \r\nC\tStunde\tTLI   \tTU    \tPMV\tPPD\r\n";

// Scripted answers: "j" yes, "n" no, "-" cancels the dialog, any other word is the name chosen in it.
struct SkriptRueckfragen : Rueckfragen {
    QString ordner;
    QStringList antworten, protokoll;
    bool ueberschreiben(const QString& pfad) override { return notiere(u"frage"_s, pfad), naechste() == u"j"; }
    std::optional<QString> sicherungsname() override
    {
        const QString name = (protokoll << u"dialog"_s, naechste());
        return name == u"-" ? std::nullopt : std::optional<QString>(ordner + u'/' + name);
    }
    void existiertBereits(const QString& pfad) override { notiere(u"existiert"_s, pfad); }
    void istDatendatei(const QString& pfad) override { notiere(u"datendatei"_s, pfad); }
    void notiere(const QString& was, const QString& pfad) { protokoll << was + u' ' + QFileInfo(pfad).fileName(); }
    QString naechste() { return antworten.isEmpty() ? u"-"_s : antworten.takeFirst(); }
};

struct Datenfall {
    QByteArray eingabe, soll;
    QList<int16_t> codes;
    float vLuft = 0;
    int16_t phi = 60;
    float ts = 20.0f;  // the main window's Ts, used only with a Ts column
};

}  // namespace

class TestStapellauf : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_ordner;
    QString pfad(const QString& name) const { return m_ordner->filePath(name); }
    QByteArray lies(const QString& name) const { return stapeltest::lies(pfad(name)); }
    Stapelergebnis lauf(const QByteArray& eingabe, const Stapeleinstellungen& e, const Fortschritt& fortschritt = {})
    {
        schreibe(pfad(u"e.txt"_s), eingabe);
        return Stapellauf(PlanMitAusgabe(pfad(u"e.txt"_s), pfad(u"e.TPR"_s)), e, fortschritt);
    }

private Q_SLOTS:
    void init()
    {
        m_ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(m_ordner->isValid());
    }

    void ergebnisname()
    {
        const QStringList faelle{u"j /d/a.tpr /d/a.BAK"_s,     u"n /d/m.data /d/m.data.TPR"_s,
                                 u"n /d/jahr.c /d/jahr.TPR"_s, u"j /d/ftpr /d/ftpr.TPR"_s,
                                 u"n x.d/f x.d/f.TPR"_s,       u"n p.a/TPR p.a/TPR.TPR"_s};
        for (const QString& fall : faelle) {  // read as input?, data file, result
            const QStringList f = fall.split(u' ');
            QCOMPARE(ErgebnisAlsEingabe(f[1]), f[0] == u"j");
            QCOMPARE(Ergebnisdateiname(f[1], f[0] == u"j"), f[2]);
        }
    }

    void kopfzeilen()
    {
        Stapeleinstellungen e = einstellungenStundeTiTs(u'.');
        e.zuordnung = {kUnbenutzt, kPMV, kFeuchte, kVLuft, kPPD};
        e.Ti = -20.0f;
        e.bereiche[0] = BereichAus(u"0"_s, 400, 0.05f, u'.');
        QCOMPARE(Kopfzeilen(e), kKopfAnfang
                                    + "C  Raumlufttemperatur   = -20.0 \xc2\xb0"
                                      "C\r\n"
                                      "C  Strahlungstemperatur = Raumlufttemperatur\r\n"
                                      "C  Aktivit\xc3\xa4t            = 400 W/m\xc2\xb2\r\n"
                                      "C  Bekleidung           = 0.05 clo\r\n"
                                      "C  \r\nS 5 4 6 7\r\nC \r\nC\tPHI   \tVGES  \tPMV\tPPD\r\n");
        e = einstellungenStundeTiTs();  // season-dependent, long texts
        e.nutzungsart = Nutzungsart::Jahreszeitabhaengig;
        e.zuordnung = {kTi, kTs, kVLuft, kFeuchte};
        e.bereiche[0] = BereichAus(u"744"_s, 70, 0.5f, u',');
        e.bereiche[2].laenge = u"7344"_s;
        e.bereiche[3].laenge = u"123456789012345678"_s;
        e.bereiche[2].aktivitaetText = u"sehr lange Aktivit\u00e4t 20 Zeichen"_s;
        QCOMPARE(Kopfzeilen(e), kKopfAnfang
                                    + "C\r\nC  Datenzeilen       Aktivit\xc3\xa4t           Bekleidung\r\n"
                                      "C  744               70 W/m\xc2\xb2             0,50 clo\r\n"
                                      "C  7344              sehr lange Aktivit\xc3\xa4t 20 Zeichen1,00 clo\r\n"
                                      "C  12345678901234567870 W/m\xc2\xb2             1,00 clo\r\n"
                                      "C  \r\nS 2 3 4 5 6 7\r\nC \r\nC\tTLI   \tTU    \tVGES  \tPHI   \tPMV\tPPD\r\n");
    }

    // A line with its columns and the constants; without a Ts column the radiation follows Ti, not Ts.
    void datenzeilenUndKonstanten()
    {
        const Datenfall faelle[]{{"\t8017\t20\t20,0\r\n", "\t8017\t20,0\t20,0\t-0,3\t6,7\r", {1, 2, 3}},
                                 {"1 22,0 22\r\n", "\t1\t22,0\t22,0\t-0,1\t5,1\r", {1, 2, 3}, 0.2f, 50},
                                 {"5 77\n", "\t5\t-0,3\t6,7\r", {1}, 0, 60, 30.0f},
                                 {"1 26\n", "\t1\t26,0\t1,1\t32,8\r", {1, 2}},  // tr from the line's Ti, not 20
                                 {"22 22 -0,2 50\n", "\t22,0\t22,0\t0,2\t50,0\t-0,1\t5,1\r", {2, 3, 4, 5}, 0, 0},
                                 {"\t3\t20,0\t20,0\t1,0\t9,9\r\n", "\t3\t20,0\t20,0\t-0,3\t6,7\r", {1, 2, 3, 6, 7}}};
        for (const Datenfall& fall : faelle) {
            Stapeleinstellungen e = einstellungenStundeTiTs();
            e.zuordnung = {};
            std::copy(fall.codes.begin(), fall.codes.end(), e.zuordnung.begin());
            e.v_Luft = fall.vLuft;
            e.phi = fall.phi;
            e.Ts = fall.ts;
            const Stapelergebnis ergebnis = lauf(fall.eingabe, e);
            QVERIFY2(ergebnis.erfolgreich, qPrintable(ergebnis.fehlermeldung));
            QCOMPARE(spalte(lies(u"e.TPR"_s)), QList<QByteArray>{fall.soll});
        }
    }

    // Ranges (lengths, lines, fitted, PMV normal/kalt/heiss) fitted to the file, beyond 32,767 lines;
    // progress every 16,384 lines.
    void bereiche()
    {
        const std::tuple<QString, int, QString, QByteArray> faelle[]{
            {u"3|2|4|0"_s, 10, u"3|2|4|0"_s, "nnnkkhhhh"},
            {u"3|50|4|0"_s, 6, u"3| 3| 0| 0"_s, "nnnkkk"},
            {u"0|2|0|1"_s, 6, u"0|2|0|1"_s, "kkn"},
            {u"2.5|9|0|0"_s, 6, u"2.5| 4| 0| 0"_s, "nnkkkk"},
            {u"30000|20000|0|0"_s, 40000, u"30000| 10000| 0| 0"_s, QByteArray(30000, 'n') + QByteArray(10000, 'k')}};
        for (const auto& [laengen, zeilen, angepasst, pmvFolge] : faelle) {
            const QStringList l = laengen.split(u'|');
            Stapeleinstellungen e = einstellungenStundeTiTs();
            e.nutzungsart = Nutzungsart::Jahreszeitabhaengig;
            e.zuordnung = {kJahresstunde};
            e.bereiche[0] = BereichAus(l[0], 70, 1.0f, u',');   // about neutral at 20 °C
            e.bereiche[1] = BereichAus(l[1], 70, 0.0f, u',');   // naked: cold
            e.bereiche[2] = BereichAus(l[2], 400, 4.0f, u',');  // hard work in heavy clothing: hot
            e.bereiche[3] = BereichAus(l[3], 70, 1.0f, u',');
            QList<QPair<qint64, qint64>> fortschritt, sollFortschritt;
            const Stapelergebnis ergebnis =
                lauf("C Kopf\r\n" + stundenwerte(zeilen), e, [&](int64_t erledigt, int64_t gesamt) {
                    fortschritt.append({erledigt, gesamt});
                    return true;
                });
            QVERIFY(ergebnis.erfolgreich && ergebnis.datenzeilenImEingang == zeilen);
            QCOMPARE(QStringList(ergebnis.laengen.begin(), ergebnis.laengen.end()).join(u'|'), angepasst);
            const QByteArray text = lies(u"e.TPR"_s);
            QByteArray folge;
            for (const QByteArray& pmv : spalte(text, 1))
                folge += pmv == "-3,0" ? 'k' : pmv == "3,0" ? 'h' : 'n';
            QCOMPARE(folge, pmvFolge);
            QCOMPARE(ergebnis.auswertung.datenzeilen, pmvFolge.size());
            for (qint64 n = 16384; n <= pmvFolge.size(); n += 16384)
                sollFortschritt.append({n, zeilen});
            QCOMPARE(fortschritt, sollFortschritt);
            for (const QString& laenge : l)  // the header lists the ranges as typed
                QCOMPARE(text.contains("\r\nC  " + laenge.toLatin1() + ' '), laenge != u"0");
        }
    }

    // A line whose computation fails is written with the values held and counted apart.
    void rechenfehlerBaenderUndKategorien()
    {
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.v_Luft = 0.2f;
        e.gehaltenPMV = 1.25f;
        e.gehaltenPPD = 37.5f;
        const Stapelergebnis ergebnis = lauf("1 22 22\n2 1E39 1E39\n3 -234.175 20\n4 22 22\n5 26 26\n6 60 60\n", e);
        QVERIFY(ergebnis.erfolgreich);
        QCOMPARE(spalte(lies(u"e.TPR"_s), 1), (QList<QByteArray>{"22,0", "Inf", "-234,2", "22,0", "26,0", "60,0"}));
        QCOMPARE(spalte(lies(u"e.TPR"_s), 3), (QList<QByteArray>{"-0,1", "-0,1", "-0,1", "-0,1", "0,9", "3,0"}));
        const Auswertung& a = ergebnis.auswertung;
        QVERIFY(a.datenzeilen == 6 && a.rechenfehler == 2 && a.ausserhalb == 1);  // failures apart, PMV 3 outside
        // Failing before any line succeeded: the values held from outside.
        QVERIFY(lauf("1 1E39 1E39\n", e).erfolgreich);
        QCOMPARE(spalte(lies(u"e.TPR"_s), 3), QList<QByteArray>{"1,3"});
    }

    // The output plan (ausgabe|sicherung|beiseiteVon|beiseiteNach) from the answers, then carried out.
    void ausgabeplan_data()
    {
        QTest::addColumn<QString>("fall");  // vorhanden;datendatei;antworten;protokoll;plan
        QTest::newRow("frei") << u"m.txt;m.txt;;;m.TPR|||"_s;
        QTest::newRow("Ja ersetzt") << u"m.txt m.TPR;m.txt;j;frage m.TPR;m.TPR|||"_s;
        QTest::newRow("Nein, Abbrechen") << u"m.txt m.TPR;m.txt;n -;frage m.TPR|dialog;abgebrochen"_s;
        QTest::newRow("Nein, neuer Name") << u"m.txt m.TPR;m.txt;n alt.bak;frage m.TPR|dialog;m.TPR||m.TPR|alt.bak"_s;
        QTest::newRow("Nein, Name existiert, dann Ja")
            << u"m.txt m.TPR x.bak;m.txt;n x.bak j;frage m.TPR|dialog|existiert x.bak|frage x.bak;x.bak|||"_s;
        QTest::newRow("Datendatei gewählt")
            << u"m.txt m.TPR;m.txt;n m.txt neu.bak;frage m.TPR|dialog|datendatei m.txt|dialog;m.TPR||m.TPR|neu.bak"_s;
        QTest::newRow("Ergebnis erneut, BAK frei") << u"m.TPR;m.TPR;;;m.TPR|m.BAK||"_s;
        QTest::newRow("Ergebnis erneut, BAK beiseite")
            << u"m.TPR m.BAK;m.TPR;n m2.bak;frage m.BAK|dialog;m.TPR|m.BAK|m.BAK|m2.bak"_s;
    }
    void ausgabeplan()
    {
        QFETCH(QString, fall);
        const QStringList f = fall.split(u';');
        const QString vorhanden = f[0], datendatei = f[1], antworten = f[2], protokoll = f[3], plan = f[4];
        for (const QString& name : vorhanden.split(u' '))
            schreibe(pfad(name), "C " + name.toLatin1() + "\r\n" + stundenwerte(2));
        SkriptRueckfragen rueckfragen;
        rueckfragen.ordner = m_ordner->path();
        rueckfragen.antworten = antworten.split(u' ', Qt::SkipEmptyParts);
        const auto vorher = abbild(m_ordner->path());
        const std::optional<Dateiplan> ergebnis = AusgabePlanen(pfad(datendatei), rueckfragen);
        QCOMPARE(rueckfragen.protokoll, protokoll.split(u'|', Qt::SkipEmptyParts));
        QCOMPARE(abbild(m_ordner->path()), vorher);  // planning touches nothing
        const auto name = [](const QString& p) { return QFileInfo(p).fileName(); };
        const QStringList namen = ergebnis ? QStringList{name(ergebnis->ausgabe), name(ergebnis->sicherung),
                                                         name(ergebnis->beiseiteVon), name(ergebnis->beiseiteNach)}
                                           : QStringList{u"abgebrochen"_s};
        QCOMPARE(namen.join(u'|'), plan);
        if (!ergebnis)
            return;
        QCOMPARE(ergebnis->eingabe, pfad(datendatei));
        const Stapelergebnis lauf = Stapellauf(*ergebnis, einstellungenStundeTiTs());
        QVERIFY2(lauf.erfolgreich, qPrintable(lauf.fehlermeldung));
        auto soll = vorher;
        if (!namen[2].isEmpty())
            soll.insert(namen[3], soll.take(namen[2]));
        if (!namen[1].isEmpty())
            soll.insert(namen[1], vorher.value(datendatei));
        soll.insert(namen[0], lies(namen[0]));
        QVERIFY(soll.value(namen[0]).startsWith(kKopfMesswerte));
        QCOMPARE(spalte(soll.value(namen[0])).size(), 2);
        QCOMPARE(abbild(m_ordner->path()), soll);
    }

    // Each failure leaves every file as it was and says why (full disk, no permission: CLI tests).
    void nichtsGehtVerloren_data()
    {
        // eingabe|ausgabe|sicherung|beiseiteVon|beiseiteNach ("!": ausgabe was free);folder made first ("*":
        // the last step fails);message
        QTest::addColumn<QString>("fall");
        QTest::newRow("letzter Schritt scheitert")  // the moved files must come back
            << u"jahr.TPR|jahr.TPR|jahr.BAK|jahr.BAK|jahr2.bak;*;kann nicht an ihren Platz"_s;
        QTest::newRow("Sicherung ist ein Ordner")
            << u"jahr.TPR|jahr.TPR|ordner.BAK|jahr.BAK|jahr2.bak;ordner.BAK/voll;steht ein Ordner"_s;
        QTest::newRow("Beiseiteschieben scheitert")
            << u"jahr.TPR|jahr.TPR|jahr.BAK|jahr.BAK|fehlt/jahr.bak;;existiert nicht (mehr)"_s;
        QTest::newRow("Ergebnis inzwischen entstanden") << u"jahr.TPR|jahr.BAK|||!;;ist entstanden, während"_s;
        QTest::newRow("Ergebnisname ist ein Ordner")
            << u"jahr.TPR|ziel.TPR|||;ziel.TPR;Unter diesem Namen steht ein Ordner"_s;
    }
    void nichtsGehtVerloren()
    {
        QFETCH(QString, fall);
        const QString plan = fall.section(u';', 0, 0), ordner = fall.section(u';', 1, 1),
                      meldung = fall.section(u';', 2);
        schreibe(pfad(u"jahr.TPR"_s), "C alte Auswertung\r\nS 1 2 3 6 7\r\n" + stundenwerte(3000));
        schreibe(pfad(u"jahr.BAK"_s), "noch aeltere Auswertung");
        QVERIFY(ordner.isEmpty() || ordner == u"*" || QDir(m_ordner->path()).mkpath(ordner));
        einsetzenStoeren = [&] { return ordner == u"*"; };
        QStringList n = plan.split(u'|');
        for (QString& name : n)
            name = name.remove(u'!').isEmpty() ? QString() : pfad(name);
        const Dateiplan p{n[0], n[1], n[2], n[3], n[4], plan.endsWith(u'!'), false, {}, {}};
        const auto vorher = abbild(m_ordner->path());
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.zuordnung = {kJahresstunde, kTi, kTs, kPMV, kPPD};
        const Stapelergebnis ergebnis = Stapellauf(p, e);
        einsetzenStoeren = {};
        QVERIFY(!ergebnis.erfolgreich);
        QVERIFY2(ergebnis.fehlermeldung.contains(meldung)
                     && ergebnis.fehlermeldung.endsWith(u"\n\nIhre Dateien sind unverändert geblieben."_s),
                 qPrintable(ergebnis.fehlermeldung));
        QCOMPARE(abbild(m_ordner->path()), vorher);  // no leftovers either
    }
};

QTEST_GUILESS_MAIN(TestStapellauf)
#include "tst_batch_lauf.moc"
