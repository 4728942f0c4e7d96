// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateiformat.h"

#include "feldleser.h"
#include "zeilenleser.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace batch {

namespace {

constexpr char zeichen(Trennzeichen t)
{
    switch (t) {
    case Trennzeichen::Semikolon: return ';';
    case Trennzeichen::Komma: return ',';
    case Trennzeichen::Tabulator: return '\t';
    default: return ' ';
    }
}

bool leer(std::string_view zeile) { return zeile.find_first_not_of(" \t") == std::string_view::npos; }

// "S 1 2 3": an assignment line, which names no columns.
bool istZuordnungszeile(std::string_view zeile)
{
    const std::size_t anfang = zeile.find_first_not_of(" \t");
    return zeile.substr(anfang).starts_with("S ")
           && zeile.find_first_not_of("S 0123456789.+-eE\t", anfang) == std::string_view::npos;
}

// A comment line: "C" and then no letter, so that a heading like "CO2;..." is no comment.
bool istKommentar(std::string_view zeile)
{
    const std::size_t anfang = zeile.find_first_not_of(" \t");
    if (zeile[anfang] != 'C')
        return false;
    const char danach = anfang + 1 < zeile.size() ? zeile[anfang + 1] : ' ';
    return !((danach >= 'A' && danach <= 'Z') || (danach >= 'a' && danach <= 'z'));
}

bool beginntMitZahl(std::string_view feld)
{
    std::size_t i = feld.find_first_not_of(" \"");
    if (i == std::string_view::npos)
        return false;
    if (feld[i] == '+' || feld[i] == '-')
        ++i;
    if (i < feld.size() && (feld[i] == '.' || feld[i] == ','))
        ++i;
    return i < feld.size() && feld[i] >= '0' && feld[i] <= '9';
}

bool hatBuchstaben(std::string_view feld)
{
    return std::any_of(feld.begin(), feld.end(), [](char z) {
        return (z >= 'A' && z <= 'Z') || (z >= 'a' && z <= 'z') || static_cast<unsigned char>(z) >= 0xC0;
    });
}

// Two numbers in one field separated by a blank: the line is no row of this separator.
bool zweiZahlen(std::string_view feld)
{
    const std::size_t blank = feld.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return false;
    bool mehrdeutig = false;
    std::string puffer;
    const std::size_t danach = feld.find_first_not_of(" \t", blank);
    return danach != std::string_view::npos && FeldZahl(feld.substr(0, blank), true, mehrdeutig, puffer)
           && FeldZahl(feld.substr(danach), true, mehrdeutig, puffer);
}

int anzahlAusserhalbVonAnfuehrungszeichen(std::string_view zeile, char z)
{
    int anzahl = 0;
    bool zitiert = false;
    for (const char c : zeile) {
        if (c == '"')
            zitiert = !zitiert;
        else if (c == z && !zitiert)
            ++anzahl;
    }
    return anzahl;
}

struct Kandidat {
    std::vector<std::string_view> zeilen;  // rows: the header (when it looks like one) and data rows
    std::vector<int64_t> nummern;          // their line numbers
    int64_t trennzeile = 0;                // "sep=;" before them
    char trenner = 0;                      // the separator that line names
};

// Rows that may be data or header: neither empty, nor comment, nor assignment line.
Kandidat kandidaten(const std::vector<std::string>& ersteZeilen)
{
    Kandidat k;
    for (std::size_t i = 0; i < ersteZeilen.size(); ++i) {
        const std::string_view zeile = ersteZeilen[i];
        if (leer(zeile) || istZuordnungszeile(zeile) || istKommentar(zeile))
            continue;
        if (k.zeilen.empty() && k.trennzeile == 0 && zeile.size() == 5 && zeile.starts_with("sep=")) {
            k.trennzeile = int64_t(i + 1);  // spreadsheets write the separator they used so
            k.trenner = zeile[4];
            continue;
        }
        k.nummern.push_back(int64_t(i + 1));
        k.zeilen.push_back(zeile);
    }
    return k;
}

bool passt(const Kandidat& k, char t, bool kopf, bool csvName)
{
    if (k.zeilen.empty())
        return false;
    const int erste = anzahlAusserhalbVonAnfuehrungszeichen(k.zeilen.front(), t);
    if (erste < 1)
        return false;
    std::vector<std::string_view> felder;
    std::string puffer;
    // Every row has the separator; without a header also equally often. A row with a field
    // too few is then reported as such, not read in another way.
    for (std::size_t i = 0; i < k.zeilen.size(); ++i) {
        const int anzahl = anzahlAusserhalbVonAnfuehrungszeichen(k.zeilen[i], t);
        if (anzahl < 1 || (!kopf && t != ';' && anzahl != erste))
            return false;
        if (t == ',' && (i > 0 || !kopf)) {
            FelderTeilen(k.zeilen[i], t, felder, puffer);
            if (std::any_of(felder.begin(), felder.end(), zweiZahlen))
                return false;
        }
    }
    // A decimal comma in blank-separated columns gives a steady count of commas as well, and
    // tabs separate the columns of the plain format: these need a header or a ".csv" name.
    return t == ';' || kopf || (csvName && t == ',');
}

bool siehtAusWieKopf(std::string_view zeile, char t)
{
    std::vector<std::string_view> felder;
    std::string puffer;
    FelderTeilen(zeile, t, felder, puffer);
    bool buchstaben = false;
    for (const std::string_view feld : felder) {
        if (beginntMitZahl(feld))
            return false;
        buchstaben = buchstaben || hatBuchstaben(feld);
    }
    return buchstaben;
}

// A heading as text: UTF-8, or else Latin-1, as older spreadsheets save "Außentemperatur".
QString alsText(std::string_view feld)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(QByteArrayView(feld.data(), qsizetype(feld.size())));
    return utf8.hasError() ? QString::fromLatin1(feld.data(), qsizetype(feld.size())) : text;
}

