// SPDX-License-Identifier: GPL-3.0-or-later
// A picture in a window, painted at the window's own size so that its texts keep their pixel
// sizes and stay readable however large the window is. Below `mindestens` the picture is laid
// out at that size and scaled down as a whole.
#pragma once

#include <QSize>
#include <QWidget>

#include <functional>

namespace evaluation {

class Bildflaeche : public QWidget {
public:
    using Maler = std::function<void(QPainter& maler, QSize groesse)>;
    Bildflaeche(QSize mindestens, Maler malen, QWidget* eltern = nullptr);

    // The size the picture is laid out at for the widget's present size.
    QSize bildgroesse() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    double massstab() const;

    const QSize m_mindestens;
    const Maler m_malen;
};

}  // namespace evaluation
