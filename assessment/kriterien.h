// SPDX-License-Identifier: GPL-3.0-or-later
// The German texts and colours of the ISO 7730 assessment, shared by the window and its report.
#pragma once

#include "bewertung.h"

#include <QColor>
#include <QString>

namespace assessment {

struct Kriteriumstext {
    QString name;     // "Zugluftrisiko DR"
    QString kurz;     // "DR", "PD Fußboden"
    QString eingabe;  // the local input's symbol and unit, "Δt_a,v in K"; empty for PMV, PPD and DR
    QString einheit;  // of the input: " K", " °C"
    QString bereich;  // the range of validity, "gültig für ..."
};
const Kriteriumstext& text(model::bewertung::Kriterium kriterium);

// "A", "B", "C" or "–".
QString kategorieText(model::bewertung::Kategorie kategorie);
QColor kategorieFarbe(model::bewertung::Kategorie kategorie);

// The value as shown: PMV with three decimals, the rest as a percentage with two.
QString wertText(model::bewertung::Kriterium kriterium, double wert);

}  // namespace assessment
