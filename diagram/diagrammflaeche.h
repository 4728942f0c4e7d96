// SPDX-License-Identifier: GPL-3.0-or-later
// The picture control `diagramm`: shows the persistent image of the drawing; the axis
// titles and scale labels lie on it as child labels. The neutral line, when shown, is drawn
// over the image on screen only, so that the saved bitmap stays as it is.
#pragma once

#include <QImage>
#include <QPolygonF>
#include <QWidget>

#include <vector>

namespace diagram {

class DiagrammFlaeche : public QWidget {
    Q_OBJECT

public:
    DiagrammFlaeche(const QImage& bild, QWidget* parent);

    // Lines in pixels of the drawing area; none to hide them.
    void linienSetzen(std::vector<QPolygonF> linien);
    const std::vector<QPolygonF>& linien() const { return m_linien; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    const QImage& m_bild;
    std::vector<QPolygonF> m_linien;
};

}  // namespace diagram
