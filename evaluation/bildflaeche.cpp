// SPDX-License-Identifier: GPL-3.0-or-later
#include "bildflaeche.h"

#include <QPainter>

#include <algorithm>

namespace evaluation {

Bildflaeche::Bildflaeche(QSize mindestens, Maler malen, QWidget* eltern)
    : QWidget(eltern), m_mindestens(mindestens), m_malen(std::move(malen))
{
    setMinimumSize(mindestens / 3);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

double Bildflaeche::massstab() const
{
    return std::min({1.0, double(width()) / m_mindestens.width(), double(height()) / m_mindestens.height()});
}

QSize Bildflaeche::bildgroesse() const { return (QSizeF(size()) / massstab()).toSize(); }

void Bildflaeche::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.scale(massstab(), massstab());
    m_malen(maler, bildgroesse());
}

}  // namespace evaluation
