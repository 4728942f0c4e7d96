// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertung_speichern.h"

#include "ausgabeplan.h"
#include "dienste.h"

#include <QDir>

using namespace gui;

namespace evaluation {

void AuswertungSpeichern(Dienste& dienste, QWidget* eltern, const Jahresauswertung& a, const Speicherziel& ziel,
                         const Schreiber& schreiben)
{
    Dateidialog dialog;
    dialog.titel = ziel.titel;
    dialog.filter = ziel.filter;
    dialog.vorgabeEndung = ziel.endung;
    dialog.dateiname = batch::FreierName(a.ergebnisdatei, ziel.zusatz, ziel.endung);
    dialog.ueberschreibenFragen = true;
    const std::optional<QString> pfad = dienste.dateiSpeichern(eltern, dialog);
    if (!pfad || pfad->isEmpty())
        return;
    QString grund = batch::LaufdateiPruefen(*pfad, {a.datendatei, a.ergebnisdatei, a.sicherung, a.umbenannt});
    if (!grund.isEmpty() || !schreiben(*pfad, &grund))
        dienste.meldung(eltern, Symbol::Warnung, QStringLiteral("Warnung"),
                        QStringLiteral("%1 konnte nicht gespeichert werden:\n%2\n\n%3")
                            .arg(ziel.was, QDir::toNativeSeparators(*pfad), grund));
}

}  // namespace evaluation
