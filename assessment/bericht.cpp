// SPDX-License-Identifier: GPL-3.0-or-later
#include "bericht.h"

#include "kriterien.h"
#include "zahlen.h"

#include <QFileInfo>
#include <QFont>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using namespace model::bewertung;
using namespace model;

namespace assessment {

namespace {

// Drawing units: tenths of a millimetre across the 190 mm wide content area.
constexpr double kEinheitenProMm = 10.0;

QString mit(double wert, int stellen, const char* einheit)
{
    return formatiereZahl(wert, stellen) + QString::fromUtf8(einheit);
}

class Satz {
public:
    explicit Satz(QPainter& maler) : m_maler(maler) {}

    void schrift(int groesse, bool fett = false)
    {
        QFont f(QStringLiteral("Sans Serif"));
        f.setPixelSize(groesse);
        f.setBold(fett);
        m_maler.setFont(f);
        m_zeile = groesse * 1.45;
    }
    // One line of cells at the given left edges (tenths of a millimetre).
    void zeile(std::initializer_list<std::pair<double, QString>> zellen)
    {
        for (const auto& [links, text] : zellen)
            m_maler.drawText(QRectF(links, m_y, 1900 - links, m_zeile), Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += m_zeile;
    }
    void abstand(double einheiten) { m_y += einheiten; }
    void linie()
    {
        m_maler.drawLine(QPointF(0, m_y), QPointF(1900, m_y));
        m_y += 15;
    }
    double y() const { return m_y; }

private:
    QPainter& m_maler;
    double m_y = 0;
    double m_zeile = 50;
};

}  // namespace

void zeichneBericht(QPainter& maler, const QRectF& seite, const Berichtsinhalt& inhalt)
{
    maler.save();
    maler.translate(seite.topLeft());
    const double massstab = seite.width() / (kBerichtBreiteMm * kEinheitenProMm);
    maler.scale(massstab, massstab);
    maler.setPen(Qt::black);
    Satz s(maler);
    const Raumklima& k = inhalt.klima;
    const LokaleEingaben& l = inhalt.lokal;
    const Ergebnis& r = inhalt.ergebnis;

    s.schrift(70, true);
    s.zeile({{0, QStringLiteral("Behaglichkeit nach ISO 7730")}});
    s.schrift(32);
    s.zeile({{0, QStringLiteral("Bewertung nach ISO 7730:2005, Abschnitt 6 und Anhang A, Tabelle A.1 · erstellt am ")
                     + QLocale().toString(inhalt.erstellt, QStringLiteral("dd.MM.yyyy HH:mm"))}});
    s.linie();

    s.schrift(40, true);
    s.zeile({{0, QStringLiteral("Raumklima")}});
    s.schrift(35);
    s.zeile({{0, QStringLiteral("Raumlufttemperatur Ti")},
             {600, mit(k.Ti, 1, " °C")},
             {950, QStringLiteral("Relative Luftfeuchte")},
             {1550, mit(k.phi, 0, " %")}});
    s.zeile({{0, QStringLiteral("Strahlungstemperatur Ts")},
             {600, inhalt.tsGleichTi ? QStringLiteral("= Ti") : mit(k.Ts, 1, " °C")},
             {950, QStringLiteral("Energieumsatz M")},
             {1550, mit(k.M, 0, " W/m²")}});
    s.zeile({{0, QStringLiteral("Luftgeschwindigkeit v_Luft")},
             {600, mit(k.v_Luft, 2, " m/s")},
             {950, QStringLiteral("Mechanische Leistung W")},
             {1550, mit(k.W, 0, " %")}});
    s.zeile({{0, QStringLiteral("Bekleidung Icl")},
             {600, mit(k.Icl, 2, " clo")},
             {950, QStringLiteral("Relativgeschwindigkeit v_rel")},
             {1550, mit(k.v_rel, 2, " m/s")}});
    s.abstand(30);

    s.schrift(40, true);
    s.zeile({{0, QStringLiteral("Örtliche Eingaben")}});
    s.schrift(35);
    s.zeile({{0, QStringLiteral("Turbulenzgrad Tu")},
             {600, mit(l.tu, 0, " %")},
             {950, QStringLiteral("Örtliche Lufttemperatur ta,l")},
             {1550, mit(l.tLokal, 1, " °C")}});
    s.zeile({{0, QStringLiteral("Zugluft bewertet")},
             {600, l.zugluft ? QStringLiteral("ja") : QStringLiteral("nein")},
             {950, QStringLiteral("Örtliche Luftgeschwindigkeit va,l")},
             {1550, mit(l.vLokal, 2, " m/s")}});
    for (int i = 0; i < 6; ++i) {
        const Kriteriumstext& t = text(static_cast<Kriterium>(int(Kriterium::Vertikal) + i));
        s.zeile({{0, t.name + QStringLiteral(", ") + t.eingabe},
                 {1250, l.lokal[i] ? formatiereZahl(*l.lokal[i], 1) + t.einheit : QStringLiteral("nicht bewertet")}});
    }
    s.abstand(30);

    s.schrift(40, true);
    s.zeile({{0, QStringLiteral("Kriterien")}});
    s.schrift(35, true);
    s.zeile({{0, QStringLiteral("Kriterium")},
             {1050, QStringLiteral("Wert")},
             {1300, QStringLiteral("Kategorie")},
             {1550, QStringLiteral("Gültigkeit")}});
    s.linie();
    s.schrift(35);
    for (int i = 0; i < kKriterien; ++i) {
        const Kriterium kr = static_cast<Kriterium>(i);
        const Einzelwert& w = r.werte[i];
        if (!w.bewertet) {
            s.zeile({{0, text(kr).name}, {1050, QStringLiteral("nicht bewertet")}});
            continue;
        }
        s.zeile({{0, text(kr).name},
                 {1050, wertText(kr, w.wert)},
                 {1300, kategorieText(w.kategorie)},
                 {1550, w.gueltig ? QStringLiteral("im Bereich") : QStringLiteral("außerhalb")}});
    }
    s.linie();
    s.abstand(20);
    s.schrift(60, true);
    s.zeile({{0, QStringLiteral("Gesamtkategorie: ") + kategorieText(r.gesamt)}});
    s.schrift(35);
    s.zeile({{0, QStringLiteral("entscheidend: ") + text(r.entscheidend).name}});
    bool ausserhalb = false;
    for (const Einzelwert& w : r.werte)
        ausserhalb = ausserhalb || (w.bewertet && !w.gueltig);
    if (ausserhalb) {
        s.abstand(20);
        s.zeile({{0, QStringLiteral("Mindestens eine Eingabe liegt außerhalb des Gültigkeitsbereichs "
                                    "ihrer Formel;")}});
        s.zeile({{0, QStringLiteral("die Kategorie ist dort nur ein Anhalt.")}});
    }
    s.abstand(40);
    s.schrift(28);
    s.zeile({{0, QStringLiteral("Kategorien (Tabelle A.1, jeweils „kleiner als“): A: PPD 6 %, |PMV| 0,2, DR 10 %, "
                                "PD vertikal 3 %, Fußboden 10 %, Asymmetrie 5 %;")}});
    s.zeile({{0, QStringLiteral("B: 10 %, 0,5, 20 %, 5 %, 10 %, 5 %;  C: 15 %, 0,7, 30 %, 10 %, 15 %, 10 %.  "
                                "„–“: schlechter als C.")}});
    maler.restore();
}

bool schreibeBerichtPdf(QIODevice& ziel, const Berichtsinhalt& inhalt)
{
    QPdfWriter pdf(&ziel);
    pdf.setTitle(QStringLiteral("Behaglichkeit nach ISO 7730"));
    pdf.setCreator(QStringLiteral("Tempara"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    QPainter maler;
    if (!maler.begin(&pdf))
        return false;
    zeichneBericht(maler, QRectF(0, 0, pdf.width(), pdf.height()), inhalt);
    return maler.end();
}

QImage berichtBild(const Berichtsinhalt& inhalt)
{
    constexpr double punkteProMm = 150.0 / 25.4;
    QImage bild(int(kBerichtBreiteMm * punkteProMm), int(kBerichtHoeheMm * punkteProMm), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    zeichneBericht(maler, QRectF(0, 0, bild.width(), bild.height()), inhalt);
    return bild;
}

bool speichereBerichtPdf(const QString& pfad, const Berichtsinhalt& inhalt, QString* fehler)
{
    const QFileInfo ziel(pfad);
    if (ziel.exists() && !ziel.isFile() && !ziel.isDir()) {
        QFile direkt(pfad);
        const bool gut = direkt.open(QIODevice::WriteOnly) && schreibeBerichtPdf(direkt, inhalt);
        if (!gut && fehler)
            *fehler = direkt.errorString();
        return gut;
    }
    QSaveFile datei(pfad);
    const bool gut = datei.open(QIODevice::WriteOnly) && schreibeBerichtPdf(datei, inhalt) && datei.commit();
    if (!gut && fehler)
        *fehler = datei.errorString();
    return gut;
}

}  // namespace assessment
