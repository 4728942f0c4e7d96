// Number texts: the fixed display patterns "0", "0.0", "0.00" with the locale's decimal
// separator, and the reading of numbers from texts (data files, typed ranges, arguments).
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Enough for any double in fixed notation with a few decimals.
inline constexpr std::size_t kZahlPuffer = 400;

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC, LANG; QLocale's default).
QChar dezimaltrenner();

// `wert` with `stellen` decimals ("0" = 0, "0.0" = 1, "0.00" = 2), no grouping, halves away
// from zero. A value that rounds to zero is written without a minus sign.
// Writes into `ziel` (at least kZahlPuffer bytes) and returns the length.
std::size_t formatiereZahl(char* ziel, double wert, int stellen, char trenner);
QString formatiereZahl(double wert, int stellen, QChar trenner);
QString formatiereZahl(double wert, int stellen);  // with dezimaltrenner()

// The value of the longest number at the start of a text, as data files are read: blanks,
// tabs and line feeds anywhere are ignored; sign, digits, a point with digits, an exponent
// after E or D. No number: 0. May be infinite for a huge exponent.
double Zahlwert(std::string_view text);
double Zahlwert(QStringView text);

// The leading number of a typed field: leading blanks skipped, comma or point as the
// separator, optional exponent; anything after it is ignored. No number: 0.
double leseFuehrendeZahl(QStringView text);

// A whole text that is one number, comma or point as the separator, blanks around it allowed.
std::optional<double> leseZahl(QStringView text);

// The shortest text with a decimal point that reads back as the same float32.
QString kuerzesterText(float wert);
std::size_t kuerzesterText(char* ziel, float wert);  // ziel: at least 32 bytes

// A field as a message quotes it: at most 60 bytes, control bytes written as \xNN, an
// ellipsis where it is cut.
std::string feldZitat(std::string_view feld);
