// SPDX-License-Identifier: GPL-3.0-or-later
#include "jahresbild.h"

#include "bildhilfen.h"
#include "groessen.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace batch;
using namespace model;
using namespace diagram;

namespace evaluation {

namespace {

// Layout of the picture for its size: texts keep their pixel sizes, the carpet and the bars
// share the room left. At 1600 × 1120 the carpet has 4 pixels a day and 16 an hour.
constexpr int kLinks = 90;  // left edge of both plots, room for the axis labels
constexpr int kTeppichOben = 110;
constexpr int kFest = 356;  // the heights of titles, month names, legend and bar labels

struct Aufteilung {
    explicit Aufteilung(QSize g)
        : breite(g.width())
        , teppichBreite(g.width() - 140)
        , teppichHoehe((g.height() - kFest) * 384 / 764)
        , legendeOben(kTeppichOben + teppichHoehe + 50)
        , balkenOben(legendeOben + 110)
        , balkenHoehe(g.height() - kFest - teppichHoehe)
        , balkenUnten(balkenOben + balkenHoehe)
    {}
    // Whole pixels, edge to edge: neighbouring cells neither overlap nor leave a gap.
    QRect zelle(int tag, int stunde) const
    {
        const auto x = [&](int t) { return kLinks + int(std::lround(double(t) * teppichBreite / kJahrestage)); };
        const auto y = [&](int h) { return kTeppichOben + int(std::lround(double(h) * teppichHoehe / 24)); };
        return QRect(QPoint(x(tag - 1), y(24 - stunde)), QPoint(x(tag) - 1, y(25 - stunde) - 1));
    }
    int breite, teppichBreite, teppichHoehe;
    int legendeOben, balkenOben, balkenHoehe, balkenUnten;
};

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

void textIn(QPainter& maler, const QRect& rechteck, int ausrichtung, const QString& text)
{
    maler.drawText(rechteck, ausrichtung, text);
}

void teppichMalen(QPainter& maler, const Auswertung& a, const Aufteilung& f, Rechenverfahren verfahren)
{
    maler.setFont(Bildschrift(20, true));
    textIn(maler, QRect(kLinks, kTeppichOben - 42, f.teppichBreite, 30), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Empfindung in jeder Stunde des Jahres"));
    const QRect flaeche(kLinks, kTeppichOben, f.teppichBreite, f.teppichHoehe);
    if (a.stunden.empty()) {
        maler.fillRect(flaeche, Zellfarbe(kZelleLeer));
        maler.setFont(Bildschrift(20));
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
                maler.fillRect(f.zelle(tag, stunde).united(f.zelle(bis - 1, stunde)), Zellfarbe(wert));
                tag = bis;
            }
        }
    }
    maler.setPen(kRahmen);
    maler.drawRect(flaeche.adjusted(0, 0, -1, -1));

    // Month ticks at each month's first day, names in the middle of the month.
    maler.setFont(Bildschrift(17));
    const QStringList namen = Monatsnamen(maler, 28.0 * f.teppichBreite / kJahrestage);
    for (int m = 0; m < kAnzahlMonate; ++m) {
        const int x = f.zelle(kMonate[std::size_t(m)].ersterTag, 1).left();
        const int ende =
            m + 1 < kAnzahlMonate ? f.zelle(kMonate[std::size_t(m + 1)].ersterTag, 1).left() : kLinks + f.teppichBreite;
        maler.setPen(kRahmen);
        maler.drawLine(x, flaeche.bottom() + 1, x, flaeche.bottom() + 9);
        maler.setPen(kSchwarz);
        textIn(maler, QRect(x, flaeche.bottom() + 8, ende - x, 26), Qt::AlignCenter, namen[m]);
    }
    for (int stunde : {1, 6, 12, 18, 24}) {
        const QRect zelle = f.zelle(1, stunde);
        maler.setPen(kRahmen);
        maler.drawLine(kLinks - 8, zelle.center().y(), kLinks - 1, zelle.center().y());
        maler.setPen(kSchwarz);
        textIn(maler, QRect(kLinks - 60, zelle.center().y() - 12, 48, 24), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(stunde));
    }
    maler.save();
    maler.translate(22, kTeppichOben + f.teppichHoehe / 2);
    maler.rotate(-90);
    textIn(maler, QRect(-150, -12, 300, 26), Qt::AlignCenter, QStringLiteral("Stunde des Tages"));
    maler.restore();

