// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli bewertung: the assessment of one room by ISO 7730, PMV and PPD with the local
// criteria and the overall category, one tab-separated line per criterion.
#include "befehle.h"
#include "bewertung.h"
#include "pmv.h"
#include "pmvstrom.h"
#include "zahlen.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>

using namespace model;

namespace cli {

namespace {

const char* const kHilfe = "Aufruf: tempara-cli bewertung [--ts-gleich-ti] TI TS V_LUFT PHI M W V_REL ICL [OPTIONEN]\n"
                           "\n"
                           "Bewertet einen Raum nach ISO 7730: PMV und PPD, das Zugluftrisiko DR und, wenn ihre\n"
                           "Option angegeben ist, die lokalen Unbehaglichkeiten durch vertikalen\n"
                           "Lufttemperaturunterschied, Fußbodentemperatur und Strahlungstemperatur-Asymmetrie,\n"
                           "jede mit ihrer Kategorie A, B oder C nach Tabelle A.1, und die Gesamtkategorie als\n"
                           "schlechteste der bewerteten Kategorien.\n"
                           "\n"
                           "Die acht Werte wie bei \"tempara-cli pmv\":\n" TEMPARA_ACHT_WERTE
                           "Dezimaltrennzeichen ist Komma oder Punkt; negative Zahlen sind Werte, keine Optionen.\n"
                           "\n"
                           "Optionen (der Wert folgt als eigenes Argument oder nach \"=\"):\n"
                           "  --ts-gleich-ti   die Strahlungstemperatur folgt der Lufttemperatur\n"
                           "  --tu P           Turbulenzgrad in % (Vorgabe 40)\n"
                           "  --t-lokal X      örtliche Lufttemperatur für DR in °C (Vorgabe TI)\n"
                           "  --v-lokal X      örtliche mittlere Luftgeschwindigkeit für DR in m/s (Vorgabe V_LUFT)\n"
                           "  --dt-vertikal K  Lufttemperaturunterschied zwischen Kopf und Knöcheln in K\n"
                           "  --t-boden X      Fußbodentemperatur in °C\n"
                           "  --decke-warm K   Strahlungstemperatur-Asymmetrie durch eine warme Decke in K\n"
                           "  --wand-kalt K    ... durch eine kalte Wand in K\n"
                           "  --decke-kalt K   ... durch eine kalte Decke in K\n"
                           "  --wand-warm K    ... durch eine warme Wand in K\n"
                           "  --verfahren V    PMV und PPD klassisch (Vorgabe, wie TEMPARA 1.3) oder nach\n"
                           "                   iso (ISO 7730:2005, Anhang D)\n"
                           "  --help           diese Hilfe\n"
                           "\n"
                           "Ausgabe: je Kriterium eine Zeile \"NAME<Tab>WERT<Tab>KATEGORIE\" in der Reihenfolge PMV,\n"
                           "PPD, DR, PD_vertikal, PD_boden, PD_decke_warm, PD_wand_kalt, PD_decke_kalt, PD_wand_warm\n"
                           "(die lokalen nur mit ihrer Option), zuletzt \"Gesamt<Tab><Tab>KATEGORIE\". PMV mit drei,\n"
                           "Prozentwerte mit zwei Nachkommastellen und Dezimalpunkt, mit mehr, wo der gerundete\n"
                           "Wert sonst jenseits einer Kategoriegrenze läge (9.996 mit A, nicht 10.00); die\n"
                           "Kategorie entscheidet der ungerundete Wert. Kategorie A, B, C oder \"-\"\n"
                           "(schlechter als C). Ein viertes Feld \"ausserhalb\" steht, wenn eine Eingabe außerhalb\n"
                           "des Gültigkeitsbereichs der Formel liegt.\n"
                           "\n"
                           "Rückgabewert: 0 bewertet, 1 das Modell versagt für diese Eingaben, 2 falscher Aufruf.\n";

// The options with a value: the three inputs of DR, then one per local criterion.
constexpr const char* kOptionen[] = {"--tu",         "--t-lokal",   "--v-lokal",    "--dt-vertikal", "--t-boden",
                                     "--decke-warm", "--wand-kalt", "--decke-kalt", "--wand-warm"};
constexpr int kOptionenAnzahl = int(std::size(kOptionen));
constexpr int kTLokal = 1, kTBoden = 4;

int falsch(const std::string& text)
{
    std::fprintf(stderr, "tempara-cli bewertung: %s\n(\"tempara-cli bewertung --help\" erklärt den Aufruf)\n",
                 text.c_str());
    return 2;
}

std::string zahl(double wert, int stellen)
{
    char puffer[kZahlPuffer];
    return std::string(puffer, formatiereZahl(puffer, wert, stellen, '.'));
}

// The value with `stellen` decimals, or with as many more as it takes for the printed number to
// lie in the value's own category: 9.996 % of category B is printed "9.996", never "10.00".
std::string wertText(bewertung::Kriterium kriterium, double wert, int stellen)
{
    const bewertung::Kategorie soll = bewertung::kategorie(kriterium, wert);
    std::string text;
    for (int s = stellen; s <= 12; ++s) {
        text = zahl(wert, s);
        double gedruckt = 0;
        std::from_chars(text.data(), text.data() + text.size(), gedruckt);
        if (bewertung::kategorie(kriterium, gedruckt) == soll)
            break;
    }
    return text;
}

const char* kategorieText(bewertung::Kategorie k)
{
    static const char* const texte[] = {"A", "B", "C", "-"};
    return texte[int(k)];
}

int befehlBewertung(int argc, char** argv)
{
    using namespace bewertung;
    bool tsGleichTi = false;
    Rechenverfahren verfahren = Rechenverfahren::Klassisch;
    std::string fall;
    int werte = 0;
    std::optional<double> optionen[kOptionenAnzahl];
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kHilfe, stdout);
            return 0;
        }
        if (a == "--ts-gleich-ti") {
            tsGleichTi = true;
            continue;
        }
        if (a.rfind("--", 0) != 0) {
            fall += a + ' ';
            ++werte;
            continue;
        }
        const std::size_t gleich = a.find('=');
        const std::string name = a.substr(0, gleich);
        if (name == "--verfahren") {
            if (gleich == std::string::npos && i + 1 == argc)
                return falsch("Option --verfahren ohne Wert");
            std::string fehler;
            const std::optional<Rechenverfahren> v =
                verfahrenLesen(gleich != std::string::npos ? a.substr(gleich + 1) : std::string(argv[++i]), fehler);
            if (!v)
                return falsch(fehler);
            verfahren = *v;
            continue;
        }
        int o = 0;
        while (o < kOptionenAnzahl && name != kOptionen[o])
            ++o;
        if (o == kOptionenAnzahl)
            return falsch("unbekannte Option \"" + feldZitat(a) + "\"");
        std::string text;
        if (gleich != std::string::npos)
            text = a.substr(gleich + 1);
        else if (i + 1 < argc)
            text = argv[++i];
        else
            return falsch("Option " + name + " ohne Wert");
        if (optionen[o])
            return falsch("Option " + name + " mehrfach angegeben");
        // Read as the eight values are, so that "1e-400" is 0 here too and "+-5" no number.
        double wert = 0;
        if (!leseFeld(text, wert) || !std::isfinite(wert))
            return falsch("Wert von " + name + " \"" + feldZitat(text) + "\" ist keine endliche Zahl");
        if ((o == kTLokal || o == kTBoden) && wert < kAbsoluterNullpunkt)
            return falsch(name + " " + feldZitat(text)
                          + " °C liegt unter dem absoluten Nullpunkt; möglich sind Temperaturen ab -273,15 °C");
        optionen[o] = wert;
    }
    if (werte != 8)
        return falsch("acht Werte erwartet (TI TS V_LUFT PHI M W V_REL ICL), " + std::to_string(werte) + " angegeben");
    std::string fehler;
    const std::optional<Raumklima> klima = leseFall(fall, fehler);
    if (!klima)
        return falsch(fehler);
    if (const std::string grund = unmoeglich(*klima, tsGleichTi); !grund.empty())
        return falsch(grund);

    const PmvEingabe eingabe = PmvEingabeAus(*klima, tsGleichTi);
    PmvErgebnis pmv;
    const bool gerechnet = PmvBerechnen(eingabe, pmv, verfahren);
    LokaleEingaben lokal = lokaleVorgaben(*klima);
    lokal.tu = optionen[0].value_or(lokal.tu);
    lokal.tLokal = optionen[1].value_or(lokal.tLokal);
    lokal.vLokal = optionen[2].value_or(lokal.vLokal);
    for (int k = 0; k < 6; ++k)
        lokal.lokal[k] = optionen[3 + k];
    const Ergebnis r = gerechnet ? bewerte(eingabe, pmv, lokal) : Ergebnis{};
    if (!gerechnet || !r.endlich || !std::isfinite(lokal.tLokal) || !std::isfinite(lokal.vLokal)) {
        std::fputs("tempara-cli bewertung: Gleitkommafehler in der Berechnung\n", stderr);
        return 1;
    }

    static const char* const namen[kKriterien] = {"PMV",          "PPD",           "DR",
                                                  "PD_vertikal",  "PD_boden",      "PD_decke_warm",
                                                  "PD_wand_kalt", "PD_decke_kalt", "PD_wand_warm"};
    std::string ausgabe;
    for (int k = 0; k < kKriterien; ++k) {
        const Einzelwert& w = r.werte[k];
        if (!w.bewertet)
            continue;
        ausgabe += std::string(namen[k]) + '\t' + wertText(Kriterium(k), w.wert, k == 0 ? 3 : 2) + '\t'
                   + kategorieText(w.kategorie);
        ausgabe += w.gueltig ? "\n" : "\tausserhalb\n";
    }
    ausgabe += std::string("Gesamt\t\t") + kategorieText(r.gesamt) + '\n';
    std::fputs(ausgabe.c_str(), stdout);
    return 0;
}

}  // namespace

TEMPARA_BEFEHL("bewertung", "Kategorie A, B oder C nach ISO 7730 mit lokaler Unbehaglichkeit", befehlBewertung);

}  // namespace cli
