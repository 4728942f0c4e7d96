// SPDX-License-Identifier: GPL-3.0-or-later
#include "bericht.h"

#include "kategoriebalken.h"
#include "kriterien.h"
#include "version.h"
#include "zahlen.h"
#include "zieldatei.h"

#include <QBuffer>
#include <QFont>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

using namespace model::bewertung;
using namespace model;

namespace assessment {

namespace {

// Drawing units: tenths of a millimetre across the 190 mm wide content area.
constexpr double kBreite = 1900;

QString mit(double wert, int stellen, const char* einheit)
{
    return formatiereZahl(wert, stellen) + QString::fromUtf8(einheit);
}

// A field as the window shows it: its number, or "keine Zahl".
QString feldText(const std::optional<double>& wert, int stellen, const char* einheit)
{
    return wert ? mit(*wert, stellen, einheit) : QStringLiteral("keine Zahl");
}

// The category as the window's words: "–" is "schlechter als C".
QString kategorieWort(Kategorie k)
{
    return k == Kategorie::Keine ? QStringLiteral("schlechter als C") : kategorieText(k);
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
        for (const auto& [links, text] : zellen) {
            m_maler.drawText(QRectF(links, m_y, kBreite - links, m_zeile), Qt::AlignLeft | Qt::AlignVCenter, text);
            if (!text.isEmpty())
                m_texte << text;
        }
        m_y += m_zeile;
    }
    void abstand(double einheiten) { m_y += einheiten; }
    void linie()
    {
        m_maler.drawLine(QPointF(0, m_y), QPointF(kBreite, m_y));
        m_y += 15;
    }
    double y() const { return m_y; }
    double zeilenhoehe() const { return m_zeile; }
    QPainter& maler() { return m_maler; }
    const QStringList& texte() const { return m_texte; }

private:
    QPainter& m_maler;
    double m_y = 0;
    double m_zeile = 50;
    QStringList m_texte;
};

void kopf(Satz& s, const Berichtsinhalt& inhalt)
{
    s.schrift(70, true);
    s.zeile({{0, QStringLiteral("Behaglichkeit nach ISO 7730")}});
    s.schrift(35);
    const QString leer = QStringLiteral("–");
    s.zeile({{0, QStringLiteral("Projekt")},
             {300, inhalt.projekt.isEmpty() ? leer : inhalt.projekt},
             {1100, QStringLiteral("Raum")},
             {1300, inhalt.raum.isEmpty() ? leer : inhalt.raum}});
    s.zeile({{0, QStringLiteral("Bearbeiter")},
             {300, inhalt.verfasser.isEmpty() ? leer : inhalt.verfasser},
             {1100, QStringLiteral("Erstellt")},
             {1300, QLocale().toString(inhalt.erstellt, QStringLiteral("dd.MM.yyyy HH:mm"))}});
    s.schrift(32);
    s.zeile({{0, QStringLiteral("Bewertung nach ISO 7730:2005, Abschnitt 6 und Anhang A, Tabelle A.1 · Tempara ")
                     + kTemparaVersion}});
    s.zeile({{0, QStringLiteral("PMV und PPD: ") + QString::fromUtf8(Verfahrensname(inhalt.verfahren))}});
    s.linie();
}

void eingaben(Satz& s, const Berichtsinhalt& inhalt)
{
    const Raumklima& k = inhalt.klima;
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

    const bool dr = inhalt.eingeschaltet[int(Kriterium::DR)];
    s.schrift(40, true);
    s.zeile({{0, QStringLiteral("Örtliche Eingaben")}});
    s.schrift(35);
    s.zeile({{0, QStringLiteral("Turbulenzgrad Tu")},
             {600, feldText(inhalt.tu, 0, " %")},
             {950, QStringLiteral("Örtliche Lufttemperatur ta,l")},
             {1550, feldText(inhalt.tLokal, 1, " °C")}});
    s.zeile({{0, QStringLiteral("Zugluft bewertet")},
             {600, !dr ? QStringLiteral("nein")
                       : (inhalt.ergebnis.werte[int(Kriterium::DR)].bewertet ? QStringLiteral("ja")
                                                                             : QStringLiteral("keine Zahl"))},
             {950, QStringLiteral("Örtliche Luftgeschwindigkeit va,l")},
             {1550, feldText(inhalt.vLokal, 2, " m/s")}});
    for (int i = 0; i < 6; ++i) {
        const auto kr = static_cast<Kriterium>(int(Kriterium::Vertikal) + i);
        const Kriteriumstext& t = text(kr);
        const std::optional<double>& wert = inhalt.lokal.lokal[i];
        s.zeile({{0, t.name + QStringLiteral(", ") + t.eingabe},
                 {1250, !inhalt.eingeschaltet[int(kr)]
                            ? QStringLiteral("nicht bewertet")
                            : (wert ? formatiereZahl(*wert, 1) + t.einheit : QStringLiteral("keine Zahl"))}});
    }
    s.abstand(30);
}

void kriterien(Satz& s, const Berichtsinhalt& inhalt)
{
    constexpr double kWert = 880, kKategorie = 1040, kGueltig = 1340, kBalken = 1560;
    const Ergebnis& r = inhalt.ergebnis;
    s.schrift(40, true);
    s.zeile({{0, QStringLiteral("Kriterien")}});
    s.schrift(32, true);
    s.zeile({{0, QStringLiteral("Kriterium")},
             {kWert, QStringLiteral("Wert")},
             {kKategorie, QStringLiteral("Kategorie")},
             {kGueltig, QStringLiteral("Gültigkeit")},
             {kBalken, QStringLiteral("A / B / C")}});
    s.linie();
    s.schrift(32);
    for (int i = 0; i < kKriterien; ++i) {
        const auto kr = static_cast<Kriterium>(i);
        const Einzelwert& w = r.werte[i];
        const QRectF balken(kBalken, s.y() + s.zeilenhoehe() * 0.2, kBreite - kBalken, s.zeilenhoehe() * 0.6);
        if (!w.bewertet) {
            zeichneKategoriebalken(s.maler(), balken, kr, std::nullopt, Qt::black, 0, 0);
            s.zeile(
                {{0, text(kr).name},
                 {kWert, inhalt.eingeschaltet[i] ? QStringLiteral("keine Zahl") : QStringLiteral("nicht bewertet")}});
        } else if (i <= int(Kriterium::PPD) && !inhalt.pmvGerechnet) {
            zeichneKategoriebalken(s.maler(), balken, kr, std::nullopt, Qt::black, 0, 0);
            s.zeile({{0, text(kr).name}, {kWert, QStringLiteral("Fehler")}});
        } else {
            zeichneKategoriebalken(s.maler(), balken, kr, w.wert, Qt::black, 8, 6);
            s.zeile({{0, text(kr).name},
                     {kWert, wertText(kr, w.wert)},
                     {kKategorie, kategorieWort(w.kategorie)},
                     {kGueltig, w.gueltig ? QStringLiteral("im Bereich") : QStringLiteral("außerhalb")}});
        }
    }
    s.linie();
}

void gesamt(Satz& s, const Berichtsinhalt& inhalt)
{
    const Ergebnis& r = inhalt.ergebnis;
    s.abstand(20);
    s.schrift(60, true);
    if (!inhalt.pmvGerechnet) {
        s.zeile({{0, QStringLiteral("Gesamtkategorie: nicht bestimmbar")}});
        s.schrift(35);
        s.zeile({{0, QStringLiteral("PMV und PPD fehlen")}});
    } else {
        s.zeile({{0, QStringLiteral("Gesamtkategorie: ") + kategorieWort(r.gesamt)}});
        s.schrift(35);
        s.zeile({{0, QStringLiteral("entscheidend: ") + text(r.entscheidend).name}});
    }
    bool ausserhalb = false;
    for (const Einzelwert& w : r.werte)
        ausserhalb = ausserhalb || (w.bewertet && !w.gueltig);
    if (ausserhalb) {
        s.abstand(20);
        s.zeile({{0, QStringLiteral("Mindestens eine Eingabe liegt außerhalb des Gültigkeitsbereichs "
                                    "ihrer Formel;")}});
        s.zeile({{0, QStringLiteral("die Kategorie ist dort nur ein Anhalt.")}});
    }
    if (inhalt.verfahren == Rechenverfahren::Klassisch) {
        s.abstand(20);
        s.zeile({{0, QStringLiteral("Die PPD-Grenzen der Tabelle A.1 gelten für den PPD der Norm; dieser PPD ist "
                                    "klassisch gerechnet.")}});
    }
    s.abstand(40);
    s.schrift(28);
    s.zeile({{0, QStringLiteral("Kategorien (Tabelle A.1, jeweils „kleiner als“): A: PPD 6 %, |PMV| 0,2, DR 10 %, "
                                "PD vertikal 3 %, Fußboden 10 %, Asymmetrie 5 %;")}});
    s.zeile({{0, QStringLiteral("B: 10 %, 0,5, 20 %, 5 %, 10 %, 5 %;  C: 15 %, 0,7, 30 %, 10 %, 15 %, 10 %.  "
                                "„–“: schlechter als C.")}});
}

}  // namespace

