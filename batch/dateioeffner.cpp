#include "dateioeffner.h"

#include "datei_fenster.h"

#include <QFile>

namespace stapel {

void DateiFensterZeigen(Hauptfenster& haupt, const QString& pfad)
{
    auto datei = std::make_unique<QFile>(pfad);
    if (!datei->open(QIODevice::ReadOnly))
        return;
    DATEI fenster(haupt, pfad, std::move(datei));
    fenster.exec();
}

}  // namespace stapel
