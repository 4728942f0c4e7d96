// SPDX-License-Identifier: GPL-3.0-or-later
// Window geometry is laid out in twips (1/1440 inch); 15 twips make one screen pixel.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace gui {

inline constexpr int kTwipsJePixel = 15;

// Twips to pixels, rounded to the nearest pixel (halves away from zero).
constexpr int px(double twips)
{
    const double p = twips / kTwipsJePixel;
    return int(p < 0 ? p - 0.5 : p + 0.5);
}

constexpr QRect twipsRect(double links, double oben, double breite, double hoehe)
{
    return QRect(px(links), px(oben), px(breite), px(hoehe));
}

constexpr QPoint twipsPunkt(double links, double oben) { return QPoint(px(links), px(oben)); }
constexpr QSize twipsGroesse(double breite, double hoehe) { return QSize(px(breite), px(hoehe)); }

}  // namespace gui
