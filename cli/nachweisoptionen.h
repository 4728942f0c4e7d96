// SPDX-License-Identifier: GPL-3.0-or-later
// The options of `tempara-cli stapel` for the long-term proof: where it goes (--nachweis,
// --stunden) and its settings, read with the core's own text forms so that a bad value names
// the accepted ones; and the proof's files, written like the run's table and picture.
#pragma once

#include "jahresauswertung.h"
#include "nachweis.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <optional>

class QCommandLineParser;

namespace cli {

struct Nachweisaufruf {
    std::optional<QString> nachweis;  // .csv or .pdf
    std::optional<QString> stunden;   // the hourly table
    evaluation::Nachweiseinstellungen einstellungen;
};

// The options to add to the parser.
QList<QCommandLineOption> NachweisOptionen();

// The proof's part of a parsed call; `fehler` gets a German message when a value is not one
// of the accepted forms or a setting is given without an output to use it.
std::optional<Nachweisaufruf> NachweisaufrufLesen(const QCommandLineParser& parser, QString& fehler);

// The proof of the run `j` for its settings `j.nachweis`: the table (.csv) or the report
// (.pdf), and the hourly table; each written whole or not at all, `grund` saying why not.
bool NachweisDateiSchreiben(const evaluation::Jahresauswertung& j, const QString& pfad, QString* grund);
bool StundenDateiSchreiben(const evaluation::Jahresauswertung& j, const QString& pfad, QString* grund);

// The proof's verdicts on stdout, one per line.
void UrteileAusgeben(const evaluation::Jahresauswertung& j);

}  // namespace cli
