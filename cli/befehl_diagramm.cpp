// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli diagramm: the bitmap of the diagram window without a window, for scripts.
#include "befehle.h"

#include "ausgabeplan.h"
#include "bereich.h"
#include "bericht.h"
#include "diagrammbild.h"
#include "eingaben.h"
#include "groessen.h"
#include "neutralwert.h"
#include "pmv.h"
#include "zahlen.h"
#include "zieldatei.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>

using namespace diagram;
using namespace model;

namespace cli {

namespace {

const char* const kHilfe =
    "Aufruf: tempara-cli diagramm --x GRÖSSE --y GRÖSSE [--xmin A --xmax B --ymin C --ymax D]\n"
    "                             [EINGABEN] [--bmp DATEI] [--bericht DATEI [BERICHT]]\n"
    "\n"
    "Zeichnet das Diagramm des Behaglichkeitsbereichs, wie es das Fenster \"Darstellung des\n"
    "Behaglichkeitsbereichs\" nach \"Start\" zeigt. --bmp speichert es wie \"Speichern unter...\"\n"
    "als Windows-Bitmap (440 × 400 Bildpunkte) mit Achsen, Beschriftung, den sechs fest\n"
    "vorgegebenen Parametern und der Legende. --bericht speichert es wie \"Für Bericht\n"
    "speichern...\" als Seite für einen Bericht: SVG, PDF oder PNG nach der Endung des Namens,\n"
    "mit der Neutrallinie (PMV = 0) und dem neutralen Wert. Mindestens eine der beiden Dateien\n"
    "ist anzugeben. Es wird kein Bildschirm gebraucht.\n"
    "\n"
    "Größen für --x und --y (zwei verschiedene):\n"
    "  ti      Lufttemperatur in °C            Bereich -15 bis 50\n"
    "  ts      Strahlungstemperatur in °C      Bereich -15 bis 50\n"
    "  v_luft  Luftgeschwindigkeit in m/s      Bereich 0 bis 10\n"
    "  phi     relative Luftfeuchte in %       Bereich 0 bis 100\n"
    "  m       Energieumsatz in W/m²           Bereich 0 bis 500\n"
    "  icl     Kleidung in clo                 Bereich 0 bis 4\n"
    "Ohne --xmin/--xmax/--ymin/--ymax gilt der Bereich der Größe. Die Angaben werden wie\n"
    "getippte Felder gelesen (Komma oder Punkt; keine Zahl gilt als 0) und wie im Fenster\n"
    "geprüft; jede Meldung des Fensters erscheint auf der Standardfehlerausgabe, und das\n"
    "Diagramm wird mit dem berichtigten Bereich gezeichnet.\n"
    "\n"
    "Eingaben (Vorgabe: die Startwerte des Hauptfensters; erlaubt ist, was dessen\n"
    "Schieberegler fassen):\n"
    "  --ti WERT        Raumlufttemperatur in °C, -20 bis 50 (20)\n"
    "  --ts WERT        Strahlungstemperatur in °C, -20 bis 50 (20); wirkt nur mit --ts-getrennt\n"
    "  --ts-gleich-ti   die Strahlungstemperatur folgt der Lufttemperatur (Vorgabe)\n"
    "  --ts-getrennt    die Strahlungstemperatur ist --ts\n"
    "  --v-luft WERT    Luftgeschwindigkeit in m/s, 0 bis 10 (0)\n"
    "  --phi WERT       relative Luftfeuchtigkeit in %, ganze Zahl 0 bis 100 (60)\n"
    "  --m WERT         Energieumsatz in W/m², ganze Zahl 40 bis 400 (70)\n"
    "  --w WERT         wirksame mechanische Leistung in % von M, ganze Zahl 0 bis 100 (0)\n"
    "  --v-rel WERT     relative Geschwindigkeit in ruhender Luft in m/s, 0 bis 10 (0)\n"
    "  --icl WERT       Kleidung in clo, 0 bis 4 (1)\n"
    "  --verfahren V    Rechenverfahren: klassisch (Vorgabe, wie TEMPARA 1.3) oder iso\n"
    "                   (ISO 7730:2005, Anhang D); das Bild nennt das Verfahren nur mit iso\n"
    "  --help           diese Hilfe\n"
    "\n"
    "Für --bericht (BERICHT):\n"
    "  --linien L       Linien konstanten PMV: 0 (nur PMV = 0, Vorgabe), 0,5 (dazu ±0,5,\n"
    "                   Kategorie B) oder 0,7 (dazu ±0,5 und ±0,7, Kategorien B und C)\n"
    "  --bereich B      fenster (Vorgabe: die Achsen wie im Fenster) oder anpassen (die\n"
    "                   berechneten Werte ohne negative Aktivität, Kleidung, Luftgeschwindigkeit\n"
    "                   und Feuchte, auf eine runde Teilung erweitert)\n"
    "  --papier P       a4 (Vorgabe) oder a5, jeweils quer\n"
    "  --dpi N          Auflösung eines PNG, 300 (Vorgabe) bis 600; mindestens 2400 Bildpunkte\n"
    "                   breit, also für a4 ab 206 und für a5 ab 291 dpi\n"
    "\n"
    "Eine vorhandene Datei wird ersetzt; misslingt das Schreiben, bleibt sie unverändert.\n"
    "Ein Zeichengerät oder eine FIFO (auch hinter einem Link) wird direkt beschrieben.\n"
    "Rückgabewert: 0 gespeichert, 1 Datei nicht schreibbar, 2 falscher Aufruf.\n";

constexpr const char* kName = "tempara-cli diagramm";

int falsch(const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n(\"tempara-cli diagramm --help\" erklärt den Aufruf)\n", kName, text.c_str());
    return 2;
}

void melden(const QString& text)
{
    QString zeilen = text;
    zeilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s: %s\n", kName, qPrintable(zeilen));
}

// The options of the main window's eight inputs; range, unit and decimals are those of its bars.
struct Eingabeoption {
    const char* option;
    Eingabe eingabe;
};
constexpr Eingabeoption kEingaben[] = {
    {"--ti", Eingabe::Ti}, {"--ts", Eingabe::Ts}, {"--v-luft", Eingabe::v_Luft}, {"--phi", Eingabe::phi},
    {"--m", Eingabe::M},   {"--w", Eingabe::W},   {"--v-rel", Eingabe::v_rel},   {"--icl", Eingabe::Icl},
};

std::optional<double> eingabeLesen(const Eingabeoption& e, const char* text, std::string& fehler)
{
    const Eingabeart& art = eingabeart(e.eingabe);
    const double min = wertBei(e.eingabe, art.min), max = wertBei(e.eingabe, art.max);
    const std::optional<double> wert = leseZahl(QString::fromLocal8Bit(text));
    if (!wert || !std::isfinite(*wert)) {
        fehler = std::string(e.option) + " \"" + feldZitat(text) + "\" ist keine Zahl";
        return std::nullopt;
    }
    if (art.stellen == 0 && *wert != std::floor(*wert)) {
        fehler = std::string(e.option) + " " + feldZitat(text) + ": erwartet wird eine ganze Zahl";
        return std::nullopt;
    }
    if (*wert < min || *wert > max) {
        char grenzen[80];
        std::snprintf(grenzen, sizeof grenzen, "%g bis %g%s", min, max, art.einheit);
        fehler = std::string(e.option) + " " + feldZitat(text)
                 + " liegt außerhalb dessen, was der Schieberegler des "
                   "Hauptfensters fasst ("
                 + grenzen + ")";
        return std::nullopt;
    }
    return wert;
}

struct Aufruf {
    std::optional<int> x, y;
    std::array<std::optional<QString>, 4> bereich;  // --xmin, --xmax, --ymin, --ymax as typed
    Raumklima klima = standardRaumklima();
    bool tsGleichTi = true;
    bool tsAngegeben = false;
    QString bmp;
    QString bericht;
    Berichtoptionen optionen;
    QStringList berichtoptionen;  // the report's options given, to refuse them without --bericht
    Rechenverfahren verfahren = Rechenverfahren::Klassisch;
};

// The report's options; an empty string when the value was accepted, else the complaint.
std::string berichtoptionLesen(const QString& name, const QString& wert, Berichtoptionen& o)
{
    const std::string zitat = std::string(1, '"').append(feldZitat(wert.toStdString())).append(1, '"');
    if (name == u"linien") {
        QString w = wert;
        w.replace(u'.', u',');
        if (w == u"0")
            o.linien = Linienwahl::Neutral;
        else if (w == u"0,5")
            o.linien = Linienwahl::KategorieB;
        else if (w == u"0,7")
            o.linien = Linienwahl::KategorieC;
        else
            return "--linien " + zitat + ": erwartet 0, 0,5 oder 0,7";
    } else if (name == u"bereich") {
        if (wert != u"fenster" && wert != u"anpassen")
            return "--bereich " + zitat + ": erwartet fenster oder anpassen";
        o.bereich = wert == u"anpassen" ? Bereichsart::Anpassen : Bereichsart::Fenster;
    } else if (name == u"papier") {
        if (wert.toLower() != u"a4" && wert.toLower() != u"a5")
            return "--papier " + zitat + ": erwartet a4 oder a5";
        o.papier = wert.toLower() == u"a5" ? Papier::A5 : Papier::A4;
    } else if (name == u"dpi") {
        bool zahl = false;
        const int dpi = wert.toInt(&zahl);
        if (!zahl)
            return "--dpi " + zitat + ": erwartet eine ganze Zahl";
        o.dpi = dpi;
    }
    return {};
}

// Reads the arguments into `a`, in the order they were given (a later value replaces an
// earlier one); returns an exit status when the run must stop (-1 to go on).
int lesen(int argc, char** argv, Aufruf& a)
{
    static const char* const kBereich[4] = {"xmin", "xmax", "ymin", "ymax"};
    QStringList argumente{QStringLiteral("diagramm")};
    for (int i = 1; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QString kWert = QStringLiteral("WERT");
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("help"), QStringLiteral("h")}));
    parser.addOption(QCommandLineOption(QStringLiteral("ts-gleich-ti")));
    parser.addOption(QCommandLineOption(QStringLiteral("ts-getrennt")));
    static const QStringList kBerichtoptionen{QStringLiteral("linien"), QStringLiteral("bereich"),
                                              QStringLiteral("papier"), QStringLiteral("dpi")};
    QStringList mitWert{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("bmp"), QStringLiteral("bericht"),
                        QStringLiteral("verfahren")};
    mitWert << kBerichtoptionen;
    for (const char* b : kBereich)
        mitWert << QString::fromLatin1(b);
    for (const Eingabeoption& e : kEingaben)
        mitWert << QString::fromLatin1(e.option + 2);
    for (const QString& name : std::as_const(mitWert))
        parser.addOption(QCommandLineOption(name, {}, kWert));
    if (!parser.parse(argumente)) {
        // The parser's own texts are English: the first argument it stumbled over, in German.
        for (qsizetype i = 1; i < argumente.size(); ++i) {
            const QString name = argumente[i].section(u'=', 0, 0);
            if (!name.startsWith(u'-') || name.size() < 2)
                continue;
            const QString ohneStriche = QString(name).remove(QRegularExpression(QStringLiteral("^-+")));
            if (!mitWert.contains(ohneStriche) && !parser.optionNames().contains(ohneStriche))
                return falsch("unbekannte Option \"" + feldZitat(name.toStdString()) + "\"");
            if (mitWert.contains(ohneStriche) && !argumente[i].contains(u'=') && i + 1 == argumente.size())
                return falsch(name.toStdString() + " braucht einen Wert");
        }
        return falsch(parser.errorText().toStdString());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(kHilfe, stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return falsch("unerwartetes Argument \"" + feldZitat(parser.positionalArguments().front().toStdString())
                      + "\"");

    std::map<QString, qsizetype> gelesen;  // values taken so far per option
    for (const QString& name : parser.optionNames()) {
        if (name == u"ts-gleich-ti" || name == u"ts-getrennt") {
            a.tsGleichTi = name == u"ts-gleich-ti";
            continue;
        }
        const QString wertText = parser.values(name).value(gelesen[name]++);
        const std::string option = "--" + name.toStdString();
        const std::string wert = wertText.toStdString();
        if (name == u"x" || name == u"y") {
            const std::optional<int> k = groesseAusKurzname(wert);
            if (!k)
                return falsch(option + " \"" + feldZitat(wert) + "\": erwartet ti, ts, v_luft, phi, m oder icl");
            (name == u"x" ? a.x : a.y) = k;
        } else if (name == u"bmp") {
            a.bmp = wertText;
        } else if (name == u"bericht") {
            a.bericht = wertText;
        } else if (kBerichtoptionen.contains(name)) {
            if (const std::string fehler = berichtoptionLesen(name, wertText, a.optionen); !fehler.empty())
                return falsch(fehler);
            a.berichtoptionen << name;
        } else if (name == u"verfahren") {
            std::string fehler;
            const std::optional<Rechenverfahren> v = verfahrenLesen(wert, fehler);
            if (!v)
                return falsch(fehler);
            a.verfahren = *v;
        } else if (const auto b = std::find(std::begin(kBereich), std::end(kBereich), name.toStdString());
                   b != std::end(kBereich)) {
            a.bereich[std::size_t(b - std::begin(kBereich))] = wertText;
        } else {
            const auto e = std::find_if(std::begin(kEingaben), std::end(kEingaben),
                                        [&](const Eingabeoption& k) { return option == k.option; });
            std::string fehler;
            const std::optional<double> zahl = eingabeLesen(*e, wert.c_str(), fehler);
            if (!zahl)
                return falsch(fehler);
            setzeWert(a.klima, e->eingabe, *zahl);
            a.tsAngegeben = a.tsAngegeben || name == u"ts";
        }
    }
    if (!a.x || !a.y)
        return falsch("--x und --y müssen angegeben sein");
    if (*a.x == *a.y)
        return falsch("--x und --y müssen verschiedene Größen sein");
    if (a.bmp.isEmpty() && a.bericht.isEmpty())
        return falsch("--bmp DATEI oder --bericht DATEI fehlt");
    if (a.bericht.isEmpty() && !a.berichtoptionen.isEmpty())
        return falsch("--" + a.berichtoptionen.front().toStdString() + " wirkt nur mit --bericht");
    if (!a.bericht.isEmpty()) {
        const std::optional<Berichtformat> format = berichtformatVon(a.bericht);
        if (!format)
            return falsch(std::string("--bericht \"").append(feldZitat(a.bericht.toStdString()))
                          + "\": die Endung bestimmt das Format, erwartet .svg, .pdf oder .png");
        const int mindest = mindestDpi(a.optionen.papier);
        if (*format == Berichtformat::Png && (a.optionen.dpi < mindest || a.optionen.dpi > kHoechstDpi))
            return falsch(std::string("--dpi ").append(std::to_string(a.optionen.dpi)) + ": erlaubt sind "
                          + std::to_string(mindest) + " bis " + std::to_string(kHoechstDpi) + " dpi (mindestens "
                          + std::to_string(kMindestBreitePx) + " Bildpunkte breit)");
        if (!a.bmp.isEmpty()
            && (batch::dieselbeDatei(a.bmp, a.bericht)
                || QFileInfo(Verweisziel(a.bmp)).absoluteFilePath()
                       == QFileInfo(Verweisziel(a.bericht)).absoluteFilePath()))
            return falsch("--bmp und --bericht nennen dieselbe Datei");
    }
    return -1;
}

int befehlDiagramm(int argc, char** argv)
{
    Aufruf a;
    if (const int ende = lesen(argc, argv, a); ende >= 0)
        return ende;
    if (a.tsAngegeben && a.tsGleichTi)
        std::fprintf(stderr,
                     "%s: Hinweis: --ts wirkt nur mit --ts-getrennt; die Strahlungstemperatur folgt "
                     "der Lufttemperatur\n",
                     kName);

    std::optional<QGuiApplication> anwendung;
    schriftenOhneBildschirm(anwendung, kName);

    const int x = *a.x, y = *a.y;
    // As the window after choosing the pair: default texts and values, then what was typed.
    Bereichsfelder felder{QString::fromUtf16(info(x).vorgabeMin), QString::fromUtf16(info(x).vorgabeMax),
                          QString::fromUtf16(info(y).vorgabeMin), QString::fromUtf16(info(y).vorgabeMax)};
    Bereich gespeichert = bereichLesen(felder);
    for (std::size_t i = 0; i < felder.size(); ++i)
        if (a.bereich[i])
            felder[i] = *a.bereich[i];
    bereichPruefen(gespeichert, felder, x, y, melden);
    const Bereich bereich = bereichLesen(felder);
    if (const QString hinweis = hinweisNichtPositiv(bereich); !hinweis.isEmpty())
        melden(hinweis);

    Diagrammbild bild;
    const PmvEingabe vorbereitet = PmvEingabeAus(a.klima, a.tsGleichTi);
    const Lauf lauf = diagrammZeichnen(bild, vorbereitet, a.klima.v_rel, x, y, bereich, a.verfahren);
    const Festwerte fest = festwerte(x, y, werttexteAus(a.klima, a.tsGleichTi));
    auto nichtGeschrieben = [](const QString& pfad, const QString& grund) {
        std::fprintf(stderr, "%s: \"%s\" konnte nicht geschrieben werden: %s\n", kName, qPrintable(pfad),
                     qPrintable(grund));
        return 1;
    };
    QString grund;
    if (!a.bmp.isEmpty()
        && !bmpSchreiben(bild.speicherbild(achsenAuslegen(bereich, x, y), fest, a.verfahren), a.bmp, &grund))
        return nichtGeschrieben(a.bmp, grund);
    if (!a.bericht.isEmpty()) {
        const Berichtinhalt inhalt{lauf.raster, bereich, fest,
                                   neutralTextFuer(lauf.raster, vorbereitet, a.klima, a.tsGleichTi)};
        if (!berichtSchreiben(a.bericht, inhalt, a.optionen, &grund))
            return nichtGeschrieben(a.bericht, grund);
    }
    return 0;
}

}  // namespace

TEMPARA_BEFEHL("diagramm",
               "Diagramm des Behaglichkeitsbereichs als Bitmap oder als Seite für einen Bericht (SVG, PDF, PNG)",
               befehlDiagramm);

}  // namespace cli
