// SPDX-License-Identifier: GPL-3.0-or-later
#include "kataloge.h"

#include "aktivitaet_fenster.h"
#include "bauhilfen.h"
#include "bekleidung_fenster.h"
#include "bekleidungsliste_fenster.h"
#include "hauptfenster.h"

#include <QCloseEvent>
#include <QLabel>

using namespace model;
using namespace gui;

namespace catalogues {

namespace {

template <typename Fenster>
void zeigeKatalog(Hauptfenster& hauptfenster)
{
    auto* fenster = hauptfenster.fenster().findChild<Fenster*>(QString(), Qt::FindDirectChildrenOnly);
    if (!fenster)
        fenster = new Fenster(hauptfenster);
    fenster->exec();
    if (fenster->verworfen())
        delete fenster;
}

}  // namespace

void zeigeAktivitaet(Hauptfenster& hauptfenster) { zeigeKatalog<Aktivitaet>(hauptfenster); }
void zeigeBekleidungsliste(Hauptfenster& hauptfenster) { zeigeKatalog<Bekleidungsliste>(hauptfenster); }
void zeigeBekleidung(Hauptfenster& hauptfenster) { zeigeKatalog<Bekleidung>(hauptfenster); }

Katalogfenster::Katalogfenster(Hauptfenster& hauptfenster)
    : QDialog(&hauptfenster.fenster()), m_hauptfenster(hauptfenster)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
}

void Katalogfenster::reject() { hide(); }

bool Katalogfenster::event(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::WindowActivate || ereignis->type() == QEvent::Show)
        Form_Activate();
    return QDialog::event(ereignis);
}

void Katalogfenster::closeEvent(QCloseEvent* ereignis)
{
    // Only the title-bar button (or the window manager) closes; our buttons hide.
    m_verworfen = true;
    QDialog::closeEvent(ereignis);
}

void kleidungUebernehmen(Hauptfenster& hauptfenster, float clo, const QString& text)
{
    Raumklima klima = hauptfenster.raumklima();
    klima.Icl = clo;
    hauptfenster.uebernehmen(klima, text);
}

QLabel* erzeugeLabel(QWidget* eltern, const QString& name, const QString& text, const QRect& twips,
                     Qt::Alignment ausrichtung)
{
    auto* label = erzeuge<QLabel>(eltern, name, twips);
    label->setText(text);
    label->setAlignment(ausrichtung);
    return label;
}

}  // namespace catalogues
