// SPDX-License-Identifier: GPL-3.0-or-later
#include "bekleidung_fenster.h"

#include "bauhilfen.h"
#include "bekleidungshaelfte.h"
#include "hauptfenster.h"
#include "twips.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace gui;

namespace catalogues {

namespace {

constexpr int kHalbeBreite = 6000;  // twips
constexpr int kLeistenHoehe = 330;  // twips
const QColor kFarbeMann(192, 192, 255);
const QColor kFarbeFrau(255, 192, 255);
const QColor kFarbeLeiste(192, 192, 192);

}  // namespace

Bekleidung::Bekleidung(Hauptfenster& hauptfenster) : Katalogfenster(hauptfenster)
{
    setObjectName(u"Bekleidung"_s);
    setWindowTitle(u"Abschätzung des Isolationswerts von Bekleidungskombinationen"_s);
    m_mann = new Bekleidungshaelfte(*this, Figur::Mann, 0, hauptfenster.dienste());
    m_frau = new Bekleidungshaelfte(*this, Figur::Frau, kHalbeBreite, hauptfenster.dienste());

    const int leisteOben = std::max(m_mann->hoehe(), m_frau->hoehe());
    m_nachweis = erzeugeLabel(this, u"Nachweis"_s,
                              u"Figuren und Kleidungsbilder: eigene Vektorzeichnungen des Tempara-Projekts"_s,
                              QRect(120, leisteOben, 2 * kHalbeBreite - 240, kLeistenHoehe));
    QFont klein = m_nachweis->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    m_nachweis->setFont(klein);
    m_halbeBreite = px(kHalbeBreite);
    m_leisteOben = px(leisteOben);
    setFixedSize(twipsGroesse(2 * kHalbeBreite, leisteOben + kLeistenHoehe));

    for (Bekleidungshaelfte* haelfte : {m_mann, m_frau}) {
        connect(haelfte->uebernehmen, &QPushButton::clicked, this, [this, haelfte] { uebernehmen(*haelfte); });
        connect(haelfte->abbruch, &QPushButton::clicked, this, &Bekleidung::hide);
    }
    verfolgeZeiger();
}

void Bekleidung::verfolgeZeiger()
{
    // The pointer panel follows the mouse over the lists; anywhere else it is hidden.
    setMouseTracking(true);
    const auto kinder = findChildren<QWidget*>();
    for (QWidget* kind : kinder) {
        kind->setMouseTracking(true);
        kind->installEventFilter(this);
    }
}

bool Bekleidung::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseMove) {
        const int y = static_cast<QMouseEvent*>(ereignis)->position().toPoint().y();
        if (objekt == m_mann->liste->viewport()) {
            m_frau->zeigerVerbergen();
            m_mann->zeigerBewegt(y);
        } else if (objekt == m_frau->liste->viewport()) {
            m_mann->zeigerVerbergen();
            m_frau->zeigerBewegt(y);
        } else {
            m_mann->zeigerVerbergen();
            m_frau->zeigerVerbergen();
        }
    }
    return Katalogfenster::eventFilter(objekt, ereignis);
}

void Bekleidung::mouseMoveEvent(QMouseEvent* ereignis)
{
    m_mann->zeigerVerbergen();
    m_frau->zeigerVerbergen();
    Katalogfenster::mouseMoveEvent(ereignis);
}

void Bekleidung::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.fillRect(0, 0, m_halbeBreite, m_leisteOben, kFarbeMann);
    maler.fillRect(m_halbeBreite, 0, width() - m_halbeBreite, m_leisteOben, kFarbeFrau);
    maler.fillRect(0, m_leisteOben, width(), height() - m_leisteOben, kFarbeLeiste);
    maler.setPen(QPen(Qt::black, 1));
    maler.drawLine(m_halbeBreite, 0, m_halbeBreite, m_leisteOben);
}

void Bekleidung::uebernehmen(const Bekleidungshaelfte& haelfte)
{
    const Auswahl gewaehlt = haelfte.auswahl();
    kleidungUebernehmen(hauptfenster(), isolationssumme(haelfte.daten().tabelle, gewaehlt),
                        namensliste(haelfte.daten().tabelle, gewaehlt));
    hide();
}

}  // namespace catalogues
