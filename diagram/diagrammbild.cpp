// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrammbild.h"

#include "zieldatei.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>

using namespace model;
using namespace gui;

namespace diagram {

namespace {

constexpr QRgb kWeiss = 0xffffffff;
constexpr QRgb kSchwarz = 0xff000000;
constexpr QRgb kGrau = 0xff808080;
// Lines further out than this are clipped anyway; keeps the pixel conversion in range.
constexpr float kGrenze = 100000.0f;

QImage neuesBild(float breiteTwips, float hoeheTwips)
{
    QImage bild(px(breiteTwips), px(hoeheTwips), QImage::Format_RGB32);
    bild.setDotsPerMeterX(kDotsJeMeter);
    bild.setDotsPerMeterY(kDotsJeMeter);
    bild.fill(kWeiss);
    return bild;
}

int pxBegrenzt(qreal twips) { return px(std::clamp(twips, qreal(-kGrenze), qreal(kGrenze))); }

QPoint punkt(QPointF twips) { return {pxBegrenzt(twips.x()), pxBegrenzt(twips.y())}; }

QRect pixelRechteck(const QRectF& twips)
{
    const QPoint a = punkt(twips.topLeft());
    const QPoint b = punkt(twips.bottomRight());
    return QRect(a, QSize(b.x() - a.x(), b.y() - a.y()));
}

void linie(QPainter& maler, QPointF von, QPointF bis, QRgb farbe)
{
    maler.setPen(QPen(QColor(farbe), 0));
    maler.drawLine(punkt(von), punkt(bis));
}

// A label painted into the image: white box of its own size, caption where the window's label
// shows it (same font, same place), so that the label on top covers it exactly.
void beschriftungMalen(QPainter& maler, const Beschriftung& b, qreal boxBreite = 0)
{
    if (b.text.isEmpty())
        return;
    QRectF box = b.twips;
    if (boxBreite > 0)
        box.setWidth(boxBreite);
    // The box also takes in a text that runs over it, so that painting the same text again
    // (the next save) gives the same pixels.
    const QRect platz = textPlatz(b, maler.font());
    maler.fillRect(pixelRechteck(box).united(platz), QColor(kWeiss));
    maler.setPen(QColor(kSchwarz));
    maler.drawText(platz, int(b.ausrichtung) | Qt::TextDontClip, b.text);
}

// Where the words of each band's name stand in the saved bitmap (top-left corners), hot to
// cold; a one-word name uses the first place only.
struct Legendenplatz {
    QPointF erstes, zweites;
};
constexpr Legendenplatz kLegendenplaetze[kAnzahlBaender] = {
    {{5950, 334}, {}},  {{5950, 1022}, {}},           {{5900, 1410}, {5950, 1610}},
    {{5850, 2098}, {}}, {{5900, 2586}, {5950, 2786}}, {{5950, 3274}, {}},
    {{5950, 3862}, {}},
};
constexpr float kLegendeLinks = 5800, kLegendeRechts = 6484, kLegendeOben = 140, kLegendeKasten = 588;

}  // namespace

void textZeichnen(QPainter& maler, QPointF linksObenTwips, const QString& t, QRgb farbe)
{
    maler.setPen(QColor(farbe));
    const QPoint p = punkt(linksObenTwips);
    maler.drawText(QRect(p, QSize(1000, 200)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t);
}

Diagrammbild::Diagrammbild() : m_bild(neuesBild(kFlaecheBreite, kFlaecheHoehe)) {}

void Diagrammbild::leeren() { m_bild.fill(kWeiss); }

void Diagrammbild::achsenZeichnen(const Achsen& achsen)
{
    QPainter maler(&m_bild);
    for (const QLineF& l : achsen.linien)
        linie(maler, l.p1(), l.p2(), kSchwarz);
}

int Diagrammbild::zellenZeichnen(const Rasterwerte& raster, const Geometrie& g)
{
    // 17161 small rectangles: written straight into the pixels, the painter would cost
    // more than the evaluations.
    uchar* const anfang = m_bild.bits();
    const qsizetype zeilenlaenge = m_bild.bytesPerLine();
    std::vector<Spanne> zeilen;
    for (const float y : raster.y)
        zeilen.push_back(zeilenSpanne(g, y));
    int zellen = 0;
    for (std::size_t i = 0; i < raster.x.size(); ++i) {
        const Spanne spalte = spaltenSpanne(g, raster.x[i]);
        for (std::size_t j = 0; j < zeilen.size(); ++j) {
            const std::optional<int> b = bandVon(raster.wert(i, j));
            if (!b)
                continue;
            const QRgb farbe = band(*b).farbe;
            for (int y = zeilen[j].von; y < zeilen[j].bis; ++y) {
                QRgb* punkte = reinterpret_cast<QRgb*>(anfang + y * zeilenlaenge);
                std::fill(punkte + spalte.von, punkte + spalte.bis, farbe);
            }
            ++zellen;
        }
    }
    return zellen;
}

void Diagrammbild::bezugslinienZeichnen(const Achsen& achsen, int xGroesse, int yGroesse)
{
    const Geometrie& g = achsen.geometrie;
    QPainter maler(&m_bild);
    if (g.xMassstab())
        for (float c : bezugswerte(xGroesse)) {
            const float x = kX0 + g.kx * c;
            linie(maler, {x, 100}, {x, kY0}, kGrau);
        }
    if (g.yMassstab())
        for (float c : bezugswerte(yGroesse)) {
            const float y = kY0 - g.ky * c;
            linie(maler, {kX0, y}, {5500, y}, kGrau);
        }
}

QImage Diagrammbild::speicherbild(const Achsen& achsen, const Festwerte& festwerte, Rechenverfahren verfahren)
{
    {
        QPainter maler(&m_bild);
        maler.setFont(titelschrift());
        beschriftungMalen(maler, achsen.xTitel);
        beschriftungMalen(maler, achsen.yTitel);
        maler.setFont(skalenschrift());
        for (int i = 0; i < kSkalenAnzahl; ++i) {
            beschriftungMalen(maler, achsen.xSkala[std::size_t(i)]);
            if (i != kFehlenderYIndex)
                beschriftungMalen(maler, achsen.ySkala[std::size_t(i)], 300);
        }
    }

    QImage gross = neuesBild(kBitmapBreite, kBitmapHoehe);
    QPainter maler(&gross);
    maler.drawImage(0, 0, m_bild);
    maler.setFont(titelschrift());
    for (std::size_t k = 0; k < festwerte.size(); ++k) {
        const float oben = 4600.0f + 200.0f * float(k);
        textZeichnen(maler, {500, oben}, festwerte[k].name);
        textZeichnen(maler, {5300, oben}, festwerte[k].wert);
    }
    if (verfahren == Rechenverfahren::Iso7730) {
        const float oben = 4600.0f + 200.0f * float(festwerte.size());
        textZeichnen(maler, {500, oben}, QStringLiteral("Rechenverfahren"));
        textZeichnen(maler, {5300, oben}, QString::fromUtf8(Verfahrenskurzname(verfahren)));
    }
    for (int i = 0; i < kAnzahlBaender; ++i) {
        const float oben = kLegendeOben + kLegendeKasten * float(i);
        maler.fillRect(
            pixelRechteck(QRectF(QPointF(kLegendeLinks, oben), QPointF(kLegendeRechts, oben + kLegendeKasten))),
            QColor(band(i).farbe));
    }
    for (int i = 0; i < kAnzahlBaender; ++i) {
        const QStringList woerter = QString::fromUtf16(band(i).text).split(u' ');
        const QRgb farbe = band(i).weisseSchrift ? kWeiss : kSchwarz;
        textZeichnen(maler, kLegendenplaetze[i].erstes, woerter[0], farbe);
        if (woerter.size() > 1)
            textZeichnen(maler, kLegendenplaetze[i].zweites, woerter[1], farbe);
    }
    return gross;
}

Lauf diagrammZeichnen(Diagrammbild& bild, const PmvEingabe& vorbereitet, float v_rel, int xGroesse, int yGroesse,
                      const Bereich& bereich, Rechenverfahren verfahren)
{
    const Achsen achsen = achsenAuslegen(bereich, xGroesse, yGroesse);
    bild.leeren();
    bild.achsenZeichnen(achsen);
    Lauf lauf;
    lauf.raster = rasterBerechnen(vorbereitet, v_rel, xGroesse, yGroesse, achsen.geometrie, bereich, verfahren);
    lauf.zellen = bild.zellenZeichnen(lauf.raster, achsen.geometrie);
    bild.achsenZeichnen(achsen);
    bild.bezugslinienZeichnen(achsen, xGroesse, yGroesse);
    return lauf;
}

bool bmpSchreiben(const QImage& bild, const QString& pfad, QString* grund)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly) || !QImageWriter(&puffer, "bmp").write(bild)) {
        if (grund)
            *grund = QStringLiteral("Das Bild ließ sich nicht erzeugen.");
        return false;
    }
    return model::SicherSchreiben(pfad, daten, grund);
}

}  // namespace diagram
