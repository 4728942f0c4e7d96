// SPDX-License-Identifier: GPL-3.0-or-later
#include "aktivitaet_fenster.h"

#include "bauhilfen.h"
#include "hauptfenster.h"
#include "twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace model;
using namespace gui;

namespace catalogues {

namespace {

// Geometry in twips.
constexpr int kZeileOben = 1440;
constexpr int kZeilenabstand = 300;
constexpr int kZeilenhoehe = 270;

struct Spalte {
    const char16_t* name;
    int links;
    int breite;
    Qt::Alignment ausrichtung;
};
constexpr std::array<Spalte, 5> kSpalten{{
    {u"Tätigkeit", 600, 3120, Qt::AlignLeft | Qt::AlignVCenter},
    {u"W_Energieumsatz", 3840, 900, Qt::AlignCenter},
    {u"met_Energieumsatz", 4800, 900, Qt::AlignCenter},
    {u"P_mech_Leistung", 5820, 1560, Qt::AlignCenter},
    {u"m_rel_Geschwindigkeit", 7500, 1620, Qt::AlignCenter},
}};

struct Kopf {
    const char16_t* text;
    QRect twips;
    Qt::Alignment ausrichtung;
};
const std::array<Kopf, 8> kKoepfe{{
    {u"Körperliche Tätigkeit", QRect(600, 120, 3120, 1200), Qt::AlignLeft | Qt::AlignBottom},
    {u"Energieumsatz", QRect(3840, 120, 1860, 900), Qt::AlignHCenter | Qt::AlignBottom},
    {u"in W/m²", QRect(3840, 1050, 900, 270), Qt::AlignCenter},
    {u"in met", QRect(4800, 1050, 900, 270), Qt::AlignCenter},
    {u"Wirksame mechanische Leistung", QRect(5820, 120, 1560, 900), Qt::AlignHCenter | Qt::AlignBottom},
    {u"in %", QRect(5820, 1050, 1560, 270), Qt::AlignCenter},
    {u"Relative Geschwindig- keit in ruhender Luft", QRect(7500, 120, 1620, 900), Qt::AlignHCenter | Qt::AlignBottom},
    {u"in m/s", QRect(7500, 1050, 1620, 270), Qt::AlignCenter},
}};

QStringList zellen(const Aktivitaetszeile& z)
{
    return {z.Taetigkeit, QString::number(z.W_m2), tabellenzahl(z.met, 1), QString::number(z.P_mech),
            tabellenzahl(z.v_rel, 2)};
}

}  // namespace

Aktivitaet::Aktivitaet(Hauptfenster& hauptfenster) : Katalogfenster(hauptfenster)
{
    setObjectName(u"Aktivität"_s);
    setWindowTitle(u"Energieumsätze verschiedener körperlicher Tätigkeiten"_s);
    setFixedSize(twipsGroesse(9480, 8460));

    ui.Frame1 = new QFrame(this);
    ui.Frame1->setObjectName(u"Frame1"_s);
    ui.Frame1->setFrameShape(QFrame::StyledPanel);
    setzeTwips(ui.Frame1, QRect(120, 120, 9240, 7500));
    baueKoepfe();
    baueZeilen();

    ui.Command1 = new QPushButton(u"Wert übernehmen"_s, this);
    ui.Command1->setObjectName(u"Command1"_s);
    setzeTwips(ui.Command1, QRect(120, 7800, 2040, 450));
    ui.Command3 = new QPushButton(u"Abbruch"_s, this);
    ui.Command3->setObjectName(u"Command3"_s);
    setzeTwips(ui.Command3, QRect(7320, 7800, 2040, 450));
    connect(ui.Command1, &QPushButton::clicked, this, &Aktivitaet::Command1_Click);
    connect(ui.Command3, &QPushButton::clicked, this, &Aktivitaet::hide);
    aktualisiereUebernahme();
}

void Aktivitaet::baueKoepfe()
{
    for (const Kopf& kopf : kKoepfe) {
        QLabel* label = erzeugeLabel(ui.Frame1, QString(), QString::fromUtf16(kopf.text), kopf.twips, kopf.ausrichtung);
        label->setWordWrap(true);
        fett(label);
    }
}

void Aktivitaet::baueZeilen()
{
    const auto tabelle = Aktivitaetstabelle();
    for (int i = 0; i < kAktivitaeten; ++i) {
        const int oben = kZeileOben + i * kZeilenabstand;
        auto* box = new QCheckBox(ui.Frame1);
        box->setObjectName(feldname(u"AW_Energieumsatz"_s, i));
        setzeTwips(box, QRect(240, oben, 300, kZeilenhoehe));
        ui.AW_Energieumsatz[std::size_t(i)] = box;
        // Any change of the tick runs the click handling, also one made from code (which the
        // re-entrancy flag then ignores).
        connect(box, &QCheckBox::toggled, this, [this, i](bool) { AW_Energieumsatz_Click(i); });

        const QStringList texte = zellen(tabelle[std::size_t(i)]);
        for (std::size_t s = 0; s < kSpalten.size(); ++s) {
            const Spalte& spalte = kSpalten[s];
            erzeugeLabel(ui.Frame1, feldname(QString::fromUtf16(spalte.name), i), texte[qsizetype(s)],
                         QRect(spalte.links, oben, spalte.breite, kZeilenhoehe), spalte.ausrichtung);
        }
    }
}

void Aktivitaet::AW_Energieumsatz_Click(int zeile)
{
    if (m_inKlick)
        return;
    m_inKlick = true;
    for (int i = 0; i < kAktivitaeten; ++i)
        if (i != zeile)
            ui.AW_Energieumsatz[std::size_t(i)]->setChecked(false);
    m_inKlick = false;
    aktualisiereUebernahme();
}

void Aktivitaet::aktualisiereUebernahme()
{
    const bool einerAngekreuzt =
        std::ranges::any_of(ui.AW_Energieumsatz, [](const QCheckBox* box) { return box->isChecked(); });
    ui.Command1->setEnabled(einerAngekreuzt);
}

void Aktivitaet::Form_Activate()
{
    m_inKlick = false;
    aktualisiereUebernahme();
}

void Aktivitaet::Command1_Click()
{
    int gewaehlt = 0;
    for (int i = 0; i < kAktivitaeten; ++i)
        if (ui.AW_Energieumsatz[std::size_t(i)]->isChecked())
            gewaehlt = i;
    const Aktivitaetszeile& zeile = Aktivitaetstabelle()[std::size_t(gewaehlt)];
    // M stays the table value (41 stays 41), off the scroll bar's grid of 5 W/m².
    Raumklima klima = hauptfenster().raumklima();
    klima.M = zeile.W_m2;
    klima.W = zeile.P_mech;
    klima.v_rel = zeile.v_rel;
    hauptfenster().uebernehmen(klima);
    hide();
}

}  // namespace catalogues
