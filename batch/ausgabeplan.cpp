// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausgabeplan.h"

#include "ergebnisdatei.h"
#include "zieldatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace model;

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

namespace {

void bestandMerken(Dateiplan& plan)
{
    plan.ausgabeWarFrei = !QFileInfo::exists(plan.ausgabe);
    plan.sicherungWarFrei = !plan.sicherung.isEmpty() && !QFileInfo::exists(plan.sicherung);
}

// The file a name leads to: device and inode where it exists, else the path its links end in
// (in a folder named without links), so that a dangling link and its target compare equal.
QString kennung(const QString& pfad)
{
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(pfad).constData(), &info) == 0)
        return QStringLiteral("%1:%2").arg(quint64(info.st_dev)).arg(quint64(info.st_ino));
#else
    if (const QString echt = QFileInfo(pfad).canonicalFilePath(); !echt.isEmpty())
        return echt;
#endif
    const QFileInfo ziel(Verweisziel(pfad));
    const QString ordner = ziel.absoluteDir().canonicalPath();
    return (ordner.isEmpty() ? ziel.absolutePath() : ordner) + u'/' + ziel.fileName();
}

enum class Rolle { Ergebnis, Sicherung, Beiseite, Weitere };

struct Posten {
    Rolle rolle;
    QString was;
    QString pfad;
    bool ersetzen;
    bool warFrei;
    QString kennung;
};

QString satzanfang(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

// The output for itself: what stands under its name and whether it may be written there.
QString einzelnPruefen(const Posten& p, const Dateiplan& plan)
{
    const QString kopf = satzanfang(p.was) + u'\n' + nativ(p.pfad) + u'\n';
    switch (ZielartVon(p.pfad)) {
    case Zielart::Ordner:
        return kopf + QStringLiteral("kann nicht geschrieben werden: Unter diesem Namen steht ein Ordner.");
    case Zielart::Anderes:
        return kopf
               + QStringLiteral(
                   "ist weder eine Datei noch ein Zeichengerät oder eine FIFO und wird nicht beschrieben.");
    case Zielart::Strom:
        if (p.rolle == Rolle::Sicherung || p.rolle == Rolle::Beiseite
            || (p.rolle == Rolle::Ergebnis && !plan.sicherung.isEmpty()))
            return kopf + QStringLiteral("ist ein Gerät oder eine FIFO; dorthin wird keine Datei verschoben.");
        break;
    case Zielart::Datei:
        if (p.warFrei && !p.ersetzen && p.rolle == Rolle::Weitere)
            return kopf + QStringLiteral("ist während dieses Laufs entstanden und wird nicht ersetzt.");
        if (p.warFrei && p.rolle != Rolle::Weitere)
            return QStringLiteral("Die Datei\n%1\nist entstanden, während dieser Lauf vorbereitet wurde "
                                  "(ein anderer Lauf zur selben Zeit?).\nSie wird nicht ersetzt.")
                .arg(nativ(p.pfad));
        if (!p.ersetzen)
            return kopf + QStringLiteral("besteht bereits.");
        break;
    case Zielart::Frei: break;
    }
    if (p.rolle != Rolle::Weitere)
        return {};
    // The other outputs are written after the result: a name that cannot be written must stop
    // the run before the result is written.
    const QFileInfo ziel(Verweisziel(p.pfad));
    const QFileInfo ordner(ziel.absolutePath());
    const int nummer = !ordner.isDir()                                                ? ENOENT
                       : ziel.exists() && !ziel.isWritable()                          ? EACCES
                       : ZielartVon(p.pfad) != Zielart::Strom && !ordner.isWritable() ? EACCES
                                                                                      : 0;
    return nummer == 0 ? QString() : kopf + QStringLiteral("kann nicht geschrieben werden.\n") + FehlerGrund(nummer);
}

}  // namespace

