// SPDX-License-Identifier: GPL-3.0-or-later
#include "bildhilfen.h"

#include "monate.h"
#include "zieldatei.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

#include <optional>
#include <unordered_map>

namespace evaluation {

namespace {

// The grey edges of antialiased text in 33 steps (multiples of 8, and 255): no eye tells
// them from 256, and the picture then fits a palette.
void graustufenBuendeln(QImage& bild)
{
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            if (zeile[x] == 0xFFFFFFFFu)  // white, most of the picture
                continue;
            const int grau = qRed(zeile[x]);
            if (grau == qGreen(zeile[x]) && grau == qBlue(zeile[x]) && grau % 8 != 0 && grau != 255) {
                const int stufe = std::min(255, (grau + 4) / 8 * 8);
                zeile[x] = qRgb(stufe, stufe, stufe);
            }
        }
    }
}

// The picture with a palette when it has at most 256 colours, as it normally has: the same
// pixels, and a PNG written in a third of the time.
std::optional<QImage> palettenbild(const QImage& bild)
{
    QImage palette(bild.size(), QImage::Format_Indexed8);
    QList<QRgb> farben;
    std::unordered_map<QRgb, uchar> index;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* quelle = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        uchar* ziel = palette.scanLine(y);
        QRgb letzte = ~quelle[0];
        uchar letzterIndex = 0;
        for (int x = 0; x < bild.width(); ++x) {
            if (quelle[x] != letzte) {
                letzte = quelle[x];
                const auto [eintrag, neu] = index.try_emplace(letzte, uchar(farben.size()));
                if (neu) {
                    if (farben.size() == 256)
                        return std::nullopt;
                    farben.append(letzte);
                }
                letzterIndex = eintrag->second;
            }
            ziel[x] = letzterIndex;
        }
    }
    palette.setColorTable(farben);
    palette.setDotsPerMeterX(bild.dotsPerMeterX());
    palette.setDotsPerMeterY(bild.dotsPerMeterY());
    return palette;
}

}  // namespace

QFont Bildschrift(int pixel, bool fett)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    f.setPixelSize(pixel);
    f.setBold(fett);
    f.setHintingPreference(QFont::PreferFullHinting);
    // Grey edges only: a screen's colour fringes do not belong in a picture for print.
    f.setStyleStrategy(QFont::NoSubpixelAntialias);
    return f;
}

void Legendeneintrag(QPainter& maler, int links, int oben, const QColor& farbe, const QString& text, int breite)
{
    maler.fillRect(QRect(links, oben, 22, 22), farbe);
    maler.setPen(kRahmen);
    maler.drawRect(QRect(links, oben, 21, 21));
    maler.setPen(kSchwarz);
    maler.drawText(QRect(links + 30, oben - 4, breite - 30, 30), Qt::AlignLeft | Qt::AlignVCenter, text);
}

double Teilung(double hoechster, int teile)
{
    for (double zehner = 1;; zehner *= 10)
        for (const double faktor : {1, 2, 5})
            if (hoechster <= teile * faktor * zehner)
                return faktor * zehner;
}

QStringList Monatsnamen(const QPainter& maler, double breite)
{
    QStringList namen;
    bool passen = true;
    for (const batch::Monat& m : batch::kMonate) {
        namen << QString::fromUtf16(m.vollname);
        passen = passen && QFontMetricsF(maler.font()).horizontalAdvance(namen.last()) <= breite - 4;
    }
    if (!passen)
        for (QString& name : namen)
            name.truncate(3);
    return namen;
}

QImage BildRaster(QSize groesse, const Malen& malen)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.setDotsPerMeterX(3780);  // 96 dpi
    bild.setDotsPerMeterY(3780);
    {
        QPainter maler(&bild);
        malen(maler);
    }
    graustufenBuendeln(bild);
    return bild;
}

QByteArray BildPng(const QImage& bild)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "png");
    const std::optional<QImage> palette = palettenbild(bild);
    schreiber.write(palette ? *palette : bild);
    return daten;
}

QByteArray BildSvg(QSize groesse, const QString& titel, const Malen& malen)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setResolution(96);
    svg.setTitle(titel);
    {
        QPainter maler(&svg);
        malen(maler);
    }
    return daten;
}

bool BildSchreiben(const QString& pfad, const QByteArray& daten, QString* grund)
{
    if (daten.isEmpty()) {
        if (grund)
            *grund = QStringLiteral("Das Bild ließ sich nicht erzeugen.");
        return false;
    }
    return model::SicherSchreiben(pfad, daten, grund);
}

}  // namespace evaluation
