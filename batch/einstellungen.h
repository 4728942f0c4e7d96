// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a batch run needs to know, as values: the column codes, the constants, and the
// activity and clothing of the whole file or of four consecutive ranges of data lines.
#pragma once

#include "zeilen.h"

#include "raumklima.h"
#include "rechenverfahren.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

namespace batch {

enum class Nutzungsart : int16_t { Jahreszeitunabhaengig = 0, Jahreszeitabhaengig = 1 };

inline constexpr int kBereiche = 4;  // ranges A to D

// One range of data lines ("A" to "D"). The length is kept as the user typed it: the header
// of the result file lists it so, and the run reads it as a number.
struct Bereich {
    QString laenge = QStringLiteral("0");
    int16_t aktivitaet = 70;  // metabolic rate, W/m²
    float bekleidung = 1.0f;  // clothing insulation, clo
    QString aktivitaetText;   // "70 W/m²" as the window shows it
    QString bekleidungText;   // "1,00 clo"
};

// "70 W/m²" and "1,00 clo": the texts of the behaviour window, with the given separator.
QString AktivitaetText(int wm2);
QString BekleidungText(double clo, QChar trenner);

// A range with its texts made from its values.
Bereich BereichAus(const QString& laenge, int aktivitaet, float bekleidung, QChar trenner);

struct Stapeleinstellungen {
    Spaltenzuordnung zuordnung{};
    // The constants of Raumklima for the quantities without a column.
    float Ti = 20.0f;
    float Ts = 20.0f;
    float v_Luft = 0.0f;
    int16_t phi = 60;
    Nutzungsart nutzungsart = Nutzungsart::Jahreszeitunabhaengig;
    // Season-independent: index 0 holds the one activity and clothing of the whole file.
    std::array<Bereich, kBereiche> bereiche{};
    QChar dezimaltrenner = u'.';
    // Written for a line whose computation fails before any line succeeded.
    float gehaltenPMV = 0.0f;
    float gehaltenPPD = 0.0f;
    // How PMV and PPD are computed; the window takes the program's choice, the CLI --verfahren.
    model::Rechenverfahren verfahren = model::Rechenverfahren::Klassisch;

    bool hatSpalte(int code) const;
};

}  // namespace batch