QStringList zeichneBericht(QPainter& maler, const QRectF& seite, const Berichtsinhalt& inhalt)
{
    maler.save();
    maler.translate(seite.topLeft());
    const double massstab = seite.width() / kBreite;
    maler.scale(massstab, massstab);
    maler.setPen(Qt::black);
    Satz s(maler);
    kopf(s, inhalt);
    eingaben(s, inhalt);
    kriterien(s, inhalt);
    gesamt(s, inhalt);
    maler.restore();
    return s.texte();
}

bool schreibeBerichtPdf(QIODevice& ziel, const Berichtsinhalt& inhalt)
{
    QPdfWriter pdf(&ziel);
    pdf.setTitle(QStringLiteral("Behaglichkeit nach ISO 7730"));
    pdf.setCreator(QStringLiteral("Tempara ") + kTemparaVersion);
    pdf.setResolution(300);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kBerichtRandMm, QPageLayout::Millimeter));
    QPainter maler;
    if (!maler.begin(&pdf))
        return false;
    zeichneBericht(maler, QRectF(0, 0, pdf.width(), pdf.height()), inhalt);
    return maler.end();
}

bool speichereBerichtPdf(const QString& pfad, const Berichtsinhalt& inhalt, QString* fehler)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly) || !schreibeBerichtPdf(puffer, inhalt)) {
        if (fehler)
            *fehler = QStringLiteral("Das PDF ließ sich nicht erzeugen.");
        return false;
    }
    return SicherSchreiben(pfad, daten, fehler);
}

}  // namespace assessment
