// SPDX-License-Identifier: GPL-3.0-or-later
// The three records of one evaluation: what the user set, what the computation reads, what it gives.
#pragma once

#include <cstdint>

namespace model {

// The eight inputs as the main window holds them. Physical values are float32, counts int16.
struct Raumklima {
    float Ti = 0;      // air temperature, °C
    float Ts = 0;      // mean radiant temperature, °C
    float v_Luft = 0;  // air velocity, m/s
    int16_t phi = 0;   // relative humidity, %
    int16_t M = 0;     // metabolic rate, W/m² (never met)
    int16_t W = 0;     // mechanical efficiency, % of M (not a power)
    float v_rel = 0;   // speed of the body through still air caused by the activity, m/s
    float Icl = 0;     // clothing insulation, clo
};

// The prepared inputs of one evaluation, all float32.
struct PmvEingabe {
    float ta = 0;   // air temperature, °C
    float tr = 0;   // mean radiant temperature, °C
    float var = 0;  // air speed for forced convection, m/s, never negative
    float phi = 0;  // relative humidity, %
    float M = 0;    // metabolic rate, W/m²
    float eta = 0;  // mechanical efficiency, fraction 0..1
    float Icl = 0;  // clothing insulation, clo
    float fcl = 0;  // clothing area factor, clothed / nude surface
};

// The result of the last evaluation. Only PMV and PPD are read outside the model.
struct PmvErgebnis {
    float PMV = 0;        // predicted mean vote; the classic method clips it to -3..+3, ISO 7730 does not
    float PPD = 0;        // predicted percentage of dissatisfied, %
    float tcl = 0;        // clothing surface temperature, °C
    float hc = 0;         // convective heat transfer coefficient used, W/(m²·K)
    float pa = 0;         // water vapour partial pressure, Pa
    float psat = 0;       // saturation vapour pressure at ta, Pa
    int durchlaeufe = 0;  // Newton passes the clothing surface temperature took
    float PMVroh = 0;     // the vote before any clipping: where a line of constant PMV near ±3 runs
};

// The defaults every run starts from (and "Neu" returns to).
constexpr Raumklima standardRaumklima() { return Raumklima{20.0f, 20.0f, 0.0f, 60, 70, 0, 0.0f, 1.0f}; }

}  // namespace model
