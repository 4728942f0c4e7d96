// SPDX-License-Identifier: GPL-3.0-or-later
#include "bekleidungshaelfte.h"

#include "bauhilfen.h"
#include "dienste.h"
#include "eingaben.h"
#include "kataloge.h"
#include "zahlen.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace model;
using namespace gui;

namespace catalogues {

namespace {

// Geometry in twips, relative to the half's left edge; the half is 6000 twips wide.
constexpr int kRand = 120;
constexpr int kInnenbreite = 5760;
constexpr int kListenbreite = 3600;
constexpr int kBildrahmenBreite = kInnenbreite - kListenbreite - kRand;
constexpr int kKopfHoehe = 480;
constexpr int kPanelHoehe = 420;
constexpr int kKnopfHoehe = 450;
constexpr int kMindesthoehe = 3600 + 2 * kRand;

// The controls' objectNames of each half.
struct Namen {
    QString liste, rahmen, grund, bild, zeiger, zeigerName, zeigerClo, summenRahmen, summe;
    QString uebernehmen, reset, abbruch, kopf;
};

const Namen& namen(Figur figur)
{
    static const Namen mann{u"List1"_s,
                            u"Frame1"_s,
                            u"Mann_"_s,
                            u"Mann"_s,
                            u"Frame5"_s,
                            u"Kleidungsstueck_Mann_Name"_s,
                            u"Kleidungsstueck_Mann_Clo"_s,
                            u"Frame2"_s,
                            u"Label_clo_Mann"_s,
                            u"Command1"_s,
                            u"Command2"_s,
                            u"Command3"_s,
                            u"Mann"_s};
    static const Namen frau{u"List2"_s,
                            u"Frame3"_s,
                            u"Frau_"_s,
                            u"Frau"_s,
                            u"Frame8"_s,
                            u"Kleidungsstueck_Frau_Name"_s,
                            u"Kleidungsstueck_Frau_Clo"_s,
                            u"Frame4"_s,
                            u"Label_clo_Frau"_s,
                            u"Command6"_s,
                            u"Command5"_s,
                            u"Command4"_s,
                            u"Frau"_s};
    return figur == Figur::Mann ? mann : frau;
}

QFrame* erzeugeRahmen(QWidget& eltern, const QString& name, const QRect& twips)
{
    auto* rahmen = new QFrame(&eltern);
    rahmen->setObjectName(name);
    rahmen->setFrameShape(QFrame::StyledPanel);
    rahmen->setFrameShadow(QFrame::Sunken);
    setzeTwips(rahmen, twips);
    return rahmen;
}

QPushButton* erzeugeKnopf(QWidget& eltern, const QString& name, const QString& text, const QRect& twips)
{
    auto* knopf = new QPushButton(text, &eltern);
    knopf->setObjectName(name);
    // Two halves, two "Wert übernehmen": Return must not press the man's in the woman's list.
    knopf->setAutoDefault(false);
    setzeTwips(knopf, twips);
    return knopf;
}

}  // namespace

Bekleidungshaelfte::Bekleidungshaelfte(QWidget& fenster, Figur figur, int links, Dienste& dienste)
    : QObject(&fenster)
    , m_fenster(fenster)
    , m_figur(figur)
    , m_daten(figur == Figur::Mann ? HaelfteMann() : HaelfteFrau())
    , m_dienste(dienste)
{
    setObjectName(u"Haelfte_"_s + namen(figur).kopf);
    baueKopf(fenster, links);
    const int oben = kRand + kKopfHoehe + kRand;
    baueListe(fenster, links, oben);
    baueFigur(fenster, links, oben);
    m_hoehe = baueUnterteil(fenster, links, oben + bildrahmen->height() * kTwipsJePixel + kRand);

    // Loading: the lists are filled quietly, then each shows its empty selection once.
    List_Click();
}

void Bekleidungshaelfte::baueKopf(QWidget& fenster, int links)
{
    QFrame* kopf =
        erzeugeRahmen(fenster, u"Kopf_"_s + namen(m_figur).kopf, QRect(links + kRand, kRand, kInnenbreite, kKopfHoehe));
    kopf->setFrameShadow(QFrame::Raised);
    auto* symbol = new QLabel(kopf);
    symbol->setObjectName(u"Symbol_"_s + namen(m_figur).kopf);
    symbol->setPixmap(svgBild(symbolPfad(m_figur), kSymbolGroesse, fenster.devicePixelRatioF()));
    symbol->setGeometry(QRect(QPoint(8, (px(kKopfHoehe) - kSymbolGroesse.height()) / 2), kSymbolGroesse));
    QLabel* titel = erzeugeLabel(kopf, QString(), namen(m_figur).kopf, QRect(480, 0, 3000, kKopfHoehe));
    fett(titel);
}

void Bekleidungshaelfte::baueListe(QWidget& fenster, int links, int oben)
{
    const Namen& n = namen(m_figur);
    liste = new QListWidget(&fenster);
    liste->setObjectName(n.liste);
    liste->setSelectionMode(QAbstractItemView::MultiSelection);
    liste->setUniformItemSizes(true);
    liste->viewport()->setMouseTracking(true);
    m_stumm = true;
    for (const Kleidungsstueck& stueck : m_daten.tabelle)
        liste->addItem(stueck.Name);
    m_stumm = false;

    // Tall enough to show every garment at once, so no row hides behind a scroll position.
    // Both halves get the height of the longer list, so their panels line up.
    const int zeilen = std::max(kKleidungMann, kKleidungFrau) * liste->sizeHintForRow(0) + 2 * liste->frameWidth() + 4;
    const int hoehe = std::max(kMindesthoehe, zeilen * kTwipsJePixel);
    const bool gespiegelt = m_figur == Figur::Frau;
    const int x = links + (gespiegelt ? kRand + kBildrahmenBreite + kRand : kRand);
    setzeTwips(liste, QRect(x, oben, kListenbreite, hoehe));
    connect(liste, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_stumm)
            List_Click();
    });
}

