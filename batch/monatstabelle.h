// SPDX-License-Identifier: GPL-3.0-or-later
// The month table of the behaviour window: first day and first hour of every month of a year
// without leap day (monate.h), to count the data lines of hourly files.
#pragma once

#include "monate.h"

#include <QFont>
#include <QRect>
#include <QWidget>

#include <array>

namespace batch {

// Draws the table: a heading line "Monat", "1. Tag", "1. Stunde", then the twelve months.
class Monatstabelle : public QWidget {
    Q_OBJECT
public:
    explicit Monatstabelle(QWidget* eltern = nullptr);

    // The three text cells of line `zeile` (0 is the heading): month, first day, first hour.
    // The number columns are as wide as their bold headings, the month names get the rest.
    std::array<QRect, 3> zellen(int zeile) const;
    QFont kopfschrift() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};

}  // namespace batch
