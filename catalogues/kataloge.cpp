#include "kataloge.h"

#include "aktivitaet.h"
#include "bekleidung.h"
#include "bekleidungsliste.h"
#include "hpt.h"
#include "programm.h"
#include "uebernahme.h"
#include "twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScrollBar>

namespace {

template <typename Fenster>
void zeigeKatalog(hpt& hauptfenster)
{
    auto* fenster = hauptfenster.findChild<Fenster*>(QString(), Qt::FindDirectChildrenOnly);
    if (!fenster)
        fenster = new Fenster(hauptfenster);
    fenster->exec();
    if (fenster->verworfen())
        delete fenster;
}

}  // namespace

void zeigeAktivitaet(hpt& hauptfenster) { zeigeKatalog<Aktivitaet>(hauptfenster); }
void zeigeBekleidungsliste(hpt& hauptfenster) { zeigeKatalog<Bekleidungsliste>(hauptfenster); }
void zeigeBekleidung(hpt& hauptfenster) { zeigeKatalog<Bekleidung>(hauptfenster); }

Katalogfenster::Katalogfenster(hpt& hauptfenster) : QDialog(&hauptfenster), m_hpt(hauptfenster)
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

void kleidungUebernehmen(hpt& hauptfenster, float clo, const QString& text)
{
    hauptfenster.ui.Kleidung_Scroll->setValue(kleidungPosition(clo));
    hauptfenster.ui.eingabe_txt5->setText(kleidungText(clo));
    hauptfenster.ui.Kleidung_Liste->setText(text);
    programm::Raumklima.Icl = clo;  // not limited to the scroll bar's 4.00 clo
    hauptfenster.Neuberechnung();
}

void setzeTwips(QWidget* steuerelement, const QRect& twips)
{
    steuerelement->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

QLabel* erzeugeLabel(QWidget* eltern, const QString& name, const QString& text, const QRect& twips,
                     Qt::Alignment ausrichtung)
{
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setAlignment(ausrichtung);
    setzeTwips(label, twips);
    return label;
}

QString feldname(const QString& name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}
