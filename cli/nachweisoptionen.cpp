// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweisoptionen.h"

#include "befehle.h"

#include "nachweisbericht.h"
#include "nachweistabelle.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

using namespace evaluation;

namespace cli {

namespace {

const QString kWert = QStringLiteral("WERT");

// Each setting's option and how the core reads it.
struct Einstellungsoption {
    const char* name;
    bool (*lesen)(QStringView text, Nachweiseinstellungen& e, QString* fehler);
};

const Einstellungsoption kEinstellungen[] = {
    {"nutzung", [](QStringView t, Nachweiseinstellungen& e, QString* f) { return NutzungLesen(t, e.nutzung, f); }},
    {"erster-tag",
     [](QStringView t, Nachweiseinstellungen& e, QString* f) { return WochentagLesen(t, e.ersterWochentag, f); }},
    {"klimaregion",
     [](QStringView t, Nachweiseinstellungen& e, QString* f) { return KlimaregionLesen(t, e.klimaregion, f); }},
    {"gebaeude",
     [](QStringView t, Nachweiseinstellungen& e, QString* f) {
         Gebaeudeart art{};
         if (!GebaeudeLesen(t, art, f))
             return false;
         e.gebaeude = art;
         return true;
     }},
    {"kategorie",
     [](QStringView t, Nachweiseinstellungen& e, QString* f) { return KategorieLesen(t, e.kategorie, f); }},
    {"toleranz", [](QStringView t, Nachweiseinstellungen& e, QString* f) { return ToleranzLesen(t, e.toleranz, f); }},
    {"asr-minimum",
     [](QStringView t, Nachweiseinstellungen& e, QString* f) { return AsrMindestwertLesen(t, e.asrMindestwert, f); }},
    {"projekt",
     [](QStringView t, Nachweiseinstellungen& e, QString*) {
         e.projekt = t.toString();
         return true;
     }},
    {"raum",
     [](QStringView t, Nachweiseinstellungen& e, QString*) {
         e.raum = t.toString();
         return true;
     }},
    {"bearbeiter",
     [](QStringView t, Nachweiseinstellungen& e, QString*) {
         e.bearbeiter = t.toString();
         return true;
     }},
};

bool istPdf(const QString& pfad) { return pfad.endsWith(u".pdf", Qt::CaseInsensitive); }

}  // namespace

QList<QCommandLineOption> NachweisOptionen()
{
    QList<QCommandLineOption> optionen{QCommandLineOption(QStringLiteral("nachweis"), {}, kWert),
                                       QCommandLineOption(QStringLiteral("stunden"), {}, kWert)};
    for (const Einstellungsoption& o : kEinstellungen)
        optionen << QCommandLineOption(QString::fromLatin1(o.name), {}, kWert);
    return optionen;
}

std::optional<Nachweisaufruf> NachweisaufrufLesen(const QCommandLineParser& parser, QString& fehler)
{
    Nachweisaufruf a;
    for (const char* ziel : {"nachweis", "stunden"}) {
        const QString name = QString::fromLatin1(ziel);
        if (!parser.isSet(name))
            continue;
        const QString pfad = parser.value(name);
        if (pfad.isEmpty()) {
            fehler = QStringLiteral("--%1 verlangt einen Dateinamen.").arg(name);
            return std::nullopt;
        }
        (name == u"nachweis" ? a.nachweis : a.stunden) = pfad;
    }
    if (a.nachweis && !a.nachweis->endsWith(u".csv", Qt::CaseInsensitive) && !istPdf(*a.nachweis)) {
        fehler = QStringLiteral("--nachweis \u201E%1\u201C: Der Name endet auf .csv (Tabelle) oder .pdf (Bericht).")
                     .arg(a.nachweis->left(60));
        return std::nullopt;
    }
    for (const Einstellungsoption& o : kEinstellungen) {
        const QString name = QString::fromLatin1(o.name);
        if (!parser.isSet(name))
            continue;
        if (!a.nachweis && !a.stunden) {
            fehler =
                QStringLiteral("--%1 gilt für den Nachweis und wirkt nur mit --nachweis oder --stunden.").arg(name);
            return std::nullopt;
        }
        QString grund;
        if (!o.lesen(parser.value(name), a.einstellungen, &grund)) {
            fehler = QStringLiteral("--%1: %2").arg(name, grund);
            return std::nullopt;
        }
    }
    return a;
}

bool NachweisDateiSchreiben(const Jahresauswertung& j, const QString& pfad, QString* grund)
{
    const Nachweis n = NachweisBerechnen(j.stunden, j.nachweis);
    if (!istPdf(pfad))
        return NachweisCsvSchreiben(NachweisCsv(n, j.stunden, j.nachweis), pfad, grund);
    std::optional<QGuiApplication> anwendung;
    schriftenOhneBildschirm(anwendung, "tempara-cli stapel");
    return NachweisPdfSchreiben(n, j.stunden, j.nachweis, pfad, grund);
}

bool StundenDateiSchreiben(const Jahresauswertung& j, const QString& pfad, QString* grund)
{
    const Nachweis n = NachweisBerechnen(j.stunden, j.nachweis);
    return NachweisCsvSchreiben(StundenCsv(n, j.stunden, j.nachweis), pfad, grund);
}

void UrteileAusgeben(const Jahresauswertung& j)
{
    std::fputs(UrteileText(NachweisBerechnen(j.stunden, j.nachweis)).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

}  // namespace cli
