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
    const Grenzen g = grenzen(m_kriterium);
    const double ende = g.C * 4.0 / 3.0;  // a third of C's width beyond its limit for "worse than C"
    const QRectF flaeche = QRectF(rect()).adjusted(0.5, 2.5, -0.5, -2.5);
    auto x = [&](double w) { return flaeche.left() + flaeche.width() * std::clamp(w, 0.0, ende) / ende; };

    QPainter maler(this);
    const double grenzen[] = {0.0, g.A, g.B, g.C, ende};
    for (int i = 0; i < 4; ++i) {
        QColor farbe = kategorieFarbe(Kategorie(i));
        if (!m_wert)
            farbe = farbe.lighter(160);
        maler.fillRect(QRectF(QPointF(x(grenzen[i]), flaeche.top()), QPointF(x(grenzen[i + 1]), flaeche.bottom())),
                       farbe);
    }
    maler.setPen(palette().color(QPalette::WindowText));
    maler.drawRect(flaeche);
    if (m_wert && !std::isnan(*m_wert)) {
        const double w = m_kriterium == Kriterium::PMV ? std::fabs(*m_wert) : *m_wert;
        const double mitte = x(w);
        maler.setPen(QPen(Qt::black, 3));
        maler.drawLine(QPointF(mitte, rect().top()), QPointF(mitte, rect().bottom()));
    }
}

}  // namespace assessment
