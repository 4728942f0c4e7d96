// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausgabeplan.h"

#include "ergebnisdatei.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace batch {

bool dieselbeDatei(const QString& a, const QString& b)
{
#ifdef Q_OS_UNIX
    struct stat sa {
    }, sb{};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#else
    const QFileInfo ia(a), ib(b);
    return ia.exists() && ib.exists() && ia.canonicalFilePath() == ib.canonicalFilePath();
#endif
}

QString Verweisziel(const QString& pfad)
{
    QString ziel = pfad;
    for (int tiefe = 0; tiefe < 40 && QFileInfo(ziel).isSymLink(); ++tiefe)
        ziel = QFileInfo(ziel).symLinkTarget();
    return ziel;
}

namespace {
void bestandMerken(Dateiplan& plan)
{
    plan.ausgabeWarFrei = !QFileInfo::exists(plan.ausgabe);
    plan.sicherungWarFrei = !plan.sicherung.isEmpty() && !QFileInfo::exists(plan.sicherung);
}
}  // namespace

std::optional<Dateiplan> AusgabePlanen(const QString& datendatei, Rueckfragen& rueckfragen)
{
    const bool alsEingabe = ErgebnisAlsEingabe(datendatei);
    QString ergebnisdatei = Ergebnisdateiname(datendatei, alsEingabe);
    Dateiplan plan;
    plan.eingabe = datendatei;

    // A result name that leads to the data file is never replaced: it can only be moved aside.
    auto ersetzbar = [&](const QString& name) {
        if (alsEingabe || !dieselbeDatei(name, datendatei))
            return rueckfragen.ueberschreiben(name);
        rueckfragen.istDatendatei(name);
        return false;
    };
    while (QFileInfo::exists(ergebnisdatei) && !ersetzbar(ergebnisdatei)) {
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

    // A name moved aside is free afterwards; any other is written through its links.
    if (alsEingabe) {
        plan.ausgabe = Verweisziel(datendatei);
        plan.sicherung = ergebnisdatei;
    } else {
        plan.ausgabe = plan.beiseiteVon.isEmpty() ? Verweisziel(ergebnisdatei) : ergebnisdatei;
    }
    bestandMerken(plan);
    return plan;
}

Dateiplan PlanMitAusgabe(const QString& datendatei, const QString& ausgabe)
{
    Dateiplan plan;
    plan.eingabe = datendatei;
    plan.ausgabe = Verweisziel(ausgabe);
    bestandMerken(plan);
    return plan;
}

}  // namespace batch
