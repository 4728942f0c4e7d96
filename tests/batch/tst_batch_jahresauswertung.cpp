// SPDX-License-Identifier: GPL-3.0-or-later
// The annual evaluation: months, carpet, CSV table, checks before a run, and cancelling.
#include "stapeltest.h"

#include "jahresauswertung.h"
#include "jahrestabelle.h"
#include "pmv.h"
#include "stapellauf.h"
#include "vorpruefung.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace batch;
using namespace stapeltest;
using namespace Qt::Literals::StringLiterals;
using namespace model;

class TestJahresauswertung : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_ordner;
    QString pfad(const QString& name) const { return m_ordner->filePath(name); }

private Q_SLOTS:
    void init()
    {
        m_ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(m_ordner->isValid());
    }

    // The example year counted independently, line by line from the file: its PMV, its band by
    // the limits -2, -1, -0.5, 0.5, 1, 2, its month by the first days of the months.
    void beispieljahrGegenEinfacheRechnung()
    {
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.zuordnung = {kJahresstunde, kTi, kTs, kFeuchte};
        const QString jahr = QStringLiteral(TEMPARA_BEISPIELE "/buero_jahr.txt");
        const Stapelergebnis ergebnis = Stapellauf(PlanMitAusgabe(jahr, pfad(u"j.TPR"_s)), e);
        QVERIFY(ergebnis.erfolgreich);

        const std::array<int, 13> ersterTag{1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
        const std::array<float, 6> grenzen{-2.0f, -1.0f, -0.5f, 0.5f, 1.0f, 2.0f};
        std::array<Zaehlung, 12> monate{};
        Zaehlung summe;
        std::vector<int8_t> stunden(8784, kZelleLeer);
        QFile datei(jahr);
        QVERIFY(datei.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!datei.atEnd()) {
            const QStringList f = QString::fromUtf8(datei.readLine()).trimmed().replace(u',', u'.').split(u'\t');
            if (f.size() != 4 || f[0].startsWith(u'C'))
                continue;
            const PmvEingabe ein{
                f[1].toFloat(), f[2].toFloat(), 0.1f, f[3].toFloat(), 70, 0, 1.0f, Kleidungsflaechenfaktor(1.0f)};
            PmvErgebnis aus;
            QVERIFY(PmvBerechnen(ein, aus));
            const int stunde = f[0].toInt();
            int monat = 0;
            while ((ersterTag[std::size_t(monat + 1)] - 1) * 24 < stunde)
                ++monat;
            const int band = int(std::upper_bound(grenzen.begin(), grenzen.end(), aus.PMV) - grenzen.begin());
            const bool begrenzt = std::fabs(aus.PMV) >= 3.0f;
            stunden[std::size_t(stunde - 1)] = begrenzt ? kZelleBegrenzt : int8_t(band);
            for (Zaehlung* z : {&summe, &monate[std::size_t(monat)]}) {
                ++z->datenzeilen;
                ++(begrenzt ? z->ausserhalb : z->baender[std::size_t(band)]);
                z->kategorieA += std::fabs(aus.PMV) < 0.2f;
                z->kategorieB += std::fabs(aus.PMV) < 0.5f;
                z->kategorieC += std::fabs(aus.PMV) < 0.7f;
            }
        }
        const auto w = [](const Zaehlung& z) {
            return std::tuple(z.datenzeilen, z.rechenfehler, z.baender, z.ausserhalb, z.kategorieA, z.kategorieB,
                              z.kategorieC);
        };
        const Auswertung& a = ergebnis.auswertung;
        QVERIFY(summe.datenzeilen == 8760 && a.nachMonaten && w(a) == w(summe));
        for (std::size_t m = 0; m < 12; ++m)
            QVERIFY2(w(a.monate[m]) == w(monate[m]), qPrintable(QString::number(m + 1)));
        QVERIFY(a.stunden == stunden);
        QVERIFY(summe.baender[2] > 0 && summe.baender[3] > 0 && summe.kategorieA > 0);  // the year is not trivial
    }

    // Hours outside 1 to 8784 count only in the total; without an hour column the line number is the hour.
    void monatsgrenzenUndTeppich()
    {
        for (const auto& [stundenspalte, zeilen, gezeichnet] :  // hour column (or none), lines, hours with a cell
             {std::tuple{QList<int>{0, 1, 744, 745, 8760, 8761, 8784, 8785}, 8,
                         QList<int>{1, 744, 745, 8760, 8761, 8784}},
              std::tuple{QList<int>{}, 8784, QList<int>{1, 8784}}, std::tuple{QList<int>{}, 8761, QList<int>{}}}) {
            Stapeleinstellungen e = einstellungenStundeTiTs();
            QByteArray text = stundenspalte.isEmpty() ? stundenwerte(zeilen) : QByteArray();
            for (int h : stundenspalte)
                text += stundenwerte(1, h);
            if (stundenspalte.isEmpty())
                e.zuordnung = {kUnbenutzt, kTi, kTs};
            schreibe(pfad(u"m.txt"_s), text);
            const Stapelergebnis ergebnis = Stapellauf(PlanMitAusgabe(pfad(u"m.txt"_s), pfad(u"m.TPR"_s)), e);
            QVERIFY(ergebnis.erfolgreich);
            const Auswertung& a = ergebnis.auswertung;
            QCOMPARE(a.datenzeilen, zeilen);
            QCOMPARE(a.nachMonaten, !stundenspalte.isEmpty());
            QList<int> monate;  // 1 and 744 in January, 745 in February, 8760, 8761 and 8784 in December
            for (const Zaehlung& z : a.monate)
                monate << int(z.datenzeilen);
            QCOMPARE(monate,
                     (stundenspalte.isEmpty() ? QList<int>(12, 0) : QList<int>{2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}));
            QCOMPARE(a.stunden.empty(), gezeichnet.isEmpty());
            QCOMPARE(a.ohneTeppich.contains(QString::number(zeilen)), gezeichnet.isEmpty());
            if (stundenspalte.isEmpty() && !a.stunden.empty())
                QVERIFY(std::count(a.stunden.begin(), a.stunden.end(), kZelleLeer) == 8784 - zeilen);
            for (int h : gezeichnet)
                QVERIFY2(a.stunden[std::size_t(h - 1)] != kZelleLeer, qPrintable(QString::number(h)));
        }
    }

    void tabelleCsv()
    {
        const QByteArray kopf = "\xEF\xBB\xBFZeitraum;Datenzeilen;kalt;k\xC3\xBChl;etwas k\xC3\xBChl;neutral;"
                                "etwas warm;warm;hei\xC3\x9F;begrenzt;A;B;C;Fehler\r\n";
        const QByteArray summe = "Summe;8;0;0;1;4;1;0;0;1;2;4;5;1\r\n";
        QByteArray monate = "Januar;6;0;0;1;4;0;0;0;0;2;4;5;1\r\n";
        for (const char* m :
             {"Februar", "M\xC3\xA4rz", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November"})
            monate += QByteArray(m) + ";0;0;0;0;0;0;0;0;0;0;0;0;0\r\n";
        monate += "Dezember;1;0;0;0;0;1;0;0;0;0;0;0;0\r\n";
        for (const bool nachMonaten : {true, false}) {
            const QByteArray soll = kopf + (nachMonaten ? monate : QByteArray()) + summe;
            // Eight lines: one failed, one clipped (hour 8785, in no month), six in bands.
            Jahreszaehler zaehler(nachMonaten);
            const std::array<std::pair<float, float>, 7> zeilen{
                {{0.1f, 1}, {0.3f, 2}, {0.45f, 3}, {-0.6f, 4}, {0.0f, 5}, {0.7f, 8784}, {3.0f, 8785}}};
            for (const auto& [pmv, stunde] : zeilen)
                zaehler.zaehle(true, pmv, stunde);
            zaehler.zaehle(false, 0.0f, 744);
            const Auswertung a = std::move(zaehler).abschliessen(8);
            QCOMPARE(TabelleCsv(a), soll);
            QVERIFY(TabelleSchreiben(a, pfad(u"t.csv"_s)));
            QCOMPARE(lies(pfad(u"t.csv"_s)), soll);
            QString grund;  // a folder of that name
            QVERIFY(!TabelleSchreiben(a, m_ordner->path(), &grund) && !grund.isEmpty());
        }
    }

    // Text, range lengths (season-dependent when given), data lines, the start of the one warning if any.
    void vorwarnungen()
    {
        const QByteArray zehn = stundenwerte(10);
        const std::tuple<QByteArray, QString, int, QString> faelle[]{
            {"C Kopf\r\nS 1 2 3\r\n" + zehn, {}, 10, {}},
            {"Datum Uhrzeit\tStunde\tTi\r\n" + zehn, {}, 11, u"Die erste Datenzeile (Zeile 1) enthält Buchstaben"_s},
            {"Zone1 Zone2 Tür\r\n" + zehn, {}, 11, u"Die erste Datenzeile"_s},
            {"1 x\r\n" + zehn, {}, 11, {}},
            {"C\r\n1;2\r\n2;2\r\n3 ;4\r\n", {}, 3, u"2 Datenzeilen (zuerst Zeile 2) enthalten Semikolons"_s},
            {"1; 20,5\r\n", {}, 1, {}},
            {zehn, u"5|4|0|0"_s, 10, u"Die Bereiche A bis D umfassen 9 der 10 Datenzeilen."_s},
            {zehn, u"5|5|0|0"_s, 10, {}},
            {zehn, u"8|8|0|0"_s, 10, {}},
            {zehn, u"0|0|0|0"_s, 10, u"Alle Bereiche A bis D haben die Länge 0"_s},
            {"C nur Kommentar\r\n", {}, 0, u"Die Datei enthält keine Datenzeile"_s}};
        for (auto [text, laengen, datenzeilen, soll] : faelle) {
            QBuffer puffer(&text);
            QVERIFY(puffer.open(QIODevice::ReadOnly));
            const Dateibefund befund = DateiPruefen(puffer);
            QCOMPARE(befund.datenzeilen, datenzeilen);
            Stapeleinstellungen e = einstellungenStundeTiTs();
            if (!laengen.isEmpty())
                e.nutzungsart = Nutzungsart::Jahreszeitabhaengig;
            for (int k = 0; k < kBereiche && !laengen.isEmpty(); ++k)
                e.bereiche[std::size_t(k)].laenge = laengen.section(u'|', k, k);
            const QStringList warnungen = Vorwarnungen(befund, e);
            QVERIFY2(warnungen.size() == int(!soll.isEmpty()) && (soll.isEmpty() || warnungen[0].startsWith(soll)),
                     qPrintable(QString::fromUtf8(text.left(20)) + u": "_s + warnungen.join(u'\n')));
        }
    }

    // Ranges by their first month: the lengths, or none and a message.
    void laengenNachMonaten()
    {
        using ML = std::array<int, kBereiche>;
        const std::pair<ML, ML> faelle[] = {{{1, 2, 3, 0}, {744, 672, 7344, 0}},
                                            {{1, 5, 10, 0}, {2880, 3672, 2208, 0}},
                                            {{1, 0, 0, 0}, {8760, 0, 0, 0}},
                                            {{1, 4, 7, 12}, {2160, 2184, 3672, 744}},
                                            {{1, 6, 8, 11}, {3624, 1464, 2208, 1464}},
                                            {{1, 9, 0, 0}, {5832, 2928, 0, 0}},
                                            {{2, 5, 0, 0}, {}},
                                            {{1, 6, 6, 0}, {}},
                                            {{1, 0, 6, 0}, {}},
                                            {{1, 13, 0, 0}, {}}};
        for (const auto& [monate, soll] : faelle) {
            const Monatsbereiche m = LaengenNachMonaten(monate);
            QCOMPARE(m.laengen, soll);
            QCOMPARE(!m.fehler.isEmpty(), soll == ML{});
        }
    }

    // A range cut to fit the file, and the files of the plan, as the summary reports them.
    void gekuerzteBereicheUndDateien()
    {
        Stapeleinstellungen e = einstellungenStundeTiTs();
        e.nutzungsart = Nutzungsart::Jahreszeitabhaengig;
        for (const auto& [k, laenge] : {std::pair{0, u"8"_s}, std::pair{1, u"8"_s}, std::pair{2, u"3"_s}})
            e.bereiche[std::size_t(k)].laenge = laenge;
        schreibe(pfad(u"g.TPR"_s), stundenwerte(10));
        const Dateiplan plan{pfad(u"g.TPR"_s), pfad(u"g.TPR"_s), pfad(u"g.BAK"_s), {}, {}, false, false, {}, {}};
        const Stapelergebnis ergebnis = Stapellauf(plan, e);
        QVERIFY(ergebnis.erfolgreich);
        const Jahresauswertung j = JahresauswertungAus(plan, e, ergebnis);
        QStringList gekuerzt;  // B got 2 of 8; C asked for 3 and got none; D asked for none
        for (const auto& g : j.gekuerzt)
            gekuerzt << u"%1:%2>%3"_s.arg(g.bereich).arg(g.angegeben, g.umfasst);
        QCOMPARE(gekuerzt, (QStringList{u"1:8>2"_s, u"2:3>0"_s}));
        QVERIFY(j.zaehlung.datenzeilen == 10 && j.sicherung == pfad(u"g.BAK"_s) && j.ergebnisdatei == pfad(u"g.TPR"_s));
    }

    // Cancelling from the progress callback (at its second call): no result, no backup, nothing moved aside.
    void abbrechenLaesstAllesStehen()
    {
        const int n = int(kFortschrittAlle);  // season-dependent?, a result read again?, lines
        for (const auto& [jahreszeitabhaengig, erneut, zeilen] :
             {std::tuple{false, true, 3 * n}, std::tuple{true, false, 3 * n}, std::tuple{true, true, 33 * n}}) {
            const QByteArray daten = "S 1 2 3\r\n" + stundenwerte(zeilen);
            schreibe(pfad(u"d.TPR"_s), daten);
            schreibe(pfad(u"d.BAK"_s), "alte Sicherung");
            schreibe(pfad(u"d.txt"_s), daten);
            const QString tpr = pfad(u"d.TPR"_s);  // new: the old result moved aside; read again: a backup
            Dateiplan plan{pfad(u"d.txt"_s), tpr, {}, tpr, pfad(u"d2.TPR"_s), false, false, {}, {}};
            if (erneut)
                plan = Dateiplan{tpr, tpr, pfad(u"d.BAK"_s), {}, {}, false, false, {}, {}};
            Stapeleinstellungen e = einstellungenStundeTiTs();
            e.nutzungsart = jahreszeitabhaengig ? Nutzungsart::Jahreszeitabhaengig : Nutzungsart::Jahreszeitunabhaengig;
            e.bereiche[0].laenge = u"20000"_s;
            e.bereiche[1].laenge = u"90000"_s;
            const auto vorher = abbild(m_ordner->path());
            QList<qint64> gemeldet;
            const Stapelergebnis ergebnis = Stapellauf(plan, e, [&](int64_t erledigt, int64_t) {
                gemeldet << erledigt;
                return gemeldet.size() < 2;
            });
            QCOMPARE(gemeldet.size(), 2);
            QCOMPARE(gemeldet.last() == 0, zeilen > 16 * kFortschrittAlle);  // 0 lines done while counting
            QVERIFY(ergebnis.abgebrochen && !ergebnis.erfolgreich && ergebnis.fehlermeldung.isEmpty());
            QCOMPARE(abbild(m_ordner->path()), vorher);
        }
    }
};

QTEST_GUILESS_MAIN(TestJahresauswertung)
#include "tst_batch_jahresauswertung.moc"
