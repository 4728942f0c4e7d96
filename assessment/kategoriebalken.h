// SPDX-License-Identifier: GPL-3.0-or-later
// A bar of one criterion: the ranges of A, B and C in their colours up to the limit of C and a
// little beyond, with a mark at the value. For PMV the bar shows |PMV|.
#pragma once

#include "bewertung.h"

#include <QWidget>

#include <optional>

class QPainter;

namespace assessment {

// The bar into `flaeche` of any painter: the window's widget and the report draw the same. No
// value draws it pale without a mark; the mark runs `ueberstand` above and below the bar.
void zeichneKategoriebalken(QPainter& maler, const QRectF& flaeche, model::bewertung::Kriterium kriterium,
                            std::optional<double> wert, const QColor& rahmen, double ueberstand, double strich);

class Kategoriebalken : public QWidget {
    Q_OBJECT

public:
    explicit Kategoriebalken(model::bewertung::Kriterium kriterium, QWidget* eltern = nullptr);

    // No value: the criterion is not assessed, the bar is drawn pale without a mark.
    void setzeWert(std::optional<double> wert);
    std::optional<double> wert() const { return m_wert; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    model::bewertung::Kriterium m_kriterium;
    std::optional<double> m_wert;
};

}  // namespace assessment
