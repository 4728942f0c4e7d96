// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrammflaeche.h"

#include <QPainter>

namespace diagram {

DiagrammFlaeche::DiagrammFlaeche(const QImage& bild, QWidget* parent) : QWidget(parent), m_bild(bild)
{
    setObjectName(QStringLiteral("diagramm"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DiagrammFlaeche::linienSetzen(std::vector<QPolygonF> linien)
{
    m_linien = std::move(linien);
    update();
}

void DiagrammFlaeche::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.drawImage(QRect(QPoint(0, 0), size()), m_bild);
    if (m_linien.empty())
        return;
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF& linie : m_linien)
        maler.drawPolyline(linie);
}

}  // namespace diagram
