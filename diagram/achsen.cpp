// SPDX-License-Identifier: GPL-3.0-or-later
#include "achsen.h"

#include "groessen.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace gui;

namespace diagram {

namespace {

constexpr float kTickHalb = 50.0f;
// x labels centred under their ticks, y labels ending 50 twips left of the axis.
constexpr Qt::Alignment kXSkalaAusrichtung = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kYSkalaAusrichtung = Qt::AlignRight | Qt::AlignVCenter;

QFont schrift(const QStringList& familien, qreal punkte, bool fett)
{
    QFont f;
    f.setFamilies(familien);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    // Whole-pixel glyph positions: smoothed text then lands on the same pixels in the window
    // and in every saved bitmap, and no glyph of a small label is lost between two pixels.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// An image at 96 dpi, whatever the screen is: the saved bitmap and tempara-cli must get the
// same label sizes.
const QImage& messbild()
{
    static const QImage bild = [] {
        QImage b(1, 1, QImage::Format_RGB32);
        b.setDotsPerMeterX(kDotsJeMeter);
        b.setDotsPerMeterY(kDotsJeMeter);
        return b;
    }();
    return bild;
}

const QStringList& serifenlos()
{
    static const QStringList familien{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    return familien;
}

const QStringList& serif()
{
    static const QStringList familien{QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"),
                                      QStringLiteral("DejaVu Serif"), QStringLiteral("Serif")};
    return familien;
}

// i · maximum / 10, stored as float32.
float zehntel(int i, float max) { return float(double(i) * double(max) / 10.0); }

}  // namespace

QFont titelschrift() { return schrift(serifenlos(), 7.8, false); }
QFont skalenschrift() { return schrift(serif(), 6.75, true); }

QRect textPlatz(const Beschriftung& b, const QFont& schrift)
{
    // Corners rounded one by one, as the white box under a painted label.
    auto punkt = [](QPointF p) { return QPoint(px(std::clamp(p.x(), -1e5, 1e5)), px(std::clamp(p.y(), -1e5, 1e5))); };
    const QPoint a = punkt(b.twips.topLeft()), e = punkt(b.twips.bottomRight());
    const QRect platz(a, QSize(e.x() - a.x(), e.y() - a.y()));
    const QFontMetrics m(schrift, &messbild());
    const QSize noetig = m.boundingRect(QRect(), int(b.ausrichtung), b.text).size();
    QRect r = platz;
    r.setSize(r.size().expandedTo(noetig));
    if (b.ausrichtung & Qt::AlignLeft)
        return r;  // titles grow to the right
    r.moveCenter(platz.center());
    if (b.ausrichtung & Qt::AlignRight)
        r.moveRight(platz.right());
    return r;
}

QRectF titelRechteck(const QString& text, QPointF linksOben)
{
    static const QFontMetricsF m(titelschrift(), &messbild());
    const double breite = std::max(600.0, (std::ceil(m.horizontalAdvance(text)) + 4.0) * kTwipsJePixel);
    const double hoehe = std::ceil(m.height()) * kTwipsJePixel;
    return QRectF(linksOben, QSizeF(breite, hoehe));
}

Achsen achsenAuslegen(const Bereich& b, int xGroesse, int yGroesse)
{
    Achsen a;
    a.bereich = b;
    a.geometrie = geometrieAus(b);
    const Geometrie& g = a.geometrie;

    a.linien.emplace_back(100.0, kY0, kXAchsenende, kY0);
    a.linien.emplace_back(kX0, 100.0, kX0, kYAchsenende);
    const QString xTitel = QString::fromUtf16(info(xGroesse).achsentitel);
    const QString yTitel = QString::fromUtf16(info(yGroesse).achsentitel);
    a.xTitel = {xTitel, titelRechteck(xTitel, {kXAchsenende - 1400.0, kYAchsenende - 500.0})};
    a.yTitel = {yTitel, titelRechteck(yTitel, {100.0, 100.0})};

    if (g.xMassstab()) {
        for (int i = 1; i <= 10; ++i) {
            const float v = zehntel(i, b.Xmax);
            const float x = kX0 + g.kx * v;
            a.linien.emplace_back(x, kY0 + kTickHalb, x, kY0 - kTickHalb);
            a.xSkala[std::size_t(i - 1)] = {bereichsText(v), QRectF(kX0 - 68.0f + g.kx * v, kY0 + 100.0f, 135, 165),
                                            kXSkalaAusrichtung};
            if (i <= 3) {
                const float links = kX0 - g.kx * v;
                a.linien.emplace_back(links, kY0 + kTickHalb, links, kY0 - kTickHalb);
                a.xSkala[std::size_t(i + 9)] = {
                    bereichsText(-v), QRectF(kX0 - 68.0f - g.kx * v, kY0 + 100.0f, 135, 165), kXSkalaAusrichtung};
            }
        }
    }
    if (g.yMassstab()) {
        for (int i = 1; i <= 9; ++i) {
            const float v = zehntel(i, b.Ymax);
            const float y = kY0 - g.ky * v;
            a.linien.emplace_back(kX0 + kTickHalb, y, kX0 - kTickHalb, y);
            a.ySkala[std::size_t(i - 1)] = {bereichsText(v), QRectF(kX0 - 350.0f, kY0 - 83.0f - g.ky * v, 300, 132),
                                            kYSkalaAusrichtung};
            if (i <= 3) {
                const float unten = kY0 + g.ky * v;
                a.linien.emplace_back(kX0 + kTickHalb, unten, kX0 - kTickHalb, unten);
                a.ySkala[std::size_t(i + 9)] = {
                    bereichsText(-v), QRectF(kX0 - 350.0f, kY0 - 83.0f + g.ky * v, 300, 132), kYSkalaAusrichtung};
            }
        }
    }
    return a;
}

}  // namespace diagram
