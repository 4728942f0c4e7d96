// The month table of the behaviour window: first day and first hour of every month of a year
// without leap day, to count the data lines of hourly files.
#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

#include <array>

namespace stapel {

struct Monat {
    const char16_t* name;
    int ersterTag;    // day of the year of the month's first day
    int ersteStunde;  // hour of the year of its first hour: (Tag − 1) · 24 + 1
};

inline constexpr std::array<Monat, 12> kMonate{{
    {u"Januar", 1, 1},       {u"Februar", 32, 745},    {u"März", 60, 1417},      {u"April", 91, 2161},
    {u"Mai", 121, 2881},     {u"Juni", 152, 3625},     {u"Juli", 182, 4345},     {u"August", 213, 5089},
    {u"Septemb.", 244, 5833}, {u"Oktober", 274, 6553}, {u"Novemb.", 305, 7297}, {u"Dezemb.", 335, 8017},
}};

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

}  // namespace stapel
