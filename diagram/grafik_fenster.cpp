// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafik_fenster.h"

#include "diagrammflaeche.h"
#include "dienste.h"
#include "hauptfenster.h"
#include "programm.h"
#include "twips.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;
using namespace diagram;
using namespace model;
using namespace gui;

namespace diagram {

namespace {

const QColor kRot(255, 0, 0);

void textfarbe(QLabel* label, const QColor& farbe)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, farbe);
    label->setPalette(p);
}

// A label on screen where the saved bitmap paints its text (textPlatz), grown further only
// where a screen's larger font needs it. Its white background is the white box that a save
// paints under the text, so the window looks the same before and after a save.
void beschriftungSetzen(QLabel* label, const Beschriftung& b)
{
    if (!label)
        return;
    label->setText(b.text);
    label->setVisible(!b.text.isEmpty());
    if (b.text.isEmpty())
        return;
    label->setAlignment(b.ausrichtung);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::white);
    label->setPalette(p);
    const QRect platz = textPlatz(b, label->font());
    QRect r = platz;
    r.setSize(r.size().expandedTo(label->sizeHint()));
    if (!(b.ausrichtung & Qt::AlignLeft))
        r.moveCenter(platz.center());
    if (b.ausrichtung & Qt::AlignRight)
        r.moveRight(platz.right());
    label->setGeometry(r);
}

}  // namespace

Grafik::Sanduhr::Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
Grafik::Sanduhr::~Sanduhr() { QApplication::restoreOverrideCursor(); }

Grafik::Grafik(Dienste& dienste, const Werttexte& werte, QWidget* parent)
    : QDialog(parent), m_dienste(dienste), m_werte(werte)
{
    setObjectName(u"Grafik"_s);
    setWindowTitle(u"Darstellung des Behaglichkeitsbereichs"_s);
    QFont schrift = titelschrift();  // the window's texts in the small sans serif of its labels
    schrift.setPointSizeF(8.25);
    setFont(schrift);
    m_flaeche = new QWidget(this);
    m_flaeche->setObjectName(u"Grafik_Flaeche"_s);
    m_flaeche->setFixedSize(twipsGroesse(10185, 7335));
    QPalette p = m_flaeche->palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    m_flaeche->setPalette(p);
    m_flaeche->setAutoFillBackground(true);

    baueAuswahl();
    baueBereich();
    baueFestwerte();
    baueDiagramm();
    baueLegende();
    baueKnoepfe();
    baueDruckinfo();
    baueFortschritt();
    baueMenue();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Initial state: x = air temperature, y = mean radiant temperature; neither can be
    // chosen for the other axis.
    m_option[0]->setChecked(true);
    m_option[7]->setChecked(true);
    m_option[1]->setEnabled(false);
    for (int i = 0; i < 12; ++i)
        connect(m_option[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool an) {
            if (an)
                Option3D1_Click(i);
        });
    connect(m_start, &QPushButton::clicked, this, &Grafik::grafik_start_Click);
    connect(m_ende, &QPushButton::clicked, this, &Grafik::reject);

    m_bereich = Bereich{};
    Option3D1_Click(0);
    // Return draws, from the range fields too; the check runs at the start of every run.
    m_start->setDefault(true);
    m_start->setFocus(Qt::OtherFocusReason);
}

Grafik::~Grafik() = default;

void Grafik::zeigen(Hauptfenster& h)
{
    Werttexte werte;
    for (const Eingabeart& art : kEingabearten)
        werte[std::size_t(art.eingabe)] = h.werttext(art.eingabe);
    Grafik fenster(h.dienste(), werte, &h.fenster());
    fenster.exec();
}

void Grafik::Option3D1_Click(int i)
{
    if (i >= 6) {
        m_option[std::size_t(m_yVariable - 6)]->setEnabled(true);
        m_yVariable = i;
        m_option[std::size_t(i - 6)]->setEnabled(false);
    } else {
        m_option[std::size_t(m_xVariable + 6)]->setEnabled(true);
        m_xVariable = i;
        m_option[std::size_t(i + 6)]->setEnabled(false);
    }
    const Groesseninfo& x = info(m_xVariable);
    const Groesseninfo& y = info(m_yVariable - 6);
    m_xAchse->setText(QString::fromUtf16(x.achsentitel));
    m_yAchse->setText(QString::fromUtf16(y.achsentitel));
    felderSchreiben({QString::fromUtf16(x.vorgabeMin), QString::fromUtf16(x.vorgabeMax),
                     QString::fromUtf16(y.vorgabeMin), QString::fromUtf16(y.vorgabeMax)});
    festwerteSchreiben();
    m_bild.leeren();
    m_raster = Rasterwerte{};
    m_gelaufen = false;
    m_neutralText.clear();
    m_neutrallinie.clear();
    neutralZeigen();
    achsen_zeichnen();
    m_flaeche->repaint();
}

void Grafik::festwerteSchreiben()
{
    const Festwerte zeilen = festwerte(m_xVariable, m_yVariable - 6, m_werte);
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        m_wertname[k]->setText(zeilen[k].name);
        m_wertergebnis[k]->setText(zeilen[k].wert);
    }
}

Bereichsfelder Grafik::felder() const
{
    return {m_text[0]->text(), m_text[1]->text(), m_text[2]->text(), m_text[3]->text()};
}

