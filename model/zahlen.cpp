// SPDX-License-Identifier: GPL-3.0-or-later
#include "zahlen.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace model {

namespace {

constexpr double kZehnerpotenz[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1e6, 1e7};

bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// Reads the number grammar of Zahlwert from `text`, skipping the characters for which
// `ueberspringen` holds, into `puffer` as a plain C-locale number. Returns false if no
// digit was read.
template <typename Text, typename Zeichen>
bool sammleZahl(const Text& text, std::string& puffer, Zeichen zeichenAn, bool (*ueberspringen)(char))
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto naechstes = [&]() -> char {
        while (i < n && ueberspringen(zeichenAn(text, i)))
            ++i;
        return i < n ? zeichenAn(text, i) : '\0';
    };

    char c = naechstes();
    if (c == '+' || c == '-') {
        puffer += c;
        ++i;
        c = naechstes();
    }
    bool ziffern = false;
    while (istZiffer(c)) {
        puffer += c;
        ziffern = true;
        ++i;
        c = naechstes();
    }
    if (c == '.') {
        ++i;
        std::size_t nachPunkt = puffer.size();
        puffer += '.';
        c = naechstes();
        while (istZiffer(c)) {
            puffer += c;
            ziffern = true;
            ++i;
            c = naechstes();
        }
        if (puffer.size() == nachPunkt + 1)
            puffer.pop_back();  // a point without digits is not part of the number
    }
    if (!ziffern)
        return false;
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        const std::size_t merkeI = i, merkeLaenge = puffer.size();
        ++i;
        puffer += 'e';
        c = naechstes();
        if (c == '+' || c == '-') {
            puffer += c;
            ++i;
            c = naechstes();
        }
        bool exponent = false;
        while (istZiffer(c)) {
            puffer += c;
            exponent = true;
            ++i;
            c = naechstes();
        }
        if (!exponent) {
            i = merkeI;
            puffer.resize(merkeLaenge);
        }
    }
    return true;
}

// The power of ten of the first significant digit plus one: "123" 3, "0.05" −1, "2e5" 6.
long long dezimalstellenVorDemPunkt(std::string_view zahl)
{
    long long vorPunkt = 0, nullenNachPunkt = 0;
    bool punkt = false, signifikant = false;
    std::size_t i = 0;
    for (; i < zahl.size() && zahl[i] != 'e' && zahl[i] != 'E'; ++i) {
        const char c = zahl[i];
        if (c == '.')
            punkt = true;
        else if (istZiffer(c) && !punkt && (signifikant || c != '0'))
            signifikant = true, ++vorPunkt;
        else if (istZiffer(c) && punkt && !signifikant && c == '0')
            ++nullenNachPunkt;
        else if (istZiffer(c) && punkt)
            signifikant = true;
    }
    long long exponent = 0;
    if (i < zahl.size()) {
        const char* anfang = zahl.data() + i + 1;
        if (*anfang == '+')
            ++anfang;
        if (std::from_chars(anfang, zahl.data() + zahl.size(), exponent).ec != std::errc())
            exponent = *anfang == '-' ? -(1LL << 40) : (1LL << 40);  // too many digits for long long
    }
    return (vorPunkt > 0 ? vorPunkt : -nullenNachPunkt) + exponent;
}

double wertVon(const std::string& puffer)
{
    double wert = 0.0;
    const char* anfang = puffer.data();
    if (*anfang == '+')
        ++anfang;
    const auto [ende, fehler] = std::from_chars(anfang, puffer.data() + puffer.size(), wert);
    if (fehler == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; the decimal magnitude decides: an overflow is
        // infinite, an underflow zero, however many digits the text has.
        wert = dezimalstellenVorDemPunkt(puffer) > 0 ? HUGE_VAL : 0.0;
        if (puffer[0] == '-')
            wert = -wert;
    }
    return wert;
}

bool leerzeichenTabZeilenvorschub(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool nie(char) { return false; }

char alsAscii(QChar c) { return c.unicode() < 128 ? char(c.unicode()) : '\x7f'; }

}  // namespace

