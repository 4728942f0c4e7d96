// SPDX-License-Identifier: GPL-3.0-or-later
// Where the values of a diagram lie in its drawing area (5700 × 4500 twips, origin top-left,
// y downwards): 0 at (kX0, kY0), the maximum of each quantity at the end of its axis.
#pragma once

#include "bereich.h"

namespace diagram {

// 15 twips make one pixel (twips.h): 96 dpi, 3780 dots per metre in the image header.
inline constexpr int kDotsJeMeter = 3780;

inline constexpr float kFlaecheBreite = 5700.0f;
inline constexpr float kFlaecheHoehe = 4500.0f;
inline constexpr float kX0 = 1400.0f;
inline constexpr float kY0 = kFlaecheHoehe - 1200.0f;
inline constexpr float kXAchsenende = 5500.0f;
inline constexpr float kYAchsenende = 4300.0f;
// The drawing area in pixels.
inline constexpr int kFlaecheBreitePx = 380;
inline constexpr int kFlaecheHoehePx = 300;

struct Geometrie {
    float kx = 0;  // twips per unit of the x quantity
    float ky = 0;
    float Xschritt = 0;  // grid steps
    float Yschritt = 0;
    // A maximum of 0 (or a non-finite one) leaves an axis without scale.
    bool xMassstab() const;
    bool yMassstab() const;
};
Geometrie geometrieAus(const Bereich& bereich);

}  // namespace diagram
