// SPDX-License-Identifier: GPL-3.0-or-later
#include "berichtdialog.h"

#include "gespeichert.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;

namespace diagram {

namespace {

QRadioButton* wahl(const QString& name, const QString& text, QVBoxLayout* spalte)
{
    auto* knopf = new QRadioButton(text);
    knopf->setObjectName(name);
    spalte->addWidget(knopf, 0, Qt::AlignLeft);  // a click beside its text is no choice
    return knopf;
}

QVBoxLayout* gruppe(const QString& titel, QVBoxLayout* fenster)
{
    auto* kasten = new QGroupBox(titel);
    auto* spalte = new QVBoxLayout(kasten);
    fenster->addWidget(kasten);
    return spalte;
}

}  // namespace

Berichtdialog::Berichtdialog(const Berichtoptionen& vorgabe, bool mitAufloesung, QWidget* eltern) : QDialog(eltern)
{
    setObjectName(u"Berichtdialog"_s);
    setWindowTitle(u"Diagramm für Bericht"_s);
    auto* fenster = new QVBoxLayout(this);

    QVBoxLayout* seite = gruppe(u"Seite"_s, fenster);
    m_a4 = wahl(u"papier_a4"_s, u"A4 quer (297 × 210 mm)"_s, seite);
    m_a5 = wahl(u"papier_a5"_s, u"A5 quer (210 × 148 mm)"_s, seite);
    (vorgabe.papier == Papier::A5 ? m_a5 : m_a4)->setChecked(true);
    if (mitAufloesung) {
        auto* zeile = new QFormLayout;
        m_dpi = new QSpinBox;
        m_dpi->setObjectName(u"aufloesung"_s);
        m_dpi->setSuffix(u" dpi"_s);
        m_dpi->setMaximum(kHoechstDpi);
        m_bildgroesse = new QLabel;
        m_bildgroesse->setObjectName(u"bildgroesse"_s);
        zeile->addRow(u"Auflösung des PNG:"_s, m_dpi);
        zeile->addRow(QString(), m_bildgroesse);
        seite->addLayout(zeile);
        connect(m_a4, &QRadioButton::toggled, this, &Berichtdialog::aufloesungAnpassen);
        connect(m_dpi, &QSpinBox::valueChanged, this, &Berichtdialog::aufloesungAnpassen);
        m_dpi->setMinimum(mindestDpi(vorgabe.papier));
        m_dpi->setValue(vorgabe.dpi);
        aufloesungAnpassen();
    }

    QVBoxLayout* linien = gruppe(u"Linien konstanten PMV"_s, fenster);
    m_linien[0] = wahl(u"linien_0"_s, u"PMV = 0 (neutral)"_s, linien);
    m_linien[1] = wahl(u"linien_05"_s, u"PMV = 0 und ±0,5 (Grenzen der Kategorie B)"_s, linien);
    m_linien[2] = wahl(u"linien_07"_s, u"PMV = 0, ±0,5 und ±0,7 (Grenzen der Kategorien B und C)"_s, linien);
    m_linien[int(vorgabe.linien)]->setChecked(true);

    QVBoxLayout* achsen = gruppe(u"Achsen"_s, fenster);
    m_fenster = wahl(u"bereich_fenster"_s, u"Bereich wie im Fenster"_s, achsen);
    m_anpassen = wahl(u"bereich_anpassen"_s, u"Bereich anpassen (ohne negative Werte, runde Teilung)"_s, achsen);
    m_anpassen->setToolTip(u"Die Achsen umfassen die berechneten Werte, ohne negative Aktivität, Kleidung, "
                           u"Luftgeschwindigkeit und Feuchte, auf eine runde Teilung erweitert."_s);
    (vorgabe.bereich == Bereichsart::Anpassen ? m_anpassen : m_fenster)->setChecked(true);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Ok)->setText(u"OK"_s);
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(u"ok"_s);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_s);
    knoepfe->button(QDialogButtonBox::Cancel)->setObjectName(u"abbrechen"_s);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fenster->addWidget(knoepfe);
}

void Berichtdialog::aufloesungAnpassen()
{
    const Papier papier = m_a5->isChecked() ? Papier::A5 : Papier::A4;
    // A PNG is at least 2400 pixels wide: the smaller page needs the higher resolution.
    m_dpi->setMinimum(mindestDpi(papier));
    const QSizeF mm = seiteMm(papier);
    const double jeMm = m_dpi->value() / 25.4;
    m_bildgroesse->setText(
        u"%1 × %2 Bildpunkte"_s.arg(std::lround(mm.width() * jeMm)).arg(std::lround(mm.height() * jeMm)));
}

Berichtoptionen Berichtdialog::optionen() const
{
    Berichtoptionen o;
    o.papier = m_a5->isChecked() ? Papier::A5 : Papier::A4;
    for (int i = 0; i < 3; ++i)
        if (m_linien[i]->isChecked())
            o.linien = Linienwahl(i);
    o.bereich = m_anpassen->isChecked() ? Bereichsart::Anpassen : Bereichsart::Fenster;
    o.dpi = m_dpi ? m_dpi->value() : gespeicherteBerichtoptionen().dpi;
    return o;
}

Berichtoptionen gespeicherteBerichtoptionen()
{
    const auto s = gui::gespeichert();
    Berichtoptionen o;
    o.papier = s->value(u"Diagrammbericht/Papier"_s).toString() == u"A5" ? Papier::A5 : Papier::A4;
    o.linien = Linienwahl(std::clamp(s->value(u"Diagrammbericht/Linien"_s, 0).toInt(), 0, 2));
    o.bereich =
        s->value(u"Diagrammbericht/Bereich"_s).toString() == u"anpassen" ? Bereichsart::Anpassen : Bereichsart::Fenster;
    o.dpi =
        std::clamp(s->value(u"Diagrammbericht/Aufloesung"_s, kVorgabeDpi).toInt(), mindestDpi(o.papier), kHoechstDpi);
    return o;
}

void berichtoptionenMerken(const Berichtoptionen& o)
{
    const auto s = gui::gespeichert();
    s->setValue(u"Diagrammbericht/Papier"_s, o.papier == Papier::A5 ? u"A5"_s : u"A4"_s);
    s->setValue(u"Diagrammbericht/Linien"_s, int(o.linien));
    s->setValue(u"Diagrammbericht/Bereich"_s, o.bereich == Bereichsart::Anpassen ? u"anpassen"_s : u"fenster"_s);
    s->setValue(u"Diagrammbericht/Aufloesung"_s, o.dpi);
}

}  // namespace diagram
