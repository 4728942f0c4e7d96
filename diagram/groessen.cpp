// SPDX-License-Identifier: GPL-3.0-or-later
#include "groessen.h"

#include "eingaben.h"
#include "empfindung.h"

#include "pmv.h"
#include "zahlen.h"

#include <cmath>

using namespace model;

namespace diagram {

namespace {

constexpr std::array<Groesseninfo, kAnzahlGroessen> kGroessen{{
    {u" Lufttemperatur", u"T_Luft [°C]", u"-15", u"50", -15.0f, 50.0f, "ti", u"Lufttemperatur", u"Ti", u"°C", 1},
    {u" Strahlungstemperatur", u"T_Strahlung [°C]", u"-15", u"50", -15.0f, 50.0f, "ts", u"Strahlungstemperatur", u"Ts",
     u"°C", 1},
    {u" Luftgeschwindigkeit", u"v_Luft [m/s]", u"0", u"10", 0.0f, 10.0f, "v_luft", u"Luftgeschwindigkeit", u"v_Luft",
     u"m/s", 2},
    {u" rel. Luftfeuchte", u"rel. Feuchte [%]", u"0", u"100", 0.0f, 100.0f, "phi", u"relative Luftfeuchte", u"φ", u"%",
     0},
    {u" Aktivität - Energieumsatz", u"Aktivität [W]", u"0", u"500", 0.0f, 500.0f, "m", u"Energieumsatz", u"M", u"W/m²",
     0},
    {u" Kleidung", u"Kleidung [clo]", u"0", u"4", 0.0f, 4.0f, "icl", u"Bekleidung", u"Icl", u"clo", 2},
}};

// Comfort limits often quoted for offices: 15 and 25 °C, 0.3 m/s, 35 and 70 % humidity,
// and the metabolic rate of sleep (40 W/m²). Clothing has none.
constexpr float kTemperaturen[] = {15.0f, 25.0f};
constexpr float kLuftgeschwindigkeit[] = {0.3f};
constexpr float kFeuchte[] = {35.0f, 70.0f};
constexpr float kEnergieumsatz[] = {40.0f};

constexpr std::array<Band, kAnzahlBaender> kBaender{{
    {0xff800000u, kEmpfindungen[6].name, true},
    {0xffff0000u, kEmpfindungen[5].name, true},
    {0xffffff00u, kEmpfindungen[4].name, false},
    {0xff00ff00u, kEmpfindungen[3].name, false},
    {0xff00ffffu, kEmpfindungen[2].name, false},
    {0xff0000ffu, kEmpfindungen[1].name, true},
    {0xff000080u, kEmpfindungen[0].name, true},
}};

// Rows of the fixed-parameter list in their order: quantity index (-1 for the two that can
// never be varied), name, and the main window's value label it copies.
struct Festzeile {
    int groesse;
    const char16_t* name;
    int werttext;
};
constexpr Festzeile kFestzeilen[] = {
    {Lufttemperatur, u"Raumlufttemperatur:", 0},
    {Strahlungstemperatur, u"Strahlungstemperatur:", 1},
    {Luftgeschwindigkeit, u"Luftgeschwindigkeit:", 2},
    {Luftfeuchte, u"Relative Luftfeuchtigkeit:", 3},
    {Kleidung, u"Bekleidung:", 4},
    {Energieumsatz, u"Aktivität - Energieumsatz:", 5},
    {-1, u"Aktivität - Wirksame mechanische Leistung:", 6},
    {-1, u"Aktivität - Relative Geschwindigkeit in ruhender Luft:", 7},
};

}  // namespace

bool istGroesse(int k) { return k >= 0 && k < kAnzahlGroessen; }

const Groesseninfo& info(int k) { return kGroessen[std::size_t(istGroesse(k) ? k : 0)]; }

std::optional<int> groesseAusKurzname(std::string_view name)
{
    for (int k = 0; k < kAnzahlGroessen; ++k)
        if (name == kGroessen[std::size_t(k)].kurzname)
            return k;
    return std::nullopt;
}

std::span<const float> bezugswerte(int k)
{
    switch (k) {
    case Lufttemperatur:
    case Strahlungstemperatur: return kTemperaturen;
    case Luftgeschwindigkeit: return kLuftgeschwindigkeit;
    case Luftfeuchte: return kFeuchte;
    case Energieumsatz: return kEnergieumsatz;
    default: return {};
    }
}

void setzeGroesse(PmvEingabe& e, int k, float v, float v_rel)
{
    switch (k) {
    case Lufttemperatur: e.ta = v; break;
    case Strahlungstemperatur: e.tr = v; break;
    case Luftgeschwindigkeit: e.var = float(std::fabs(double(v_rel) + double(v))); break;
    case Luftfeuchte: e.phi = v; break;
    case Energieumsatz: e.M = v; break;
    case Kleidung:
        e.Icl = v;
        e.fcl = Kleidungsflaechenfaktor(v);
        break;
    default: break;
    }
}

const Band& band(int i) { return kBaender[std::size_t(i)]; }

std::optional<int> bandVon(float pmv)
{
    // The legend runs from hot at the top to cold at the bottom.
    if (const std::optional<int> b = Empfindungsband(pmv))
        return kAnzahlBaender - 1 - *b;
    return std::nullopt;
}

Werttexte werttexteAus(const Raumklima& k, bool tsGleichTi)
{
    Werttexte texte;
    for (const Eingabeart& art : kEingabearten)
        texte[std::size_t(art.eingabe)] = werttext(art.eingabe, wert(k, art.eingabe));
    if (tsGleichTi)
        texte[std::size_t(Eingabe::Ts)] = werttext(Eingabe::Ts, k.Ti);
    return texte;
}

Festwerte festwerte(int xGroesse, int yGroesse, const Werttexte& werte)
{
    Festwerte zeilen;
    std::size_t zeile = 0;
    for (const Festzeile& f : kFestzeilen) {
        if (f.groesse >= 0 && (f.groesse == xGroesse || f.groesse == yGroesse))
            continue;
        if (zeile < zeilen.size())
            zeilen[zeile++] = {QString::fromUtf16(f.name), werte[std::size_t(f.werttext)]};
    }
    return zeilen;
}

}  // namespace diagram
