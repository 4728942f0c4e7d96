// Small helpers to build the batch windows from twips tables: every control gets its
// objectName (arrays as "Name(i)") and its geometry in twips.
#pragma once

#include "twips.h"

#include <QPalette>
#include <QString>
#include <QWidget>

namespace stapel {

// The sizes given for a window include its caption and border; the client area is smaller.
inline constexpr int kRahmenBreiteTwips = 120;
inline constexpr int kRahmenHoeheTwips = 480;

inline QSize innenGroesse(int breiteTwips, int hoeheTwips)
{
    return twipsGroesse(breiteTwips - kRahmenBreiteTwips, hoeheTwips - kRahmenHoeheTwips);
}

inline QString feldname(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template <typename T>
T* erzeuge(QWidget* eltern, const QString& name, int links, int oben, int breite, int hoehe)
{
    auto* w = new T(eltern);
    w->setObjectName(name);
    w->setGeometry(twipsRect(links, oben, breite, hoehe));
    return w;
}

inline void textfarbe(QWidget* w, const QColor& farbe)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, farbe);
    w->setPalette(palette);
}

// The frame tops of the paged windows: the shown frame stands at 4320, the others at 7000,
// below the visible area.
inline constexpr int kRahmenSichtbar = 4320;
inline constexpr int kRahmenVersteckt = 7000;

inline void rahmenNach(QWidget* rahmen, int obenTwips)
{
    rahmen->move(rahmen->x(), px(obenTwips));
}

}  // namespace stapel
