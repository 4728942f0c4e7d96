// SPDX-License-Identifier: GPL-3.0-or-later
#include "bericht.h"

#include "empfindung.h"
#include "isolinien.h"
#include "version.h"
#include "zieldatei.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

using namespace model;

namespace diagram {

namespace {

// The page is laid out in tenths of a point, so that fonts of 8.5 pt have whole pixel sizes
// and every device (SVG, PDF, PNG, printer) gets the same layout, only scaled.
constexpr double kEinheitenJeMm = 720.0 / 25.4;
constexpr double pt(double punkte) { return punkte * 10.0; }

const QColor kSchwarz(0, 0, 0);
const QColor kGrau(128, 128, 128);
const QColor kDunkelgrau(64, 64, 64);
const QColor kRahmen(96, 96, 96);
const QString kOhneBand = QStringLiteral("ohne Band (|PMV| ≥ 3)");

QFont schrift(double punkte, bool fett = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    f.setPixelSize(int(std::lround(pt(punkte))));
    f.setBold(fett);
    // Unhinted: text widths scale exactly with the page, on every device alike.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::NoSubpixelAntialias);
    return f;
}

QSizeF inhaltEinheiten(Papier papier)
{
    const QSizeF mm = seiteMm(papier) - QSizeF(2 * kBerichtrandMm, 2 * kBerichtrandMm);
    return mm * kEinheitenJeMm;
}

// The level of band k (0 "kalt" … 6 "heiß"): its lower limit; "kalt" starts just above −3,
// since a clipped vote of −3 lies in no band.
float bandstufe(int k) { return k == 0 ? std::nextafter(-3.0f, 0.0f) : kEmpfindungen[std::size_t(k)].untergrenze; }

QString mitMinus(QString text) { return text.replace(u'-', QChar(0x2212)); }

QString stufentext(float stufe)
{
    if (stufe == 0.0f)
        return QStringLiteral("PMV = 0");
    return QStringLiteral("PMV = ") + (stufe > 0 ? QStringLiteral("+") : QString(QChar(0x2212)))
           + bereichsText(std::fabs(stufe));
}

QPen linienstift(float stufe)
{
    const float betrag = std::fabs(stufe);
    QPen stift(kSchwarz, betrag == 0.0f ? pt(1.6) : pt(1.0));
    stift.setCapStyle(Qt::FlatCap);
    stift.setJoinStyle(Qt::RoundJoin);
    if (betrag == 0.5f)
        stift.setDashPattern({5.0, 2.5});
    else if (betrag > 0.5f)
        stift.setDashPattern({1.0, 1.8});
    return stift;
}

QString linienbeschreibung(float stufe)
{
    if (stufe == 0.0f)
        return QStringLiteral("PMV = 0 (neutral)");
    return QStringLiteral("PMV = ±") + bereichsText(stufe)
           + (stufe == 0.5f ? QStringLiteral(" (Grenze Kategorie B)") : QStringLiteral(" (Grenze Kategorie C)"));
}

QString einheitenText(float wert, int groesse)
{
    return mitMinus(bereichsText(wert)) + QChar(u' ') + QString::fromUtf16(info(groesse).einheit);
}

// Everything placed on one page, in page units.
class Seite {
public:
    Seite(QPainter& maler, const Berichtinhalt& inhalt, const Berichtoptionen& optionen, QSizeF groesse)
        : m(maler), m_inhalt(inhalt), m_opt(optionen), m_groesse(groesse)
    {
        const Rasterwerte& r = inhalt.raster;
        m_ax = berichtsachse(optionen.bereich, true, inhalt.bereich, r);
        m_ay = berichtsachse(optionen.bereich, false, inhalt.bereich, r);
    }

