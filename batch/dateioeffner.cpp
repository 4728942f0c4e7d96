#include "dateioeffner.h"

#include "auswertung_fenster.h"
#include "datei_fenster.h"
#include "datendatei.h"
#include "letzter_lauf.h"

#include "hauptfenster.h"

#include <QFile>

namespace stapel {

void DateiFensterZeigen(Hauptfenster& haupt, const QString& pfad, LetzterLauf& letzter)
{
    // A UTF-16 file or a pipe shows its converted text; a file the run refuses says why
    // when the run starts.
    std::unique_ptr<QIODevice> datei = DatendateiOeffnen(pfad, DatendateiVorbereiten(pfad).inhalt);
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

}  // namespace stapel
