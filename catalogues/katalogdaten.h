// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed tables of the three catalogues: typical activities, typical clothing ensembles
// and the single garments of the estimator, each with the values it hands to Raumklima.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>

namespace catalogues {

// One row of the activity table. met is only shown, never written anywhere.
struct Aktivitaetszeile {
    QString Taetigkeit;
    int16_t W_m2;    // metabolic rate, W/m²
    float met;       // the same in met, one decimal, as tabled (not computed)
    int16_t P_mech;  // effective mechanical power, % of the metabolic rate
    float v_rel;     // relative velocity the activity causes, m/s
};

// One typical clothing ensemble. The resistance is only shown and is tabled, not computed.
struct Ensemblezeile {
    QString Text;
    float Clo;   // insulation, clo; this value is taken over
    float m2KW;  // thermal resistance, (m² K)/W
};

// One single garment of the estimator. Ebene picks its picture and its drawing order.
struct Kleidungsstueck {
    QString Name;
    float Clo;
    int16_t Ebene;
};

inline constexpr int kAktivitaeten = 20;
inline constexpr int kEnsembles = 8;
inline constexpr int kKleidungMann = 22;
inline constexpr int kKleidungFrau = 23;

std::span<const Aktivitaetszeile, kAktivitaeten> Aktivitaetstabelle();
std::span<const Ensemblezeile, kEnsembles> Arbeitsbekleidung();
std::span<const Ensemblezeile, kEnsembles> Taeglichebekleidung();
std::span<const Kleidungsstueck, kKleidungMann> KleidungMann();
std::span<const Kleidungsstueck, kKleidungFrau> KleidungFrau();

// Catalogue cells are fixed German table texts: always a decimal comma ("0,7", "1,10").
QString tabellenzahl(double wert, int stellen);

}  // namespace catalogues
