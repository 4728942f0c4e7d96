// SPDX-License-Identifier: GPL-3.0-or-later
// Checks before a batch run: what in the data file or the ranges would make the result
// silently wrong (a heading read as a row of zeros, semicolons taken for separators, ranges
// that leave lines out), the number of data lines, and range lengths from first months.
// Pure functions; the window asks, tempara-cli warns.
#pragma once

#include "einstellungen.h"
#include "feldleser.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace batch {

// One pass over the data file, counting as the run counts.
struct Dateibefund {
    int64_t datenzeilen = 0;
    // The first data line holds letters but no number: a heading read as data.
    bool kopfAlsDaten = false;
    int64_t ersteDatenzeile = 0;  // its line number in the file, 0 without data lines
    QString ersteDatenzeileText;  // shortened for a message
    // Data lines with semicolons and neither tab nor blank between their values.
    int64_t semikolonzeilen = 0;
    int64_t ersteSemikolonzeile = 0;  // line number in the file
    bool lesefehler = false;
    bool abgebrochen = false;  // stopped by `weiter`; the figures then are incomplete
    // A file with a real separator: the fault that stops its reading, and the first field of
    // each column that is no number (a fault only when the column is used).
    Feldfehler formatfehler;
    std::array<Feldfehler, kSpalten> spaltenfehler{};
    // Lines separated by tabs that end in a blank: the plain reading cuts them at the blank.
    int64_t blankAmEnde = 0;
    int64_t ersteBlankAmEnde = 0;
    // The smallest and largest value of each column as the run reads it, and their lines.
    std::array<float, kSpalten> kleinster{}, groesster{};
    std::array<int64_t, kSpalten> zeileKleinster{}, zeileGroesster{};
};

// Reads from the current position to the end. `weiter` gets the lines read so far every
// kPruefenAlle lines; returning false stops the reading.
using Pruefstand = std::function<bool(int64_t zeilen)>;
inline constexpr int64_t kPruefenAlle = 65536;
Dateibefund DateiPruefen(QIODevice& datei, const Pruefstand& weiter = {}, const Dateiformat& format = {});
Dateibefund DateiPruefen(const QString& pfad);

// The fault that forbids the run with this assignment (a row with a wrong number of fields,
// a bad date, a used column's field that is no number), the earliest in the file; empty when
// the file can be read.
QString Lesefehler(const Dateibefund& befund, const Spaltenzuordnung& zuordnung);

// The line rules on their own: letters and no field that starts with a number; a semicolon
// and no blank or tab between the first and last character.
bool SiehtAusWieKopfzeile(std::string_view datenzeile);
bool SemikolonGetrennt(std::string_view datenzeile);

// How many of `datenzeilen` lines the season-dependent ranges evaluate, as the run fits
// and rounds their lengths.
int64_t BereicheUmfassen(const std::array<Bereich, kBereiche>& bereiche, int64_t datenzeilen);

// The warnings for a run with these settings, each a paragraph of German text; empty when
// nothing speaks against the run.
QStringList Vorwarnungen(const Dateibefund& befund, const Stapeleinstellungen& einstellungen);

// The question before the run: the warnings, then whether to evaluate all the same.
QString VorwarnungFrage(const QStringList& warnungen);

// Season-dependent ranges by month: the first month of each range (1 = Januar, 0 = range not
// used; the used ranges come first, A starts in January, each later one in a later month).
// The lengths follow from the month table of a year without leap day; the last used range
// runs to the end of the year. `fehler` says in German what is wrong, lengths are then 0.
struct Monatsbereiche {
    std::array<int, kBereiche> laengen{};
    QString fehler;
};
Monatsbereiche LaengenNachMonaten(const std::array<int, kBereiche>& ersterMonat);

}  // namespace batch
