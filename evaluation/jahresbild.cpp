// SPDX-License-Identifier: GPL-3.0-or-later
#include "jahresbild.h"

#include "dateifehler.h"
#include "groessen.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <optional>
#include <unordered_map>

using namespace batch;
using namespace model;
using namespace diagram;

namespace evaluation {

namespace {

// Layout in pixels of the 1600 × 1120 picture.
constexpr int kLinks = 90;        // left edge of both plots, room for the axis labels
constexpr int kTagBreite = 4;     // one day of the carpet
constexpr int kStundeHoehe = 16;  // one hour of the carpet
constexpr int kTeppichOben = 110;
constexpr int kTeppichHoehe = 24 * kStundeHoehe;
constexpr int kTeppichBreite = kJahrestage * kTagBreite;
constexpr int kLegendeOben = kTeppichOben + kTeppichHoehe + 50;
constexpr int kBalkenOben = kLegendeOben + 110;
constexpr int kBalkenHoehe = 380;
constexpr int kBalkenUnten = kBalkenOben + kBalkenHoehe;

const QColor kSchwarz(0, 0, 0);
// Greys in multiples of 8, as graustufenBuendeln leaves them.
const QColor kRahmen(96, 96, 96);
const QColor kGitter(208, 208, 208);

// Categories by PMV as stacked from the bottom: A, B without A, C without B, beyond C, failed.
struct Stapelteil {
    const char16_t* name;
    QColor farbe;
};
const std::array<Stapelteil, 5> kStapel{{
    {u"A: |PMV| < 0,2", QColor(0, 110, 40)},
    {u"B ohne A: 0,2 ≤ |PMV| < 0,5", QColor(90, 190, 90)},
    {u"C ohne B: 0,5 ≤ |PMV| < 0,7", QColor(200, 230, 120)},
    {u"außerhalb C: |PMV| ≥ 0,7", QColor(235, 140, 50)},
    {u"Rechenfehler", QColor(152, 152, 152)},
}};

std::array<int64_t, 5> stapelteile(const Zaehlung& z)
{
    return {z.kategorieA, z.kategorieB - z.kategorieA, z.kategorieC - z.kategorieB,
            z.datenzeilen - z.rechenfehler - z.kategorieC, z.rechenfehler};
}

// Named families rather than the desktop's font: the window and tempara-cli (without a
// desktop) must paint the same pixels.
QFont schrift(int pixel, bool fett = false)
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

void textIn(QPainter& maler, const QRect& rechteck, int ausrichtung, const QString& text)
{
    maler.drawText(rechteck, ausrichtung, text);
}

void legendeneintrag(QPainter& maler, int links, int oben, const QColor& farbe, const QString& text)
{
    maler.fillRect(QRect(links, oben, 22, 22), farbe);
    maler.setPen(kRahmen);
    maler.drawRect(QRect(links, oben, 21, 21));
    maler.setPen(kSchwarz);
    textIn(maler, QRect(links + 30, oben - 4, 400, 30), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void teppichMalen(QPainter& maler, const Auswertung& a)
{
    maler.setFont(schrift(20, true));
    textIn(maler, QRect(kLinks, kTeppichOben - 42, kTeppichBreite, 30), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Empfindung in jeder Stunde des Jahres"));
    const QRect flaeche(kLinks, kTeppichOben, kTeppichBreite, kTeppichHoehe);
    if (a.stunden.empty()) {
        maler.fillRect(flaeche, Zellfarbe(kZelleLeer));
        maler.setFont(schrift(20));
        textIn(maler, flaeche.adjusted(60, 0, -60, 0), Qt::AlignCenter | Qt::TextWordWrap, a.ohneTeppich);
    } else {
        // Runs of equal cells along a row are one rectangle: fewer shapes in the SVG.
        for (int stunde = 1; stunde <= 24; ++stunde) {
            int tag = 1;
            while (tag <= kJahrestage) {
                const int8_t wert = a.stunden[std::size_t((tag - 1) * 24 + stunde - 1)];
                int bis = tag + 1;
                while (bis <= kJahrestage && a.stunden[std::size_t((bis - 1) * 24 + stunde - 1)] == wert)
                    ++bis;
                maler.fillRect(TeppichZelle(tag, stunde).united(TeppichZelle(bis - 1, stunde)), Zellfarbe(wert));
                tag = bis;
            }
        }
    }
    maler.setPen(kRahmen);
    maler.drawRect(flaeche.adjusted(0, 0, -1, -1));

    // Month ticks at each month's first day, names in the middle of the month.
    maler.setFont(schrift(17));
    for (int m = 0; m < kAnzahlMonate; ++m) {
        const int x = kLinks + (kMonate[std::size_t(m)].ersterTag - 1) * kTagBreite;
        const int ende = m + 1 < kAnzahlMonate ? kLinks + (kMonate[std::size_t(m + 1)].ersterTag - 1) * kTagBreite
                                               : kLinks + kTeppichBreite;
        maler.setPen(kRahmen);
        maler.drawLine(x, flaeche.bottom() + 1, x, flaeche.bottom() + 9);
        maler.setPen(kSchwarz);
        textIn(maler, QRect(x, flaeche.bottom() + 8, ende - x, 26), Qt::AlignCenter,
               QString::fromUtf16(kMonate[std::size_t(m)].vollname).left(3));
    }
    for (int stunde : {1, 6, 12, 18, 24}) {
        const QRect zelle = TeppichZelle(1, stunde);
        maler.setPen(kRahmen);
        maler.drawLine(kLinks - 8, zelle.center().y(), kLinks - 1, zelle.center().y());
        maler.setPen(kSchwarz);
        textIn(maler, QRect(kLinks - 60, zelle.center().y() - 12, 48, 24), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(stunde));
    }
    maler.save();
    maler.translate(22, kTeppichOben + kTeppichHoehe / 2);
    maler.rotate(-90);
    textIn(maler, QRect(-150, -12, 300, 26), Qt::AlignCenter, QStringLiteral("Stunde des Tages"));
    maler.restore();

    maler.setFont(schrift(17));
    int links = kLinks;
    int oben = kLegendeOben;
    for (int band = 0; band < kEmpfindungsbaender; ++band, links += 160)
        legendeneintrag(maler, links, oben, Zellfarbe(int8_t(band)), Empfindungsname(band));
    links = kLinks;
    oben += 34;
    legendeneintrag(maler, links, oben, Zellfarbe(kZelleBegrenzt), QStringLiteral("begrenzt (PMV = \u00B13)"));
    legendeneintrag(maler, links + 320, oben, Zellfarbe(kZelleFehler), QStringLiteral("Rechenfehler"));
    legendeneintrag(maler, links + 640, oben, Zellfarbe(kZelleLeer), QStringLiteral("keine Daten"));
}

// A step of 1, 2 or 5 times a power of ten that divides `hoechster` into at most 8 parts.
int64_t teilung(int64_t hoechster)
{
    for (int64_t zehner = 1;; zehner *= 10)
        for (const int64_t faktor : {1, 2, 5})
            if (hoechster <= 8 * faktor * zehner)
                return faktor * zehner;
}

void balkenMalen(QPainter& maler, const Auswertung& a)
{
    maler.setFont(schrift(20, true));
    textIn(maler, QRect(kLinks, kBalkenOben - 42, kTeppichBreite, 30), Qt::AlignLeft | Qt::AlignVCenter,
           a.nachMonaten ? QStringLiteral("Stunden je Monat nach Kategorie (nach PMV)")
                         : QStringLiteral("Stunden nach Kategorie (nach PMV); ohne Spalte \u201EJahresstunde\u201C "
                                          "keine Aufteilung nach Monaten"));
    std::vector<std::pair<QString, Zaehlung>> balken;
    if (a.nachMonaten)
        for (int m = 0; m < kAnzahlMonate; ++m)
            balken.emplace_back(QString::fromUtf16(kMonate[std::size_t(m)].vollname).left(3), a.monate[std::size_t(m)]);
    else
        balken.emplace_back(QStringLiteral("Summe"), a);
    int64_t hoechster = 1;
    for (const auto& [name, z] : balken)
        hoechster = std::max(hoechster, z.datenzeilen);
    const int64_t schritt = teilung(hoechster);
    const int64_t oben = (hoechster + schritt - 1) / schritt * schritt;
    const int breite = 1030;  // the bars; the category legend stands right of them
    auto yVon = [&](int64_t stunden) { return kBalkenUnten - int(stunden * kBalkenHoehe / oben); };

    maler.setFont(schrift(17));
    for (int64_t wert = 0; wert <= oben; wert += schritt) {
        const int y = yVon(wert);
        maler.setPen(kGitter);
        maler.drawLine(kLinks, y, kLinks + breite, y);
        maler.setPen(kSchwarz);
        textIn(maler, QRect(kLinks - 80, y - 12, 70, 24), Qt::AlignRight | Qt::AlignVCenter, QString::number(wert));
    }
    const int feld = breite / int(balken.size());
    const int balkenbreite = std::min(feld * 2 / 3, 160);
    for (std::size_t i = 0; i < balken.size(); ++i) {
        const int x = kLinks + int(i) * feld + (feld - balkenbreite) / 2;
        int64_t summe = 0;
        const std::array<int64_t, 5> teile = stapelteile(balken[i].second);
        for (std::size_t t = 0; t < teile.size(); ++t) {
            if (teile[t] <= 0)
                continue;
            const int y1 = yVon(summe + teile[t]);
            maler.fillRect(QRect(x, y1, balkenbreite, yVon(summe) - y1), kStapel[t].farbe);
            summe += teile[t];
        }
        maler.setPen(kSchwarz);
        textIn(maler, QRect(kLinks + int(i) * feld, kBalkenUnten + 6, feld, 26), Qt::AlignCenter, balken[i].first);
    }
    maler.setPen(kRahmen);
    maler.drawLine(kLinks, kBalkenOben, kLinks, kBalkenUnten);
    maler.drawLine(kLinks, kBalkenUnten, kLinks + breite, kBalkenUnten);
    maler.save();
    maler.translate(22, kBalkenOben + kBalkenHoehe / 2);
    maler.rotate(-90);
    maler.setPen(kSchwarz);
    textIn(maler, QRect(-150, -12, 300, 26), Qt::AlignCenter, QStringLiteral("Stunden"));
    maler.restore();

    for (std::size_t t = kStapel.size(); t-- > 0;)
        legendeneintrag(maler, kLinks + breite + 40, kBalkenOben + 40 + int(kStapel.size() - 1 - t) * 36,
                        kStapel[t].farbe, QString::fromUtf16(kStapel[t].name));
    maler.setFont(schrift(15));
    textIn(maler, QRect(kLinks + breite + 40, kBalkenOben + 240, kBildBreite - kLinks - breite - 60, 120),
           Qt::AlignLeft | Qt::TextWordWrap,
           QStringLiteral("Kategorien nach ISO 7730, nur nach dem PMV jeder Stunde beurteilt; "
                          "die lokalen Kriterien sind nicht in den Daten."));
}

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

QRect TeppichZelle(int tag, int stunde)
{
    return QRect(kLinks + (tag - 1) * kTagBreite, kTeppichOben + (24 - stunde) * kStundeHoehe, kTagBreite,
                 kStundeHoehe);
}

QColor Zellfarbe(int8_t zelle)
{
    if (zelle >= 0 && zelle < kEmpfindungsbaender)  // the diagram's bands run from hot to cold
        return QColor(diagram::band(diagram::kAnzahlBaender - 1 - zelle).farbe);
    if (zelle == kZelleBegrenzt)
        return QColor(0, 0, 0);
    if (zelle == kZelleFehler)
        return QColor(152, 152, 152);  // as failed hours in the monthly chart
    return QColor(232, 232, 232);
}

void JahresbildMalen(QPainter& maler, const Jahresauswertung& j)
{
    const Auswertung& a = j.zaehlung;
    maler.fillRect(QRect(0, 0, kBildBreite, kBildHoehe), Qt::white);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setRenderHint(QPainter::TextAntialiasing, true);
    maler.setPen(kSchwarz);
    maler.setFont(schrift(26, true));
    textIn(maler, QRect(kLinks, 14, kBildBreite - kLinks - 40, 36), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Jahresauswertung %1").arg(QFileInfo(j.ergebnisdatei).fileName()));
    maler.setFont(schrift(17));
    QString zeile = QStringLiteral("%1 Datenzeilen ausgewertet").arg(a.datenzeilen);
    if (a.rechenfehler > 0)
        zeile += QStringLiteral(", davon %1 mit Rechenfehler").arg(a.rechenfehler);
    textIn(maler, QRect(kLinks, 48, kBildBreite - kLinks - 40, 24), Qt::AlignLeft | Qt::AlignVCenter, zeile);
    teppichMalen(maler, a);
    balkenMalen(maler, a);
}

QImage JahresbildRaster(const Jahresauswertung& auswertung)
{
    QImage bild(kBildBreite, kBildHoehe, QImage::Format_RGB32);
    bild.setDotsPerMeterX(3780);  // 96 dpi
    bild.setDotsPerMeterY(3780);
    {
        QPainter maler(&bild);
        JahresbildMalen(maler, auswertung);
    }
    graustufenBuendeln(bild);
    return bild;
}

QByteArray JahresbildPng(const Jahresauswertung& auswertung)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "png");
    const QImage bild = JahresbildRaster(auswertung);
    const std::optional<QImage> palette = palettenbild(bild);
    schreiber.write(palette ? *palette : bild);
    return daten;
}

QByteArray JahresbildSvg(const Jahresauswertung& auswertung)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(QSize(kBildBreite, kBildHoehe));
    svg.setViewBox(QRect(0, 0, kBildBreite, kBildHoehe));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Jahresauswertung"));
    {
        QPainter maler(&svg);
        JahresbildMalen(maler, auswertung);
    }
    return daten;
}

bool JahresbildSchreiben(const Jahresauswertung& auswertung, const QString& pfad, QString* grund)
{
    const bool alsSvg = QFileInfo(pfad).suffix().compare(u"svg", Qt::CaseInsensitive) == 0;
    const QByteArray daten = alsSvg ? JahresbildSvg(auswertung) : JahresbildPng(auswertung);
    if (daten.isEmpty()) {
        if (grund)
            *grund = QStringLiteral("Das Bild ließ sich nicht erzeugen.");
        return false;
    }
    return SicherSchreiben(pfad, daten, grund);
}

}  // namespace evaluation
