// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of Grafik at their twips positions, in the client area of 10185 × 7335.
#include "grafik_fenster.h"

#include "gespeichert.h"

#include "bauhilfen.h"
#include "diagrammflaeche.h"
#include "programm.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace diagram;
using namespace gui;

namespace diagram {

namespace {

const QColor kGrau(192, 192, 192);

// Row colours of the six quantities: temperatures red, air velocity green, humidity cyan,
// activity violet, clothing yellow, as in the main window.
const QColor kZeilenfarben[kAnzahlGroessen] = {{255, 128, 128}, {255, 128, 128}, {192, 255, 192},
                                               {192, 255, 255}, {208, 208, 255}, {255, 255, 128}};

}  // namespace

QFrame* Grafik::rahmen(const char16_t* name, QWidget* eltern, double l, double o, double b, double h)
{
    auto* r = new QFrame(eltern);
    r->setObjectName(QString::fromUtf16(name));
    r->setGeometry(twipsRect(l, o, b, h));
    r->setFrameShape(QFrame::Box);
    r->setFrameShadow(QFrame::Sunken);
    hintergrund(r, palette().color(QPalette::Base));
    return r;
}

QLabel* Grafik::beschriftung(const QString& name, const QString& text, QWidget* eltern, double l, double o, double b,
                             double h)
{
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setGeometry(twipsRect(l, o, b, h));
    return label;
}

QFrame* Grafik::balken(const char16_t* name, QFrame* r)
{
    auto* bar = new QFrame(r);
    bar->setObjectName(QString::fromUtf16(name));
    bar->setGeometry(QRect(0, 0, r->width(), px(90)));
    hintergrund(bar, kGrau);
    return bar;
}

void Grafik::baueAuswahl()
{
    QFrame* r = rahmen(u"Frame1", m_flaeche, 60, 0, 3270, 3000);
    m_balken[0] = balken(u"Shape8", r);
    QLabel* titel = beschriftung(u"Label14"_s, u"Variablen wählen"_s, r, 120, 180, 2200, 285);
    fett(titel);
    m_ueber[0] = beschriftung(u"x_über(0)"_s, u"X"_s, r, 2430, 420, 375, 240);
    m_ueber[1] = beschriftung(u"y_über(1)"_s, u"Y"_s, r, 2850, 420, 375, 240);
    for (QLabel* u : m_ueber)
        u->setAlignment(Qt::AlignCenter);
    for (int k = 0; k < kAnzahlGroessen; ++k) {
        QLabel* zeile = beschriftung(u"Label"_s + QString::number(k + 1), QString::fromUtf16(info(k).zeile), r, 120,
                                     840 + 360 * k, 2250, 285);
        hintergrund(zeile, kZeilenfarben[k]);
    }
    QFrame* gruppen[2] = {rahmen(u"Frame2", r, 2430, 660, 375, 2280), rahmen(u"Frame3", r, 2850, 660, 375, 2280)};
    for (int i = 0; i < 12; ++i) {
        QFrame* gruppe = gruppen[i / 6];
        hintergrund(gruppe, Qt::white);
        auto* o = new QRadioButton(gruppe);
        o->setObjectName(feldname(u"Option3D1", i));
        o->setGeometry(twipsRect(75, 180 + 360 * (i % 6), 255, 255));
        o->setAccessibleName(
            QStringLiteral("%1 %2").arg(i < 6 ? u"X:"_s : u"Y:"_s, QString::fromUtf16(info(i % 6).zeile).trimmed()));
        o->installEventFilter(this);
        m_option[std::size_t(i)] = o;
    }
}

void Grafik::baueBereich()
{
    QFrame* r = rahmen(u"Frame4", m_flaeche, 60, 3000, 3270, 1590);
    m_balken[1] = balken(u"Shape9", r);
    QLabel* titel = beschriftung(u"Label15"_s, u"Berechnungsbereich"_s, r, 120, 180, 2200, 285);
    fett(titel);
    const char16_t* texte[4] = {u"Xmin =", u"Xmax =", u"Ymin =", u"Ymax ="};
    const char16_t* namen[4] = {u"Text1", u"Text2", u"Text3", u"Text4"};
    for (int i = 0; i < 4; ++i) {
        const double links = i < 2 ? 900 : 2340;
        const double oben = i % 2 == 0 ? 600 : 1050;
        m_panel[std::size_t(i)] =
            beschriftung(feldname(u"Panel3D2", i), QString::fromUtf16(texte[i]), r, links - 780, oben, 740, 285);
        m_panel[std::size_t(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* feld = new QLineEdit(r);
        feld->setObjectName(QString::fromUtf16(namen[i]));
        feld->setGeometry(twipsRect(links, oben, 550, 285));
        feld->installEventFilter(this);
        m_panel[std::size_t(i)]->setBuddy(feld);
        m_text[std::size_t(i)] = feld;
    }
}

void Grafik::baueFestwerte()
{
    QFrame* r = rahmen(u"Frame6", m_flaeche, 60, 4590, 6660, 2655);
    m_balken[2] = balken(u"Shape10", r);
    QLabel* titel = beschriftung(u"Label16"_s, u"Fest vorgegebene Parameter:"_s, r, 360, 300, 4000, 285);
    fett(titel);
    for (int k = 0; k < 6; ++k) {
        m_wertname[std::size_t(k)] = beschriftung(feldname(u"Wertname", k), {}, r, 360, 720 + 300 * k, 4700, 255);
        m_wertergebnis[std::size_t(k)] =
            beschriftung(feldname(u"Wertergebnis", k), {}, r, 5160, 720 + 300 * k, 1400, 255);
    }
    m_verfahren = beschriftung(u"Rechenverfahren"_s, {}, r, 3000, 300, 3560, 285);
    m_verfahren->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_verfahren->setToolTip(u"Rechenverfahren (im Hauptfenster unter Extras → Rechenverfahren)"_s);
    m_verfahren->setText(QString::fromUtf8(model::Verfahrensname(model::programm::Verfahren)));
}

void Grafik::baueDiagramm()
{
    m_diagramm = new DiagrammFlaeche(m_bild.bild(), m_flaeche);
    m_diagramm->setGeometry(twipsRect(3390, 90, kFlaecheBreite, kFlaecheHoehe));
    m_xAchse = new QLabel(m_diagramm);
    m_xAchse->setObjectName(u"x_achse"_s);
    m_yAchse = new QLabel(m_diagramm);
    m_yAchse->setObjectName(u"y_achse"_s);
    for (QLabel* t : {m_xAchse, m_yAchse}) {
        t->setFont(titelschrift());
        t->setVisible(true);
    }
    for (int i = 0; i < kSkalenAnzahl; ++i) {
        auto* x = new QLabel(m_diagramm);
        x->setObjectName(feldname(u"x_achsenskal", i));
        x->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        x->setFont(skalenschrift());
        m_xSkala[std::size_t(i)] = x;
        if (i == kFehlenderYIndex)
            continue;
        auto* y = new QLabel(m_diagramm);
        y->setObjectName(feldname(u"y_achsenskal", i));
        y->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        y->setFont(skalenschrift());
        m_ySkala[std::size_t(i)] = y;
    }
}

void Grafik::baueLegende()
{
    QFrame* r = rahmen(u"Frame5", m_flaeche, 9150, 0, 975, 4590);
    m_balken[3] = balken(u"Shape11", r);
    for (int i = 0; i < kAnzahlBaender; ++i) {
        auto* kasten = new QFrame(r);
        kasten->setObjectName(u"Shape"_s + QString::number(i + 1));
        kasten->setGeometry(twipsRect(120, 240 + 600 * i, 735, 600));
        hintergrund(kasten, QColor(band(i).farbe));
        const QString text = QString::fromUtf16(band(i).text).replace(u' ', u'\n');
        QLabel* l = beschriftung(u"Label"_s + QString::number(i + 7), text, r, 120, 240 + 600 * i, 735, 600);
        l->setAlignment(Qt::AlignCenter);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, band(i).weisseSchrift ? Qt::white : Qt::black);
        l->setPalette(p);
    }
}

void Grafik::baueKnoepfe()
{
    m_start = new QPushButton(u"&Start"_s, m_flaeche);
    m_start->setObjectName(u"grafik_start"_s);
    m_start->setGeometry(twipsRect(7320, 6000, 2295, 495));
    m_ende = new QPushButton(u"S&chließen"_s, m_flaeche);
    m_ende->setObjectName(u"grafik_ende"_s);
    m_ende->setGeometry(twipsRect(7320, 6600, 2295, 495));
    m_start->setAutoDefault(false);
    m_ende->setAutoDefault(false);
    // Where the neutral value stands while "Neutrallinie zeigen" is on; the print frame covers it.
    m_neutralwert = beschriftung(u"neutralwert"_s, {}, m_flaeche, 6840, 4680, 3240, 1200);
    m_neutralwert->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_neutralwert->setWordWrap(true);
    m_neutralwert->hide();
}

void Grafik::baueFortschritt()
{
    m_arbeitet = rahmen(u"Frame_arbeitet", m_flaeche, 1800, 120, 3735, 1455);
    m_arbeitet->setFrameShadow(QFrame::Raised);
    m_arbeitet->setLineWidth(2);
    auto* bildchen = beschriftung(u"Picture1"_s, {}, m_arbeitet, 180, 360, 540, 540);
    bildchen->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(px(480), px(480)));
    m_arbeitetText = beschriftung(u"Label_arbeitet"_s, {}, m_arbeitet, 840, 360, 2775, 855);
    fett(m_arbeitetText);
    m_arbeitet->hide();
}

void Grafik::baueDruckinfo()
{
    m_druckinfo = rahmen(u"Frame_Druckinfo", m_flaeche, 6780, 4590, 3330, 2655);
    struct Zeile {
        const char16_t* name;
        double oben, hoehe;
        const char16_t* text;
        double punkte;
        bool unterstrichen, fett;
    };
    const Zeile zeilen[] = {
        {u"Label17", 240, 255, u"Grafik erstellt mit:", 8.25, true, false},
        {u"Label18", 600, 330, u"Tempara", 12, false, true},
        {u"Label19", 945, 615, u"Thermische Behaglichkeit in Räumen nach ISO 7730 (PMV und PPD)", 8.25, false, false},
        {u"Label20", 1740, 255, u"Entwicklung:", 8.25, true, false},
        {u"Label21", 2040, 240, u"Arbeitsgruppe Raumklima", 8.25, false, false},
        {u"Label22", 2280, 240, u"Tempara-Projekt", 8.25, false, false},
    };
    for (const Zeile& z : zeilen) {
        QLabel* l = beschriftung(QString::fromUtf16(z.name), QString::fromUtf16(z.text), m_druckinfo, 97, z.oben, 3135,
                                 z.hoehe);
        QFont f = titelschrift();
        f.setPointSizeF(z.punkte);
        f.setUnderline(z.unterstrichen);
        f.setBold(z.fett);
        f.setItalic(z.fett);
        l->setFont(f);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
    }
    m_druckinfo->hide();
}

void Grafik::baueMenue()
{
    auto* leiste = new QMenuBar(this);
    QMenu* menue = leiste->addMenu(u"&Diagramm"_s);
    menue->setObjectName(u"menu_diagramm"_s);
    auto eintrag = [&](const char16_t* name, const QString& text) {
        QAction* a = text.isEmpty() ? menue->addSeparator() : menue->addAction(text);
        a->setObjectName(QString::fromUtf16(name));
        return a;
    };
    connect(eintrag(u"menu_diagramm_speichern", u"&Speichern unter..."_s), &QAction::triggered, this,
            &Grafik::speichern);
    eintrag(u"menu_diagramm_sep", {});
    connect(eintrag(u"menu_diagramm_form_drucken", u"&Drucken"_s), &QAction::triggered, this, &Grafik::drucken);
    connect(eintrag(u"menu_diagramm_Drucker", u"D&rucker..."_s), &QAction::triggered, this, &Grafik::druckerEinrichten);
    eintrag(u"menu_diagramm_sep2", {});
    connect(eintrag(u"menu_diagramm_bericht", u"Für &Bericht speichern..."_s), &QAction::triggered, this,
            &Grafik::berichtSpeichern);
    connect(eintrag(u"menu_diagramm_bericht_drucken", u"Für Bericht dr&ucken..."_s), &QAction::triggered, this,
            &Grafik::berichtDrucken);
    eintrag(u"menu_diagramm_sep3", {});
    m_neutralAktion = eintrag(u"menu_diagramm_neutrallinie", u"&Neutrallinie zeigen"_s);
    m_neutralAktion->setCheckable(true);
    m_neutralAktion->setChecked(gui::gespeichert()->value(u"Diagramm/Neutrallinie"_s, false).toBool());
    connect(m_neutralAktion, &QAction::toggled, this, [this](bool an) {
        gui::gespeichert()->setValue(u"Diagramm/Neutrallinie"_s, an);
        neutralZeigen();
    });
    auto* anordnung = new QVBoxLayout(this);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->setSpacing(0);
    anordnung->setMenuBar(leiste);
    anordnung->addWidget(m_flaeche);
}

}  // namespace diagram