void Bekleidungshaelfte::baueFigur(QWidget& fenster, int links, int oben)
{
    const Namen& n = namen(m_figur);
    const bool gespiegelt = m_figur == Figur::Frau;
    const int x = links + (gespiegelt ? kRand : kRand + kListenbreite + kRand);
    bildrahmen = erzeugeRahmen(fenster, n.rahmen, QRect(x, oben, kBildrahmenBreite, liste->height() * kTwipsJePixel));
    bildrahmen->setAutoFillBackground(true);
    QPalette palette = bildrahmen->palette();
    palette.setColor(QPalette::Window, Qt::white);
    bildrahmen->setPalette(palette);

    const QRect platz((bildrahmen->width() - kFigurGroesse.width()) / 2,
                      (bildrahmen->height() - kFigurGroesse.height()) / 2, kFigurGroesse.width(),
                      kFigurGroesse.height());
    const qreal verhaeltnis = fenster.devicePixelRatioF();
    grundbild = new QLabel(bildrahmen);
    grundbild->setObjectName(n.grund);
    grundbild->setGeometry(platz);
    grundbild->setPixmap(svgBild(grundbildPfad(m_figur), kFigurGroesse, verhaeltnis));
    // Created in Ebene order, so a higher layer lies over a lower one.
    bilder.resize(m_daten.tabelle.size());
    for (std::size_t ebene = 0; ebene < bilder.size(); ++ebene) {
        auto* bild = new QLabel(bildrahmen);
        bild->setObjectName(feldname(n.bild, int(ebene)));
        bild->setGeometry(platz);
        bild->setAttribute(Qt::WA_TranslucentBackground);
        bild->setPixmap(svgBild(ebenenPfad(m_figur, int(ebene)), kFigurGroesse, verhaeltnis));
        bild->hide();
        bilder[ebene] = bild;
    }
}

