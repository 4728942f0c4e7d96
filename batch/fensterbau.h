// SPDX-License-Identifier: GPL-3.0-or-later
// What the paged batch windows add to the window-building helpers: the client size from the
// window size, and the frames parked below the visible area.
#pragma once

#include "bauhilfen.h"

#include <QPalette>
#include <QString>
#include <QWidget>

namespace batch {

// The sizes given for a window include its caption and border; the client area is smaller.
inline constexpr int kRahmenBreiteTwips = 120;
inline constexpr int kRahmenHoeheTwips = 480;

inline QSize innenGroesse(int breiteTwips, int hoeheTwips)
{
    return gui::twipsGroesse(breiteTwips - kRahmenBreiteTwips, hoeheTwips - kRahmenHoeheTwips);
}

// The frame tops of the paged windows: the shown frame stands at 4320, the others at 7000,
// below the visible area.
inline constexpr int kRahmenSichtbar = 4320;
inline constexpr int kRahmenVersteckt = 7000;

inline void rahmenNach(QWidget* rahmen, int obenTwips) { rahmen->move(rahmen->x(), gui::px(obenTwips)); }

}  // namespace batch