QString ohneEinheit(QString name)
{
    static const QRegularExpression klammern(QStringLiteral("\\[[^\\]]*\\]|\\([^)]*\\)"));
    return name.remove(klammern).simplified();
}

// Names of each quantity, compared without case and units; "Bereich:Name" counts by its name.
struct Namen {
    int code;
    std::array<const char16_t*, 8> namen;
};
// The outdoor names come first: "Outdoor Air Temperature" must not count as the room's.
constexpr Namen kNamen[] = {
    {kTaAussen,
     {u"außentemperatur", u"aussentemperatur", u"ta_außen", u"ta_aussen", u"außenlufttemperatur",
      u"outdoor air drybulb temperature", u"outdoor air temperature", u"outdoor temperature"}},
    {kJahresstunde, {u"stunde", u"jahresstunde", u"hour", u"hour of year", u"stunde im jahr"}},
    {kTs, {u"ts", u"strahlungstemperatur", u"mean radiant temperature", u"mittlere strahlungstemperatur"}},
    {kTi,
     {u"ti", u"lufttemperatur", u"raumlufttemperatur", u"raumtemperatur", u"air temperature",
      u"zone mean air temperature", u"indoor air temperature"}},
    {kVLuft, {u"v_luft", u"luftgeschwindigkeit", u"air velocity", u"air speed"}},
    {kFeuchte,
     {u"feuchte", u"rel. feuchte", u"relative feuchte", u"relative luftfeuchte", u"relative luftfeuchtigkeit",
      u"rel. luftfeuchte", u"relative humidity", u"zone air relative humidity"}},
};

}  // namespace

QString Dateiformat::feldname(int f) const
{
    const QString name = namen.value(f);
    return name.isEmpty() ? QStringLiteral("Feld %1").arg(f + 1) : QStringLiteral("Feld %1 (%2)").arg(f + 1).arg(name);
}

