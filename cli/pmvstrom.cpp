// SPDX-License-Identifier: GPL-3.0-or-later
#include "pmvstrom.h"

#include "datendatei.h"
#include "zeilenleser.h"

#include "zahlen.h"

#include <QFile>

#include <algorithm>
#include <cmath>

using namespace model;

namespace cli {

namespace {

bool trenner(char c) { return c == ' ' || c == '\t' || c == '\r'; }

const char* const kNamen[8] = {"TI", "TS", "V_LUFT", "PHI", "M", "W", "V_REL", "ICL"};
constexpr bool kGanzzahlig[8] = {false, false, false, true, true, true, false, false};

}  // namespace

std::optional<Raumklima> leseFall(std::string_view zeile, std::string& fehler)
{
    float werte[8];
    int16_t ganz[8];
    int anzahl = 0;
    std::size_t i = 0;
    while (true) {
        while (i < zeile.size() && trenner(zeile[i]))
            ++i;
        if (i >= zeile.size())
            break;
        std::size_t ende = i;
        while (ende < zeile.size() && !trenner(zeile[ende]))
            ++ende;
        if (anzahl == 8) {
            fehler = "mehr als acht Werte";
            return std::nullopt;
        }
        const std::string_view feld = zeile.substr(i, ende - i);
        // Each field is read once: PHI, M and W as the whole numbers they must be, the others
        // straight to the float32 the model computes with.
        double g = 0.0;
        const bool zahl = kGanzzahlig[anzahl] ? leseFeld(feld, g) : leseFeld(feld, werte[anzahl]);
        if (!zahl) {
            fehler = std::string(kNamen[anzahl]) + " \"" + feldZitat(feld) + "\" ist keine Zahl";
            return std::nullopt;
        }
        if (kGanzzahlig[anzahl]) {
            if (g != std::floor(g) || g < -32768 || g > 32767) {
                fehler = std::string(kNamen[anzahl]) + " muss eine ganze Zahl von -32768 bis 32767 sein";
                return std::nullopt;
            }
            ganz[anzahl] = int16_t(g);
        }
        ++anzahl;
        i = ende;
    }
    if (anzahl != 8) {
        fehler = "acht Werte erwartet (TI TS V_LUFT PHI M W V_REL ICL), " + std::to_string(anzahl) + " gefunden";
        return std::nullopt;
    }
    return Raumklima{werte[0], werte[1], werte[2], ganz[3], ganz[4], ganz[5], werte[6], werte[7]};
}

std::string unmoeglich(const Raumklima& k, bool tsGleichTi)
{
    const auto wert = [](double x) { return kuerzesterText(float(x)).toStdString(); };
    if (k.Ti < kAbsoluterNullpunkt || (!tsGleichTi && k.Ts < kAbsoluterNullpunkt))
        return std::string(k.Ti < kAbsoluterNullpunkt ? "TI " + wert(k.Ti) : "TS " + wert(k.Ts))
               + " °C liegt unter dem absoluten Nullpunkt; möglich sind Temperaturen ab -273,15 °C";
    if (k.phi < 0 || k.phi > 100)
        return "PHI " + std::to_string(k.phi) + " %: möglich sind 0 bis 100 %";
    if (k.M <= 0)
        return "M " + std::to_string(k.M) + " W/m²: möglich sind Werte über 0 W/m²";
    if (k.Icl < 0)
        return "ICL " + wert(k.Icl) + " clo: möglich sind Werte ab 0 clo";
    return {};
}

const char* Rechenfehlertext(Rechenverfahren verfahren)
{
    return verfahren == Rechenverfahren::Iso7730
               ? "keine Lösung nach ISO 7730 (Gleitkommafehler oder nach 150 Durchläufen nicht eingeschwungen)"
               : "Gleitkommafehler in der Berechnung";
}

namespace {

void haengeAn(const PmvErgebnis& ergebnis, std::string& aus)
{
    char puffer[72];
    std::size_t n = kuerzesterText(puffer, ergebnis.PMV);
    puffer[n++] = '\t';
    n += kuerzesterText(puffer + n, ergebnis.PPD);
    puffer[n++] = '\n';
    aus.append(puffer, n);
}

// One line of a block: its number, the case it holds (its index among the block's cases) or
// why it holds none.
struct Platz {
    long long zeile = 0;
    int fall = -1;
    std::string fehler;
};

}  // namespace

bool rechneFall(const Raumklima& klima, bool tsGleichTi, std::string& aus, Rechenverfahren verfahren)
{
    PmvErgebnis ergebnis;
    if (!PmvBerechnen(PmvEingabeAus(klima, tsGleichTi), ergebnis, verfahren))
        return false;
    haengeAn(ergebnis, aus);
    return true;
}

long pmvStrom(std::FILE* ein, std::FILE* aus, std::FILE* meldungen, bool tsGleichTi, Rechenverfahren verfahren)
{
    QFile eingang;
    // Straight from the descriptor: nothing has been read from the stream before.
    eingang.open(fileno(ein), QIODevice::ReadOnly | QIODevice::Unbuffered);
    batch::Zeilenleser leser(eingang);
    std::string ausgabe;
    long fehlgeschlagen = 0;

    // Lines are read in blocks, their cases computed together (the ISO method overlaps
    // independent cases) and the block written in line order.
    constexpr int kBlock = 64;
    Platz plaetze[kBlock];
    PmvEingabe eingaben[kBlock];
    PmvErgebnis ergebnisse[kBlock];
    bool gerechnet[kBlock];
    int belegt = 0;
    int faelle = 0;
    const auto blockAusgeben = [&]() {
        PmvBerechnenGruppe(eingaben, ergebnisse, gerechnet, faelle, verfahren);
        bool geschrieben = true;
        for (int i = 0; i < belegt && geschrieben; ++i) {
            Platz& p = plaetze[i];
            if (p.fall >= 0 && gerechnet[p.fall]) {
                haengeAn(ergebnisse[p.fall], ausgabe);
            } else {
                if (p.fall >= 0)
                    p.fehler = Rechenfehlertext(verfahren);
                ausgabe += "Fehler\n";
                ++fehlgeschlagen;
                std::fprintf(meldungen, "tempara-cli pmv: Zeile %lld: %s\n", p.zeile, p.fehler.c_str());
            }
            if (ausgabe.size() > (1 << 16)) {
                geschrieben = std::fwrite(ausgabe.data(), 1, ausgabe.size(), aus) == ausgabe.size();
                ausgabe.clear();
            }
        }
        belegt = faelle = 0;
        return geschrieben;  // when not, the output is gone; main() reports it
    };

    std::string_view zeile;
    bool offen = true;
    while (offen && leser.naechste(zeile)) {
        if (std::all_of(zeile.begin(), zeile.end(), trenner))
            continue;
        Platz& p = plaetze[belegt++];
        p.zeile = leser.zeilennummer();
        p.fall = -1;
        if (const std::optional<Raumklima> fall = leseFall(zeile, p.fehler)) {
            p.fehler = unmoeglich(*fall, tsGleichTi);
            if (p.fehler.empty()) {
                eingaben[faelle] = PmvEingabeAus(*fall, tsGleichTi);
                p.fall = faelle++;
            }
        }
        if (belegt == kBlock)
            offen = blockAusgeben();
    }
    if (offen && belegt > 0)
        blockAusgeben();
    if (leser.fehler()) {
        ++fehlgeschlagen;
        const QString meldung =
            batch::Lesestoerungsmeldung(QStringLiteral("(Standardeingabe)"), leser.stoerung(), leser.zeilennummer());
        std::fprintf(meldungen, "tempara-cli pmv: %s\n", meldung.toUtf8().constData());
    }
    std::fwrite(ausgabe.data(), 1, ausgabe.size(), aus);
    std::fflush(aus);
    return fehlgeschlagen;
}

}  // namespace cli
