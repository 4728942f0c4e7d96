// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the lines of a file with a real separator into the 20 values of a data line, as the
// preview, the check and the run all do. A date-time column becomes the hour of the year.
// What cannot be read right is never guessed: a row with a wrong number of fields, a date
// that does not exist, time running backwards, and a field of a required column that is no
// number or has an ambiguous decimal mark each stop with a German message naming the line
// and the field. Faults of other columns are remembered, first one per column, for the check.
#pragma once

#include "dateiformat.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

struct Feldfehler {
    int64_t zeile = 0;  // 0: no fault
    QString text;
};

class Feldleser {
public:
    // `pflicht`: the columns whose fields must be numbers (the assigned ones).
    Feldleser(const Dateiformat& format, std::bitset<kSpalten> pflicht);

    // The kind of line `nummer`; a data line fills `werte` (fields not read stay 0). False in
    // `gelesen` when the line has a fault that stops the reading (see fehler()).
    Zeilenart zerlegen(std::string_view zeile, int64_t nummer, Zeilenwerte& werte, bool& gelesen);

    // The fault that stopped the reading, and the first fault of each column that did not.
    const Feldfehler& fehler() const { return m_fehler; }
    const std::array<Feldfehler, kSpalten>& spaltenfehler() const { return m_spaltenfehler; }

private:
    bool stopp(int64_t nummer, QString text);
    bool zeitLesen(int64_t nummer, float& stunde);

    Dateiformat m_format;
    std::bitset<kSpalten> m_pflicht;
    char m_trenner;
    std::vector<std::string_view> m_felder;
    std::string m_puffer;
    std::string m_zahl;
    int64_t m_vorigeMinute = -1;  // minutes since the first year began, of the stamp before
    int m_erstesJahr = 0;
    bool m_schalttag = false;  // 29 February met in a file without years
    Feldfehler m_fehler;
    std::array<Feldfehler, kSpalten> m_spaltenfehler{};
};

// The columns whose values the run uses: those with codes 1 to 5 and 8.
std::bitset<kSpalten> Pflichtspalten(const Spaltenzuordnung& zuordnung);

// The value of a field as a number, with '.' and, where `komma` is true, ',' as the decimal
// mark; blanks around it allowed. Nothing when it is not a number; `mehrdeutig` is set when it
// has more than one mark or both.
std::optional<double> FeldZahl(std::string_view feld, bool komma, bool& mehrdeutig, std::string& puffer);

// A stamp as minutes since 1 January 0:00 of `jahr` (the first stamp's year; for month/day
// stamps without a year, 0 and `schalttag` telling whether 29 February has been met). Nothing
// for a field that is not such a stamp; `fehlt` then says in German what does not exist.
struct Stempel {
    int jahr = 0;
    int64_t minute = 0;      // from 1 January 0:00 of `jahr`
    bool schalttag = false;  // 29 February
};
std::optional<Stempel> StempelLesen(Zeitart art, std::string_view datum, std::string_view uhrzeit, QString& fehlt);

}  // namespace batch
