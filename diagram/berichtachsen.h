// SPDX-License-Identifier: GPL-3.0-or-later
// The axes of the diagram for reports: either the window's scale (from −30 % of the maximum
// to the maximum, in tenths of it) or a range fitted to the computed grid, without the
// physically meaningless negatives of activity, clothing, air speed and humidity, and
// rounded outwards to a tidy step.
#pragma once

#include "bereich.h"
#include "raster.h"

#include <QString>

#include <vector>

namespace diagram {

enum class Bereichsart { Fenster, Anpassen };

struct Achsbereich {
    double von = 0;
    double bis = 1;
    double schritt = 0.1;  // ticks at the multiples of schritt from von (itself one) up to bis
    // The tick values, computed one by one (no sum of steps).
    std::vector<double> marken() const;
};

// A step of 1, 2, 2.5 or 5 times a power of ten that divides `spanne` into at most `teile` parts.
double glatterSchritt(double spanne, int teile);

// The x axis (`xAchse` true) or y axis of the report for a run: `bereich` as checked for the
// run, `raster` its grid.
Achsbereich berichtsachse(Bereichsart art, bool xAchse, const Bereich& bereich, const Rasterwerte& raster);

// A tick value as the report writes it: shortest form, decimal comma, a real minus sign.
QString markenText(double wert);

}  // namespace diagram
