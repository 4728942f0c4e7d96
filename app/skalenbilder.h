// SPDX-License-Identifier: GPL-3.0-or-later
// The two gauge pictures of the result display, drawn from their colour ramps.
#pragma once

#include <QImage>

namespace app {

// 301 × 36 pixels: a black-framed ramp in rows 0 to 29, tick marks below on the panel colour.
QImage pmvSkala();  // dark blue - white - dark red, ticks for PMV −3 … +3
QImage ppdSkala();  // green - yellow - red - dark red, ticks for PPD 0 … 100 %

}  // namespace app
