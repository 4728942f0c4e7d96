// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli pmv: PMV and PPD for cases given as arguments or as lines on standard input.
#include "befehle.h"
#include "pmvstrom.h"
#include "zahlen.h"

#include <cstdio>
#include <cstring>
#include <string>

using namespace model;

namespace cli {

namespace {

const char* const kHilfe =
    "Aufruf: tempara-cli pmv [--ts-gleich-ti] [--verfahren klassisch|iso] TI TS V_LUFT PHI M W V_REL ICL\n"
    "        tempara-cli pmv [--ts-gleich-ti] [--verfahren klassisch|iso] < FAELLE\n"
    "\n"
    "Berechnet PMV und PPD nach ISO 7730 für einen Fall oder für jede Zeile der\n"
    "Standardeingabe. Die acht Werte eines Falls:\n" TEMPARA_ACHT_WERTE
    "Die Werte werden so gerechnet, wie sie dastehen (nicht auf die Schritte der\n"
    "Schieberegler gerundet). Felder sind durch Leerzeichen oder Tabulatoren getrennt,\n"
    "Dezimaltrennzeichen ist Komma oder Punkt; negative Zahlen sind Werte, keine Optionen.\n"
    "Leere Zeilen der Eingabe werden übergangen. Werte, die kein Raum haben kann (eine\n"
    "Temperatur unter -273,15 °C, ICL unter 0, M von 0 oder weniger, PHI außerhalb 0 bis\n"
    "100), werden mit dem möglichen Bereich abgelehnt (Rückgabewert 2, in einer Zeile der\n"
    "Standardeingabe \"Fehler\").\n"
    "\n"
    "Optionen:\n"
    "  --ts-gleich-ti  die Strahlungstemperatur folgt der Lufttemperatur (TS wird nicht\n"
    "                  verwendet), wie mit \"Ts = Ti\" im Hauptfenster\n"
    "  --verfahren V   klassisch (Vorgabe): wie TEMPARA 1.3, PMV auf -3 bis +3 begrenzt;\n"
    "                  iso: ISO 7730:2005, Anhang D, PMV unbegrenzt\n"
    "  --help          diese Hilfe\n"
    "\n"
    "Ausgabe: je Fall eine Zeile \"PMV<Tab>PPD\" mit Dezimalpunkt, so kurz, dass sie genau\n"
    "denselben Wert einfacher Genauigkeit ergibt. Eine Zeile, die sich nicht lesen oder\n"
    "berechnen lässt, ergibt \"Fehler\" und eine Meldung mit ihrer Zeilennummer auf der\n"
    "Standardfehlerausgabe; die Auswertung geht weiter.\n"
    "\n"
    "Rückgabewert: 0 alles berechnet, 1 mindestens ein Fall fehlgeschlagen, 2 falscher Aufruf.\n";

int befehlPmv(int argc, char** argv)
{
    bool tsGleichTi = false;
    Rechenverfahren verfahren = Rechenverfahren::Klassisch;
    std::string fall;
    int werte = 0;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            std::fputs(kHilfe, stdout);
            return 0;
        }
        if (!std::strcmp(a, "--ts-gleich-ti")) {
            tsGleichTi = true;
            continue;
        }
        if (!std::strncmp(a, "--verfahren", 11) && (a[11] == '=' || a[11] == '\0')) {
            std::string fehler = "--verfahren braucht einen Wert: klassisch oder iso";
            const std::optional<Rechenverfahren> v =
                a[11] == '=' ? verfahrenLesen(a + 12, fehler)
                             : (i + 1 < argc ? verfahrenLesen(argv[++i], fehler) : std::nullopt);
            if (!v) {
                std::fprintf(stderr, "tempara-cli pmv: %s\n(\"tempara-cli pmv --help\" erklärt den Aufruf)\n",
                             fehler.c_str());
                return 2;
            }
            verfahren = *v;
            continue;
        }
        if (!std::strncmp(a, "--", 2)) {
            std::fprintf(stderr,
                         "tempara-cli pmv: unbekannte Option \"%s\"\n(\"tempara-cli pmv --help\" erklärt den Aufruf)\n",
                         feldZitat(a).c_str());
            return 2;
        }
        fall += a;
        fall += ' ';
        ++werte;
    }
    if (werte == 0)
        return pmvStrom(stdin, stdout, stderr, tsGleichTi, verfahren) > 0 ? 1 : 0;
    if (werte != 8) {
        std::fprintf(stderr,
                     "tempara-cli pmv: acht Werte erwartet (TI TS V_LUFT PHI M W V_REL ICL), %d angegeben\n"
                     "(\"tempara-cli pmv --help\" erklärt den Aufruf)\n",
                     werte);
        return 2;
    }
    std::string fehler;
    const std::optional<Raumklima> klima = leseFall(fall, fehler);
    if (const std::string grund = klima ? unmoeglich(*klima, tsGleichTi) : std::string(); !grund.empty()) {
        std::fprintf(stderr, "tempara-cli pmv: %s\n", grund.c_str());
        return 2;
    }
    std::string text;
    if (klima && !rechneFall(*klima, tsGleichTi, text, verfahren))
        fehler = Rechenfehlertext(verfahren);
    if (text.empty()) {
        std::fputs("Fehler\n", stdout);
        std::fprintf(stderr, "tempara-cli pmv: Zeile 1: %s\n", fehler.c_str());
        return 1;
    }
    std::fputs(text.c_str(), stdout);
    return 0;
}

}  // namespace

TEMPARA_BEFEHL("pmv", "PMV und PPD für einzelne Fälle (Argumente oder Zeilen der Standardeingabe)", befehlPmv);

}  // namespace cli
