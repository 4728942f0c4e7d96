// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli stapel: the batch evaluation of an hourly data file without windows. It builds
// the same settings the windows DATEI and nutzen would and runs the same Stapellauf, so the
// result file is byte for byte the window's.
#include "befehle.h"

#include "ausgabeplan.h"
#include "datendatei.h"
#include "eingaben.h"
#include "ergebnisdatei.h"
#include "jahresauswertung.h"
#include "jahresbild.h"
#include "jahrestabelle.h"
#include "nachweisoptionen.h"
#include "stapellauf.h"
#include "vorpruefung.h"
#include "vorschau.h"

#include "zahlen.h"
#include "zieldatei.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

using namespace batch;
using namespace evaluation;
using namespace model;

namespace cli {

namespace {

constexpr int kErfolg = 0;
constexpr int kDateifehler = 1;
constexpr int kFalscherAufruf = 2;

const char* const kHilfe =
    "Aufruf: tempara-cli stapel DATENDATEI [--spalten CODES] [--ti X] [--v-luft X] [--phi X]\n"
    "            [--trennzeichen leer|semikolon|komma|tab] [--spalte GRÖSSE=NAME ...]\n"
    "            [--aktivitaet M --bekleidung CLO | --bereiche \"L:M:CLO ...\"]\n"
    "            [--ausgabe PFAD] [--ueberschreiben]\n"
    "            [--tabelle DATEI.csv] [--bild DATEI.png|DATEI.svg] [--verfahren klassisch|iso]\n"
    "            [--nachweis DATEI.csv|DATEI.pdf] [--stunden DATEI.csv] [--nutzung N]\n"
    "            [--erster-tag T] [--klimaregion A|B|C] [--gebaeude wohnen|nichtwohnen]\n"
    "            [--kategorie I|II|III] [--toleranz 3|5] [--asr-minimum X]\n"
    "            [--projekt T] [--raum T] [--bearbeiter T]\n"
    "\n"
    "Berechnet PMV und PPD für jede Datenzeile einer Stundenwerte-Datei und schreibt die\n"
    "Ergebnisdatei, genau wie \"Datei öffnen\" im Programmfenster.\n"
    "\n"
    "  --spalten CODES   Variablen der Spalten 1, 2, ... (\"1 2 3\" oder \"1,2,3\"):\n"
    "                    0 unbenutzt, 1 Jahresstunde, 2 Ti, 3 Ts, 4 v_Luft, 5 rel. Feuchte,\n"
    "                    6 PMV, 7 PPD, 8 Ta_außen (Außenlufttemperatur, geht nicht in PMV ein).\n"
    "                    Ohne diese Angabe gilt die S-Zeile der Datei, sonst die Kopfzeile.\n"
    "  --trennzeichen T  leer (Leerzeichen und Tabulatoren wie bisher), semikolon, komma oder\n"
    "                    tab; ohne diese Angabe aus den ersten Zeilen erkannt (ein Name auf .csv,\n"
    "                    gleich viele ; oder , in jeder Zeile, eine Kopfzeile mit Namen)\n"
    "  --spalte G=NAME   die Spalte mit der Überschrift NAME (ganz oder ohne Einheit in Klammern)\n"
    "                    für die Größe G: Stunde, Zeit (Datum und Uhrzeit), Ti, Ts, v_Luft,\n"
    "                    Feuchte oder Ta_außen; mehrfach möglich, vor der Erkennung aus den Namen\n"
    "  --ti X            Raumlufttemperatur ohne Spalte, -20,0 bis 50,0 °C in Schritten von 0,2\n"
    "                    (Vorgabe 20,0)\n"
    "  --v-luft X        Luftgeschwindigkeit ohne Spalte, 0,00 bis 5,00 m/s in Schritten von 0,05\n"
    "                    (Vorgabe 0,00)\n"
    "  --phi X           relative Luftfeuchte ohne Spalte, 0 bis 100 % (Vorgabe 60)\n"
    "  --aktivitaet M    Energieumsatz für alle Zeilen, 40 bis 400 W/m² in Schritten von 5\n"
    "                    (Vorgabe 70)\n"
    "  --bekleidung CLO  Bekleidung für alle Zeilen, 0,00 bis 4,00 clo in Schritten von 0,05\n"
    "                    (Vorgabe 1,00)\n"
    "  --bereiche \"...\"  jahreszeitabhängig: ein bis vier Bereiche A bis D nacheinander, je\n"
    "                    Länge:Energieumsatz:Bekleidung, z. B. \"2160:70:1,0 4392:70:0,5 2208:70:1,0\"\n"
    "  --ausgabe PFAD    Ergebnisdatei statt DATENDATEI mit der Endung .TPR\n"
    "  --ueberschreiben  eine vorhandene Ergebnisdatei ersetzen (beim erneuten Auswerten einer\n"
    "                    .TPR-Datei: eine vorhandene .BAK-Datei)\n"
    "  --tabelle DATEI   die Jahresauswertung als Tabelle (CSV mit Semikolons, UTF-8) wie\n"
    "                    \"Tabelle speichern...\" im Auswertungsfenster\n"
    "  --bild DATEI      das Bild der Jahresauswertung (Teppich der Stunden, Kategorien je\n"
    "                    Monat) als PNG oder SVG, nach der Endung .png oder .svg\n"
    "                    Ein Name ohne Ordner liegt neben der Ergebnisdatei; eine vorhandene\n"
    "                    Datei wird nur mit --ueberschreiben ersetzt.\n"
    "  --verfahren V     PMV und PPD klassisch (Vorgabe, wie TEMPARA 1.3) oder nach iso\n"
    "                    (ISO 7730:2005, Anhang D); die Ergebnisdatei nennt iso in einer\n"
    "                    Kommentarzeile \"C  Rechenverfahren = ISO 7730:2005\"\n"
    "\n"
    "Alle Ausgaben werden vor dem Lauf gegen die Datendatei und gegeneinander geprüft, auch\n"
    "über Links. Ein Zeichengerät oder eine FIFO (/dev/null) wird unmittelbar beschrieben, nie\n"
    "ersetzt. Eine Datendatei unter /dev oder /proc (/dev/stdin) braucht --ausgabe.\n"
    "\n"
    "Langzeitnachweis (nur die Nutzungsstunden; die Urteile auch auf der Standardausgabe,\n"
    "eines je Zeile):\n"
    "  --nachweis DATEI  der Nachweis als Tabelle (.csv: je Monat und Jahr PMV-Klassen,\n"
    "                    PPD-gewichtete Stunden, Übertemperaturgradstunden nach DIN 4108-2,\n"
    "                    adaptive Klassen nach DIN EN 16798-1, ASR-A3.5-Stunden, dann alle\n"
    "                    Vorgaben) oder als Bericht (.pdf)\n"
    "  --stunden DATEI   jede beurteilte Stunde als Tabelle (.csv) in voller Genauigkeit\n"
    "  --nutzung N       buero (Mo-Fr 7-18 Uhr, Vorgabe), wohnen (immer) oder eigene Tage und\n"
    "                    Stunden wie \"Mo-Sa 6-22\" (die Stunden ab 6:00 bis vor 22:00)\n"
    "  --erster-tag T    Wochentag des 1. Januar: Mo, Di, Mi, Do, Fr, Sa, So (Vorgabe Mo)\n"
    "  --klimaregion R   Sommer-Klimaregion A, B, C nach DIN 4108-2: Bezugswert 25, 26,\n"
    "                    27 °C (Vorgabe B)\n"
    "  --gebaeude G      wohnen (Grenze 1200 Kh/a) oder nichtwohnen (500 Kh/a); Vorgabe nach\n"
    "                    der Nutzung: wohnen bei --nutzung wohnen, sonst nichtwohnen\n"
    "  --kategorie K     Auslegungskategorie I, II, III (Vorgabe II)\n"
    "  --toleranz P      Anteil der Nutzungsstunden in Prozent, der außerhalb einer Kategorie\n"
    "                    liegen darf: 3 oder 5 (Vorgabe 5)\n"
    "  --asr-minimum X   Mindestlufttemperatur nach ASR A3.5 in °C (Vorgabe 20)\n"
    "  --projekt T, --raum T, --bearbeiter T\n"
    "                    Angaben für Tabelle und Bericht\n"
    "\n"
    "Zahlen dürfen Komma oder Punkt haben (mit Komma als Trennzeichen nur Punkt). Die\n"
    "Ergebnisdatei schreibt Zahlen mit dem Dezimaltrennzeichen der Spracheinstellung.\n"
    "\n"
    "Dateien aus Tabellenkalkulation und Simulation werden direkt gelesen, z. B.\n"
    "  tempara-cli stapel examples/buero_tabelle.csv          (Datum;Uhrzeit;...; Dezimalkomma)\n"
    "  tempara-cli stapel examples/office_sheet.csv           (Hour,Air Temperature [C],...)\n"
    "  tempara-cli stapel examples/simulation_jahr.csv \\\n"
    "      --spalte \"Ti=ZONE2:Zone Mean Air Temperature\" \\\n"
    "      --spalte \"Ts=ZONE2:Zone Mean Radiant Temperature\"\n"
    "Die Kopfzeile ordnet die Spalten zu; eine Spalte mit Datum und Uhrzeit (\" 01/01  01:00:00\"\n"
    "oder \"01.01.2023 00:00\", auch Datum und Uhrzeit getrennt) gibt die Jahresstunde: 01:00 in\n"
    "der ersten Zeile als Ende der Stunde, 00:00 als ihr Anfang. Eine Zeile, die sich nicht sicher\n"
    "lesen lässt, wird mit Zeile und Feld genannt, und nichts wird geschrieben (Rückgabe 1).\n"
    "Rückgabe: 0 gelungen, 1 Datei nicht lesbar oder nicht schreibbar, 2 falscher Aufruf.\n";

void ausgeben(std::FILE* ziel, const QString& text) { std::fputs(text.toUtf8().constData(), ziel); }

// A typed value as a message quotes it: at most 60 characters, control bytes escaped.
QString zitat(const QString& text) { return QString::fromStdString(feldZitat(text.toStdString())); }

struct Aufruffehler {
    QString text;
};

// A value one of the bars can take: a whole position within the main window's range, or up to
// `bis` where the data window's bar is shorter (air speed: 0 to 5 m/s). The message gives the
// range in the bar's own terms, always with a decimal comma as in the help text.
double balkenwert(const QString& option, const QString& text, Eingabe e, std::optional<int> bis = {})
{
    const Eingabeart& art = eingabeart(e);
    const int hoechste = bis.value_or(art.max);
    if (const std::optional<double> wert = leseZahl(text)) {
        const double p = *wert / art.faktor;
        const double ganz = std::round(p);
        if (std::fabs(p - ganz) < 1e-6 && ganz >= art.min && ganz <= hoechste)
            return wertBei(e, int(ganz));
    }
    const auto zahl = [&](double x) { return formatiereZahl(x, art.stellen, u','); };
    const QString einheit = QString::fromUtf8(art.einheit);
    const QString bereich =
        art.faktor == 1.0
            ? QStringLiteral("eine ganze Zahl von %1 bis %2%3").arg(zahl(art.min), zahl(hoechste), einheit)
            : QStringLiteral("%1 bis %2%4 in Schritten von %3%4")
                  .arg(zahl(wertBei(e, art.min)), zahl(wertBei(e, hoechste)), zahl(art.faktor), einheit);
    throw Aufruffehler{QStringLiteral("%1 %2: erlaubt ist %3.").arg(option, zitat(text), bereich)};
}

Spaltenzuordnung spaltenAus(const QString& text)
{
    const QStringList teile = text.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (teile.isEmpty() || teile.size() > kSpalten)
        throw Aufruffehler{QStringLiteral("--spalten \"%1\": erwartet werden 1 bis 20 Codes.").arg(zitat(text))};
    Spaltenzuordnung zuordnung{};
    for (qsizetype i = 0; i < teile.size(); ++i) {
        bool ok = false;
        const int code = teile[i].toInt(&ok);
        if (!ok || code < 0 || code > kHoechsterCode)
            throw Aufruffehler{QStringLiteral("--spalten: \"%1\" ist kein Code von 0 bis 8.").arg(zitat(teile[i]))};
        zuordnung[std::size_t(i)] = int16_t(code);
    }
    return zuordnung;
}

// Codes 1 to 5 and 8 may stand in one column only, as the column window checks.
void doppelteVerbieten(const Spaltenzuordnung& zuordnung)
{
    if (const auto paar = DoppelteSpalten(zuordnung))
        throw Aufruffehler{QStringLiteral("Variable mehrfach vergeben! \"%1\" steht in Spalte %2 und %3.")
                               .arg(Variablenname(zuordnung[std::size_t(paar->first)]))
                               .arg(paar->first + 1)
                               .arg(paar->second + 1)};
}

std::array<Bereich, kBereiche> bereicheAus(const QString& text, QChar trenner)
{
    const QStringList teile = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (teile.isEmpty() || teile.size() > kBereiche)
        throw Aufruffehler{
            QStringLiteral("--bereiche \"%1\": erwartet werden ein bis vier Bereiche Länge:Energieumsatz:Bekleidung.")
                .arg(zitat(text))};
    std::array<Bereich, kBereiche> bereiche;
    for (Bereich& b : bereiche)
        b = BereichAus(QStringLiteral("0"), 70, 1.0f, trenner);
    for (qsizetype k = 0; k < teile.size(); ++k) {
        const QStringList feld = teile[k].split(u':');
        static const QRegularExpression ganzeZahl(QStringLiteral("^\\d+$"));
        if (feld.size() != 3 || !ganzeZahl.match(feld[0]).hasMatch())
            throw Aufruffehler{QStringLiteral("--bereiche: \"%1\" hat nicht die Form Länge:Energieumsatz:Bekleidung "
                                              "mit einer ganzen Zahl von Datenzeilen.")
                                   .arg(zitat(teile[k]))};
        bereiche[std::size_t(k)] =
            BereichAus(feld[0], int(balkenwert(QStringLiteral("--bereiche"), feld[1], Eingabe::M)),
                       float(balkenwert(QStringLiteral("--bereiche"), feld[2], Eingabe::Icl)), trenner);
    }
    return bereiche;
}

struct Aufruf {
    QString datendatei;
    std::optional<QString> spalten, trennzeichen;
    QStringList spalte;  // "GRÖSSE=NAME"
    QString ti = QStringLiteral("20"), vLuft = QStringLiteral("0"), phi = QStringLiteral("60");
    std::optional<QString> aktivitaet, bekleidung, bereiche, ausgabe, tabelle, bild, verfahren;
    bool ueberschreiben = false;
    std::optional<QString> nachweis, stunden;
    Nachweiseinstellungen nachweiseinstellungen;
};

Aufruf aufrufLesen(int argc, char** argv)
{
    QStringList argumente{QStringLiteral("stapel")};
    for (int i = 1; i < argc; ++i) {
        // Qt names files in UTF-8 only: a name in another encoding would be opened or written
        // under a different name, so it is refused with its bytes shown.
        if (!QUtf8StringView(argv[i]).isValidUtf8()) {
            QString bytes;
            for (const char* b = argv[i]; *b && bytes.size() < 60; ++b)
                bytes += uchar(*b) < 0x80 ? QString(QLatin1Char(*b)) : QStringLiteral("\\x%1").arg(uchar(*b), 2, 16);
            throw Aufruffehler{QStringLiteral("\"%1\" ist kein UTF-8. Dateinamen in einer anderen Kodierung "
                                              "kann Tempara nicht unverändert lesen oder schreiben; bitte die Datei "
                                              "umbenennen (z. B. mit convmv).")
                                   .arg(bytes)};
        }
        argumente << QString::fromUtf8(argv[i]);
    }
    const QString kWert = QStringLiteral("WERT");
    const QCommandLineOption spalten(QStringLiteral("spalten"), {}, kWert), ti(QStringLiteral("ti"), {}, kWert),
        vLuft(QStringLiteral("v-luft"), {}, kWert), phi(QStringLiteral("phi"), {}, kWert),
        aktivitaet(QStringLiteral("aktivitaet"), {}, kWert), bekleidung(QStringLiteral("bekleidung"), {}, kWert),
        bereiche(QStringLiteral("bereiche"), {}, kWert), ausgabe(QStringLiteral("ausgabe"), {}, kWert),
        ueberschreiben(QStringLiteral("ueberschreiben")), tabelle(QStringLiteral("tabelle"), {}, kWert),
        bild(QStringLiteral("bild"), {}, kWert), verfahren(QStringLiteral("verfahren"), {}, kWert),
        trennzeichen(QStringLiteral("trennzeichen"), {}, kWert), spalte(QStringLiteral("spalte"), {}, kWert);
    QList<QCommandLineOption> optionen{spalten,      ti,      vLuft,          phi,     aktivitaet, bekleidung,
                                       bereiche,     ausgabe, ueberschreiben, tabelle, bild,       verfahren,
                                       trennzeichen, spalte};
    optionen << NachweisOptionen();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(optionen);
    if (!parser.parse(argumente)) {
        // The parser's own texts are English; the first argument it stumbled over gets a German one.
        for (qsizetype i = 1; i < argumente.size(); ++i) {
            const QString& a = argumente[i];
            if (!a.startsWith(u'-') || a.size() < 2)
                continue;
            const QString name = a.section(u'=', 0, 0);
            const QString ohneStriche = QString(name).remove(QRegularExpression(QStringLiteral("^-+")));
            const auto option = std::find_if(optionen.begin(), optionen.end(), [&](const QCommandLineOption& o) {
                return o.names().contains(ohneStriche);
            });
            if (option == optionen.end() || (option->valueName().isEmpty() && a.contains(u'=')))
                throw Aufruffehler{QStringLiteral("Unbekannte Angabe %1.").arg(zitat(name))};
            if (!option->valueName().isEmpty() && !a.contains(u'=') && i + 1 == argumente.size())
                throw Aufruffehler{QStringLiteral("%1 verlangt einen Wert.").arg(name)};
        }
        throw Aufruffehler{parser.errorText()};
    }
    Aufruf a;
    const QStringList dateien = parser.positionalArguments();
    if (dateien.size() > 1)
        throw Aufruffehler{QStringLiteral("Nur eine Datendatei ist möglich: %1").arg(zitat(dateien[1]))};
    if (dateien.isEmpty() || dateien[0].isEmpty())
        throw Aufruffehler{QStringLiteral("Die Datendatei fehlt.")};
    a.datendatei = dateien[0];
    const auto wert = [&](const QCommandLineOption& o) {
        return parser.isSet(o) ? std::optional<QString>(parser.value(o)) : std::nullopt;
    };
    a.spalten = wert(spalten);
    a.ti = wert(ti).value_or(a.ti);
    a.vLuft = wert(vLuft).value_or(a.vLuft);
    a.phi = wert(phi).value_or(a.phi);
    a.aktivitaet = wert(aktivitaet);
    a.bekleidung = wert(bekleidung);
    a.bereiche = wert(bereiche);
    a.ausgabe = wert(ausgabe);
    a.ueberschreiben = parser.isSet(ueberschreiben);
    a.tabelle = wert(tabelle);
    a.bild = wert(bild);
    a.verfahren = wert(verfahren);
    a.trennzeichen = wert(trennzeichen);
    a.spalte = parser.values(spalte);
    if (a.trennzeichen && !TrennzeichenAusWort(*a.trennzeichen))
        throw Aufruffehler{QStringLiteral("--trennzeichen %1: erlaubt sind leer, semikolon, komma und tab.")
                               .arg(zitat(*a.trennzeichen))};
    const std::pair<const char16_t*, std::optional<QString>*> pfade[] = {
        {u"--ausgabe", &a.ausgabe}, {u"--tabelle", &a.tabelle}, {u"--bild", &a.bild}};
    for (const auto& [name, pfad] : pfade)
        if (*pfad && (*pfad)->isEmpty())
            throw Aufruffehler{QStringLiteral("%1 verlangt einen Dateinamen.").arg(QString::fromUtf16(name))};
    if (a.bild && !a.bild->endsWith(u".png", Qt::CaseInsensitive) && !a.bild->endsWith(u".svg", Qt::CaseInsensitive))
        throw Aufruffehler{QStringLiteral("--bild %1: Der Name endet auf .png oder .svg.").arg(zitat(*a.bild))};
    QString nachweisfehler;
    const std::optional<Nachweisaufruf> nachweis = NachweisaufrufLesen(parser, nachweisfehler);
    if (!nachweis)
        throw Aufruffehler{nachweisfehler};
    a.nachweis = nachweis->nachweis;
    a.stunden = nachweis->stunden;
    a.nachweiseinstellungen = nachweis->einstellungen;
    if (a.bereiche && (a.aktivitaet || a.bekleidung))
        throw Aufruffehler{QStringLiteral("--bereiche schließt --aktivitaet und --bekleidung aus.")};
    return a;
}

// "Ti=ZONE2:Zone Mean Air Temperature": the code and the heading; Zeit is the hour code of a
// date-time column.
std::pair<int, QString> spalteAus(const QString& angabe)
{
    static const std::pair<const char16_t*, int> groessen[] = {
        {u"Stunde", kJahresstunde}, {u"Zeit", kJahresstunde}, {u"Ti", kTi}, {u"Ts", kTs}, {u"v_Luft", kVLuft},
        {u"Feuchte", kFeuchte},     {u"Ta_außen", kTaAussen}};
    const qsizetype gleich = angabe.indexOf(u'=');
    const QString groesse = angabe.left(gleich).trimmed();
    for (const auto& [name, code] : groessen)
        if (gleich > 0 && groesse.compare(QStringView(name), Qt::CaseInsensitive) == 0)
            return {code, angabe.mid(gleich + 1)};
    throw Aufruffehler{QStringLiteral("--spalte %1: erwartet wird GRÖSSE=NAME mit GRÖSSE Stunde, Zeit, Ti, Ts, "
                                      "v_Luft, Feuchte oder Ta_außen.")
                           .arg(zitat(angabe))};
}

// The format of the data file and, without --spalten and S line, the codes from its headings
// with the --spalte choices over them.
void spaltenNachNamen(const Aufruf& a, const std::vector<std::string>& ersteZeilen, Stapeleinstellungen& e,
                      bool zuordnungGelesen)
{
    const std::optional<Trennzeichen> vorgabe =
        a.trennzeichen ? TrennzeichenAusWort(*a.trennzeichen) : std::optional<Trennzeichen>();
    Dateiformat& f = e.format;
    QList<int> gewaehlt;
    // The date column first: naming it decides the format anew.
    QStringList angaben = a.spalte;
    std::stable_partition(angaben.begin(), angaben.end(),
                          [](const QString& x) { return x.trimmed().startsWith(u"Zeit=", Qt::CaseInsensitive); });
    for (const QString& angabe : angaben) {
        const auto [code, name] = spalteAus(angabe);
        if (f.namen.isEmpty())
            throw Aufruffehler{
                QStringLiteral("--spalte %1: Die Datei hat keine Kopfzeile mit Namen.").arg(zitat(angabe))};
        const int feld = SpalteMitNamen(f, name);
        if (feld < 0)
            throw Aufruffehler{QStringLiteral("--spalte %1: Keine Spalte heißt so; die Kopfzeile nennt %2.")
                                   .arg(zitat(angabe), zitat(f.namen.join(QStringLiteral(" | "))))};
        if (angabe.trimmed().startsWith(u"Zeit=", Qt::CaseInsensitive)) {
            f = FormatErkennen(ersteZeilen, a.datendatei, vorgabe.value_or(f.trenner), feld);
            if (f.zeitspalte != feld)
                throw Aufruffehler{
                    QStringLiteral("--spalte %1: Die Spalte enthält kein Datum mit Uhrzeit.").arg(zitat(angabe))};
        }
        if (!a.spalten && !zuordnungGelesen) {
            std::replace(f.zuordnung.begin(), f.zuordnung.end(), int16_t(code), int16_t(kUnbenutzt));
            const int spalte = f.spalteFuerFeld(feld);
            if (spalte < 0)
                throw Aufruffehler{
                    QStringLiteral("--spalte %1: Mehr als 20 Spalten lassen sich nicht auswerten.").arg(zitat(angabe))};
            f.zuordnung[std::size_t(spalte)] = int16_t(code);
        }
        gewaehlt << code;
    }
    if (a.spalten)
        f.feld = ErsteFelder();  // codes given by position count for the file's first 20 fields
    if (a.spalten || zuordnungGelesen)
        return;
    QStringList offen;
    for (qsizetype i = 0; i < f.mehrdeutigeCodes.size(); ++i) {
        const int code = f.mehrdeutigeCodes[i];
        if (!gewaehlt.contains(code))
            offen << f.mehrdeutig[i]
                         + QStringLiteral(" Mit --spalte \"%1=NAME\" wählen Sie sie.")
                               .arg(code == kFeuchte        ? QStringLiteral("Feuchte")
                                    : code == kJahresstunde ? QStringLiteral("Stunde")
                                                            : Variablenname(code));
    }
    if (!offen.isEmpty())
        throw Aufruffehler{offen.join(u'\n')};
    e.zuordnung = f.zuordnung;
}

Stapeleinstellungen einstellungenAus(const Aufruf& a)
{
    Stapeleinstellungen e;
    e.dezimaltrenner = dezimaltrenner();
    e.Ti = float(balkenwert(QStringLiteral("--ti"), a.ti, Eingabe::Ti));
    e.Ts = e.Ti;
    e.v_Luft = float(balkenwert(QStringLiteral("--v-luft"), a.vLuft, Eingabe::v_Luft, 100));
    e.phi = int16_t(balkenwert(QStringLiteral("--phi"), a.phi, Eingabe::phi));
    if (a.verfahren) {
        std::string fehler;
        const std::optional<Rechenverfahren> v = verfahrenLesen(a.verfahren->toStdString(), fehler);
        if (!v)
            throw Aufruffehler{QString::fromStdString(fehler) + u'.'};
        e.verfahren = *v;
    }
    if (a.bereiche) {
        e.nutzungsart = Nutzungsart::Jahreszeitabhaengig;
        e.bereiche = bereicheAus(*a.bereiche, e.dezimaltrenner);
    } else {
        const int m =
            int(balkenwert(QStringLiteral("--aktivitaet"), a.aktivitaet.value_or(QStringLiteral("70")), Eingabe::M));
        const float clo =
            float(balkenwert(QStringLiteral("--bekleidung"), a.bekleidung.value_or(QStringLiteral("1")), Eingabe::Icl));
        for (Bereich& b : e.bereiche)
            b = BereichAus(QStringLiteral("0"), m, clo, e.dezimaltrenner);
    }
    return e;
}

// The command line answers the window's questions from its options: replace only with
// --ueberschreiben, never ask for another name.
class Optionsantworten : public Rueckfragen {
public:
    explicit Optionsantworten(bool ueberschreiben) : m_ueberschreiben(ueberschreiben) {}
    bool ueberschreiben(const QString& pfad) override
    {
        verweigert = pfad;
        return m_ueberschreiben;
    }
    std::optional<QString> sicherungsname() override { return std::nullopt; }
    void existiertBereits(const QString&) override {}
    void istDatendatei(const QString& pfad) override { fuehrtZurDatendatei = pfad; }
    QString verweigert;
    QString fuehrtZurDatendatei;

private:
    bool m_ueberschreiben;
};

// A name without a folder lies beside the result file's name (not where its links lead, which
// may be /dev); any other path is taken as given.
QString nebenErgebnis(const QString& name, const Aufruf& aufruf)
{
    return QFileInfo(name).fileName() == name
               ? QFileInfo(aufruf.ausgabe.value_or(aufruf.datendatei)).dir().filePath(name)
               : name;
}

// The files a run writes after its result, in this order. Another output of the run is one
// more entry here: its name then joins the checks of every output before and during the run.
struct Zusatzausgabe {
    QString was;  // how messages name it
    std::optional<QString> Aufruf::*name;
    bool grafik;  // needs fonts (a QGuiApplication)
    bool (*schreiben)(const Jahresauswertung&, const QString&, QString*);
};

const Zusatzausgabe kZusatzausgaben[] = {
    {QStringLiteral("die Tabelle"), &Aufruf::tabelle, false,
     [](const Jahresauswertung& j, const QString& pfad, QString* grund) {
         return TabelleSchreiben(j.zaehlung, pfad, grund);
     }},
    {QStringLiteral("das Bild"), &Aufruf::bild, true, &JahresbildSchreiben},
    {QStringLiteral("der Nachweis"), &Aufruf::nachweis, true, &NachweisDateiSchreiben},
    {QStringLiteral("die Stundenwerte"), &Aufruf::stunden, false, &StundenDateiSchreiben},
};

// The result's plan from the options, with the other outputs checked against it and each
// other before anything is read or written. Nothing when the run must not start; the message
// is out then and `status` holds the exit code.
std::optional<Dateiplan> ausgabenPlanen(const Aufruf& aufruf, int& status)
{
    const auto abbruch = [&](int code, const QString& text) -> std::optional<Dateiplan> {
        ausgeben(stderr, QStringLiteral("tempara-cli stapel: %1\n").arg(text));
        status = code;
        return std::nullopt;
    };
    Dateiplan plan;
    if (aufruf.ausgabe) {
        if (dieselbeDatei(*aufruf.ausgabe, aufruf.datendatei))
            return abbruch(kFalscherAufruf, QStringLiteral("Die Ergebnisdatei darf nicht die Datendatei selbst sein."));
        // A device or FIFO is written into, not replaced, and needs no --ueberschreiben.
        if (ZielartVon(*aufruf.ausgabe) == Zielart::Datei && !aufruf.ueberschreiben)
            return abbruch(
                kDateifehler,
                QStringLiteral("%1 besteht bereits; mit --ueberschreiben wird sie ersetzt.").arg(*aufruf.ausgabe));
        plan = PlanMitAusgabe(aufruf.datendatei, *aufruf.ausgabe);
    } else {
        // Beside /dev/stdin or a pipe of the shell (/dev/fd/63, /proc/self/fd/0) no result
        // file is made: /dev.TPR names would land among the system's devices.
        const QString absolut = QDir::cleanPath(QFileInfo(aufruf.datendatei).absoluteFilePath());
        if (absolut.startsWith(u"/dev/") || absolut.startsWith(u"/proc/"))
            return abbruch(kFalscherAufruf,
                           QStringLiteral("Die Datendatei %1 liegt unter /dev oder /proc (eine Pipe oder ein Gerät); "
                                          "dort wird keine Ergebnisdatei angelegt.\nBitte mit --ausgabe angeben, "
                                          "wohin die Ergebnisdatei geschrieben wird.")
                               .arg(aufruf.datendatei));
        Optionsantworten antworten(aufruf.ueberschreiben);
        const std::optional<Dateiplan> geplant = AusgabePlanen(aufruf.datendatei, antworten);
        if (!geplant && !antworten.fuehrtZurDatendatei.isEmpty())
            return abbruch(kDateifehler, QStringLiteral("%1 ist ein Verweis auf die Datendatei und wird nicht "
                                                        "ersetzt; bitte mit --ausgabe einen anderen Namen angeben.")
                                             .arg(antworten.fuehrtZurDatendatei));
        if (!geplant)
            return abbruch(
                kDateifehler,
                QStringLiteral("%1 besteht bereits; mit --ueberschreiben wird sie ersetzt.").arg(antworten.verweigert));
        plan = *geplant;
    }
    for (const Zusatzausgabe& z : kZusatzausgaben)
        if (const std::optional<QString>& name = aufruf.*z.name)
            AusgabeHinzufuegen(plan, z.was, nebenErgebnis(*name, aufruf), aufruf.ueberschreiben);
    if (const QString grund = AusgabenPruefen(plan); !grund.isEmpty())
        return abbruch(kDateifehler, grund.endsWith(u"besteht bereits.")
                                         ? grund + QStringLiteral(" Mit --ueberschreiben wird sie ersetzt.")
                                         : grund);
    return plan;
}

QString prozent(int64_t anteil, int64_t ganzes)
{
    return formatiereZahl(ganzes > 0 ? 100.0 * double(anteil) / double(ganzes) : 0.0, 1) + QStringLiteral(" %");
}

void zusammenfassung(const Dateiplan& plan, const Stapeleinstellungen& e, const Auswertungslauf& lauf)
{
    const Stapelergebnis& ergebnis = lauf.ergebnis;
    const Auswertung& a = lauf.auswertung;
    const QChar t = dezimaltrenner();
    QString text = QStringLiteral("Ergebnisdatei: %1\n").arg(plan.ausgabe);
    if (!plan.sicherung.isEmpty())
        text += QStringLiteral("Bisheriges Ergebnis gesichert als: %1\n").arg(plan.sicherung);
    text += QStringLiteral("Ausgewertete Datenzeilen: %1\n").arg(formatiereAnzahl(a.datenzeilen));
    for (const GekuerzterBereich& g : GekuerzteBereiche(e, ergebnis.laengen))
        text += QStringLiteral("Bereich %1 gekürzt auf %2 von %3 angegebenen Datenzeilen\n")
                    .arg(Bereichsname(g.bereich), g.umfasst, g.angegeben);
    text += QStringLiteral("PMV-Bänder:\n");
    for (int band = kEmpfindungsbaender - 1; band >= 0; --band)
        text += QStringLiteral("  %1 %2 %3  %4\n")
                    .arg(Empfindungsname(band), -11)
                    .arg(Empfindungsgrenzen(band, t), -18)
                    .arg(formatiereAnzahl(a.baender[std::size_t(band)]), 8)
                    .arg(prozent(a.baender[std::size_t(band)], a.datenzeilen), 7);
    text += QStringLiteral("  %1 %2 %3  %4\n")
                .arg(QStringLiteral("begrenzt"), -11)
                .arg(BegrenztText(e.verfahren), -18)
                .arg(formatiereAnzahl(a.ausserhalb), 8)
                .arg(prozent(a.ausserhalb, a.datenzeilen), 7);
    text += QStringLiteral("Kategorien nach ISO 7730:\n");
    const std::array<std::pair<const char16_t*, int64_t>, 3> kategorien{
        {{u"A  |PMV| < 0,2", a.kategorieA}, {u"B  |PMV| < 0,5", a.kategorieB}, {u"C  |PMV| < 0,7", a.kategorieC}}};
    for (const auto& [name, anzahl] : kategorien)
        text += QStringLiteral("  %1 %2  %3\n")
                    .arg(QString::fromUtf16(name).replace(u',', t), -30)
                    .arg(formatiereAnzahl(anzahl), 8)
                    .arg(prozent(anzahl, a.datenzeilen), 7);
    if (a.rechenfehler > 0)
        text += QStringLiteral("Zeilen mit Rechenfehler (mit den Werten der Zeile davor geschrieben): %1\n")
                    .arg(formatiereAnzahl(a.rechenfehler));
    ausgeben(stdout, text);
}

// The outputs after the result, each checked once more just before it is written.
int zusaetzeSchreiben(const Jahresauswertung& j, const Dateiplan& plan)
{
    std::optional<QGuiApplication> anwendung;
    for (const Ausgabeziel& ziel : plan.weitere) {
        const Zusatzausgabe& art = *std::find_if(std::begin(kZusatzausgaben), std::end(kZusatzausgaben),
                                                 [&](const Zusatzausgabe& z) { return z.was == ziel.was; });
        if (art.grafik)
            schriftenOhneBildschirm(anwendung, "tempara-cli stapel");
        QString grund = AusgabenPruefen(plan, &ziel);
        if (grund.isEmpty() && art.schreiben(j, ziel.pfad, &grund))
            continue;
        ausgeben(stderr, QStringLiteral("tempara-cli stapel: Die Ergebnisdatei ist geschrieben, %1\n%2\n"
                                        "aber nicht:\n%3\n")
                             .arg(ziel.was, ziel.pfad, grund));
        return kDateifehler;
    }
    return kErfolg;
}

int befehlStapel(int argc, char** argv)
{
    if (argc >= 2 && (!qstrcmp(argv[1], "--help") || !qstrcmp(argv[1], "-h"))) {
        std::fputs(kHilfe, stdout);
        return kErfolg;
    }
    Aufruf aufruf;
    Stapeleinstellungen e;
    try {
        aufruf = aufrufLesen(argc, argv);
        e = einstellungenAus(aufruf);
        if (aufruf.spalten)
            e.zuordnung = spaltenAus(*aufruf.spalten);
    } catch (const Aufruffehler& fehler) {
        ausgeben(stderr, QStringLiteral("tempara-cli stapel: %1\n\"tempara-cli stapel --help\" zeigt alle Angaben.\n")
                             .arg(fehler.text));
        return kFalscherAufruf;
    }

    // The outputs are planned and checked before the data is read: nobody waits for a year of
    // data from a FIFO to hear that a name is taken.
    int status = kErfolg;
    std::optional<Dateiplan> geplant = ausgabenPlanen(aufruf, status);
    if (!geplant)
        return status;
    Dateiplan& plan = *geplant;

    // Read once where a second reading would differ (pipe, FIFO) or needs converting (UTF-16).
    Dateninhalt daten = DatendateiVorbereiten(aufruf.datendatei);
    if (!daten.fehler.isEmpty()) {
        ausgeben(stderr, QStringLiteral("tempara-cli stapel: %1\n").arg(daten.fehler));
        return kDateifehler;
    }
    // With --spalten a file that cannot be opened is left to the run, which names the cause.
    if (const std::unique_ptr<QIODevice> geoeffnet = DatendateiOeffnen(aufruf.datendatei, daten.inhalt);
        geoeffnet->isOpen() || !aufruf.spalten) {
        QIODevice& datei = *geoeffnet;
        if (!datei.isOpen()) {
            ausgeben(stderr, QStringLiteral("tempara-cli stapel: Die Datendatei %1 kann nicht gelesen werden.\n")
                                 .arg(aufruf.datendatei));
            return kDateifehler;
        }
        const std::vector<std::string> ersteZeilen = ErsteZeilen(datei);
        e.format = FormatErkennen(ersteZeilen, aufruf.datendatei,
                                  aufruf.trennzeichen ? TrennzeichenAusWort(*aufruf.trennzeichen) : std::nullopt);
        datei.seek(0);
        Vorschautabelle vorschau{};
        Spaltenzuordnung ausSZeile{};
        const bool zuordnungGelesen = VorschauLesen(datei, vorschau, ausSZeile, e.format);
        if (!aufruf.spalten && zuordnungGelesen)
            e.zuordnung = ausSZeile;
        try {
            spaltenNachNamen(aufruf, ersteZeilen, e, zuordnungGelesen);
        } catch (const Aufruffehler& fehler) {
            ausgeben(stderr, QStringLiteral("tempara-cli stapel: %1\n").arg(fehler.text));
            return kFalscherAufruf;
        }
        const bool nachNamen = std::any_of(e.zuordnung.begin(), e.zuordnung.end(), [](int16_t c) { return c != 0; });
        if (!aufruf.spalten && !zuordnungGelesen && !nachNamen) {
            ausgeben(stderr,
                     e.format.namen.isEmpty()
                         ? QStringLiteral("tempara-cli stapel: Die Datei %1 hat vor ihrer fünften Datenzeile keine "
                                          "Zuordnungszeile (S ...).\nBitte die Spalten mit --spalten angeben, z. B. "
                                          "--spalten \"1 2 3\".\n")
                               .arg(aufruf.datendatei)
                         : QStringLiteral("tempara-cli stapel: Keiner der Namen der Kopfzeile von %1 ist bekannt:\n%2\n"
                                          "Bitte die Spalten mit --spalte GRÖSSE=NAME oder --spalten angeben.\n")
                               .arg(aufruf.datendatei, e.format.namen.join(QStringLiteral(" | "))));
            return kFalscherAufruf;
        }
    }
    try {
        doppelteVerbieten(e.zuordnung);
    } catch (const Aufruffehler& fehler) {
        ausgeben(stderr, QStringLiteral("tempara-cli stapel: %1\n").arg(fehler.text));
        return kFalscherAufruf;
    }

    // What the window asks about before a run, the command line says and runs all the same; a
    // line that cannot be read right stops it before anything is written.
    if (const std::unique_ptr<QIODevice> datei = DatendateiOeffnen(aufruf.datendatei, daten.inhalt); datei->isOpen()) {
        const Dateibefund befund = DateiPruefen(*datei, {}, e.format);
        if (const QString fehler = Lesefehler(befund, e.zuordnung); !fehler.isEmpty()) {
            ausgeben(stderr, QStringLiteral("tempara-cli stapel: Die Datendatei %1 lässt sich nicht sicher lesen.\n"
                                            "%2\nEs wurde nichts geschrieben.\n")
                                 .arg(aufruf.datendatei, fehler));
            return kDateifehler;
        }
        for (const QString& warnung : Vorwarnungen(befund, e))
            ausgeben(stderr, QStringLiteral("tempara-cli stapel: Warnung: %1\n").arg(warnung));
    }
    plan.inhalt = std::move(daten.inhalt);
    const Auswertungslauf lauf = StapellaufAuswerten(plan, e);
    if (!lauf.ergebnis.erfolgreich) {
        ausgeben(stderr, QStringLiteral("tempara-cli stapel: %1\n").arg(lauf.ergebnis.fehlermeldung));
        return kDateifehler;
    }
    zusammenfassung(plan, e, lauf);
    Jahresauswertung j = JahresauswertungAus(plan, e, lauf);
    j.nachweis = aufruf.nachweiseinstellungen;
    if (aufruf.nachweis || aufruf.stunden)
        UrteileAusgeben(j);
    return zusaetzeSchreiben(j, plan);
}

}  // namespace

TEMPARA_BEFEHL("stapel", "PMV und PPD für jede Zeile einer Stundenwerte-Datei (Ergebnisdatei .TPR)", befehlStapel);

}  // namespace cli
