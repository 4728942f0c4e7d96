// SPDX-License-Identifier: GPL-3.0-or-later
// Building windows from twips tables: every control gets its objectName (control arrays as
// "Name(i)") and its geometry in twips; colours and bold titles are set the same way everywhere.
#pragma once

#include "twips.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QStringView>
#include <QWidget>

namespace gui {

// Places a control by its geometry in twips.
inline void setzeTwips(QWidget* steuerelement, const QRect& twips)
{
    steuerelement->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

// A control with its objectName at a twips rectangle.
template <typename T>
T* erzeuge(QWidget* eltern, const QString& name, const QRect& twips)
{
    auto* w = new T(eltern);
    w->setObjectName(name);
    setzeTwips(w, twips);
    return w;
}

template <typename T>
T* erzeuge(QWidget* eltern, const QString& name, int links, int oben, int breite, int hoehe)
{
    return erzeuge<T>(eltern, name, QRect(links, oben, breite, hoehe));
}

// The objectName of a control-array member: "Name(i)".
inline QString feldname(QStringView name, int index)
{
    return name.toString() + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}
inline QString feldname(const char* name, int index) { return feldname(QString::fromUtf8(name), index); }

// A filled background in its own colour.
inline void hintergrund(QWidget* w, const QColor& farbe)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, farbe);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

inline void textfarbe(QWidget* w, const QColor& farbe)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, farbe);
    w->setPalette(palette);
}

// The control's own font, bold.
inline void fett(QWidget* w)
{
    QFont schrift = w->font();
    schrift.setBold(true);
    w->setFont(schrift);
}

}  // namespace gui
