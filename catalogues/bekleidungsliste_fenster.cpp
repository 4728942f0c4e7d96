// SPDX-License-Identifier: GPL-3.0-or-later
#include "bekleidungsliste_fenster.h"

#include "bauhilfen.h"
#include "hauptfenster.h"
#include "programm.h"
#include "twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace gui;

namespace catalogues {

namespace {

// Geometry in twips, within a frame.
constexpr int kRahmenBreite = 6000;
constexpr int kBoxLinks = 120;
constexpr int kTextLinks = 480;
constexpr int kTextBreite = 3600;
constexpr int kCloLinks = 4140;
constexpr int kCloBreite = 780;
constexpr int kWLinks = 4980;
constexpr int kWBreite = 900;
constexpr int kZeilenOben = 1080;
constexpr int kZeilenluecke = 120;
constexpr int kEinzeilig = 270;

QLabel* fettesLabel(QWidget* eltern, const QString& text, const QRect& twips, Qt::Alignment ausrichtung)
{
    QLabel* label = erzeugeLabel(eltern, QString(), text, twips, ausrichtung);
    fett(label);
    return label;
}

bool angekreuzt(const std::array<QCheckBox*, kEnsembles>& boxen)
{
    return std::ranges::any_of(boxen, [](const QCheckBox* box) { return box->isChecked(); });
}

}  // namespace

Bekleidungsliste::Bekleidungsliste(Hauptfenster& hauptfenster) : Katalogfenster(hauptfenster)
{
    setObjectName(u"Bekleidungsliste"_s);
    setWindowTitle(u"Thermische Isolationswerte für typische Bekleidungskombinationen"_s);

    ui.Frame1 = new QFrame(this);
    ui.Frame1->setObjectName(u"Frame1"_s);
    ui.Frame2 = new QFrame(this);
    ui.Frame2->setObjectName(u"Frame2"_s);
    const int hoehe = std::max(baueTabelle(ui.Frame1, u"Arbeitsbekleidung"_s, Arbeitsbekleidung(),
                                           u"Arbeitsbekleidung"_s, ui.AW_Arbeitsbekleidung, false),
                               baueTabelle(ui.Frame2, u"Tägliche Kleidung"_s, Taeglichebekleidung(),
                                           u"Täglichebekleidung"_s, ui.AW_Taeglichebekleidung, true));
    setzeTwips(ui.Frame1, QRect(120, 120, kRahmenBreite, hoehe));
    setzeTwips(ui.Frame2, QRect(240 + kRahmenBreite, 120, kRahmenBreite, hoehe));

    const int knopfOben = 120 + hoehe + 180;
    ui.Command1 = new QPushButton(u"Wert übernehmen"_s, this);
    ui.Command1->setObjectName(u"Command1"_s);
    setzeTwips(ui.Command1, QRect(120, knopfOben, 2040, 450));
    ui.Command3 = new QPushButton(u"Abbruch"_s, this);
    ui.Command3->setObjectName(u"Command3"_s);
    setzeTwips(ui.Command3, QRect(240 + 2 * kRahmenBreite - 2040, knopfOben, 2040, 450));
    setFixedSize(twipsGroesse(360 + 2 * kRahmenBreite, knopfOben + 450 + 150));

    connect(ui.Command1, &QPushButton::clicked, this, &Bekleidungsliste::Command1_Click);
    connect(ui.Command3, &QPushButton::clicked, this, &Bekleidungsliste::hide);
    aktualisiereUebernahme();
}

int Bekleidungsliste::baueTabelle(QFrame* rahmen, const QString& ueberschrift,
                                  std::span<const Ensemblezeile, kEnsembles> zeilen, const QString& feld,
                                  std::array<QCheckBox*, kEnsembles>& boxen, bool taeglich)
{
    rahmen->setFrameShape(QFrame::StyledPanel);
    fettesLabel(rahmen, ueberschrift, QRect(kTextLinks, 180, kTextBreite, 600), Qt::AlignLeft | Qt::AlignVCenter);
    fettesLabel(rahmen, u"Isolationswert"_s, QRect(kCloLinks, 240, kWLinks + kWBreite - kCloLinks, kEinzeilig),
                Qt::AlignCenter);
    fettesLabel(rahmen, u" clo"_s, QRect(kCloLinks, 570, kCloBreite, kEinzeilig), Qt::AlignCenter);
    fettesLabel(rahmen, u"(m² K)/W"_s, QRect(kWLinks, 570, kWBreite, kEinzeilig), Qt::AlignCenter);

    int oben = kZeilenOben;
    for (int i = 0; i < kEnsembles; ++i) {
        const Ensemblezeile& zeile = zeilen[std::size_t(i)];
        QLabel* text = erzeugeLabel(rahmen, feldname(feld, i), zeile.Text, QRect(kTextLinks, oben, kTextBreite, 0),
                                    Qt::AlignLeft | Qt::AlignTop);
        text->setWordWrap(true);
        // Long ensembles wrap over up to five lines; the row is as high as its text.
        const int hoehe = std::max(kEinzeilig, text->heightForWidth(text->width()) * kTwipsJePixel);
        setzeTwips(text, QRect(kTextLinks, oben, kTextBreite, hoehe));

        auto* box = new QCheckBox(rahmen);
        box->setObjectName(feldname(u"AW_"_s + feld, i));
        setzeTwips(box, QRect(kBoxLinks, oben, 300, kEinzeilig));
        boxen[std::size_t(i)] = box;
        connect(box, &QCheckBox::toggled, this, [this, taeglich, i](bool) { Auswahl_Click(taeglich, i); });

        erzeugeLabel(rahmen, feldname(u"Clo_"_s + feld, i), tabellenzahl(zeile.Clo, 2),
                     QRect(kCloLinks, oben, kCloBreite, kEinzeilig), Qt::AlignHCenter | Qt::AlignTop);
        erzeugeLabel(rahmen, feldname(u"W_"_s + feld, i), tabellenzahl(zeile.m2KW, 3),
                     QRect(kWLinks, oben, kWBreite, kEinzeilig), Qt::AlignHCenter | Qt::AlignTop);
        oben += hoehe + kZeilenluecke;
    }
    return oben + 60;
}

void Bekleidungsliste::Auswahl_Click(bool taeglich, int zeile)
{
    if (m_inKlick)
        return;
    m_inKlick = true;
    auto& gleiche = taeglich ? ui.AW_Taeglichebekleidung : ui.AW_Arbeitsbekleidung;
    auto& andere = taeglich ? ui.AW_Arbeitsbekleidung : ui.AW_Taeglichebekleidung;
    for (int i = 0; i < kEnsembles; ++i) {
        andere[std::size_t(i)]->setChecked(false);
        if (i != zeile)
            gleiche[std::size_t(i)]->setChecked(false);
    }
    m_inKlick = false;
    aktualisiereUebernahme();
}

void Bekleidungsliste::aktualisiereUebernahme()
{
    ui.Command1->setEnabled(angekreuzt(ui.AW_Arbeitsbekleidung) || angekreuzt(ui.AW_Taeglichebekleidung));
}

void Bekleidungsliste::Form_Activate()
{
    m_inKlick = false;
    aktualisiereUebernahme();
}

void Bekleidungsliste::Command1_Click()
{
    float clo = 0;
    QString text;
    for (std::size_t i = 0; i < kEnsembles; ++i) {
        if (ui.AW_Arbeitsbekleidung[i]->isChecked()) {
            clo = Arbeitsbekleidung()[i].Clo;
            text = Arbeitsbekleidung()[i].Text;
        }
        if (ui.AW_Taeglichebekleidung[i]->isChecked()) {
            clo = Taeglichebekleidung()[i].Clo;
            text = Taeglichebekleidung()[i].Text;
        }
    }
    kleidungUebernehmen(hauptfenster(), clo, text);
    hide();
}

}  // namespace catalogues
