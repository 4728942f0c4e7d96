// SPDX-License-Identifier: GPL-3.0-or-later
#include "druckseite.h"

#include <QFontMetricsF>
#include <QPainter>

namespace evaluation {

Druckseite::Druckseite(QPainter& maler, const QRectF& flaeche) : m_maler(maler)
{
    m_maler.save();
    m_maler.translate(flaeche.topLeft());
    const double massstab = flaeche.width() / kBreite;
    m_maler.scale(massstab, massstab);
    schrift(35);
}

Druckseite::~Druckseite() { m_maler.restore(); }

void Druckseite::schrift(double hoehe, bool fett)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    f.setPixelSize(int(hoehe));
    f.setBold(fett);
    m_maler.setFont(f);
    m_hoehe = hoehe * 1.4;
}

void Druckseite::text(const QString& text, const QColor& farbe)
{
    m_maler.setPen(farbe);
    const QRectF rahmen = m_maler.boundingRect(QRectF(0, m_y, kBreite, 4000), Qt::TextWordWrap, text);
    m_maler.drawText(QRectF(0, m_y, kBreite, rahmen.height()), Qt::AlignLeft | Qt::TextWordWrap, text);
    m_y += std::max(rahmen.height(), m_hoehe);
    m_maler.setPen(Qt::black);
}

void Druckseite::paar(const QString& name, const QString& wert, double links)
{
    m_maler.setPen(Qt::black);
    const QRectF rahmen = m_maler.boundingRect(QRectF(links, m_y, kBreite - links, 4000), Qt::TextWordWrap, wert);
    m_maler.drawText(QRectF(0, m_y, links - 20, m_hoehe), Qt::AlignLeft | Qt::AlignTop, name);
    m_maler.drawText(QRectF(links, m_y, kBreite - links, rahmen.height()), Qt::AlignLeft | Qt::TextWordWrap, wert);
    m_y += std::max(rahmen.height(), m_hoehe);
}

void Druckseite::linie()
{
    m_maler.setPen(QPen(Qt::black, 3));
    m_maler.drawLine(QPointF(0, m_y), QPointF(kBreite, m_y));
    m_y += 15;
}

void Druckseite::tabelle(const QStringList& kopf, const QList<QStringList>& zeilen, double ersteBreite)
{
    const int spalten = int(kopf.size());
    const double breite = spalten > 1 ? (kBreite - ersteBreite) / (spalten - 1) : kBreite;
    const auto links = [&](int s) { return s == 0 ? 0.0 : ersteBreite + (s - 1) * breite; };
    const auto spaltenbreite = [&](int s) { return s == 0 ? ersteBreite : breite; };
    // The heading may take two lines; its font shrinks until every word fits its column.
    QFont fett = m_maler.font();
    fett.setBold(true);
    for (; fett.pixelSize() > 12; fett.setPixelSize(fett.pixelSize() - 1)) {
        const QFontMetricsF masse(fett, m_maler.device());
        bool passt = true;
        for (int s = 1; s < spalten; ++s)
            for (const QString& wort : kopf[s].split(u' '))
                passt = passt && masse.horizontalAdvance(wort) < breite - 8;
        if (passt)
            break;
    }
    const QFont normal = m_maler.font();
    m_maler.setFont(fett);
    const double kopfhoehe = 2.5 * fett.pixelSize();
    for (int s = 0; s < spalten; ++s)
        m_maler.drawText(QRectF(links(s) + 4, m_y, spaltenbreite(s) - 8, kopfhoehe),
                         (s == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom | Qt::TextWordWrap, kopf[s]);
    m_y += kopfhoehe + 6;
    m_maler.setPen(QPen(Qt::black, 2));
    m_maler.drawLine(QPointF(0, m_y), QPointF(kBreite, m_y));
    m_maler.setFont(normal);
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        if (z % 2 == 1)
            m_maler.fillRect(QRectF(0, m_y, kBreite, m_hoehe), QColor(240, 240, 240));
        for (int s = 0; s < spalten && s < zeilen[z].size(); ++s)
            m_maler.drawText(QRectF(links(s) + 4, m_y, spaltenbreite(s) - 8, m_hoehe),
                             (s == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, zeilen[z][s]);
        m_y += m_hoehe;
    }
    m_maler.drawLine(QPointF(0, m_y), QPointF(kBreite, m_y));
    m_y += 15;
}

void Druckseite::bild(QSize groesse, double hoehe, const std::function<void(QPainter&, QSize)>& malen)
{
    const double massstab = std::min(kBreite / groesse.width(), hoehe / groesse.height());
    m_maler.save();
    m_maler.translate(0, m_y);
    m_maler.scale(massstab, massstab);
    m_maler.setClipRect(QRect(QPoint(0, 0), groesse));
    malen(m_maler, groesse);
    m_maler.restore();
    m_y += groesse.height() * massstab + 20;
}

}  // namespace evaluation
