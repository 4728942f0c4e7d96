// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateioeffner.h"

#include "auswertung_fenster.h"
#include "datei_fenster.h"
#include "datendatei.h"
#include "letzter_lauf.h"

#include "dienste.h"
#include "hauptfenster.h"

#include <QFile>

using namespace gui;
using namespace evaluation;

namespace batch {

void DateiFensterZeigen(Hauptfenster& haupt, const QString& pfad, LetzterLauf& letzter)
{
    // A UTF-16 file or a pipe shows its converted text; a file that cannot be read correctly
    // (UTF-16 without mark, NUL bytes, CR-only line ends) is refused before its preview
    // could show garbage.
    const Dateninhalt vorbereitet = DatendateiVorbereiten(pfad);
    if (!vorbereitet.fehler.isEmpty()) {
        haupt.dienste().meldung(&haupt.fenster(), Symbol::Warnung, QStringLiteral("Warnung"), vorbereitet.fehler);
        return;
    }
    std::unique_ptr<QIODevice> datei = DatendateiOeffnen(pfad, vorbereitet.inhalt);
    if (!datei->isOpen())
        return;
    DATEI fenster(haupt, pfad, std::move(datei), letzter);
    fenster.exec();
}

void LetzteAuswertungZeigen(Hauptfenster& haupt, const LetzterLauf& letzter)
{
    if (letzter.vorhanden())
        zeigeAuswertung(haupt.dienste(), &haupt.fenster(), letzter.auswertung());
}

}  // namespace batch
