// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurbilder.h"

#include <QPainter>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace catalogues {

namespace {

QString figurname(Figur figur) { return figur == Figur::Mann ? u"mann"_s : u"frau"_s; }

}  // namespace

QString grundbildPfad(Figur figur) { return u":/kataloge/bilder/%1.svg"_s.arg(figurname(figur)); }

QString ebenenPfad(Figur figur, int ebene)
{
    return u":/kataloge/bilder/%1_ebene_%2.svg"_s.arg(figurname(figur)).arg(ebene, 2, 10, QLatin1Char('0'));
}

QString symbolPfad(Figur figur) { return u":/kataloge/bilder/symbol_%1.svg"_s.arg(figurname(figur)); }

QPixmap svgBild(const QString& pfad, QSize groesse, qreal pixelverhaeltnis)
{
    QSvgRenderer zeichner(pfad);
    if (!zeichner.isValid())
        return {};
    QPixmap bild(groesse * pixelverhaeltnis);
    bild.setDevicePixelRatio(pixelverhaeltnis);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    zeichner.render(&maler, QRectF(QPointF(0, 0), QSizeF(groesse)));
    return bild;
}

}  // namespace catalogues
