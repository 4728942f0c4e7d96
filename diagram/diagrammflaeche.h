// SPDX-License-Identifier: GPL-3.0-or-later
// The picture control `diagramm`: shows the persistent image of the drawing; the axis
// titles and scale labels lie on it as child labels.
#pragma once

#include <QImage>
#include <QWidget>

namespace diagram {

class DiagrammFlaeche : public QWidget {
    Q_OBJECT

public:
    DiagrammFlaeche(const QImage& bild, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    const QImage& m_bild;
};

}  // namespace diagram