    void malen()
    {
        const double kopfUnten = kopfMalen();
        const double legendenBreite = legendenbreite();
        flaecheAuslegen(kopfUnten, legendenBreite);
        baenderMalen();
        bezugslinienMalen();
        const std::vector<std::pair<float, std::vector<QPolygonF>>> linien = linienMalen();
        rahmenUndAchsenMalen();
        linienbeschriftungenMalen(linien);
        legendeMalen(m_flaeche.right() + m_bezugsrand + pt(8), legendenBreite);
    }

private:
    // Title, fixed inputs, method and version; returns the bottom of the block.
    double kopfMalen()
    {
        const Rasterwerte& r = m_inhalt.raster;
        m.setPen(kSchwarz);
        m.setFont(schrift(12, true));
        const QString titel = QStringLiteral("Behaglichkeitsbereich (PMV nach ISO 7730) über ")
                              + QString::fromUtf16(info(r.xGroesse).name) + QStringLiteral(" und ")
                              + QString::fromUtf16(info(r.yGroesse).name);
        double y = textblock(titel, 0);
        QStringList fest;
        for (const Festwert& f : m_inhalt.festwerte) {
            QString name = f.name;
            if (name.endsWith(u':'))
                name.chop(1);
            fest << name + QChar(0x00a0) + f.wert;
        }
        m.setFont(schrift(8.5));
        y = textblock(QStringLiteral("Fest vorgegeben: ") + fest.join(QStringLiteral(" · ")), y + pt(3));
        y = textblock(QStringLiteral("Rechenverfahren: ") + QString::fromUtf8(Verfahrensname(r.verfahren))
                          + QStringLiteral(" · Tempara ") + QString(kTemparaVersion),
                      y + pt(1));
        return y + pt(8);
    }

    double textblock(const QString& text, double oben)
    {
        const QRectF platz(0, oben, m_groesse.width(), m_groesse.height());
        QRectF belegt;
        m.drawText(platz, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &belegt);
        return belegt.bottom();
    }

    // The widest name of a band, for the column of their limits.
    static double namensbreite(const QFontMetricsF& f)
    {
        double breite = 0;
        for (int i = 0; i < kAnzahlBaender; ++i)
            breite = std::max(breite, f.horizontalAdvance(QString::fromUtf16(band(i).text)));
        return breite;
    }

    double legendenbreite() const
    {
        const QFontMetricsF f(schrift(8));
        double breite = pt(110);
        for (int i = 0; i < kAnzahlBaender; ++i)
            breite =
                std::max(breite, pt(20) + namensbreite(f) + f.horizontalAdvance(mitMinus(Empfindungsgrenzen(i, u','))));
        QStringList zeilen{kOhneBand};
        for (const float s : linienstufen(m_opt.linien))
            if (s >= 0)
                zeilen << linienbeschreibung(s);
        for (const QString& zeile : zeilen)
            breite = std::max(breite, pt(24) + f.horizontalAdvance(zeile));
        return std::min(breite, m_groesse.width() * 0.32);
    }

    void flaecheAuslegen(double oben, double legendenbreite)
    {
        const QFontMetricsF marke(schrift(8)), titel(schrift(9)), bezug(schrift(7.5));
        double yMarkenBreite = 0;
        for (const double w : m_ay.marken())
            yMarkenBreite = std::max(yMarkenBreite, marke.horizontalAdvance(markenText(w)));
        const bool senkrechteBezuege = !bezugswerte(m_inhalt.raster.xGroesse).empty();
        m_bezugsrand = 0;
        for (const float c : bezugswerte(m_inhalt.raster.yGroesse))
            m_bezugsrand =
                std::max(m_bezugsrand, pt(3) + bezug.horizontalAdvance(einheitenText(c, m_inhalt.raster.yGroesse)));
        const double links = titel.height() + pt(6) + yMarkenBreite + pt(6);
        const double unten = pt(4) + marke.height() + pt(4) + titel.height();
        const double kopf = oben + (senkrechteBezuege ? bezug.height() + pt(2) : 0);
        const double rechts = m_groesse.width() - legendenbreite - pt(8) - m_bezugsrand;
        m_flaeche = QRectF(QPointF(links, kopf), QPointF(rechts, m_groesse.height() - unten));
        const double sx = m_flaeche.width() / (m_ax.bis - m_ax.von);
        const double sy = m_flaeche.height() / (m_ay.bis - m_ay.von);
        m_daten = QTransform(sx, 0, 0, -sy, m_flaeche.left() - m_ax.von * sx, m_flaeche.bottom() + m_ay.von * sy);
    }

