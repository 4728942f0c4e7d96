// SPDX-License-Identifier: GPL-3.0-or-later
// The options of `tempara-cli stapel` for the long-term proof: where it goes (--nachweis,
// --stunden) and its settings, read with the core's own text forms so that a bad value names
// the accepted ones.
#pragma once

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

// Computes the proof of a run, writes its files and prints the verdicts on stdout, one per
// line. `pfade` are the names as the files are written (beside the result). Returns false
// with `grund` and the failed file's name when a file could not be written.
bool NachweisSchreiben(const Nachweisaufruf& aufruf, const evaluation::Stundenwerte& stunden, QString& fehlgeschlagen,
                       QString& grund);

}  // namespace cli