int Bekleidungshaelfte::baueUnterteil(QWidget& fenster, int links, int oben)
{
    const Namen& n = namen(m_figur);
    zeigerRahmen = erzeugeRahmen(fenster, n.zeiger, QRect(links + kRand, oben, kInnenbreite, kPanelHoehe));
    zeigerName = erzeugeLabel(zeigerRahmen, n.zeigerName, QString(), QRect(120, 0, 3960, kPanelHoehe));
    zeigerClo = erzeugeLabel(zeigerRahmen, n.zeigerClo, QString(), QRect(4200, 0, 1440, kPanelHoehe),
                             Qt::AlignRight | Qt::AlignVCenter);
    zeigerVerbergen();

    oben += kPanelHoehe + kRand;
    summenRahmen = erzeugeRahmen(fenster, n.summenRahmen, QRect(links + kRand, oben, kInnenbreite, kPanelHoehe));
    erzeugeLabel(summenRahmen, QString(), u"Isolationswert der Bekleidungskombination:"_s,
                 QRect(120, 0, 4080, kPanelHoehe));
    summe = erzeugeLabel(summenRahmen, n.summe, u"0,00"_s, QRect(4200, 0, 900, kPanelHoehe),
                         Qt::AlignRight | Qt::AlignVCenter);
    fett(summe);
    erzeugeLabel(summenRahmen, QString(), u"clo"_s, QRect(5160, 0, 480, kPanelHoehe));

    oben += kPanelHoehe + kRand;
    uebernehmen =
        erzeugeKnopf(fenster, n.uebernehmen, u"Wert übernehmen"_s, QRect(links + kRand, oben, 2160, kKnopfHoehe));
    reset = erzeugeKnopf(fenster, n.reset, u"Zurücksetzen"_s, QRect(links + 2400, oben, 1620, kKnopfHoehe));
    abbruch = erzeugeKnopf(fenster, n.abbruch, u"Abbruch"_s, QRect(links + 4260, oben, 1620, kKnopfHoehe));
    connect(reset, &QPushButton::clicked, this, &Bekleidungshaelfte::Reset);
    return oben + kKnopfHoehe + kRand;
}

Auswahl Bekleidungshaelfte::auswahl() const
{
    Auswahl ergebnis(std::size_t(liste->count()), false);
    for (int i = 0; i < liste->count(); ++i)
        ergebnis[std::size_t(i)] = liste->item(i)->isSelected();
    return ergebnis;
}

void Bekleidungshaelfte::List_Click()
{
    Auswahl gewaehlt = auswahl();
    Klickbehandlung(m_daten, gewaehlt, liste->currentRow(), false, *this);
}

void Bekleidungshaelfte::Reset()
{
    Auswahl gewaehlt = auswahl();
    Zuruecksetzen(m_daten, gewaehlt, liste->currentRow(), *this);
}

void Bekleidungshaelfte::zeigerBewegt(int y)
{
    const int zeile = zeigerZeile(y, liste->sizeHintForRow(0), liste->count());
    if (zeile < 0) {
        zeigerVerbergen();
        return;
    }
    const Kleidungsstueck& stueck = m_daten.tabelle[std::size_t(zeile)];
    zeigerName->setText(stueck.Name + u':');
    zeigerClo->setText(werttext(Eingabe::Icl, stueck.Clo));
    zeigerName->show();
    zeigerClo->show();
}

void Bekleidungshaelfte::zeigerVerbergen()
{
    zeigerName->hide();
    zeigerClo->hide();
}

void Bekleidungshaelfte::anzeigen(const Auswahl& gewaehlt, float wert)
{
    for (std::size_t i = 0; i < m_daten.tabelle.size(); ++i)
        bilder[std::size_t(m_daten.tabelle[i].Ebene)]->setVisible(gewaehlt[i]);
    summe->setText(formatiereZahl(wert, 2));
}

void Bekleidungshaelfte::abgewaehlt(int zeile)
{
    m_stumm = true;
    liste->item(zeile)->setSelected(false);
    m_stumm = false;
}

bool Bekleidungshaelfte::frage(const QString& text)
{
    return m_dienste.frage(&m_fenster, Symbol::Frage, u"Hinweis"_s, text);
}

void Bekleidungshaelfte::bemerkung(const QString& text)
{
    m_dienste.meldung(&m_fenster, Symbol::Warnung, u"Hinweis"_s, text);
}

}  // namespace catalogues