    // Each band's region is the part at or above its lower limit, painted from cold to hot
    // over the one before: neighbouring bands overlap instead of abutting, so no seam of
    // background shows between them, whatever the viewer's smoothing.
    void baenderMalen()
    {
        m.save();
        m.setClipRect(m_flaeche);
        m.setPen(Qt::NoPen);
        auto flaeche = [&](float stufe, const QColor& farbe) {
            QPainterPath pfad;
            pfad.setFillRule(Qt::WindingFill);
            for (const Linienzug& teil : flaecheAbStufe(m_inhalt.raster, stufe))
                pfad.addPolygon(m_daten.map(QPolygonF(QList<QPointF>(teil.begin(), teil.end()))));
            m.fillPath(pfad, farbe);
        };
        for (int k = 0; k < kAnzahlBaender; ++k)
            flaeche(bandstufe(k), QColor(band(kAnzahlBaender - 1 - k).farbe));
        flaeche(3.0f, Qt::white);  // a clipped vote of 3 and above lies in no band
        m.restore();
    }

    void bezugslinienMalen()
    {
        const Rasterwerte& r = m_inhalt.raster;
        QPen stift(kGrau, pt(0.6));
        m.setFont(schrift(7.5));
        const QFontMetricsF f(m.font());
        for (const float c : bezugswerte(r.xGroesse)) {
            if (c < m_ax.von || c > m_ax.bis)
                continue;
            const double x = m_daten.map(QPointF(c, 0)).x();
            m.setPen(stift);
            m.drawLine(QPointF(x, m_flaeche.top()), QPointF(x, m_flaeche.bottom()));
            m.setPen(kDunkelgrau);
            const QString text = einheitenText(c, r.xGroesse);
            m.drawText(QRectF(x - pt(40), m_flaeche.top() - f.height() - pt(2), pt(80), f.height()),
                       Qt::AlignHCenter | Qt::AlignBottom, text);
        }
        for (const float c : bezugswerte(r.yGroesse)) {
            if (c < m_ay.von || c > m_ay.bis)
                continue;
            const double y = m_daten.map(QPointF(0, c)).y();
            m.setPen(stift);
            m.drawLine(QPointF(m_flaeche.left(), y), QPointF(m_flaeche.right(), y));
            m.setPen(kDunkelgrau);
            m.drawText(QRectF(m_flaeche.right() + pt(3), y - f.height() / 2, m_bezugsrand, f.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, einheitenText(c, r.yGroesse));
        }
    }

    std::vector<std::pair<float, std::vector<QPolygonF>>> linienMalen()
    {
        std::vector<std::pair<float, std::vector<QPolygonF>>> alle;
        m.save();
        m.setClipRect(m_flaeche);
        m.setBrush(Qt::NoBrush);
        for (const float stufe : linienstufen(m_opt.linien)) {
            std::vector<QPolygonF> zuege;
            m.setPen(linienstift(stufe));
            for (const Linienzug& zug : isolinie(m_inhalt.raster, stufe)) {
                zuege.push_back(m_daten.map(QPolygonF(QList<QPointF>(zug.begin(), zug.end()))));
                m.drawPolyline(zuege.back());
            }
            alle.emplace_back(stufe, std::move(zuege));
        }
        m.restore();
        return alle;
    }

    void rahmenUndAchsenMalen()
    {
        const Rasterwerte& r = m_inhalt.raster;
        m.setPen(QPen(kSchwarz, pt(0.8)));
        m.setBrush(Qt::NoBrush);
        m.drawRect(m_flaeche);
        m.setFont(schrift(8));
        const QFontMetricsF f(m.font());
        const double strich = pt(3);
        QRectF letzte;
        for (const double w : m_ax.marken()) {
            const double x = m_daten.map(QPointF(w, 0)).x();
            m.drawLine(QPointF(x, m_flaeche.bottom()), QPointF(x, m_flaeche.bottom() + strich));
            const QString text = markenText(w);
            const double breite = f.horizontalAdvance(text);
            const QRectF platz(x - breite / 2, m_flaeche.bottom() + pt(4), breite, f.height());
            if (!letzte.isNull() && platz.adjusted(-pt(3), 0, 0, 0).intersects(letzte))
                continue;  // too dense to write every number
            m.drawText(platz, Qt::AlignCenter, text);
            letzte = platz;
        }
        letzte = {};
        for (const double w : m_ay.marken()) {
            const double y = m_daten.map(QPointF(0, w)).y();
            m.drawLine(QPointF(m_flaeche.left() - strich, y), QPointF(m_flaeche.left(), y));
            const QString text = markenText(w);
            const double breite = f.horizontalAdvance(text);
            const QRectF platz(m_flaeche.left() - pt(6) - breite, y - f.height() / 2, breite, f.height());
            if (!letzte.isNull() && platz.adjusted(0, 0, 0, pt(1)).intersects(letzte))
                continue;
            m.drawText(platz, Qt::AlignRight | Qt::AlignVCenter, text);
            letzte = platz;
        }
        m.setFont(schrift(9));
        const QFontMetricsF t(m.font());
        m.drawText(QRectF(m_flaeche.left(), m_groesse.height() - t.height(), m_flaeche.width(), t.height()),
                   Qt::AlignHCenter | Qt::AlignBottom, berichtsAchsentitel(r.xGroesse));
        m.save();
        m.translate(0, m_flaeche.center().y());
        m.rotate(-90);
        m.drawText(QRectF(-m_flaeche.height() / 2, 0, m_flaeche.height(), t.height()), Qt::AlignHCenter | Qt::AlignTop,
                   berichtsAchsentitel(r.yGroesse));
        m.restore();
    }

    // Each line's label sits on its longest piece, at the first of a few places along it (a
    // different first place for each level) where it stays inside the plot and clear of the
    // labels before it; a white box keeps the line from running through the text.
    void linienbeschriftungenMalen(const std::vector<std::pair<float, std::vector<QPolygonF>>>& linien)
    {
        m.setFont(schrift(7.5, true));
        const QFontMetricsF f(m.font());
        std::vector<QRectF> belegt;
        const QRectF innen = m_flaeche.adjusted(pt(2), pt(2), -pt(2), -pt(2));
        static constexpr double kOrte[] = {0.5, 0.3, 0.7, 0.15, 0.85, 0.4, 0.6, 0.22, 0.78};
        int nummer = 0;
        for (const auto& [stufe, zuege] : linien) {
            const int erster = nummer++;
            const auto laengster =
                std::max_element(zuege.begin(), zuege.end(),
                                 [](const QPolygonF& a, const QPolygonF& b) { return laenge(a) < laenge(b); });
            if (laengster == zuege.end())
                continue;
            const QString text = stufentext(stufe);
            const QSizeF groesse(f.horizontalAdvance(text) + pt(4), f.height() + pt(1));
            const int orte = int(std::size(kOrte));
            for (int k = 0; k < orte; ++k) {
                const QPointF p = punktBei(*laengster, kOrte[(k + erster) % orte]);
                const QRectF platz(p - QPointF(groesse.width() / 2, groesse.height() / 2), groesse);
                if (!innen.contains(platz)
                    || std::any_of(belegt.begin(), belegt.end(), [&](const QRectF& b) { return b.intersects(platz); }))
                    continue;
                m.fillRect(platz, Qt::white);
                m.setPen(kSchwarz);
                m.drawText(platz, Qt::AlignCenter, text);
                belegt.push_back(platz);
                break;
            }
        }
    }

    static double laenge(const QPolygonF& zug)
    {
        double l = 0;
        for (qsizetype k = 1; k < zug.size(); ++k)
            l += QLineF(zug[k - 1], zug[k]).length();
        return l;
    }

    static QPointF punktBei(const QPolygonF& zug, double anteil)
    {
        double rest = laenge(zug) * anteil;
        for (qsizetype k = 1; k < zug.size(); ++k) {
            const QLineF stueck(zug[k - 1], zug[k]);
            if (rest <= stueck.length())
                return stueck.pointAt(stueck.length() > 0 ? rest / stueck.length() : 0);
            rest -= stueck.length();
        }
        return zug.isEmpty() ? QPointF() : zug.back();
    }

    void legendeMalen(double links, double breite)
    {
        double y = m_flaeche.top();
        m.setFont(schrift(8.5, true));
        m.setPen(kSchwarz);
        const QFontMetricsF fett(m.font());
        m.drawText(QPointF(links, y + fett.ascent()), QStringLiteral("Thermisches Empfinden"));
        y += fett.height() + pt(4);
        m.setFont(schrift(8));
        const QFontMetricsF f(m.font());
        const double nameBreite = namensbreite(f);
        const double kasten = pt(10);
        auto eintrag = [&](const QColor& farbe, const QString& name, const QString& grenzen) {
            m.fillRect(QRectF(links, y, kasten, f.height()), farbe);
            m.setPen(QPen(kRahmen, pt(0.4)));
            m.drawRect(QRectF(links, y, kasten, f.height()));
            m.setPen(kSchwarz);
            m.drawText(QPointF(links + kasten + pt(4), y + f.ascent()), name);
            if (!grenzen.isEmpty())
                m.drawText(QPointF(links + kasten + pt(10) + nameBreite, y + f.ascent()), grenzen);
            y += f.height() + pt(2);
        };
        for (int i = 0; i < kAnzahlBaender; ++i)
            eintrag(QColor(band(i).farbe), QString::fromUtf16(band(i).text),
                    mitMinus(Empfindungsgrenzen(kAnzahlBaender - 1 - i, u',')));
        eintrag(Qt::white, kOhneBand, {});

        y += pt(8);
        m.setFont(schrift(8.5, true));
        m.drawText(QPointF(links, y + fett.ascent()), QStringLiteral("Linien"));
        y += fett.height() + pt(4);
        m.setFont(schrift(8));
        auto linie = [&](const QPen& stift, const QString& text) {
            m.setPen(stift);
            m.drawLine(QPointF(links, y + f.height() / 2), QPointF(links + pt(18), y + f.height() / 2));
            m.setPen(kSchwarz);
            m.drawText(QPointF(links + pt(24), y + f.ascent()), text);
            y += f.height() + pt(2);
        };
        for (const float s : linienstufen(m_opt.linien))
            if (s >= 0)
                linie(linienstift(s), linienbeschreibung(s));
        const Rasterwerte& r = m_inhalt.raster;
        if (!bezugswerte(r.xGroesse).empty() || !bezugswerte(r.yGroesse).empty())
            linie(QPen(kGrau, pt(0.6)), QStringLiteral("Bezugswert"));

        if (!m_inhalt.neutral.isEmpty()) {
            y += pt(8);
            m.setFont(schrift(8.5, true));
            m.drawText(QRectF(links, y, breite, m_groesse.height() - y),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_inhalt.neutral);
        }
    }

    QPainter& m;
    const Berichtinhalt& m_inhalt;
    const Berichtoptionen& m_opt;
    const QSizeF m_groesse;
    Achsbereich m_ax, m_ay;
    QRectF m_flaeche;         // the plot
    QTransform m_daten;       // values of the two quantities to page units
    double m_bezugsrand = 0;  // room right of the plot for the labels of horizontal reference lines
};

QByteArray bildPng(const QImage& bild)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "png");
    // Qt maps 0 to 100 onto zlib's levels 0 to 9: 20 is level 1, fast, and large flat areas
    // pack well anyway.
    schreiber.setCompression(20);
    return schreiber.write(bild) ? daten : QByteArray();
}

}  // namespace

