#include "pmvstrom.h"

#include "pmv.h"
#include "zahlen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

bool trenner(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A field with a comma or a point as the decimal separator, read to the nearest float32.
bool leseWert(std::string_view feld, float& wert, double& genau)
{
    char puffer[128] = {};
    if (feld.empty() || feld.size() >= sizeof puffer)
        return false;
    std::size_t n = 0;
    int separatoren = 0;
    for (char c : feld) {
        if (c == ',' || c == '.') {
            c = '.';
            ++separatoren;
        }
        puffer[n++] = c;
    }
    if (separatoren > 1)
        return false;
    const char* anfang = puffer;
    const char* ende = puffer + n;
    // One sign at most; from_chars takes no '+' and would also take "inf" and "nan".
    const char* ziffer = anfang < ende && (*anfang == '-' || *anfang == '+') ? anfang + 1 : anfang;
    if (*anfang == '+')
        ++anfang;
    if (ziffer >= ende || !(*ziffer == '.' || (*ziffer >= '0' && *ziffer <= '9')))
        return false;
    const auto [r1, f1] = std::from_chars(anfang, ende, genau);
    if (r1 != ende || (f1 != std::errc() && f1 != std::errc::result_out_of_range))
        return false;
    if (f1 == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; with at most 127 characters only an exponent
        // leaves the double range: a negative one is zero, a positive one infinite.
        const bool negativ = *anfang == '-';
        const char* e = std::find_if(anfang, ende, [](char c) { return c == 'e' || c == 'E'; });
        const bool klein = e + 1 < ende && e[1] == '-';
        genau = klein ? 0.0 : std::numeric_limits<double>::infinity();
        if (negativ)
            genau = -genau;
    }
    const auto [r2, f2] = std::from_chars(anfang, ende, wert);
    (void)r2;
    if (f2 == std::errc::result_out_of_range) {
        if (std::fabs(genau) > double(std::numeric_limits<float>::max()))
            wert = float(std::copysign(double(std::numeric_limits<float>::infinity()), genau));
        else
            wert = float(genau);  // below the float range: zero or the nearest tiny value
    }
    return true;
}

const char* const kNamen[8] = {"TI", "TS", "V_LUFT", "PHI", "M", "W", "V_REL", "ICL"};

}  // namespace

std::optional<Raumklima> leseFall(std::string_view zeile, std::string& fehler)
{
    float werte[8];
    double genau[8];
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
        if (!leseWert(zeile.substr(i, ende - i), werte[anzahl], genau[anzahl])) {
            fehler = std::string(kNamen[anzahl]) + " \"" + std::string(zeile.substr(i, ende - i)) + "\" ist keine Zahl";
            return std::nullopt;
        }
        ++anzahl;
        i = ende;
    }
    if (anzahl != 8) {
        fehler = "acht Werte erwartet (TI TS V_LUFT PHI M W V_REL ICL), " + std::to_string(anzahl) + " gefunden";
        return std::nullopt;
    }
    int16_t ganz[3];
    for (int k = 0; k < 3; ++k) {
        const double g = genau[3 + k];
        if (g != std::floor(g) || g < -32768 || g > 32767) {
            fehler = std::string(kNamen[3 + k]) + " muss eine ganze Zahl von -32768 bis 32767 sein";
            return std::nullopt;
        }
        ganz[k] = int16_t(g);
    }
    return Raumklima{werte[0], werte[1], werte[2], ganz[0], ganz[1], ganz[2], werte[6], werte[7]};
}

std::optional<std::string> rechneFall(const Raumklima& klima, bool tsGleichTi)
{
    PmvErgebnis ergebnis;
    if (!PmvBerechnen(PmvEingabeAus(klima, tsGleichTi), ergebnis))
        return std::nullopt;
    char puffer[72];
    std::size_t n = kuerzesterText(puffer, ergebnis.PMV);
    puffer[n++] = '\t';
    n += kuerzesterText(puffer + n, ergebnis.PPD);
    puffer[n++] = '\n';
    return std::string(puffer, n);
}

long pmvStrom(std::FILE* ein, std::FILE* aus, std::FILE* meldungen, bool tsGleichTi)
{
    std::vector<char> puffer(1 << 16);
    std::string rest;    // an unfinished line carried over from the previous block
    std::string ausgabe;
    std::string fehler;
    long zeilennummer = 0, fehlgeschlagen = 0;

    auto bearbeite = [&](std::string_view zeile) {
        ++zeilennummer;
        bool leer = true;
        for (char c : zeile)
            leer = leer && trenner(c);
        if (leer)
            return;
        std::optional<std::string> text;
        if (const std::optional<Raumklima> fall = leseFall(zeile, fehler)) {
            text = rechneFall(*fall, tsGleichTi);
            if (!text)
                fehler = "Gleitkommafehler in der Berechnung";
        }
        if (text) {
            ausgabe += *text;
        } else {
            ausgabe += "Fehler\n";
            ++fehlgeschlagen;
            std::fprintf(meldungen, "tempara-cli pmv: Zeile %ld: %s\n", zeilennummer, fehler.c_str());
        }
        if (ausgabe.size() > (1 << 16)) {
            std::fwrite(ausgabe.data(), 1, ausgabe.size(), aus);
            ausgabe.clear();
        }
    };

    std::size_t gelesen;
    bool ersterBlock = true;
    while ((gelesen = std::fread(puffer.data(), 1, puffer.size(), ein)) > 0) {
        std::string_view block(puffer.data(), gelesen);
        std::size_t anfang = 0;
        // A UTF-8 byte-order mark before the first case is no part of it.
        if (ersterBlock && block.substr(0, 3) == "\xEF\xBB\xBF")
            anfang = 3;
        ersterBlock = false;
        while (true) {
            const std::size_t ende = block.find('\n', anfang);
            if (ende == std::string_view::npos) {
                rest.append(block.substr(anfang));
                break;
            }
            if (rest.empty()) {
                bearbeite(block.substr(anfang, ende - anfang));
            } else {
                rest.append(block.substr(anfang, ende - anfang));
                bearbeite(rest);
                rest.clear();
            }
            anfang = ende + 1;
        }
    }
    if (!rest.empty())
        bearbeite(rest);
    std::fwrite(ausgabe.data(), 1, ausgabe.size(), aus);
    std::fflush(aus);
    return fehlgeschlagen;
}