QString FreierName(const QString& datei, const QString& zusatz, const QString& endung)
{
    const QFileInfo info(datei);
    const QString stamm = info.dir().filePath(info.completeBaseName() + zusatz);
    QString name = stamm + u'.' + endung;
    for (int nummer = 2; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++nummer)
        name = stamm + QStringLiteral("_%1.").arg(nummer) + endung;
    return name;
}

QString LaufdateiPruefen(const QString& gewaehlt, const Laufdateien& lauf)
{
    const std::pair<QString, const char*> dateien[] = {{lauf.datendatei, "die Datendatei"},
                                                       {lauf.ergebnisdatei, "die Ergebnisdatei"},
                                                       {lauf.sicherung, "die Sicherung der früheren Ergebnisdatei"},
                                                       {lauf.umbenannt, "die umbenannte frühere Datei"}};
    const QString gesucht = kennung(gewaehlt);
    for (const auto& [pfad, was] : dateien)
        if (!pfad.isEmpty() && kennung(pfad) == gesucht)
            return QStringLiteral("Diese Datei ist %1 dieses Laufs und wird nicht ersetzt. Bitte wählen Sie einen "
                                  "anderen Namen.")
                .arg(QString::fromUtf8(was));
    return {};
}

void AusgabeHinzufuegen(Dateiplan& plan, const QString& was, const QString& pfad, bool ersetzen)
{
    plan.weitere.push_back({was, pfad, ersetzen, !QFileInfo::exists(pfad)});
}

QString AusgabenPruefen(const Dateiplan& plan, const Ausgabeziel* nur)
{
    std::vector<Posten> posten;
    const auto dazu = [&](Rolle rolle, const QString& was, const QString& pfad, bool ersetzen, bool warFrei) {
        if (!pfad.isEmpty())
            posten.push_back({rolle, was, pfad, ersetzen, warFrei, kennung(pfad)});
    };
    // Once the result is in place, it and its backup are what this run made.
    dazu(Rolle::Ergebnis, QStringLiteral("die Ergebnisdatei"), plan.ausgabe, true, plan.ausgabeWarFrei && !nur);
    dazu(Rolle::Sicherung, QStringLiteral("die Sicherung der bisherigen Ergebnisdatei"), plan.sicherung, true,
         plan.sicherungWarFrei && !nur);
    if (!nur)
        dazu(Rolle::Beiseite, QStringLiteral("der neue Name der vorhandenen Datei"), plan.beiseiteNach, false, false);
    for (const Ausgabeziel& z : plan.weitere)
        dazu(Rolle::Weitere, z.was, z.pfad, z.ersetzen, z.warFrei);
    const QString daten = kennung(plan.eingabe);
    for (std::size_t i = 0; i < posten.size(); ++i) {
        const Posten& p = posten[i];
        if (nur && (p.rolle != Rolle::Weitere || p.pfad != nur->pfad))
            continue;
        // A result read again is the data file by design; its backup takes the old one.
        if (p.kennung == daten && !(p.rolle == Rolle::Ergebnis && !plan.sicherung.isEmpty()))
            return QStringLiteral(
                       "%1\n%2\nist die Datendatei selbst (auch über einen Verweis) und wird nicht ersetzt.\n"
                       "Bitte wählen Sie einen anderen Namen.")
                .arg(satzanfang(p.was), nativ(p.pfad));
        for (std::size_t k = 0; k < posten.size(); ++k)
            if (k != i && posten[k].kennung == p.kennung)
                return QStringLiteral("%1 (%2) und %3 (%4) wären dieselbe Datei; eine würde die andere ersetzen.\n"
                                      "Bitte wählen Sie verschiedene Namen.")
                    .arg(satzanfang(posten[std::min(i, k)].was), nativ(posten[std::min(i, k)].pfad),
                         posten[std::max(i, k)].was, nativ(posten[std::max(i, k)].pfad));
        if (const QString grund = einzelnPruefen(p, plan); !grund.isEmpty())
            return grund;
    }
    return {};
}

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
