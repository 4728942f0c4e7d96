// SPDX-License-Identifier: GPL-3.0-or-later
#include "feldleser.h"

#include "zahlen.h"

#include <charconv>
#include <cmath>

namespace batch {

namespace {

constexpr int kMinutenJeTag = 24 * 60;

bool schaltjahr(int j) { return (j % 4 == 0 && j % 100 != 0) || j % 400 == 0; }

int tageImMonat(int jahr, int monat)
{
    constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return monat == 2 && schaltjahr(jahr) ? 29 : tage[monat - 1];
}

// Days before the month's first in its year.
int tageVorMonat(int jahr, int monat)
{
    constexpr int vor[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return vor[monat - 1] + (monat > 2 && schaltjahr(jahr) ? 1 : 0);
}

// Days from 1 January of year 0 (proleptic Gregorian calendar).
int64_t tagesnummer(int jahr, int monat, int tag)
{
    const int64_t n = int64_t(jahr) * 365 + (jahr + 3) / 4 - (jahr + 99) / 100 + (jahr + 399) / 400;
    return n + tageVorMonat(jahr, monat) + tag - 1;
}

// Reads an unsigned whole number of 1 to `bis` digits at `i`; -1 when there is none.
int ganzeZahl(std::string_view text, std::size_t& i, std::size_t bis)
{
    int wert = 0;
    std::size_t n = 0;
    while (i < text.size() && n < bis && text[i] >= '0' && text[i] <= '9') {
        wert = wert * 10 + (text[i++] - '0');
        ++n;
    }
    return n == 0 ? -1 : wert;
}

bool zeichen(std::string_view text, std::size_t& i, char z)
{
    if (i < text.size() && text[i] == z) {
        ++i;
        return true;
    }
    return false;
}

void blanks(std::string_view text, std::size_t& i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
}

// "HH:MM" or "HH:MM:SS" from `i` to the end: minutes of the day; −1 when it is none.
int uhrzeit(std::string_view text, std::size_t i, QString& fehlt)
{
    blanks(text, i);
    const int h = ganzeZahl(text, i, 2);
    if (h < 0 || !zeichen(text, i, ':'))
        return -1;
    const int m = ganzeZahl(text, i, 2);
    int s = 0;
    if (zeichen(text, i, ':'))
        s = ganzeZahl(text, i, 2);
    blanks(text, i);
    if (m < 0 || s < 0 || i != text.size())
        return -1;
    if (h > 24 || m > 59 || s > 59 || (h == 24 && (m > 0 || s > 0)))
        fehlt =
            QStringLiteral("Die Uhrzeit %1 gibt es nicht.").arg(QString::fromUtf8(text.data(), text.size()).trimmed());
    return h * 60 + m;
}

}  // namespace

std::bitset<kSpalten> Pflichtspalten(const Spaltenzuordnung& zuordnung)
{
    std::bitset<kSpalten> pflicht;
    for (int c = 0; c < kSpalten; ++c) {
        const int code = zuordnung[std::size_t(c)];
        pflicht[std::size_t(c)] = (code >= kJahresstunde && code <= kFeuchte) || code == kTaAussen;
    }
    return pflicht;
}

std::optional<double> FeldZahl(std::string_view feld, bool komma, bool& mehrdeutig, std::string& puffer)
{
    mehrdeutig = false;
    const std::size_t a = feld.find_first_not_of(' ');
    if (a == std::string_view::npos)
        return std::nullopt;
    feld = feld.substr(a, feld.find_last_not_of(' ') - a + 1);
    double wert = 0;
    if (model::zahlen_intern::kurzeDezimalzahl(feld, wert) && (komma || feld.find(',') == std::string_view::npos))
        return wert;  // the common field, without the general path below
    const std::size_t punkte = std::size_t(std::count(feld.begin(), feld.end(), '.'));
    const std::size_t kommas = std::size_t(std::count(feld.begin(), feld.end(), ','));
    if (punkte + kommas > 1 || (kommas > 0 && !komma)) {
        mehrdeutig = true;
        return std::nullopt;
    }
    if (feld.front() == '+')
        feld.remove_prefix(1);
    if (kommas > 0) {
        puffer.assign(feld);
        puffer[puffer.find(',')] = '.';
        feld = puffer;
    }
    const auto [ende, fehler] = std::from_chars(feld.data(), feld.data() + feld.size(), wert);
    if (fehler != std::errc() || ende != feld.data() + feld.size() || !std::isfinite(wert)
        || feld.find_first_of("iInN") != std::string_view::npos)
        return std::nullopt;
    return wert;
}

std::optional<Stempel> StempelLesen(Zeitart art, std::string_view datum, std::string_view zeit, QString& fehlt)
{
    fehlt.clear();
    std::size_t i = 0;
    blanks(datum, i);
    int jahr = 0, monat = 0, tag = 0;
    if (art == Zeitart::MonatTag) {
        monat = ganzeZahl(datum, i, 2);
        if (monat < 0 || !zeichen(datum, i, '/') || (tag = ganzeZahl(datum, i, 2)) < 0 || i == datum.size()
            || datum[i] != ' ')
            return std::nullopt;
        zeit = datum.substr(i);
    } else {
        const std::size_t anfang = i;
        const int erste = ganzeZahl(datum, i, 4);
        if (erste >= 0 && i - anfang == 4 && zeichen(datum, i, '-')) {  // 2023-01-31
            jahr = erste;
            monat = ganzeZahl(datum, i, 2);
            if (monat < 0 || !zeichen(datum, i, '-') || (tag = ganzeZahl(datum, i, 2)) < 0)
                return std::nullopt;
        } else {  // 31.01.2023
            tag = erste;
            if (tag < 0 || i - anfang > 2 || !zeichen(datum, i, '.') || (monat = ganzeZahl(datum, i, 2)) < 0
                || !zeichen(datum, i, '.'))
                return std::nullopt;
            const std::size_t jahresanfang = i;
            jahr = ganzeZahl(datum, i, 4);
            if (jahr < 0 || (i - jahresanfang != 4 && i - jahresanfang != 2))
                return std::nullopt;
            if (i - jahresanfang == 2)
                jahr += 2000;
        }
        if (art == Zeitart::DatumUhrzeit) {
            if (i == datum.size() || (datum[i] != ' ' && datum[i] != 'T'))
                return std::nullopt;
            zeit = datum.substr(i + 1);
        } else {
            blanks(datum, i);
            if (i != datum.size())
                return std::nullopt;
        }
    }
    const int minute = uhrzeit(zeit, 0, fehlt);
    if (minute < 0)
        return std::nullopt;
    // Without a year 29 February is a day of the file; with one it must be a leap year's.
    const int kalenderjahr = art == Zeitart::MonatTag ? 2000 : jahr;
    if (monat < 1 || monat > 12 || tag < 1 || tag > tageImMonat(kalenderjahr, monat)) {
        fehlt = art == Zeitart::MonatTag ? QStringLiteral("Den Tag %1/%2 (Monat/Tag) gibt es nicht.")
                                               .arg(monat, 2, 10, QChar(u'0'))
                                               .arg(tag, 2, 10, QChar(u'0'))
                                         : QStringLiteral("Den %1.%2.%3 gibt es nicht.")
                                               .arg(tag, 2, 10, QChar(u'0'))
                                               .arg(monat, 2, 10, QChar(u'0'))
                                               .arg(jahr);
        return Stempel{};
    }
    if (!fehlt.isEmpty())
        return Stempel{};
    const int64_t tage = tageVorMonat(kalenderjahr, monat) + tag - 1;
    return Stempel{jahr, tage * kMinutenJeTag + minute, monat == 2 && tag == 29};
}

Feldleser::Feldleser(const Dateiformat& format, std::bitset<kSpalten> pflicht)
    : m_format(format)
    , m_pflicht(pflicht)
    , m_trenner(format.trenner == Trennzeichen::Semikolon ? ';'
                : format.trenner == Trennzeichen::Komma   ? ','
                                                          : '\t')
{}

bool Feldleser::stopp(int64_t nummer, QString text)
{
    if (m_fehler.zeile == 0)
        m_fehler = {nummer, QStringLiteral("Zeile %1: %2").arg(nummer).arg(text)};
    return false;
}

bool Feldleser::zeitLesen(int64_t nummer, float& stunde)
{
    const int s = m_format.zeitspalte;
    const std::string_view datum = m_felder[std::size_t(s)];
    const std::string_view zeit = m_format.uhrzeitspalte >= 0 ? m_felder[std::size_t(m_format.uhrzeitspalte)] : "";
    QString fehlt;
    const std::optional<Stempel> stempel = StempelLesen(m_format.zeitart, datum, zeit, fehlt);
    // The texts of a message are made only for a message: this runs for every line.
    const auto feld = [&] { return m_format.feldname(s); };
    const auto text = [&] { return QString::fromUtf8(datum.data(), qsizetype(datum.size())); };
    if (!stempel)
        return stopp(nummer, QStringLiteral("%1: \u201E%2\u201C ist kein Datum mit Uhrzeit wie in der ersten "
                                            "Datenzeile.")
                                 .arg(feld(), text()));
    if (!fehlt.isEmpty())
        return stopp(nummer, QStringLiteral("%1: %2").arg(feld(), fehlt));
    int64_t minute = stempel->minute;
    if (m_format.zeitart == Zeitart::MonatTag) {
        if (stempel->schalttag)
            m_schalttag = true;
        else if (minute >= 60 * kMinutenJeTag && !m_schalttag)
            minute -= kMinutenJeTag;  // a year without 29 February
    } else {
        if (m_erstesJahr == 0)
            m_erstesJahr = stempel->jahr;
        if (stempel->jahr != m_erstesJahr)
            minute += (tagesnummer(stempel->jahr, 1, 1) - tagesnummer(m_erstesJahr, 1, 1)) * kMinutenJeTag;
    }
    if (minute < m_vorigeMinute)
        return stopp(nummer, QStringLiteral("%1: Die Zeit läuft rückwärts (\u201E%2\u201C liegt vor der Zeile "
                                            "davor).")
                                 .arg(feld(), text()));
    m_vorigeMinute = minute;
    // End of the hour: 0:01 to 1:00 is hour 1. Start: 0:00 to 0:59 is hour 1.
    stunde = m_format.lesart == Stundenlesart::Ende ? float((minute + 59) / 60) : float(minute / 60 + 1);
    return true;
}

Zeilenart Feldleser::zerlegen(std::string_view zeile, int64_t nummer, Zeilenwerte& werte, bool& gelesen)
{
    gelesen = true;
    if (m_format.istKopf(nummer))
        return Zeilenart::Kommentar;
    const Zeilenart art = ZeilenartVon(zeile);
    if (art != Zeilenart::Daten)
        return art;
    werte.fill(0.0f);
    FelderTeilen(zeile, m_trenner, m_felder, m_puffer);
    if (m_format.felder > 0 && int(m_felder.size()) != m_format.felder) {
        gelesen = stopp(nummer, QStringLiteral("Die Zeile hat %1 Felder, %2 aber %3.")
                                    .arg(m_felder.size())
                                    .arg(m_format.kopfzeile > 0 ? QStringLiteral("die Kopfzeile")
                                                                : QStringLiteral("die erste Datenzeile"))
                                    .arg(m_format.felder));
        return art;
    }
    const bool komma = m_format.trenner != Trennzeichen::Komma;
    for (int c = 0; c < kSpalten; ++c) {
        const int f = m_format.feld[std::size_t(c)];
        if (f < 0 || f >= int(m_felder.size()))
            continue;
        if (f == m_format.zeitspalte) {
            if (!zeitLesen(nummer, werte[std::size_t(c)])) {
                gelesen = false;
                return art;
            }
            continue;
        }
        if (f == m_format.uhrzeitspalte)
            continue;  // read with the date
        bool mehrdeutig = false;
        const std::string_view feld = m_felder[std::size_t(f)];
        if (const std::optional<double> wert = FeldZahl(feld, komma, mehrdeutig, m_zahl)) {
            werte[std::size_t(c)] = float(*wert);
            continue;
        }
        const QString text = QString::fromUtf8(feld.data(), qsizetype(feld.size()));
        const QString grund =
            mehrdeutig ? QStringLiteral("%1: In \u201E%2\u201C ist das Dezimaltrennzeichen nicht "
                                        "eindeutig (%3).")
                             .arg(m_format.feldname(f), text,
                                  komma ? QStringLiteral("ein Komma oder ein Punkt")
                                        : QStringLiteral("bei Komma als Trennzeichen ein Punkt"))
            : feld.empty() ? QStringLiteral("%1 ist leer.").arg(m_format.feldname(f))
                           : QStringLiteral("%1: \u201E%2\u201C ist keine Zahl.").arg(m_format.feldname(f), text);
        if (m_pflicht[std::size_t(c)]) {
            gelesen = stopp(nummer, grund);
            return art;
        }
        if (m_spaltenfehler[std::size_t(c)].zeile == 0)
            m_spaltenfehler[std::size_t(c)] = {nummer, QStringLiteral("Zeile %1: %2").arg(nummer).arg(grund)};
    }
    return art;
}

}  // namespace batch
