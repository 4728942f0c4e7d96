// SPDX-License-Identifier: GPL-3.0-or-later
// The long-term proof of a year of hourly values: only the occupied hours are judged, by the
// PMV categories (ISO 7730 Annex A, DIN EN 16798-1), the PPD-weighted hours (ISO 7730 Annex H
// method C), the overheating degree-hours of DIN 4108-2, the adaptive model of DIN EN 16798-1
// and the thresholds of ASR A3.5. A value computed from the kept hours and the settings alone,
// so a changed setting recomputes at once.
#pragma once

#include "monate.h"
#include "nachweiseinstellungen.h"
#include "stundenwerte.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace evaluation {

// |PMV| strictly below these for categories I to IV; the PPD limits of method C for I to III.
inline constexpr std::array<float, 4> kPmvGrenzen{0.2f, 0.5f, 0.7f, 1.0f};
inline constexpr std::array<double, 3> kPpdGrenzen{6.0, 10.0, 15.0};

// Class of an hour by |PMV| (strict "<": I < 0.2, II < 0.5, III < 0.7, IV < 1.0).
enum class Pmvklasse : int8_t { I, II, III, IV, Warm, Kalt, Fehler };
// Class of an hour by the adaptive model; NichtAnwendbar without θ_rm or outside 10 … 30 °C.
enum class Adaptivklasse : int8_t { I, II, III, ZuWarm, ZuKalt, NichtAnwendbar };

// What one hour of the year shows in the pictures.
struct Nachweisstunde {
    bool vorhanden = false;     // a data line for this hour
    bool belegt = false;        // occupied by the calendar (also without a data line)
    float to = kKeinWert;       // operative temperature, °C
    float thetaRm = kKeinWert;  // running mean outdoor temperature of the hour's day; NaN if unknown
    Pmvklasse pmv = Pmvklasse::Fehler;
    Adaptivklasse adaptiv = Adaptivklasse::NichtAnwendbar;
};

// The counts of one month or the year; the class counts are of occupied hours and exclusive.
struct Nachweiszaehlung {
    int64_t nutzungsstunden = 0;   // occupied hours with a data line
    std::array<int64_t, 4> pmv{};  // I, II without I, III, IV
    int64_t pmvWarm = 0;           // outside IV, PMV > 0
    int64_t pmvKalt = 0;           // outside IV, PMV < 0
    int64_t pmvFehler = 0;         // computation failed: in no PMV class
    double ppdWarm = 0.0;          // PPD-weighted hours above the design category's limit
    double ppdKalt = 0.0;
    double gradstunden = 0.0;          // Σ max(0, t_o − θ_ref), Kh
    std::array<int64_t, 3> adaptiv{};  // I, II without I, III
    int64_t adaptivZuWarm = 0;
    int64_t adaptivZuKalt = 0;
    int64_t adaptivNichtAnwendbar = 0;
    int64_t ueber26 = 0;  // t_a > 26 °C
    int64_t ueber30 = 0;
    int64_t ueber35 = 0;
    int64_t unterMindestwert = 0;  // t_a < the ASR minimum
};

// One verdict as the window shows it (green, red or plain) and stdout prints it.
struct Urteil {
    enum class Art { Erfuellt, NichtErfuellt, Hinweis };
    Art art = Art::Hinweis;
    QString text;
};

struct Nachweis {
    std::array<Nachweiszaehlung, batch::kAnzahlMonate> monate{};
    Nachweiszaehlung jahr;
    std::vector<Nachweisstunde> stunden;  // 8784, index h − 1

    // The data.
    int tageImJahr = 365;
    int64_t beurteilteStunden = 0;  // hours of the year with a data line
    int64_t fehlendeStunden = 0;    // hours 1 … 365·24 (366·24) without one
    int64_t ausserhalb = 0;         // lines with an hour outside 1 to 8784
    int64_t wiederholt = 0;         // lines whose hour came again
    bool vollstaendig = false;      // at least 8760 hours judged, none missing
    // The adaptive model: computed only with a Ta_außen column; otherwise `adaptivFehlt` says why.
    bool mitAdaptiv = false;
    QString adaptivFehlt;
    bool zyklisch = false;         // every day had its outdoor mean: the running mean wraps the year
    int tageOhneAussenmittel = 0;  // days of the year lacking an hour with outdoor temperature

    // The verdicts. A category 0 means none holds; categories count I = 1 … IV = 4.
    bool dinErfuellt = false;
    int pmvKategorie = 0;
    int adaptivKategorie = 0;
    std::vector<Urteil> urteile;  // in order: data, DIN 4108-2, PMV, adaptive, ASR A3.5
};

// Operative temperature by ISO 7730 Annex G: A·t_a + (1 − A)·t_r, A = 0.5, 0.6, 0.7 by air velocity.
double OperativeTemperatur(double ta, double tr, double v);

// The daily means θ_ed of the outdoor temperature, day 0 = 1 January; NaN for a day that lacks
// an hour. The running means θ_rm from the seven days before each day, weights 1, 0.8, … 0.2
// over 3.8; cyclic: the days before 1 January are the last days of the year. NaN where a day
// of the seven is missing.
std::vector<double> Tagesmittel(const Stundenwerte& stunden, int tage);
std::vector<double> GleitendeMittel(const std::vector<double>& tagesmittel, bool zyklisch);

// The class of an hour in the adaptive model (DIN EN 16798-1) from its operative temperature,
// the running mean of its day and its air velocity.
Adaptivklasse AdaptiveKlasse(double to, double thetaRm, double v);

Nachweis NachweisBerechnen(const Stundenwerte& stunden, const Nachweiseinstellungen& einstellungen);

// The verdicts, one line each, as tempara-cli prints them.
QString UrteileText(const Nachweis& nachweis);

}  // namespace evaluation
