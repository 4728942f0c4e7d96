// SPDX-License-Identifier: GPL-3.0-or-later
// What the batch run hands on for every data line it evaluates: the values it fed to the
// model, unrounded, and what the model computed. The annual evaluation counts and keeps them;
// the run itself knows nothing of what is done with them.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>

namespace batch {

struct Stundenwert {
    int64_t zeile = 0;                                         // the data line's number in the file, from 1
    float stunde = std::numeric_limits<float>::quiet_NaN();    // hour column as read; NaN without one
    float ta = 0.0f;                                           // air temperature, °C
    float tr = 0.0f;                                           // mean radiant temperature, °C
    float var = 0.0f;                                          // air velocity, m/s
    float phi = 0.0f;                                          // relative humidity, %
    float taAussen = std::numeric_limits<float>::quiet_NaN();  // outdoor air, °C; NaN without a column
    float M = 0.0f;                                            // activity, met
    float Icl = 0.0f;                                          // clothing, clo
    bool gerechnet = false;  // false: the computation failed and PMV, PPD are the held values
    float pmv = 0.0f;        // as computed (written rounded to one decimal)
    float ppd = 0.0f;
};

// Receives the data lines in file order.
using Stundenempfaenger = std::function<void(const Stundenwert&)>;

}  // namespace batch