QSizeF seiteMm(Papier papier) { return papier == Papier::A5 ? QSizeF(210, 148) : QSizeF(297, 210); }

int mindestDpi(Papier papier) { return int(std::ceil(kMindestBreitePx * 25.4 / seiteMm(papier).width())); }

QString berichtsAchsentitel(int groesse)
{
    const Groesseninfo& g = info(groesse);
    return QString::fromUtf16(g.name) + QStringLiteral(" in ") + QString::fromUtf16(g.einheit);
}

std::vector<float> linienstufen(Linienwahl wahl)
{
    switch (wahl) {
    case Linienwahl::Neutral: return {0.0f};
    case Linienwahl::KategorieB: return {0.0f, 0.5f, -0.5f};
    case Linienwahl::KategorieC: return {0.0f, 0.5f, -0.5f, 0.7f, -0.7f};
    }
    return {0.0f};
}

void berichtMalen(QPainter& maler, const QRectF& flaeche, const Berichtinhalt& inhalt, const Berichtoptionen& optionen)
{
    const QSizeF einheiten = inhaltEinheiten(optionen.papier);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.translate(flaeche.topLeft());
    const double massstab = std::min(flaeche.width() / einheiten.width(), flaeche.height() / einheiten.height());
    maler.scale(massstab, massstab);
    Seite(maler, inhalt, optionen, einheiten).malen();
    maler.restore();
}