void Grafik::felderSchreiben(const Bereichsfelder& f)
{
    for (std::size_t i = 0; i < f.size(); ++i)
        if (m_text[i]->text() != f[i])
            m_text[i]->setText(f[i]);
}

bool Grafik::bereich_pruefen()
{
    if (m_pruefend)
        return false;
    m_pruefend = true;
    bool gemeldet = false;
    Bereichsfelder f = felder();
    diagram::bereichPruefen(m_bereich, f, m_xVariable, m_yVariable - 6, [&](const QString& meldung) {
        felderSchreiben(f);
        melden(Symbol::Warnung, meldung);
        gemeldet = true;
    });
    felderSchreiben(f);
    m_pruefend = false;
    return gemeldet;
}

void Grafik::achsen_zeichnen()
{
    m_bereich = bereichLesen(felder());
    m_achsen = achsenAuslegen(m_bereich, m_xVariable, m_yVariable - 6);
    m_bild.achsenZeichnen(m_achsen);
    beschriftungenSetzen();
    titelfarbe(Qt::black);
    m_diagramm->update();
}

void Grafik::beschriftungenSetzen()
{
    beschriftungSetzen(m_xAchse, m_achsen.xTitel);
    beschriftungSetzen(m_yAchse, m_achsen.yTitel);
    for (std::size_t i = 0; i < m_achsen.xSkala.size(); ++i) {
        beschriftungSetzen(m_xSkala[i], m_achsen.xSkala[i]);
        beschriftungSetzen(m_ySkala[i], m_achsen.ySkala[i]);
    }
}

void Grafik::fokusfarben(bool zeigen)
{
    for (std::size_t seite = 0; seite < m_ueber.size(); ++seite) {
        bool fokus = false;
        for (std::size_t i = 6 * seite; i < 6 * seite + 6; ++i)
            fokus = fokus || m_option[i]->hasFocus();
        textfarbe(m_ueber[seite], zeigen && fokus ? kRot : QColor(Qt::black));
    }
    for (std::size_t i = 0; i < m_text.size(); ++i)
        textfarbe(m_panel[i], zeigen && m_text[i]->hasFocus() ? kRot : QColor(Qt::black));
}

void Grafik::titelfarbe(const QColor& farbe)
{
    textfarbe(m_xAchse, farbe);
    textfarbe(m_yAchse, farbe);
}

void Grafik::melden(Symbol symbol, const QString& text)
{
    const bool sanduhr = QApplication::overrideCursor() != nullptr;
    if (sanduhr)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    m_dienste.meldung(this, symbol, anwendungsTitel(), text);
    if (sanduhr)
        QApplication::restoreOverrideCursor();
}

void Grafik::diagramm_berechnen()
{
    programm::PmvEingabeAufbereiten();
    const PmvEingabe vorbereitet = programm::PmvEingabe;
    m_bild.leeren();
    bereich_pruefen();
    achsen_zeichnen();
    const QString hinweis = hinweisNichtPositiv(m_bereich);
    if (!hinweis.isEmpty())
        melden(Symbol::Warnung, hinweis);
    m_flaeche->repaint();

    titelfarbe(kRot);
    m_xAchse->repaint();
    m_yAchse->repaint();
    m_raster = rasterBerechnen(vorbereitet, programm::Raumklima.v_rel, m_xVariable, m_yVariable - 6, m_achsen.geometrie,
                               m_bereich, programm::Verfahren);
    m_laufbereich = m_bereich;
    m_gelaufen = true;
    m_bild.zellenZeichnen(m_raster, m_achsen.geometrie);
    programm::PmvEingabe = m_raster.letzte;  // as after any run: the last grid point
    achsen_zeichnen();
    m_bild.bezugslinienZeichnen(m_achsen, m_xVariable, m_yVariable - 6);
    neutralErmitteln(vorbereitet);
    neutralZeigen();
    m_diagramm->update();
}

void Grafik::grafik_start_Click()
{
    m_arbeitetText->setText(u"Das Diagramm wird generiert. \n\nBitte haben Sie  \netwas Geduld !  "_s);
    m_arbeitet->show();
    m_arbeitet->raise();
    {
        Sanduhr sanduhr;
        diagramm_berechnen();
    }
    m_arbeitet->hide();
}

bool Grafik::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const bool hinein = ereignis->type() == QEvent::FocusIn;
    const bool hinaus = ereignis->type() == QEvent::FocusOut;
    if (!hinein && !hinaus)
        return QDialog::eventFilter(objekt, ereignis);
    // Switching to another window or opening a menu is no leaving of the field.
    const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
    if (hinaus && (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason))
        return false;
    const QColor farbe = hinein ? kRot : QColor(Qt::black);
    for (std::size_t i = 0; i < m_option.size(); ++i)
        if (objekt == m_option[i])
            textfarbe(m_ueber[i < 6 ? 0 : 1], farbe);
    for (std::size_t i = 0; i < m_text.size(); ++i)
        if (objekt == m_text[i]) {
            textfarbe(m_panel[i], farbe);
            // A press on "&Start" that took the focus from a wrong field: the message box
            // swallows the click's release, so the run follows the corrected ranges here.
            if (hinaus && bereich_pruefen())
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        if (!m_start->isDown())
                            return;  // the release came through: the click starts the run itself
                        m_start->setDown(false);
                        grafik_start_Click();
                    },
                    Qt::QueuedConnection);
        }
    return false;
}

}  // namespace diagram
