// SPDX-License-Identifier: GPL-3.0-or-later
// The long-term proof as tables for spreadsheets: UTF-8 with byte-order mark, semicolons,
// CR LF, decimal comma. The proof table has a row per month and one for the year, then the
// settings it was computed with; the hourly table has one row per judged hour at full
// precision, for the engineer's own checks.
#pragma once

#include "nachweis.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace evaluation {

// Every setting, the data file, the calculation method and the version, in words: the rows
// "Vorgabe;Wert" of the table and the settings of the report.
std::vector<Vorgabe> NachweisVorgaben(const Stundenwerte& stunden, const Nachweiseinstellungen& einstellungen);

QByteArray NachweisCsv(const Nachweis& nachweis, const Stundenwerte& stunden,
                       const Nachweiseinstellungen& einstellungen);
QByteArray StundenCsv(const Nachweis& nachweis, const Stundenwerte& stunden,
                      const Nachweiseinstellungen& einstellungen);

// Write the table to `pfad` whole or not at all; on failure `grund` gets a German reason.
bool NachweisCsvSchreiben(const QByteArray& inhalt, const QString& pfad, QString* grund = nullptr);

}  // namespace evaluation
