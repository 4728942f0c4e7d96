#include "dateioeffner.h"

#include "datei_fenster.h"
#include "datendatei.h"

#include <QFile>

namespace stapel {

void DateiFensterZeigen(Hauptfenster& haupt, const QString& pfad)
{
    // A UTF-16 file or a pipe shows its converted text; a file the run refuses says why
    // when the run starts.
    std::unique_ptr<QIODevice> datei = DatendateiOeffnen(pfad, DatendateiVorbereiten(pfad).inhalt);
    if (!datei->isOpen())
        return;
    DATEI fenster(haupt, pfad, std::move(datei));
    fenster.exec();
}

}  // namespace stapel
