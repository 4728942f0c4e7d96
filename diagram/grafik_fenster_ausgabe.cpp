// SPDX-License-Identifier: GPL-3.0-or-later
// The menu "&Diagramm": the picture as a bitmap file, on the printer, and the printer set-up.
#include "grafik_fenster.h"

#include "diagrammflaeche.h"
#include "dienste.h"
#include "programm.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace diagram;
using namespace gui;

namespace diagram {

namespace {

// Names of up to 12 characters (8.3 with its extension) and without "*".
bool dateinameZulaessig(const QString& name) { return name.size() < 13 && !name.contains(u'*'); }

}  // namespace

void Grafik::speichern()
{
    Dateidialog dialog;
    dialog.titel = u"Diagramm speichern"_s;
    dialog.filter = u"Bitmap(*.bmp)|*.bmp"_s;
    dialog.filterIndex = 1;
    dialog.vorgabeEndung = u"bmp"_s;
    dialog.ueberschreibenFragen = false;
    const std::optional<QString> gewaehlt = m_dienste.dateiSpeichern(this, dialog);
    QString pfad = gewaehlt.value_or(QString());
    if (!pfad.isEmpty() && QFileInfo(pfad).suffix().isEmpty())
        pfad += u".bmp"_s;
    if (!dateinameZulaessig(QFileInfo(pfad).fileName())) {
        m_dienste.meldung(this, Symbol::Keins, anwendungsTitel(), u"Fehlerhafter Dateiname"_s);
        return;
    }
    if (pfad.isEmpty())
        return;

    Sanduhr sanduhr;
    const QImage bitmap =
        m_bild.speicherbild(m_achsen, festwerte(m_xVariable, m_yVariable - 6, m_werte), model::programm::Verfahren);
    m_diagramm->update();
    QString grund;
    if (!bmpSchreiben(bitmap, pfad, &grund))
        melden(Symbol::Warnung, u"Das Diagramm konnte nicht gespeichert werden:\r\n"_s + QDir::toNativeSeparators(pfad)
                                    + u"\r\n\r\n"_s + grund);
}

void Grafik::druckansicht(bool drucken)
{
    m_start->setVisible(!drucken);
    m_ende->setVisible(!drucken);
    m_druckinfo->setVisible(drucken);
    const QColor farbe = drucken ? QColor(Qt::white) : QColor(192, 192, 192);
    for (QWidget* w :
         {static_cast<QWidget*>(m_flaeche), static_cast<QWidget*>(m_balken[0]), static_cast<QWidget*>(m_balken[1]),
          static_cast<QWidget*>(m_balken[2]), static_cast<QWidget*>(m_balken[3])}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, farbe);
        w->setPalette(p);
    }
}

void Grafik::drucken()
{
    QWidget* fokus = focusWidget();
    druckansicht(true);
    // Hiding "&Start" hands the focus on; the picture shows no focus colouring at all.
    fokusfarben(false);
    // The window as it shows now, print frame included, at 10 mm from the corner of the
    // printable area in its own size. Without a printer the print ends without a word.
    const QImage bild = m_flaeche->grab().toImage();
    m_dienste.bildDrucken(bild, QPointF(10, 10));
    druckansicht(false);
    if (fokus && fokus->isVisible())
        fokus->setFocus(Qt::OtherFocusReason);
    fokusfarben(true);
}

void Grafik::druckerEinrichten() { m_dienste.druckerEinrichten(this); }

}  // namespace diagram