    // The bands' legend in one row as wide as the picture allows, then the other cells.
    maler.setFont(Bildschrift(17));
    const int schritt = std::min(160, (f.breite - kLinks - 20) / kEmpfindungsbaender);
    for (int band = 0; band < kEmpfindungsbaender; ++band)
        Legendeneintrag(maler, kLinks + band * schritt, f.legendeOben, Zellfarbe(int8_t(band)), Empfindungsname(band),
                        schritt);
    const int oben = f.legendeOben + 34;
    Legendeneintrag(maler, kLinks, oben, Zellfarbe(kZelleBegrenzt),
                    QStringLiteral("begrenzt (%1)").arg(BegrenztText(verfahren)));
    Legendeneintrag(maler, kLinks + 320, oben, Zellfarbe(kZelleFehler), QStringLiteral("Rechenfehler"));
    Legendeneintrag(maler, kLinks + 640, oben, Zellfarbe(kZelleLeer), QStringLiteral("keine Daten"));
}

// A step of 1, 2 or 5 times a power of ten that divides `hoechster` into at most 8 parts.
int64_t teilung(int64_t hoechster)
{
    for (int64_t zehner = 1;; zehner *= 10)
        for (const int64_t faktor : {1, 2, 5})
            if (hoechster <= 8 * faktor * zehner)
                return faktor * zehner;
}

void balkenMalen(QPainter& maler, const Auswertung& a, const Aufteilung& f)
{
    maler.setFont(Bildschrift(20, true));
    textIn(maler, QRect(kLinks, f.balkenOben - 42, f.teppichBreite, 30), Qt::AlignLeft | Qt::AlignVCenter,
           a.nachMonaten ? QStringLiteral("Stunden je Monat nach Kategorie (nach PMV)")
                         : QStringLiteral("Stunden nach Kategorie (nach PMV); ohne Spalte \u201EJahresstunde\u201C "
                                          "keine Aufteilung nach Monaten"));
    std::vector<std::pair<QString, Zaehlung>> balken;
    if (a.nachMonaten)
        for (int m = 0; m < kAnzahlMonate; ++m)
            balken.emplace_back(QString::fromUtf16(kMonate[std::size_t(m)].vollname), a.monate[std::size_t(m)]);
    else
        balken.emplace_back(QStringLiteral("Summe"), a);
    int64_t hoechster = 1;
    for (const auto& [name, z] : balken)
        hoechster = std::max(hoechster, z.datenzeilen);
    const int64_t schritt = teilung(hoechster);
    const int64_t oben = (hoechster + schritt - 1) / schritt * schritt;
    const int breite = f.teppichBreite - 430;  // the bars; the category legend stands right of them
    auto yVon = [&](int64_t stunden) { return f.balkenUnten - int(stunden * f.balkenHoehe / oben); };

    maler.setFont(Bildschrift(17));
    for (int64_t wert = 0; wert <= oben; wert += schritt) {
        const int y = yVon(wert);
        maler.setPen(kGitter);
        maler.drawLine(kLinks, y, kLinks + breite, y);
        maler.setPen(kSchwarz);
        textIn(maler, QRect(kLinks - 80, y - 12, 70, 24), Qt::AlignRight | Qt::AlignVCenter, QString::number(wert));
    }
    const int feld = breite / int(balken.size());
    const QStringList namen = Monatsnamen(maler, feld);
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
        textIn(maler, QRect(kLinks + int(i) * feld, f.balkenUnten + 6, feld, 26), Qt::AlignCenter,
               a.nachMonaten ? namen[qsizetype(i)] : balken[i].first);
    }
    maler.setPen(kRahmen);
    maler.drawLine(kLinks, f.balkenOben, kLinks, f.balkenUnten);
    maler.drawLine(kLinks, f.balkenUnten, kLinks + breite, f.balkenUnten);
    maler.save();
    maler.translate(22, f.balkenOben + f.balkenHoehe / 2);
    maler.rotate(-90);
    maler.setPen(kSchwarz);
    textIn(maler, QRect(-150, -12, 300, 26), Qt::AlignCenter, QStringLiteral("Stunden"));
    maler.restore();

