// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: the fixed display patterns "0", "0.0", "0.00" with the locale's decimal
// separator, and the reading of numbers from texts (data files, typed ranges, arguments).
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace model {

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

// A count (data lines, hours) as every window, message and page writes it: up to four digits as
// they are ("8760"), from five on in groups of three joined by a no-break space ("10 000 000"),
// which no locale reads as a decimal separator.
QString formatiereAnzahl(int64_t anzahl);

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

namespace zahlen_intern {
// The common field, a short decimal without exponent ("-12,75"), read without from_chars:
// its digits as one whole number m and k digits after the separator give m / 10^k, which is
// correctly rounded when m and 10^k are exact in the target type (m < 2^53 and k <= 22 for
// double, m < 2^24 and k <= 10 for float). Anything else is left to the general path.
template <typename Zahl>
inline bool kurzeDezimalzahl(std::string_view feld, Zahl& wert)
{
    constexpr uint64_t kGrenze = std::is_same_v<Zahl, float> ? (1u << 24) : (1ull << 53);
    constexpr int kStellen = std::is_same_v<Zahl, float> ? 10 : 22;
    static constexpr Zahl kZehner[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t i = 0;
    const bool negativ = !feld.empty() && feld[0] == '-';
    i += negativ || (!feld.empty() && feld[0] == '+');
    uint64_t m = 0;
    int ziffern = 0, nachkomma = -1;
    for (; i < feld.size(); ++i) {
        const char c = feld[i];
        if (c >= '0' && c <= '9') {
            if (++ziffern > 16)
                return false;
            m = 10 * m + uint64_t(c - '0');
            if (nachkomma >= 0)
                ++nachkomma;
        } else if ((c == '.' || c == ',') && nachkomma < 0) {
            nachkomma = 0;
        } else {
            return false;
        }
    }
    if (ziffern == 0 || m >= kGrenze || nachkomma > kStellen)
        return false;
    wert = Zahl(m);
    if (nachkomma > 0)
        wert /= kZehner[nachkomma];
    if (negativ)
        wert = -wert;
    return true;
}

}  // namespace zahlen_intern

// Everything but the short decimals (exponents, long digit strings, ranges).
bool leseFeldAllgemein(std::string_view feld, double& wert);
bool leseFeldAllgemein(std::string_view feld, float& wert);

// A whole field that is one number, as `tempara-cli pmv` reads its values: one sign at most,
// a comma or a point as the decimal separator, an optional exponent, nothing else (no "inf",
// no "nan"). A value beyond the range is infinite on overflow and zero on underflow, however
// many digits it has. False when the field is no such number.
inline bool leseFeld(std::string_view feld, double& wert)
{
    return zahlen_intern::kurzeDezimalzahl(feld, wert) || leseFeldAllgemein(feld, wert);
}
inline bool leseFeld(std::string_view feld, float& wert)
{
    return zahlen_intern::kurzeDezimalzahl(feld, wert) || leseFeldAllgemein(feld, wert);
}

// The shortest text with a decimal point that reads back as the same float32.
QString kuerzesterText(float wert);
std::size_t kuerzesterText(char* ziel, float wert);  // ziel: at least 32 bytes

// A field as a message quotes it: at most 60 bytes, control bytes written as \xNN, an
// ellipsis where it is cut.
std::string feldZitat(std::string_view feld);

}  // namespace model
