// SPDX-License-Identifier: GPL-3.0-or-later
// How the fields of a data file are separated and named, decided once from its first lines
// and then handed by value to the preview, the check before the run and the run. Files that
// are separated by blanks and tabs keep the reading of zeilen.h unchanged; a file with a real
// separator (";", "," or a tab with a row of names) is read field by field: empty fields stay
// empty, quoted fields may hold the separator, a header row names the columns, and columns of
// dates and times give the hour of the year.
#pragma once

#include "zeilen.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

enum class Trennzeichen : int8_t { Leerraum, Semikolon, Komma, Tabulator };

// A stamp 01:00 is read as the end of hour 1 (0:00 to 1:00), as simulation programs write it
// with 24:00:00 closing the day; 00:00 as its start, as spreadsheets list the hours.
enum class Stundenlesart : int8_t { Ende, Anfang };

enum class Zeitart : int8_t {
    Keine,
    MonatTag,      // " 01/01  01:00:00": month/day without a year, time to the second
    DatumUhrzeit,  // "01.01.2023 00:00" or "2023-01-01 00:00" in one field
    Datum,         // "01.01.2023" with the time of day in a column of its own
};

// Columns 1 to 20 read fields 1 to 20 of a row.
constexpr std::array<int16_t, kSpalten> ErsteFelder()
{
    std::array<int16_t, kSpalten> felder{};
    for (int c = 0; c < kSpalten; ++c)
        felder[std::size_t(c)] = int16_t(c);
    return felder;
}

struct Dateiformat {
    Trennzeichen trenner = Trennzeichen::Leerraum;
    Stundenlesart lesart = Stundenlesart::Ende;
    int64_t kopfzeile = 0;       // line number of the row of names, 0 without one
    int64_t einheitenzeile = 0;  // a row of units right under it ("°C;%"), 0 without one
    int64_t trennzeile = 0;      // a spreadsheet's "sep=;" line before it, 0 without one
    QStringList namen;           // the header's names, one per field
    int felder = 0;              // fields of every row: the header's, else the first data row's
    // The field (0-based) each of the 20 columns reads, −1 for none: the first 20 fields; of a
    // wider file its date and time, the fields with known names, then the others in order.
    std::array<int16_t, kSpalten> feld = ErsteFelder();
    Zeitart zeitart = Zeitart::Keine;
    int zeitspalte = -1;     // field of the date (and time)
    int uhrzeitspalte = -1;  // field of the time of day beside a Datum field
    // Codes of the columns from the header's names; the texts that say which fields fit a
    // quantity twice, their codes and their fields.
    Spaltenzuordnung zuordnung{};
    QStringList mehrdeutig;
    QList<int> mehrdeutigeCodes;
    QList<QList<int>> mehrdeutigeSpalten;  // 0-based

    bool getrennt() const { return trenner != Trennzeichen::Leerraum; }
    // Lines that carry no data: the names, their units and the separator line.
    bool istKopf(int64_t zeile) const
    {
        return zeile > 0 && (zeile == kopfzeile || zeile == einheitenzeile || zeile == trennzeile);
    }
    // The name of field `feld` (0-based) for messages: "Feld 3 (Ti)" or "Feld 3".
    QString feldname(int feld) const;
    // The column (0-based) that reads field `feld`, −1 when none does.
    int spalteVonFeld(int feld) const;
    // The column that reads `feld`, given a column without a code when none did yet; −1 when
    // all 20 are taken.
    int spalteFuerFeld(int feld);
};

// The German name of a separator as the column page and the help write it, and the word of
// `--trennzeichen`.
QString TrennzeichenName(Trennzeichen t);
QString TrennzeichenWort(Trennzeichen t);
std::optional<Trennzeichen> TrennzeichenAusWort(const QString& wort);

// The first lines of a file (at most `anzahl`, from the present position), kept for deciding
// the format again when the user picks another separator.
std::vector<std::string> ErsteZeilen(QIODevice& datei, int anzahl = 40);

// Decides the format from the first lines. `dateiname` counts for its ".csv" ending;
// `vorgabe` is the separator the user chose, else it is detected; `zeitspalte` the column
// the user named as date and time, else the first that holds one.
Dateiformat FormatErkennen(const std::vector<std::string>& ersteZeilen, const QString& dateiname,
                           std::optional<Trennzeichen> vorgabe = {}, int zeitspalte = -1);

// The quantity a header name stands for (code 1 to 5 or 8), 0 when none: case and units in
// brackets are ignored, and of "Bereich:Name" only the name counts.
int CodeAusName(const QString& name);
// The field whose heading is `name` (whole or its part before the brackets), −1 when none.
int SpalteMitNamen(const Dateiformat& format, const QString& name);

// The fields of one row of a separated line, quotes removed; `puffer` holds the text of
// quoted fields. Blanks around a field are dropped; with tabs, one at the start only indents.
void FelderTeilen(std::string_view zeile, char trenner, std::vector<std::string_view>& felder, std::string& puffer);

}  // namespace batch