    for (std::size_t t = kStapel.size(); t-- > 0;)
        Legendeneintrag(maler, kLinks + breite + 40, f.balkenOben + 40 + int(kStapel.size() - 1 - t) * 36,
                        kStapel[t].farbe, QString::fromUtf16(kStapel[t].name));
    maler.setFont(Bildschrift(15));
    textIn(maler, QRect(kLinks + breite + 40, f.balkenOben + 240, f.breite - kLinks - breite - 60, 120),
           Qt::AlignLeft | Qt::TextWordWrap,
           QStringLiteral("Kategorien nach ISO 7730, nur nach dem PMV jeder Stunde beurteilt; "
                          "die lokalen Kriterien sind nicht in den Daten."));
}

}  // namespace

QRect TeppichZelle(int tag, int stunde, QSize groesse) { return Aufteilung(groesse).zelle(tag, stunde); }

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

void JahresbildMalen(QPainter& maler, const Jahresauswertung& j, QSize groesse)
{
    const Auswertung& a = j.zaehlung;
    const Aufteilung f(groesse);
    maler.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setRenderHint(QPainter::TextAntialiasing, true);
    maler.setPen(kSchwarz);
    maler.setFont(Bildschrift(26, true));
    textIn(maler, QRect(kLinks, 14, f.breite - kLinks - 40, 36), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Jahresauswertung %1").arg(QFileInfo(j.ergebnisdatei).fileName()));
    maler.setFont(Bildschrift(17));
    QString zeile = QStringLiteral("%1 Datenzeilen ausgewertet").arg(a.datenzeilen);
    if (a.rechenfehler > 0)
        zeile += QStringLiteral(", davon %1 mit Rechenfehler").arg(a.rechenfehler);
    textIn(maler, QRect(kLinks, 48, f.breite - kLinks - 40, 24), Qt::AlignLeft | Qt::AlignVCenter, zeile);
    teppichMalen(maler, a, f, j.stunden.verfahren);
    balkenMalen(maler, a, f);
}

QImage JahresbildRaster(const Jahresauswertung& auswertung)
{
    return BildRaster(QSize(kBildBreite, kBildHoehe), [&](QPainter& maler) { JahresbildMalen(maler, auswertung); });
}

QByteArray JahresbildPng(const Jahresauswertung& auswertung) { return BildPng(JahresbildRaster(auswertung)); }

QByteArray JahresbildSvg(const Jahresauswertung& auswertung)
{
    return BildSvg(QSize(kBildBreite, kBildHoehe), QStringLiteral("Jahresauswertung"),
                   [&](QPainter& maler) { JahresbildMalen(maler, auswertung); });
}

bool JahresbildSchreiben(const Jahresauswertung& auswertung, const QString& pfad, QString* grund)
{
    const bool alsSvg = QFileInfo(pfad).suffix().compare(u"svg", Qt::CaseInsensitive) == 0;
    return BildSchreiben(pfad, alsSvg ? JahresbildSvg(auswertung) : JahresbildPng(auswertung), grund);
}

}  // namespace evaluation
