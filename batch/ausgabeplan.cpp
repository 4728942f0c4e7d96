#include "ausgabeplan.h"

#include "ergebnisdatei.h"

#include <QFileInfo>

namespace stapel {

bool dieselbeDatei(const QString& a, const QString& b)
{
    const QFileInfo ia(a), ib(b);
    return ia.exists() && ib.exists() && ia.canonicalFilePath() == ib.canonicalFilePath();
}

std::optional<Dateiplan> AusgabePlanen(const QString& datendatei, Rueckfragen& rueckfragen)
{
    const bool alsEingabe = ErgebnisAlsEingabe(datendatei);
    QString ergebnisdatei = Ergebnisdateiname(datendatei, alsEingabe);
    Dateiplan plan;
    plan.eingabe = datendatei;

    while (QFileInfo::exists(ergebnisdatei) && !rueckfragen.ueberschreiben(ergebnisdatei)) {
        std::optional<QString> name = rueckfragen.sicherungsname();
        while (name && dieselbeDatei(*name, datendatei)) {
            rueckfragen.istDatendatei(*name);
            name = rueckfragen.sicherungsname();
        }
        if (!name)
            return std::nullopt;
        if (!QFileInfo::exists(*name)) {
            plan.beiseiteVon = ergebnisdatei;
            plan.beiseiteNach = *name;
            break;
        }
        rueckfragen.existiertBereits(*name);
        ergebnisdatei = *name;
    }

    if (alsEingabe) {
        plan.ausgabe = datendatei;
        plan.sicherung = ergebnisdatei;
    } else {
        plan.ausgabe = ergebnisdatei;
    }
    return plan;
}

Dateiplan PlanMitAusgabe(const QString& datendatei, const QString& ausgabe)
{
    Dateiplan plan;
    plan.eingabe = datendatei;
    plan.ausgabe = ausgabe;
    return plan;
}

}  // namespace stapel
