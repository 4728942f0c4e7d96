// SPDX-License-Identifier: GPL-3.0-or-later
#include "kategoriebalken.h"

#include "kriterien.h"
#include "zahlen.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace model::bewertung;
using namespace model;

namespace assessment {

Kategoriebalken::Kategoriebalken(Kriterium kriterium, QWidget* eltern) : QWidget(eltern), m_kriterium(kriterium)
{
    const Grenzen g = grenzen(kriterium);
    const QString einheit = kriterium == Kriterium::PMV ? QString() : QStringLiteral(" %");
    const QString wert = kriterium == Kriterium::PMV ? QStringLiteral("|PMV|") : text(kriterium).kurz;
    QStringList zeilen;
    const double werte[3] = {g.A, g.B, g.C};
    for (int i = 0; i < 3; ++i) {
        if (i == 1 && g.B == g.A)
            zeilen << QStringLiteral("B: entfällt (Grenze wie A)");
        else
            zeilen << QStringLiteral("%1: %2 < %3%4")
                          .arg(kategorieText(Kategorie(i)), wert, formatiereZahl(werte[i], 1), einheit);
    }
    setToolTip(zeilen.join(u'\n'));
    setMinimumSize(120, 16);
}

void Kategoriebalken::setzeWert(std::optional<double> wert)
{
    m_wert = wert;
    update();
}

QSize Kategoriebalken::sizeHint() const { return {180, 18}; }

void Kategoriebalken::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    zeichneKategoriebalken(maler, QRectF(rect()).adjusted(0.5, 2.5, -0.5, -2.5), m_kriterium, m_wert,
                           palette().color(QPalette::WindowText), 2.5, 3);
}

void zeichneKategoriebalken(QPainter& maler, const QRectF& flaeche, Kriterium kriterium, std::optional<double> wert,
                            const QColor& rahmen, double ueberstand, double strich)
{
    const Grenzen g = grenzen(kriterium);
    const double ende = g.C * 4.0 / 3.0;  // a third of C's width beyond its limit for "worse than C"
    auto x = [&](double w) { return flaeche.left() + flaeche.width() * std::clamp(w, 0.0, ende) / ende; };

    maler.save();
    const double grenzen[] = {0.0, g.A, g.B, g.C, ende};
    for (int i = 0; i < 4; ++i) {
        QColor farbe = kategorieFarbe(Kategorie(i));
        if (!wert)
            farbe = farbe.lighter(160);
        maler.fillRect(QRectF(QPointF(x(grenzen[i]), flaeche.top()), QPointF(x(grenzen[i + 1]), flaeche.bottom())),
                       farbe);
    }
    maler.setPen(rahmen);
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(flaeche);
    if (wert && !std::isnan(*wert)) {
        const double mitte = x(kriterium == Kriterium::PMV ? std::fabs(*wert) : *wert);
        maler.setPen(QPen(Qt::black, strich));
        maler.drawLine(QPointF(mitte, flaeche.top() - ueberstand), QPointF(mitte, flaeche.bottom() + ueberstand));
    }
    maler.restore();
}

}  // namespace assessment