int Dateiformat::spalteVonFeld(int f) const
{
    const auto* stelle = std::find(feld.begin(), feld.end(), f);
    return f < 0 || stelle == feld.end() ? -1 : int(stelle - feld.begin());
}

int Dateiformat::spalteFuerFeld(int f)
{
    if (const int spalte = spalteVonFeld(f); spalte >= 0)
        return spalte;
    for (int c = kSpalten - 1; c >= 0; --c) {
        const int16_t alt = feld[std::size_t(c)];
        if (zuordnung[std::size_t(c)] == kUnbenutzt && alt != zeitspalte && alt != uhrzeitspalte) {
            feld[std::size_t(c)] = int16_t(f);
            return c;
        }
    }
    return -1;
}

QString TrennzeichenName(Trennzeichen t)
{
    switch (t) {
    case Trennzeichen::Semikolon: return QStringLiteral("Semikolon");
    case Trennzeichen::Komma: return QStringLiteral("Komma");
    case Trennzeichen::Tabulator: return QStringLiteral("Tabulator");
    default: return QStringLiteral("Leerzeichen und Tabulatoren");
    }
}

QString TrennzeichenWort(Trennzeichen t)
{
    switch (t) {
    case Trennzeichen::Semikolon: return QStringLiteral("semikolon");
    case Trennzeichen::Komma: return QStringLiteral("komma");
    case Trennzeichen::Tabulator: return QStringLiteral("tab");
    default: return QStringLiteral("leer");
    }
}

std::optional<Trennzeichen> TrennzeichenAusWort(const QString& wort)
{
    for (const Trennzeichen t :
         {Trennzeichen::Leerraum, Trennzeichen::Semikolon, Trennzeichen::Komma, Trennzeichen::Tabulator})
        if (wort.compare(TrennzeichenWort(t), Qt::CaseInsensitive) == 0)
            return t;
    return std::nullopt;
}

std::vector<std::string> ErsteZeilen(QIODevice& datei, int anzahl)
{
    std::vector<std::string> zeilen;
    Zeilenleser leser(datei, 4096);
    std::string_view zeile;
    while (int(zeilen.size()) < anzahl && leser.naechste(zeile))
        zeilen.emplace_back(zeile);
    return zeilen;
}

void FelderTeilen(std::string_view zeile, char trenner, std::vector<std::string_view>& felder, std::string& puffer)
{
    if (trenner == '\t' && zeile.starts_with('\t'))
        zeile.remove_prefix(1);  // a tab at the start indents, as in the plain format
    felder.clear();
    puffer.clear();
    puffer.reserve(zeile.size());  // views into it stay valid: it never grows past the line
    const auto ohneRand = [](std::string_view feld) {
        const std::size_t a = feld.find_first_not_of(' ');
        if (a == std::string_view::npos)
            return std::string_view{};
        return feld.substr(a, feld.find_last_not_of(' ') - a + 1);
    };
    std::size_t i = 0;
    while (true) {
        const std::size_t anfang = zeile.find_first_not_of(' ', i);
        if (anfang != std::string_view::npos && zeile[anfang] == '"') {
            const std::size_t start = puffer.size();
            std::size_t j = anfang + 1;
            for (; j < zeile.size(); ++j) {
                if (zeile[j] == '"') {
                    if (j + 1 < zeile.size() && zeile[j + 1] == '"') {
                        puffer += '"';
                        ++j;
                        continue;
                    }
                    break;
                }
                puffer += zeile[j];
            }
            felder.push_back(ohneRand(std::string_view(puffer).substr(start)));
            const std::size_t ende = zeile.find(trenner, std::min(j, zeile.size()));
            if (ende == std::string_view::npos)
                return;
            i = ende + 1;
            continue;
        }
        const std::size_t ende = zeile.find(trenner, i);
        felder.push_back(ohneRand(zeile.substr(i, ende == std::string_view::npos ? std::string_view::npos : ende - i)));
        if (ende == std::string_view::npos)
            return;
        i = ende + 1;
    }
}

