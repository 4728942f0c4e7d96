// SPDX-License-Identifier: GPL-3.0-or-later
#include "monatstabelle.h"

#include <QFontMetrics>
#include <QPainter>

namespace batch {

Monatstabelle::Monatstabelle(QWidget* eltern) : QWidget(eltern)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

QFont Monatstabelle::kopfschrift() const
{
    QFont fett = font();
    fett.setBold(true);
    return fett;
}

std::array<QRect, 3> Monatstabelle::zellen(int zeile) const
{
    constexpr int rand = 6, abstand = 8;
    const int hoehe = height() / (int(kMonate.size()) + 1);
    const int oben = zeile * hoehe;
    const QFontMetrics fett(kopfschrift());
    const int breiteStunde = fett.horizontalAdvance(QStringLiteral("1. Stunde"));
    const int breiteTag = fett.horizontalAdvance(QStringLiteral("1. Tag"));
    const int spalte2 = width() - rand - breiteStunde;
    const int spalte1 = spalte2 - abstand - breiteTag;
    return {QRect(rand, oben, spalte1 - abstand - rand, hoehe), QRect(spalte1, oben, breiteTag, hoehe),
            QRect(spalte2, oben, breiteStunde, hoehe)};
}

void Monatstabelle::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    auto zeile = [&](int z, const QString& a, const QString& b, const QString& c) {
        const std::array<QRect, 3> zelle = zellen(z);
        maler.drawText(zelle[0], Qt::AlignVCenter | Qt::AlignLeft, a);
        maler.drawText(zelle[1], Qt::AlignVCenter | Qt::AlignRight, b);
        maler.drawText(zelle[2], Qt::AlignVCenter | Qt::AlignRight, c);
    };
    maler.setFont(kopfschrift());
    zeile(0, QStringLiteral("Monat"), QStringLiteral("1. Tag"), QStringLiteral("1. Stunde"));
    maler.setFont(font());
    const int unterKopf = zellen(0)[0].bottom() + 1;
    maler.drawLine(0, unterKopf, width(), unterKopf);
    for (int m = 0; m < int(kMonate.size()); ++m)
        zeile(m + 1, QString::fromUtf16(kMonate[std::size_t(m)].vollname),
              QString::number(kMonate[std::size_t(m)].ersterTag), QString::number(kMonate[std::size_t(m)].ersteStunde));
    maler.setPen(palette().color(QPalette::Mid));
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace batch