QByteArray berichtSvg(const Berichtinhalt& inhalt, const Berichtoptionen& optionen)
{
    // The SVG's own size is the page in millimetres; its units are the page's units.
    const QSizeF mm = seiteMm(optionen.papier);
    const QSizeF einheiten = mm * kEinheitenJeMm;
    QByteArray daten;
    QBuffer puffer(&daten);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setResolution(720);  // 10 units a point
    svg.setSize(einheiten.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), einheiten));
    svg.setTitle(QStringLiteral("Behaglichkeitsbereich"));
    svg.setDescription(QStringLiteral("Tempara %1").arg(kTemparaVersion));
    QPainter maler;
    if (!maler.begin(&svg))
        return {};
    maler.fillRect(QRectF(QPointF(0, 0), einheiten), Qt::white);
    const double rand = kBerichtrandMm * kEinheitenJeMm;
    berichtMalen(maler, QRectF(rand, rand, einheiten.width() - 2 * rand, einheiten.height() - 2 * rand), inhalt,
                 optionen);
    return maler.end() ? daten : QByteArray();
}

QByteArray berichtPdf(const Berichtinhalt& inhalt, const Berichtoptionen& optionen)
{
    // Qt's font subsets walk hashes; with the per-process random seed the same page would
    // embed its fonts differently in the window and in tempara-cli.
    QHashSeed::setDeterministicGlobalSeed();
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setTitle(QStringLiteral("Behaglichkeitsbereich"));
    pdf.setCreator(QStringLiteral("Tempara %1").arg(kTemparaVersion));
    pdf.setResolution(720);
    pdf.setPageLayout(QPageLayout(
        QPageSize(optionen.papier == Papier::A5 ? QPageSize::A5 : QPageSize::A4), QPageLayout::Landscape,
        QMarginsF(kBerichtrandMm, kBerichtrandMm, kBerichtrandMm, kBerichtrandMm), QPageLayout::Millimeter));
    QPainter maler;
    if (!maler.begin(&pdf))
        return {};
    berichtMalen(maler, QRectF(0, 0, pdf.width(), pdf.height()), inhalt, optionen);
    return maler.end() ? daten : QByteArray();
}

