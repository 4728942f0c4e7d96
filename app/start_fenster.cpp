// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_fenster.h"

#include "twips.h"
#include "version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace model;
using namespace gui;

namespace app {

namespace {

constexpr int kBreite = 7200, kHoehe = 4200;
const QString kCrLf = QStringLiteral("\r\n");

// A thermometer with a red column: the first logo.
QPixmap thermometer()
{
    QPixmap bild(64, 96);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(24, 6, 16, 66), 8, 8);
    p.drawEllipse(QPointF(32, 78), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    p.drawEllipse(QPointF(32, 78), 9.5, 9.5);
    p.drawRect(QRectF(29, 30, 6, 44));
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    for (int y = 16; y <= 62; y += 8)
        p.drawLine(QPointF(42, y), QPointF(48, y));
    return bild;
}

// The PMV colour scale from cold to hot with a marker near neutral: the second logo.
QPixmap skalenlogo()
{
    QPixmap bild(64, 40);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    QLinearGradient verlauf(4, 0, 60, 0);
    verlauf.setColorAt(0.0, QColor(0, 0, 130));
    verlauf.setColorAt(0.15, QColor(0, 0, 255));
    verlauf.setColorAt(0.5, Qt::white);
    verlauf.setColorAt(0.85, QColor(255, 0, 0));
    verlauf.setColorAt(1.0, QColor(133, 0, 0));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(verlauf);
    p.drawRect(4, 8, 56, 16);
    p.setBrush(QColor(64, 64, 64));
    p.drawRect(29, 4, 4, 24);
    return bild;
}

// A seated person in a room with a window: the third picture.
QPixmap raumbild()
{
    QPixmap bild(64, 64);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(QColor(235, 235, 220));
    p.drawRect(4, 4, 56, 56);
    p.setBrush(QColor(170, 215, 255));
    p.drawRect(38, 12, 16, 20);
    p.setPen(QPen(QColor(40, 70, 140), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(22, 20), 4, 4);
    QPainterPath koerper;
    koerper.moveTo(22, 26);
    koerper.lineTo(22, 40);
    koerper.lineTo(32, 40);
    koerper.lineTo(32, 52);
    p.setBrush(Qt::NoBrush);
    p.drawPath(koerper);
    p.setPen(QPen(QColor(120, 80, 40), 3));
    p.drawLine(14, 42, 30, 42);
    p.drawLine(16, 42, 16, 54);
    return bild;
}

QLabel* bildLabel(QWidget* eltern, const QString& name, QRect twips, const QPixmap& bild)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setGeometry(twips);
    l->setAlignment(Qt::AlignCenter);
    l->setPixmap(bild);
    return l;
}

QLabel* textLabel(QWidget* eltern, const QString& name, QRect twips)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setGeometry(twips);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

}  // namespace

Start::Start(QWidget* eltern, std::function<void()> uebergabe) : QDialog(eltern), m_uebergabe(std::move(uebergabe))
{
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(QStringLiteral("Tempara"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsGroesse(kBreite, kHoehe));

    ui.Image1 = bildLabel(this, QStringLiteral("Image1"), twipsRect(240, 240, 1200, 1500), thermometer());
    ui.Image2 = bildLabel(this, QStringLiteral("Image2"), twipsRect(240, 1800, 1200, 700), skalenlogo());
    ui.Picture2 = bildLabel(this, QStringLiteral("Picture2"), twipsRect(240, 2940, 1200, 1050), raumbild());

    ui.Label1 = textLabel(this, QStringLiteral("Label1"), twipsRect(1680, 180, 5300, 600));
    ui.Label1->setText(QStringLiteral("Tempara"));
    ui.Label1->setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
    ui.Label2 = textLabel(this, QStringLiteral("Label2"), twipsRect(1680, 900, 5300, 900));
    ui.Label3 = textLabel(this, QStringLiteral("Label3"), twipsRect(1680, 1920, 5300, 900));
    ui.Label4 = textLabel(this, QStringLiteral("Label4"), twipsRect(1680, 2940, 3900, 900));
    QFont klein = ui.Label4->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    ui.Label4->setFont(klein);
    // Lines break between words only: a no-break space holds "ISO 7730" together, a word
    // joiner keeps "Tempara-Team" from breaking after its hyphen.
    ui.Label4->setText(QStringLiteral("Rechenkern nach dem Wärmebilanzmodell von ISO\u00a07730; "
                                      "Bilder, Figuren und Symbole vom Tempara-\u2060Team. "
                                      "Freie Software unter der GNU\u00a0GPL, Version\u00a03 oder später."));

    ui.Command1 = new QPushButton(QStringLiteral("OK"), this);
    ui.Command1->setObjectName(QStringLiteral("Command1"));
    ui.Command1->setGeometry(twipsRect(5700, 3540, 1260, 420));
    ui.Command1->setDefault(true);
    connect(ui.Command1, &QPushButton::clicked, this, &Start::uebergeben);

    ui.Timer1 = new QTimer(this);
    ui.Timer1->setObjectName(QStringLiteral("Timer1"));
    ui.Timer1->setInterval(10000);
    ui.Timer1->setSingleShot(true);
    connect(ui.Timer1, &QTimer::timeout, this, &Start::uebergeben);
    ui.Timer1->start();

    // Loading: centre on the screen, then the texts.
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        const QRect frei = bildschirm->availableGeometry();
        move(frei.x() + (frei.width() - width()) / 2, frei.y() + (frei.height() - height()) / 2);
    }
    ui.Label2->setText(QStringLiteral("Berechnung der thermischen Behaglichkeit") + kCrLf
                       + QStringLiteral("in Räumen nach ISO 7730:") + kCrLf
                       + QStringLiteral("PMV- und PPD-Index, Behaglichkeitsdiagramme") + kCrLf
                       + QStringLiteral("und Auswertung stündlicher Klimadaten"));
    ui.Label3->setText(QStringLiteral("Tempara-Team") + kCrLf + QStringLiteral("Bauphysik und Raumklima") + kCrLf
                       + QStringLiteral("Version ") + kTemparaVersion);
}

void Start::uebergeben()
{
    if (m_uebergeben)
        return;
    setCursor(Qt::WaitCursor);
    close();  // the hand-over itself runs in closeEvent
    unsetCursor();
}

void Start::reject() { close(); }

void Start::closeEvent(QCloseEvent* ereignis)
{
    ereignis->accept();
    if (m_uebergeben)
        return;
    m_uebergeben = true;
    ui.Timer1->stop();
    hide();
    if (m_uebergabe)
        m_uebergabe();
}

}  // namespace app
