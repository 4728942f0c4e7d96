// SPDX-License-Identifier: GPL-3.0-or-later
// The settings of the long-term proof: occupancy, calendar, climate region, building type,
// design category, tolerance and the ASR minimum. Each setting has one text form, used alike
// by tempara-cli's options, QSettings and the proof's table; reading a text that is not one of
// the accepted forms gives a German message that names them.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

class QSettings;

namespace evaluation {

inline constexpr int kWochentage = 7;  // Montag = 0 … Sonntag = 6

// Which hours of the week a room is occupied: days and the hours of the day from `von` to
// `bis`, that is the hours beginning at von:00 … (bis − 1):00.
struct Nutzung {
    enum class Art { Buero, Wohnen, Eigene };
    Art art = Art::Buero;
    std::array<bool, kWochentage> tage{true, true, true, true, true, false, false};
    int von = 7;
    int bis = 18;

    bool belegt(int wochentag, int stundeDesTages) const
    {
        return tage[std::size_t(wochentag)] && stundeDesTages >= von && stundeDesTages < bis;
    }
};

enum class Gebaeudeart { Wohngebaeude, Nichtwohngebaeude };

struct Nachweiseinstellungen {
    Nutzung nutzung;
    int ersterWochentag = 0;              // weekday of 1 January, 0 = Montag
    int klimaregion = 1;                  // sommer-klimaregion A, B, C as 0, 1, 2
    std::optional<Gebaeudeart> gebaeude;  // empty: from the occupancy (wohnen → Wohngebäude)
    int kategorie = 2;                    // design category I, II, III as 1, 2, 3 (PPD-weighted hours)
    int toleranz = 5;                     // % of the occupied hours a category may miss: 3 or 5
    double asrMindestwert = 20.0;         // °C, air temperature below which an hour counts
    // For the report's head; not part of the computation.
    QString projekt;
    QString raum;
    QString bearbeiter;

    Gebaeudeart wirksameGebaeudeart() const;
    double bezugstemperatur() const;   // 25, 26, 27 °C for A, B, C
    double gradstundengrenze() const;  // 1200 Kh/a residential, 500 Kh/a non-residential
};

// Reading: true and the value, or false and `fehler` (German, naming the accepted forms).
// Text: the form the reading accepts and the table writes.
bool NutzungLesen(QStringView text, Nutzung& nutzung, QString* fehler = nullptr);  // buero, wohnen, "Mo-Sa 6-22"
QString NutzungText(const Nutzung& nutzung);
QString NutzungBeschreibung(const Nutzung& nutzung);  // "Montag bis Freitag, 7 bis 18 Uhr"

bool WochentagLesen(QStringView text, int& wochentag, QString* fehler = nullptr);  // Mo … So, Montag … Sonntag
QString WochentagKurz(int wochentag);                                              // "Mo"
QString WochentagName(int wochentag);                                              // "Montag"

bool KlimaregionLesen(QStringView text, int& region, QString* fehler = nullptr);  // A, B, C
QString KlimaregionText(int region);

bool GebaeudeLesen(QStringView text, Gebaeudeart& art, QString* fehler = nullptr);  // wohnen, nichtwohnen
QString GebaeudeText(Gebaeudeart art);                                              // "wohnen"
QString GebaeudeName(Gebaeudeart art);                                              // "Wohngebäude"

bool KategorieLesen(QStringView text, int& kategorie, QString* fehler = nullptr);  // I, II, III
QString KategorieText(int kategorie);                                              // "II"; 4 gives "IV"

bool ToleranzLesen(QStringView text, int& prozent, QString* fehler = nullptr);  // 3, 5 (also "5 %")
QString ToleranzText(int prozent);                                              // "5 %"

bool AsrMindestwertLesen(QStringView text, double& grad, QString* fehler = nullptr);  // a temperature in °C
QString AsrMindestwertText(double grad);                                              // "20,0 °C"

// Remembered between sessions under the group "Nachweis"; values that no longer read keep
// their defaults.
void NachweiseinstellungenSpeichern(QSettings& speicher, const Nachweiseinstellungen& einstellungen);
Nachweiseinstellungen NachweiseinstellungenLaden(QSettings& speicher);

}  // namespace evaluation