QImage berichtBild(const Berichtinhalt& inhalt, const Berichtoptionen& optionen)
{
    const QSizeF mm = seiteMm(optionen.papier);
    const double jeMm = optionen.dpi / 25.4;
    QImage bild(int(std::lround(mm.width() * jeMm)), int(std::lround(mm.height() * jeMm)), QImage::Format_RGB32);
    if (bild.isNull())
        return bild;
    const int dpm = int(std::lround(optionen.dpi / 0.0254));
    bild.setDotsPerMeterX(dpm);
    bild.setDotsPerMeterY(dpm);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    const double rand = kBerichtrandMm * jeMm;
    berichtMalen(maler, QRectF(rand, rand, bild.width() - 2 * rand, bild.height() - 2 * rand), inhalt, optionen);
    return bild;
}

QByteArray berichtPng(const Berichtinhalt& inhalt, const Berichtoptionen& optionen)
{
    const QImage bild = berichtBild(inhalt, optionen);
    return bild.isNull() ? QByteArray() : bildPng(bild);
}

std::optional<Berichtformat> berichtformatVon(const QString& pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == u"svg")
        return Berichtformat::Svg;
    if (endung == u"pdf")
        return Berichtformat::Pdf;
    if (endung == u"png")
        return Berichtformat::Png;
    return std::nullopt;
}

bool berichtSchreiben(const QString& pfad, const Berichtinhalt& inhalt, const Berichtoptionen& optionen, QString* grund)
{
    auto fehler = [&](const QString& text) {
        if (grund)
            *grund = text;
        return false;
    };
    const std::optional<Berichtformat> format = berichtformatVon(pfad);
    if (!format)
        return fehler(QStringLiteral("Die Endung des Namens bestimmt das Format: .svg, .pdf oder .png."));
    if (*format == Berichtformat::Png && (optionen.dpi < mindestDpi(optionen.papier) || optionen.dpi > kHoechstDpi))
        return fehler(QStringLiteral("Die Auflösung muss zwischen %1 und %2 dpi liegen (mindestens %3 Bildpunkte "
                                     "breit).")
                          .arg(mindestDpi(optionen.papier))
                          .arg(kHoechstDpi)
                          .arg(kMindestBreitePx));
    const QByteArray daten = *format == Berichtformat::Svg   ? berichtSvg(inhalt, optionen)
                             : *format == Berichtformat::Pdf ? berichtPdf(inhalt, optionen)
                                                             : berichtPng(inhalt, optionen);
    if (daten.isEmpty())
        return fehler(QStringLiteral("Das Bild ließ sich nicht erzeugen."));
    return SicherSchreiben(pfad, daten, grund);
}

}  // namespace diagram