int CodeAusName(const QString& name)
{
    QString kern = ohneEinheit(name).toLower();
    // "ZONE1:Zone Mean Air Temperature": the part after the last colon names the quantity.
    kern = kern.mid(kern.lastIndexOf(u':') + 1).trimmed();
    for (const Namen& n : kNamen)
        for (const char16_t* kandidat : n.namen)
            if (kandidat && kern == QStringView(kandidat))
                return n.code;
    // "Site Outdoor Air Drybulb Temperature": a known name at the end after a blank.
    for (const Namen& n : kNamen)
        for (const char16_t* kandidat : n.namen)
            if (kandidat && QStringView(kandidat).contains(u' ') && kern.endsWith(u' ' + QString::fromUtf16(kandidat)))
                return n.code;
    return kUnbenutzt;
}

int SpalteMitNamen(const Dateiformat& format, const QString& name)
{
    for (qsizetype i = 0; i < format.namen.size(); ++i)
        if (format.namen[i] == name)
            return int(i);
    for (qsizetype i = 0; i < format.namen.size(); ++i)
        if (ohneEinheit(format.namen[i]).compare(name.simplified(), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

Dateiformat FormatErkennen(const std::vector<std::string>& ersteZeilen, const QString& dateiname,
                           std::optional<Trennzeichen> vorgabe, int zeitspalte)
{
    Dateiformat f;
    const Kandidat k = kandidaten(ersteZeilen);
    const bool csvName = dateiname.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    // A file with an assignment line is in the program's own format, read as it always was.
    const bool zuordnungszeile = std::any_of(ersteZeilen.begin(), ersteZeilen.end(),
                                             [](const std::string& z) { return !leer(z) && istZuordnungszeile(z); });
    f.trennzeile = k.trennzeile;
    for (const Trennzeichen t : {Trennzeichen::Semikolon, Trennzeichen::Komma, Trennzeichen::Tabulator})
        if (!vorgabe && k.trenner == zeichen(t))
            vorgabe = t;
    if (vorgabe) {
        f.trenner = *vorgabe;
    } else if (!zuordnungszeile) {
        for (const Trennzeichen t : {Trennzeichen::Semikolon, Trennzeichen::Tabulator, Trennzeichen::Komma}) {
            const bool kopf = !k.zeilen.empty() && siehtAusWieKopf(k.zeilen.front(), zeichen(t));
            if (passt(k, zeichen(t), kopf, csvName)) {
                f.trenner = t;
                break;
            }
        }
    }
    if (!f.getrennt() || k.zeilen.empty())
        return f;

    const char t = zeichen(f.trenner);
    std::vector<std::string_view> felder;
    std::string puffer;
    std::size_t erste = 0;
    if (siehtAusWieKopf(k.zeilen.front(), t)) {
        f.kopfzeile = k.nummern[0];
        FelderTeilen(k.zeilen.front(), t, felder, puffer);
        for (const std::string_view feld : felder)
            f.namen << alsText(feld);
        f.felder = int(felder.size());
        erste = 1;
        // A row of units under the names ("°C", "%") looks like names as well.
        if (k.zeilen.size() > 1 && siehtAusWieKopf(k.zeilen[1], t)) {
            f.einheitenzeile = k.nummern[1];
            erste = 2;
        }
    }
    // The first data row shows which columns hold dates and times, and their reading.
    if (erste < k.zeilen.size()) {
        FelderTeilen(k.zeilen[erste], t, felder, puffer);
        if (f.felder == 0)
            f.felder = int(felder.size());
        QString fehlt;
        for (int i = 0; i < int(felder.size()); ++i) {
            for (const Zeitart art : {Zeitart::MonatTag, Zeitart::DatumUhrzeit, Zeitart::Datum}) {
                if (f.zeitspalte >= 0 || (zeitspalte >= 0 && i != zeitspalte))
                    break;
                const std::optional<Stempel> s =
                    StempelLesen(art, felder[std::size_t(i)], art == Zeitart::Datum ? "00:00" : "", fehlt);
                if (s && fehlt.isEmpty()) {
                    f.zeitart = art;
                    f.zeitspalte = i;
                }
            }
            if (f.zeitart == Zeitart::Datum && i > f.zeitspalte && f.uhrzeitspalte < 0
                && StempelLesen(Zeitart::DatumUhrzeit, "01.01.2001 " + std::string(felder[std::size_t(i)]), {}, fehlt))
                f.uhrzeitspalte = i;
        }
        if (f.zeitart == Zeitart::Datum && f.uhrzeitspalte < 0) {
            f.zeitart = Zeitart::Keine;  // days alone give no hours
            f.zeitspalte = -1;
        }
        if (f.zeitspalte >= 0) {
            const std::string_view zeit = f.uhrzeitspalte >= 0 ? felder[std::size_t(f.uhrzeitspalte)] : "";
            const std::optional<Stempel> s = StempelLesen(f.zeitart, felder[std::size_t(f.zeitspalte)], zeit, fehlt);
            // 00:00 first is the start of hour 1; 01:00 or a day closed by 24:00 its end.
            const std::string_view text = f.uhrzeitspalte >= 0 ? zeit : felder[std::size_t(f.zeitspalte)];
            f.lesart = s && s->minute % (24 * 60) == 0 && text.find("24:") == std::string_view::npos
                           ? Stundenlesart::Anfang
                           : Stundenlesart::Ende;
        }
    }

    // Codes by name: a quantity two fields claim is assigned to neither.
    std::array<QList<int>, kHoechsterCode + 1> spalten;
    for (int i = 0; i < f.namen.size(); ++i)
        if (const int code = CodeAusName(f.namen[i]); code != kUnbenutzt)
            spalten[std::size_t(code)].append(i);
    if (f.zeitspalte >= 0 && spalten[kJahresstunde].isEmpty())
        spalten[kJahresstunde].append(f.zeitspalte);
    if (f.felder > kSpalten) {
        // A wide file (a simulation's many outputs): what can be assigned first, in file order.
        std::vector<int> wahl;
        for (const int i : {f.zeitspalte, f.uhrzeitspalte})
            if (i >= 0)
                wahl.push_back(i);
        for (const QList<int>& s : spalten)
            for (const int i : s)
                if (std::find(wahl.begin(), wahl.end(), i) == wahl.end())
                    wahl.push_back(i);
        for (int i = 0; i < f.felder && wahl.size() < std::size_t(kSpalten); ++i)
            if (std::find(wahl.begin(), wahl.end(), i) == wahl.end())
                wahl.push_back(i);
        wahl.resize(std::min<std::size_t>(wahl.size(), kSpalten));
        std::sort(wahl.begin(), wahl.end());
        for (int c = 0; c < kSpalten; ++c)
            f.feld[std::size_t(c)] = int16_t(c < int(wahl.size()) ? wahl[std::size_t(c)] : -1);
    }
    for (int code = 1; code <= kHoechsterCode; ++code) {
        const QList<int>& s = spalten[std::size_t(code)];
        if (s.size() == 1 && f.spalteVonFeld(s[0]) >= 0) {
            f.zuordnung[std::size_t(f.spalteVonFeld(s[0]))] = int16_t(code);
        } else if (s.size() > 1) {
            QStringList welche;
            for (const int i : s)
                welche << QStringLiteral("%1 \u201E%2\u201C").arg(i + 1).arg(f.namen[i]);
            f.mehrdeutigeCodes << code;
            f.mehrdeutigeSpalten << s;
            f.mehrdeutig << QStringLiteral("%1: Spalten %2 kommen in Frage; bitte wählen Sie eine.")
                                .arg(Variablenname(code), welche.join(QStringLiteral(", ")));
        }
    }
    return f;
}

}  // namespace batch
