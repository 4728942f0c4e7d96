// SPDX-License-Identifier: GPL-3.0-or-later
#include "skalenbilder.h"

#include <QColor>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

namespace app {

namespace {

constexpr int kBreite = 301;
constexpr int kHoehe = 36;
constexpr int kRahmenunten = 29;  // last row of the framed ramp
const QColor kPanelfarbe(255, 255, 187);

struct Eckfarbe {
    int spalte;
    QColor farbe;
};

// Piecewise linear, channel by channel, between the corner colours.
QColor rampenfarbe(const std::vector<Eckfarbe>& ecken, int spalte)
{
    for (std::size_t i = 1; i < ecken.size(); ++i) {
        const Eckfarbe& a = ecken[i - 1];
        const Eckfarbe& b = ecken[i];
        if (spalte <= b.spalte) {
            const double t = double(spalte - a.spalte) / double(b.spalte - a.spalte);
            auto kanal = [t](int von, int bis) { return int(std::lround(von + (bis - von) * t)); };
            return QColor(kanal(a.farbe.red(), b.farbe.red()), kanal(a.farbe.green(), b.farbe.green()),
                          kanal(a.farbe.blue(), b.farbe.blue()));
        }
    }
    return ecken.back().farbe;
}

QImage skala(const std::vector<Eckfarbe>& ecken, int tickAbstand)
{
    QImage bild(kBreite, kHoehe, QImage::Format_RGB888);
    bild.fill(kPanelfarbe);
    for (int x = 0; x < kBreite; ++x) {
        bild.setPixelColor(x, 0, Qt::black);
        bild.setPixelColor(x, kRahmenunten, Qt::black);
    }
    for (int y = 1; y < kRahmenunten; ++y) {
        bild.setPixelColor(0, y, Qt::black);
        bild.setPixelColor(kBreite - 1, y, Qt::black);
    }
    for (int x = 1; x < kBreite - 1; ++x) {
        const QColor farbe = rampenfarbe(ecken, x);
        for (int y = 1; y < kRahmenunten; ++y)
            bild.setPixelColor(x, y, farbe);
    }
    for (int x = 0; x < kBreite; x += tickAbstand)
        for (int y = kRahmenunten + 1; y < kHoehe; ++y)
            bild.setPixelColor(x, y, Qt::black);
    return bild;
}

}  // namespace

QImage pmvSkala()
{
    return skala({{1, QColor(0, 0, 130)},
                  {47, QColor(0, 0, 255)},
                  {149, QColor(255, 255, 255)},
                  {251, QColor(255, 0, 0)},
                  {299, QColor(133, 0, 0)}},
                 50);
}

QImage ppdSkala()
{
    return skala(
        {{1, QColor(0, 255, 0)}, {99, QColor(255, 255, 0)}, {200, QColor(255, 0, 0)}, {299, QColor(129, 0, 0)}}, 30);
}

}  // namespace app