QChar dezimaltrenner()
{
    const QString punkt = QLocale().decimalPoint();
    return punkt.isEmpty() ? QChar(u'.') : punkt.front();
}

std::size_t formatiereZahl(char* ziel, double wert, int stellen, char trenner)
{
    if (stellen < 0)
        stellen = 0;
    if (stellen > 7)
        stellen = 7;
    if (!std::isfinite(wert)) {
        const char* text = std::isnan(wert) ? "NaN" : (wert > 0 ? "Inf" : "-Inf");
        std::strcpy(ziel, text);
        return std::strlen(text);
    }
    // printf-style fixed output rounds an exact binary tie to even; the display rounds it
    // away from zero, so nudge such ties to the next value out.
    const double skaliert = wert * kZehnerpotenz[stellen];
    if (std::fabs(skaliert) < 1e15 && std::fma(wert, kZehnerpotenz[stellen], -skaliert) == 0.0) {
        const double betrag = std::fabs(skaliert);
        if (betrag - std::floor(betrag) == 0.5)
            wert = std::copysign(std::floor(betrag) + 1.0, wert) / kZehnerpotenz[stellen];
    }
    auto [ende, fehler] = std::to_chars(ziel, ziel + kZahlPuffer - 1, wert, std::chars_format::fixed, stellen);
    std::size_t laenge = std::size_t(ende - ziel);
    if (ziel[0] == '-') {
        bool nurNullen = true;
        for (std::size_t i = 1; i < laenge && nurNullen; ++i)
            nurNullen = ziel[i] == '0' || ziel[i] == '.';
        if (nurNullen) {
            std::memmove(ziel, ziel + 1, laenge - 1);
            --laenge;
        }
    }
    if (stellen > 0)
        ziel[laenge - std::size_t(stellen) - 1] = trenner;
    ziel[laenge] = '\0';
    return laenge;
}

QString formatiereZahl(double wert, int stellen, QChar trenner)
{
    char puffer[kZahlPuffer];
    const std::size_t laenge = formatiereZahl(puffer, wert, stellen, '.');
    QString text = QString::fromLatin1(puffer, qsizetype(laenge));
    if (stellen > 0 && trenner != u'.')
        text.replace(u'.', trenner);
    return text;
}

QString formatiereZahl(double wert, int stellen) { return formatiereZahl(wert, stellen, dezimaltrenner()); }

QString formatiereAnzahl(int64_t anzahl)
{
    QString text = QString::number(anzahl);
    const qsizetype erste = anzahl < 0 ? 1 : 0;  // the first digit, after a sign
    if (text.size() - erste > 4)
        for (qsizetype i = text.size() - 3; i > erste; i -= 3)  // right to left: the left part stays put
            text.insert(i, QChar(0x00A0));
    return text;
}

double Zahlwert(std::string_view text)
{
    thread_local std::string puffer;
    puffer.clear();
    auto zeichenAn = [](std::string_view t, std::size_t i) { return t[i]; };
    if (!sammleZahl(text, puffer, zeichenAn, leerzeichenTabZeilenvorschub))
        return 0.0;
    return wertVon(puffer);
}

double Zahlwert(QStringView text)
{
    thread_local std::string puffer;
    puffer.clear();
    auto zeichenAn = [](QStringView t, std::size_t i) { return alsAscii(t[qsizetype(i)]); };
    if (!sammleZahl(text, puffer, zeichenAn, leerzeichenTabZeilenvorschub))
        return 0.0;
    return wertVon(puffer);
}

double leseFuehrendeZahl(QStringView text)
{
    qsizetype anfang = 0;
    while (anfang < text.size() && text[anfang] == u' ')
        ++anfang;
    // The first comma counts as the decimal separator, as a point would.
    QString kopie = text.mid(anfang).toString();
    const qsizetype komma = kopie.indexOf(u',');
    const qsizetype punkt = kopie.indexOf(u'.');
    if (komma >= 0 && (punkt < 0 || komma < punkt))
        kopie[komma] = u'.';
    std::string puffer;
    auto zeichenAn = [](const QString& t, std::size_t i) { return alsAscii(t[qsizetype(i)]); };
    if (!sammleZahl(kopie, puffer, zeichenAn, nie))
        return 0.0;
    return wertVon(puffer);
}

