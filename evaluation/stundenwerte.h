// SPDX-License-Identifier: GPL-3.0-or-later
// The hours of the year as the last batch run computed them, kept so that the long-term proof
// can be recomputed for other settings without running the file again. Every hour slot holds
// the last data line for it (as the carpet plot does); lines for hours outside the year and
// repeated hours are only counted. The memory is that of one leap year, however long the file.
#pragma once

#include "monate.h"
#include "rechenverfahren.h"
#include "stundenwert.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <limits>
#include <vector>

namespace batch {
struct Stapeleinstellungen;
}

namespace evaluation {

inline constexpr float kKeinWert = std::numeric_limits<float>::quiet_NaN();

// One hour of the year: the values the run fed to the model, unrounded, and what it computed.
struct Stunde {
    bool vorhanden = false;      // false: no data line for this hour
    bool gerechnet = false;      // false: the computation failed; pmv and ppd are the held values
    float ta = 0.0f;             // air temperature, °C
    float tr = 0.0f;             // mean radiant temperature, °C
    float var = 0.0f;            // air velocity, m/s
    float phi = 0.0f;            // relative humidity, %
    float taAussen = kKeinWert;  // outdoor air temperature, °C; NaN without a value
    float M = 0.0f;              // activity, W/m²
    float Icl = 0.0f;            // clothing, clo
    float pmv = 0.0f;
    float ppd = 0.0f;
};

// A setting of the run in words, for the proof's table and report ("Aktivität", "70 W/m²").
struct Vorgabe {
    QString name;
    QString wert;
};

struct Stundenwerte {
    // Index h − 1 for hour h = 1 … 8784 of the year (1 = 1 January 0:00 to 1:00).
    std::vector<Stunde> stunden = std::vector<Stunde>(std::size_t(batch::kSchaltjahresstunden));
    bool hatStundenspalte = false;  // hours from the hour column; else from the line numbers
    bool hatAussenspalte = false;   // a column Ta_außen was assigned
    int64_t datenzeilen = 0;        // data lines the run evaluated
    int64_t ausserhalb = 0;         // of them: hour outside 1 to 8784, not judged
    int64_t wiederholt = 0;         // of them: an hour that came again; the last line counts
    QString datendatei;             // the data file as the user named it
    QByteArray sha256;              // of the data that were read, hex; empty when unknown
    model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch;
    QString rechenverfahren = QString::fromUtf8(model::Verfahrensname(verfahren));  // its name, as pages show it
    std::vector<Vorgabe> laufvorgaben;  // activity, clothing, constants of the run, in words

    // Takes one data line of the run, in file order.
    void aufnehmen(const batch::Stundenwert& wert);

    // Hours of the year present (1 to 8784).
    int64_t vorhandeneStunden() const;
    // 366 when a line lies on the extra day of a leap year (hours 8761 to 8784), else 365.
    int tageImJahr() const;
};

// Empty hour slots for a run with these settings; the run's settings in words.
Stundenwerte StundenwerteFuer(const batch::Stapeleinstellungen& einstellungen, const QString& datendatei);

}  // namespace evaluation
