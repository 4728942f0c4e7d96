// SPDX-License-Identifier: GPL-3.0-or-later
// The two ranges of a diagram and their check: the four typed fields are read, corrected
// where they leave the permitted range, and written back in their shortest form.
#pragma once

#include <QString>

#include <array>
#include <functional>

namespace diagram {

struct Bereich {
    float Xmin = -15.0f;
    float Xmax = 50.0f;
    float Ymin = -15.0f;
    float Ymax = 50.0f;
};

// The four range fields Xmin, Xmax, Ymin, Ymax as the user typed them.
using Bereichsfelder = std::array<QString, 4>;

// A number as the range fields and the scale labels show it: shortest form with at most
// 7 significant digits, decimal comma, no grouping ("-15", "2,5", "1E-07").
QString bereichsText(float wert);

// A typed field: its leading number, comma or point; no number reads as 0.
float bereichsWert(const QString& feld);

// Reads the four fields without any check (as the axes are drawn after a choice).
Bereich bereichLesen(const Bereichsfelder& felder);

// Checks the fields against the permitted range of the x quantity (0..5) and the y
// quantity (0..5). `bereich` holds the values stored before the call (the minimum is
// compared with the old maximum) and receives the corrected ones; `felder` receives
// the corrected texts. Each message goes to `melden` at the moment it arises, after the
// fields before it have been written.
void bereichPruefen(Bereich& bereich, Bereichsfelder& felder, int xGroesse, int yGroesse,
                    const std::function<void(const QString&)>& melden);

// The hint when a maximum is 0 (or not a number): that axis has no scale and the grid stays
// empty. Empty otherwise; a negative maximum draws its mirrored, empty grid without a word.
QString hinweisNichtPositiv(const Bereich& bereich);

}  // namespace diagram
