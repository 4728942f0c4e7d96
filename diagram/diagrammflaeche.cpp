// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrammflaeche.h"

#include <QPainter>

namespace diagram {

DiagrammFlaeche::DiagrammFlaeche(const QImage& bild, QWidget* parent) : QWidget(parent), m_bild(bild)
{
    setObjectName(QStringLiteral("diagramm"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DiagrammFlaeche::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.drawImage(QRect(QPoint(0, 0), size()), m_bild);
}

}  // namespace diagram