std::optional<double> leseZahl(QStringView text)
{
    QString kopie = text.trimmed().toString();
    if (kopie.count(u',') + kopie.count(u'.') > 1)
        return std::nullopt;
    kopie.replace(u',', u'.');
    const QByteArray latin = kopie.toLatin1();
    const char* anfang = latin.constData();
    const char* ende = anfang + latin.size();
    if (anfang != ende && *anfang == '+')
        ++anfang;
    double wert = 0.0;
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
    if (anfang == ende || fehler != std::errc() || rest != ende)
        return std::nullopt;
    return wert;
}

namespace {

// The field as from_chars takes it: a comma becomes a point (copied into `kopie`), one '+'
// is dropped, and the first character left must be a digit or the point.
bool feldVorbereiten(std::string_view& feld, std::string& kopie)
{
    if (feld.find(',') != std::string_view::npos) {
        kopie.assign(feld);
        std::replace(kopie.begin(), kopie.end(), ',', '.');
        feld = kopie;
    }
    const bool plus = !feld.empty() && feld.front() == '+';
    if (plus)
        feld.remove_prefix(1);
    const std::size_t ziffer = !plus && !feld.empty() && feld.front() == '-' ? 1 : 0;
    return ziffer < feld.size() && (feld[ziffer] == '.' || istZiffer(feld[ziffer]));
}

}  // namespace

bool leseFeldAllgemein(std::string_view feld, double& wert)
{
    thread_local std::string kopie;
    if (!feldVorbereiten(feld, kopie))
        return false;
    const auto [ende, fehler] = std::from_chars(feld.data(), feld.data() + feld.size(), wert);
    if (ende != feld.data() + feld.size())
        return false;
    if (fehler == std::errc::result_out_of_range) {
        wert = dezimalstellenVorDemPunkt(feld) > 0 ? HUGE_VAL : 0.0;
        if (feld.front() == '-')
            wert = -wert;
        return true;
    }
    return fehler == std::errc();
}

bool leseFeldAllgemein(std::string_view feld, float& wert)
{
    thread_local std::string kopie;
    std::string_view vorbereitet = feld;
    if (!feldVorbereiten(vorbereitet, kopie))
        return false;
    const auto [ende, fehler] = std::from_chars(vorbereitet.data(), vorbereitet.data() + vorbereitet.size(), wert);
    if (ende != vorbereitet.data() + vorbereitet.size())
        return false;
    if (fehler == std::errc::result_out_of_range) {
        // Beyond float32 (or a subnormal one): through the double, then rounded once more.
        double genau = 0.0;
        if (!leseFeldAllgemein(feld, genau))
            return false;
        wert = std::fabs(genau) > double(std::numeric_limits<float>::max())
                   ? float(std::copysign(double(std::numeric_limits<float>::infinity()), genau))
                   : float(genau);
        return true;
    }
    return fehler == std::errc();
}

std::size_t kuerzesterText(char* ziel, float wert)
{
    const auto [ende, fehler] = std::to_chars(ziel, ziel + 31, wert);
    *ende = '\0';
    return std::size_t(ende - ziel);
}

QString kuerzesterText(float wert)
{
    char puffer[32];
    return QString::fromLatin1(puffer, qsizetype(kuerzesterText(puffer, wert)));
}

std::string feldZitat(std::string_view feld)
{
    constexpr std::size_t kHoechstens = 60;
    std::size_t n = std::min(feld.size(), kHoechstens);
    while (n > 0 && n < feld.size() && (static_cast<unsigned char>(feld[n]) & 0xC0) == 0x80)
        --n;  // never cut a UTF-8 character in two
    std::string zitat;
    for (const char c : feld.substr(0, n)) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b != 0x7f) {
            zitat += c;
            continue;
        }
        static constexpr char kHex[] = "0123456789abcdef";
        zitat += {'\\', 'x', kHex[b >> 4], kHex[b & 15]};
    }
    if (n < feld.size())
        zitat += "…";
    return zitat;
}

}  // namespace model
