#include "monatstabelle.h"

#include <QPainter>

namespace stapel {

Monatstabelle::Monatstabelle(QWidget* eltern) : QWidget(eltern)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void Monatstabelle::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    const int zeilen = int(kMonate.size()) + 1;
    const int hoehe = height() / zeilen;
    const int spalte1 = width() * 36 / 100, spalte2 = width() * 54 / 100;
    auto zeile = [&](int z, const QString& a, const QString& b, const QString& c) {
        const int oben = z * hoehe;
        maler.drawText(QRect(6, oben, spalte1 - 6, hoehe), Qt::AlignVCenter | Qt::AlignLeft, a);
        maler.drawText(QRect(spalte1, oben, spalte2 - spalte1 - 8, hoehe), Qt::AlignVCenter | Qt::AlignRight, b);
        maler.drawText(QRect(spalte2, oben, width() - spalte2 - 8, hoehe), Qt::AlignVCenter | Qt::AlignRight, c);
    };
    QFont fett = font();
    fett.setBold(true);
    maler.setFont(fett);
    zeile(0, QStringLiteral("Monat"), QStringLiteral("1. Tag"), QStringLiteral("1. Stunde"));
    maler.setFont(font());
    maler.drawLine(0, hoehe, width(), hoehe);
    for (int m = 0; m < int(kMonate.size()); ++m)
        zeile(m + 1, QString::fromUtf16(kMonate[std::size_t(m)].name), QString::number(kMonate[std::size_t(m)].ersterTag),
              QString::number(kMonate[std::size_t(m)].ersteStunde));
    maler.setPen(palette().color(QPalette::Mid));
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace stapel
