// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweisbild.h"

#include "bildhilfen.h"
#include "monate.h"
#include "zahlen.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

using namespace batch;
using namespace model;

namespace evaluation {

namespace {

constexpr int kLinks = 100;  // left edge of every plot, room for the axis labels
constexpr int kOben = 110;   // below title and subtitle

// The operative temperature in steps of 2 K from cold blue to hot red.
struct Stufe {
    double unter;  // upper edge, exclusive
    QColor farbe;
    const char16_t* text;
};
const std::array<Stufe, 8> kStufen{{
    {18, QColor(40, 70, 160), u"unter 18 °C"},
    {20, QColor(70, 130, 200), u"18 bis 20 °C"},
    {22, QColor(130, 190, 220), u"20 bis 22 °C"},
    {24, QColor(150, 210, 140), u"22 bis 24 °C"},
    {26, QColor(230, 225, 110), u"24 bis 26 °C"},
    {28, QColor(245, 170, 60), u"26 bis 28 °C"},
    {30, QColor(225, 90, 40), u"28 bis 30 °C"},
    {INFINITY, QColor(150, 20, 20), u"ab 30 °C"},
}};
const QColor kUnbelegt(200, 200, 200);
const QColor kOhneDaten(240, 240, 240);

QColor stundenfarbe(const Nachweisstunde& s)
{
    if (!s.vorhanden || !std::isfinite(s.to))
        return kOhneDaten;
    if (!s.belegt)
        return kUnbelegt;
    for (const Stufe& stufe : kStufen)
        if (s.to < stufe.unter)
            return stufe.farbe;
    return kStufen.back().farbe;
}

// The adaptive classes' colours, as the points and the legend show them.
QColor klassenfarbe(Adaptivklasse k)
{
    switch (k) {
    case Adaptivklasse::I: return QColor(0, 110, 40);
    case Adaptivklasse::II: return QColor(70, 170, 70);
    case Adaptivklasse::III: return QColor(170, 190, 40);
    case Adaptivklasse::ZuWarm: return QColor(210, 40, 30);
    case Adaptivklasse::ZuKalt: return QColor(40, 80, 200);
    default: return QColor(136, 136, 136);
    }
}

// An occupied hour with both coordinates of the adaptive chart.
bool punktDa(const Nachweisstunde& s)
{
    return s.vorhanden && s.belegt && std::isfinite(s.thetaRm) && std::isfinite(s.to);
}

void kopf(QPainter& maler, QSize g, const QString& titel, const QString& unterzeile)
{
    maler.fillRect(QRect(QPoint(0, 0), g), Qt::white);
    maler.setPen(kSchwarz);
    maler.setFont(Bildschrift(24, true));
    maler.drawText(QRect(kLinks, 14, g.width() - kLinks - 20, 36), Qt::AlignLeft | Qt::AlignVCenter, titel);
    maler.setFont(Bildschrift(17));
    maler.drawText(QRect(kLinks, 52, g.width() - kLinks - 20, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   unterzeile);
}

// Legend entries in rows from `links` across `breite`, each `schritt` wide; returns the next free y.
int legende(QPainter& maler, int links, int oben, int breite, int schritt,
            const std::vector<std::pair<QColor, QString>>& eintraege)
{
    maler.setFont(Bildschrift(16));
    const int jeZeile = std::max(1, breite / schritt);
    for (std::size_t i = 0; i < eintraege.size(); ++i)
        Legendeneintrag(maler, links + int(i % jeZeile) * schritt, oben + int(i / jeZeile) * 32, eintraege[i].first,
                        eintraege[i].second, schritt);
    return oben + int((eintraege.size() + jeZeile - 1) / jeZeile) * 32;
}

void senkrechterText(QPainter& maler, int x, int mitte, const QString& text)
{
    maler.save();
    maler.translate(x, mitte);
    maler.rotate(-90);
    maler.setPen(kSchwarz);
    maler.drawText(QRect(-200, -12, 400, 26), Qt::AlignCenter, text);
    maler.restore();
}

// German numbers whatever the decimal setting: the pictures belong to a German proof.
QString zahl(double wert, int stellen) { return formatiereZahl(wert, stellen, u','); }

void teppichMalen(QPainter& maler, QSize g, const Nachweis& n, const Nachweiseinstellungen& e)
{
    kopf(maler, g, NachweisbildTitel(Nachweisbild::Teppich),
         QStringLiteral("Jede Stunde in der Farbe ihrer operativen Temperatur; grau: nicht belegt (Nutzung %1)")
             .arg(NutzungBeschreibung(e.nutzung)));
    const int unten = g.height() - 130;  // month names and two legend rows below
    const QRectF flaeche(kLinks, kOben, g.width() - kLinks - 40, unten - kOben);
    const int tage = std::min(n.tageImJahr, int(n.stunden.size() / 24));
    const double tag = flaeche.width() / tage, stunde = flaeche.height() / 24;
    const auto zelle = [&](int t, int h) {  // day 0…364, hour of the day 0…23 from the bottom
        return QRectF(flaeche.left() + t * tag, flaeche.bottom() - (h + 1) * stunde, tag, stunde);
    };
    maler.setRenderHint(QPainter::Antialiasing, false);
    for (int h = 0; h < 24; ++h) {
        // Runs of equal colour along a row are one rectangle: fewer shapes in the SVG and the PDF.
        int t = 0;
        while (t < tage) {
            const QColor farbe = stundenfarbe(n.stunden[std::size_t(t * 24 + h)]);
            int bis = t + 1;
            while (bis < tage && stundenfarbe(n.stunden[std::size_t(bis * 24 + h)]) == farbe)
                ++bis;
            maler.fillRect(zelle(t, h).united(zelle(bis - 1, h)), farbe);
            t = bis;
        }
    }
    maler.setPen(kRahmen);
    maler.drawRect(flaeche);

    maler.setFont(Bildschrift(16));
    const QStringList namen = Monatsnamen(maler, 28 * tag);
    for (int m = 0; m < kAnzahlMonate; ++m) {
        const double x = flaeche.left() + (kMonate[std::size_t(m)].ersterTag - 1) * tag;
        const double ende = m + 1 < kAnzahlMonate ? flaeche.left() + (kMonate[std::size_t(m + 1)].ersterTag - 1) * tag
                                                  : flaeche.right();
        maler.setPen(kRahmen);
        maler.drawLine(QPointF(x, flaeche.bottom()), QPointF(x, flaeche.bottom() + 8));
        maler.setPen(kSchwarz);
        maler.drawText(QRectF(x, flaeche.bottom() + 8, ende - x, 24), Qt::AlignCenter, namen[m]);
    }
    for (int h = 0; h <= 24; h += 6) {
        const double y = flaeche.bottom() - h * stunde;
        maler.setPen(kRahmen);
        maler.drawLine(QPointF(flaeche.left() - 8, y), QPointF(flaeche.left(), y));
        maler.setPen(kSchwarz);
        maler.drawText(QRectF(flaeche.left() - 70, y - 12, 58, 24), Qt::AlignRight | Qt::AlignVCenter,
                       QStringLiteral("%1 Uhr").arg(h));
    }
    std::vector<std::pair<QColor, QString>> eintraege;
    for (const Stufe& s : kStufen)
        eintraege.emplace_back(s.farbe, QString::fromUtf16(s.text));
    eintraege.emplace_back(kUnbelegt, QStringLiteral("nicht belegt"));
    eintraege.emplace_back(kOhneDaten, QStringLiteral("keine Daten"));
    legende(maler, kLinks, unten + 48, g.width() - kLinks - 20, 150, eintraege);
}

void gradstundenMalen(QPainter& maler, QSize g, const Nachweis& n, const Nachweiseinstellungen& e)
{
    const double grenze = e.gradstundengrenze();
    kopf(maler, g, NachweisbildTitel(Nachweisbild::Gradstunden),
         QStringLiteral("Bezugstemperatur %1 °C (Klimaregion %2), Anforderungswert %3 Kh/a (%4); im Jahr %5 Kh/a")
             .arg(zahl(e.bezugstemperatur(), 0), KlimaregionText(e.klimaregion), zahl(grenze, 0),
                  GebaeudeName(e.wirksameGebaeudeart()), zahl(n.jahr.gradstunden, 1)));
    const QRectF flaeche(kLinks, kOben, g.width() - kLinks - 330, g.height() - 60 - kOben);
    double summe = 0, hoechster = grenze;
    for (const Nachweiszaehlung& m : n.monate)
        hoechster = std::max(hoechster, summe += m.gradstunden);
    const double schritt = Teilung(hoechster * 1.05, 8);
    const double oben = std::ceil(hoechster * 1.05 / schritt) * schritt;
    const auto y = [&](double kh) { return flaeche.bottom() - kh / oben * flaeche.height(); };

    maler.setRenderHint(QPainter::Antialiasing, true);
    maler.setFont(Bildschrift(16));
    for (double wert = 0; wert <= oben + schritt / 2; wert += schritt) {
        maler.setPen(kGitter);
        maler.drawLine(QPointF(flaeche.left(), y(wert)), QPointF(flaeche.right(), y(wert)));
        maler.setPen(kSchwarz);
        maler.drawText(QRectF(flaeche.left() - 90, y(wert) - 12, 80, 24), Qt::AlignRight | Qt::AlignVCenter,
                       zahl(wert, 0));
    }
    const double feld = flaeche.width() / kAnzahlMonate;
    const QStringList namen = Monatsnamen(maler, feld);
    const QColor balken(235, 140, 50), linie(120, 40, 20);
    QPolygonF summen;
    summe = 0;
    for (int m = 0; m < kAnzahlMonate; ++m) {
        const double kh = n.monate[std::size_t(m)].gradstunden;
        const double x = flaeche.left() + m * feld;
        maler.fillRect(QRectF(x + feld * 0.2, y(kh), feld * 0.6, flaeche.bottom() - y(kh)), balken);
        summen << QPointF(x + feld / 2, y(summe += kh));
        maler.setPen(kSchwarz);
        maler.drawText(QRectF(x, flaeche.bottom() + 6, feld, 24), Qt::AlignCenter, namen[m]);
    }
    maler.setPen(QPen(linie, 3));
    maler.drawPolyline(summen);
    for (const QPointF& p : summen)
        maler.drawEllipse(p, 4, 4);
    maler.setPen(QPen(QColor(200, 0, 0), 3, Qt::DashLine));
    maler.drawLine(QPointF(flaeche.left(), y(grenze)), QPointF(flaeche.right(), y(grenze)));
    maler.setPen(kRahmen);
    maler.drawLine(flaeche.bottomLeft(), flaeche.topLeft());
    maler.drawLine(flaeche.bottomLeft(), flaeche.bottomRight());
    senkrechterText(maler, 22, int(flaeche.center().y()), QStringLiteral("Übertemperaturgradstunden in Kh"));
    maler.setRenderHint(QPainter::Antialiasing, false);
    legende(maler, int(flaeche.right()) + 40, kOben + 20, 290, 290,
            {{balken, QStringLiteral("je Monat")},
             {linie, QStringLiteral("aufsummiert seit Januar")},
             {QColor(200, 0, 0), QStringLiteral("Anforderungswert %1 Kh/a").arg(zahl(grenze, 0))}});
}

void adaptivMalen(QPainter& maler, QSize g, const Nachweis& n)
{
    kopf(maler, g, NachweisbildTitel(Nachweisbild::Adaptiv),
         QStringLiteral("Jede belegte Stunde ein Punkt; Grenzen der Kategorien ohne Anhebung durch "
                        "Luftbewegung, untere Grenzen erst ab θrm = 15 °C"));
    const QRectF flaeche(kLinks, kOben, g.width() - kLinks - 330, g.height() - 90 - kOben);
    double xMin = 10, xMax = 30, yMin = 16, yMax = 34;
    for (const Nachweisstunde& s : n.stunden)
        if (punktDa(s)) {
            xMin = std::min(xMin, std::floor(s.thetaRm / 5.0) * 5);
            xMax = std::max(xMax, std::ceil(s.thetaRm / 5.0) * 5);
            yMin = std::min(yMin, std::floor(s.to / 2.0) * 2);
            yMax = std::max(yMax, std::ceil(s.to / 2.0) * 2);
        }
    const auto punkt = [&](double x, double y) {
        return QPointF(flaeche.left() + (x - xMin) / (xMax - xMin) * flaeche.width(),
                       flaeche.bottom() - (y - yMin) / (yMax - yMin) * flaeche.height());
    };
    maler.setRenderHint(QPainter::Antialiasing, true);
    maler.setFont(Bildschrift(16));
    for (double x = xMin; x <= xMax; x += 5) {
        maler.setPen(kGitter);
        maler.drawLine(punkt(x, yMin), punkt(x, yMax));
        maler.setPen(kSchwarz);
        maler.drawText(QRectF(punkt(x, yMin) + QPointF(-40, 6), QSizeF(80, 24)), Qt::AlignCenter, zahl(x, 0));
    }
    for (double y = yMin; y <= yMax; y += 2) {
        maler.setPen(kGitter);
        maler.drawLine(punkt(xMin, y), punkt(xMax, y));
        maler.setPen(kSchwarz);
        maler.drawText(QRectF(punkt(xMin, y) + QPointF(-70, -12), QSizeF(60, 24)), Qt::AlignRight | Qt::AlignVCenter,
                       zahl(y, 0));
    }
    // The bands of III, II and I over each other, each with its upper limit from θrm 10 to 30 °C
    // and its lower limit from 15 °C on (below, none).
    const std::array<QColor, 3> baender{QColor(150, 205, 120), QColor(195, 228, 170), QColor(228, 242, 215)};
    for (int k = 2; k >= 0; --k) {
        const auto oberer = [&](double x) { return 0.33 * x + 18.8 + 2 + k; };
        const auto unterer = [&](double x) { return 0.33 * x + 18.8 - 3 - k; };
        QPolygonF band;
        band << punkt(10, oberer(10)) << punkt(30, oberer(30)) << punkt(30, unterer(30)) << punkt(15, unterer(15))
             << punkt(15, yMin) << punkt(10, yMin);
        maler.setPen(Qt::NoPen);
        maler.setBrush(baender[std::size_t(k)]);
        maler.drawPolygon(band);
    }
    maler.setBrush(Qt::NoBrush);
    maler.setPen(QPen(kRahmen, 2, Qt::DashLine));
    maler.drawLine(punkt(10, 0.33 * 10 + 18.8), punkt(30, 0.33 * 30 + 18.8));
    if (!n.mitAdaptiv) {
        maler.setPen(kSchwarz);
        maler.setFont(Bildschrift(20));
        maler.drawText(flaeche.adjusted(60, 0, -60, 0), Qt::AlignCenter | Qt::TextWordWrap, n.adaptivFehlt);
    } else {
        maler.setRenderHint(QPainter::Antialiasing, false);
        for (const Nachweisstunde& s : n.stunden)
            if (punktDa(s))
                maler.fillRect(QRectF(punkt(s.thetaRm, s.to) - QPointF(2, 2), QSizeF(4, 4)), klassenfarbe(s.adaptiv));
        maler.setRenderHint(QPainter::Antialiasing, true);
    }
    maler.setPen(kRahmen);
    maler.drawRect(flaeche);
    maler.setPen(kSchwarz);
    maler.setFont(Bildschrift(17));
    maler.drawText(QRectF(flaeche.left(), flaeche.bottom() + 34, flaeche.width(), 26), Qt::AlignCenter,
                   QStringLiteral("gleitender Mittelwert der Außentemperatur θrm in °C"));
    senkrechterText(maler, 22, int(flaeche.center().y()), QStringLiteral("operative Temperatur in °C"));
    maler.setRenderHint(QPainter::Antialiasing, false);
    int y = legende(maler, int(flaeche.right()) + 40, kOben + 20, 290, 290,
                    {{baender[0], QStringLiteral("Kategorie I")},
                     {baender[1], QStringLiteral("Kategorie II")},
                     {baender[2], QStringLiteral("Kategorie III")}});
    legende(maler, int(flaeche.right()) + 40, y + 20, 290, 290,
            {{klassenfarbe(Adaptivklasse::I), QStringLiteral("Stunde in I")},
             {klassenfarbe(Adaptivklasse::II), QStringLiteral("Stunde in II")},
             {klassenfarbe(Adaptivklasse::III), QStringLiteral("Stunde in III")},
             {klassenfarbe(Adaptivklasse::ZuWarm), QStringLiteral("zu warm")},
             {klassenfarbe(Adaptivklasse::ZuKalt), QStringLiteral("zu kalt")},
             {klassenfarbe(Adaptivklasse::NichtAnwendbar), QStringLiteral("nicht anwendbar")}});
}

}  // namespace

QString NachweisbildTitel(Nachweisbild bild)
{
    switch (bild) {
    case Nachweisbild::Teppich: return QStringLiteral("Operative Temperatur in jeder Stunde des Jahres");
    case Nachweisbild::Gradstunden: return QStringLiteral("Übertemperaturgradstunden nach DIN 4108-2");
    default: return QStringLiteral("Adaptives Modell nach DIN EN 16798-1");
    }
}

QString NachweisbildKurzname(Nachweisbild bild)
{
    switch (bild) {
    case Nachweisbild::Teppich: return QStringLiteral("teppich");
    case Nachweisbild::Gradstunden: return QStringLiteral("gradstunden");
    default: return QStringLiteral("adaptiv");
    }
}

void NachweisbildMalen(QPainter& maler, QSize groesse, const Nachweis& nachweis,
                       const Nachweiseinstellungen& einstellungen, Nachweisbild bild)
{
    maler.save();
    maler.setRenderHint(QPainter::TextAntialiasing, true);
    switch (bild) {
    case Nachweisbild::Teppich: teppichMalen(maler, groesse, nachweis, einstellungen); break;
    case Nachweisbild::Gradstunden: gradstundenMalen(maler, groesse, nachweis, einstellungen); break;
    case Nachweisbild::Adaptiv: adaptivMalen(maler, groesse, nachweis); break;
    }
    maler.restore();
}

QByteArray NachweisbildDaten(const Nachweis& nachweis, const Nachweiseinstellungen& einstellungen, Nachweisbild bild,
                             bool alsSvg)
{
    const auto malen = [&](QPainter& maler) {
        NachweisbildMalen(maler, kNachweisbildGroesse, nachweis, einstellungen, bild);
    };
    return alsSvg ? BildSvg(kNachweisbildGroesse, NachweisbildTitel(bild), malen)
                  : BildPng(BildRaster(kNachweisbildGroesse, malen));
}

bool NachweisbildSchreiben(const Nachweis& nachweis, const Nachweiseinstellungen& einstellungen, Nachweisbild bild,
                           const QString& pfad, QString* grund)
{
    const bool alsSvg = QFileInfo(pfad).suffix().compare(u"svg", Qt::CaseInsensitive) == 0;
    return BildSchreiben(pfad, NachweisbildDaten(nachweis, einstellungen, bild, alsSvg), grund);
}

}  // namespace evaluation
