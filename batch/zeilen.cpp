// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeilen.h"

#include "zahlen.h"

#include <algorithm>
#include <cmath>
#include <string>

using namespace model;

namespace batch {

namespace {

// Leading blanks, then at most one tab: what is left decides the kind of the line.
std::string_view ohneEinzug(std::string_view zeile)
{
    const std::size_t erstes = zeile.find_first_not_of(' ');
    if (erstes == std::string_view::npos)
        return {};
    zeile.remove_prefix(erstes);
    if (!zeile.empty() && zeile.front() == '\t')
        zeile.remove_prefix(1);
    return zeile;
}

bool nurLeerraum(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// The one place that tells the kinds of lines apart, from what is left after the indent.
Zeilenart artNachEinzug(std::string_view rest)
{
    if (nurLeerraum(rest))
        return Zeilenart::Leer;
    if (rest.front() == 'C')
        return Zeilenart::Kommentar;
    return rest.front() == 'S' ? Zeilenart::Zuordnung : Zeilenart::Daten;
}

void ohneFuehrendeBlanks(std::string_view& text)
{
    const std::size_t erstes = text.find_first_not_of(' ');
    text.remove_prefix(erstes == std::string_view::npos ? text.size() : erstes);
}

// A copy of the line in which every comma but the first and the last character is a point:
// a comma is a decimal separator, never a field separator. The buffer is reused per thread,
// so a run over a million lines allocates nothing after its first long line.
std::string_view mitPunkten(std::string_view zeile)
{
    if (zeile.size() < 3 || zeile.find(',', 1) == std::string_view::npos)
        return zeile;
    thread_local std::string kopie;
    kopie.assign(zeile);
    for (std::size_t i = 1; i + 1 < kopie.size(); ++i)
        if (kopie[i] == ',')
            kopie[i] = '.';
    return kopie;
}

int16_t alsCode(double wert)
{
    const double gerundet = RundeGerade(wert);
    if (gerundet >= 0.0 && gerundet <= kHoechsterCode)
        return int16_t(gerundet);
    return kUnbenutzt;  // a hand-made code that means nothing here
}

// "S", one more character, then codes separated by blanks (a tab does not separate here).
void zuordnungLesen(std::string_view rest, Spaltenzuordnung& zuordnung)
{
    rest.remove_prefix(std::min<std::size_t>(2, rest.size()));
    for (int spalte = 0; spalte < kSpalten; ++spalte) {
        const std::size_t blank = rest.find(' ');
        const std::string_view text = rest.substr(0, blank);
        zuordnung[std::size_t(spalte)] = alsCode(Zahlwert(text));
        rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
        ohneFuehrendeBlanks(rest);
        if (rest.empty())
            break;
    }
}

}  // namespace

double RundeGerade(double wert)
{
    return std::nearbyint(wert);  // the default rounding mode rounds halves to even
}

QString Variablenname(int code)
{
    switch (code) {
    case kJahresstunde: return QStringLiteral("Jahresstunde");
    case kTi: return QStringLiteral("Ti");
    case kTs: return QStringLiteral("Ts");
    case kVLuft: return QStringLiteral("v_Luft");
    case kFeuchte: return QStringLiteral("rel. Feuchte");
    case kPMV: return QStringLiteral("PMV");
    case kPPD: return QStringLiteral("PPD");
    case kTaAussen: return QStringLiteral("Ta_außen");
    default: return QStringLiteral("(unbenutzt)");
    }
}

Zeilenart VorschauzeileZerlegen(std::string_view zeile, int r, Vorschautabelle& tabelle, Spaltenzuordnung& zuordnung)
{
    std::string_view rest = ohneEinzug(zeile);
    const Zeilenart art = artNachEinzug(rest);
    if (art == Zeilenart::Zuordnung)
        zuordnungLesen(rest, zuordnung);
    if (art != Zeilenart::Daten || r < 1 || r > kVorschauzeilen)
        return art;

    float* zeileDerTabelle = tabelle.data() + kSpalten * (r - 1);
    rest = mitPunkten(rest);
    for (int spalte = 0; spalte < kSpalten && !rest.empty(); ++spalte) {
        // The earlier of the first blank and the first tab ends the field.
        const std::size_t schnitt = std::min(rest.find(' '), rest.find('\t'));
        if (schnitt == std::string_view::npos) {
            zeileDerTabelle[spalte] = float(Zahlwert(rest));
            break;
        }
        zeileDerTabelle[spalte] = float(Zahlwert(rest.substr(0, schnitt)));
        rest.remove_prefix(schnitt + 1);
        ohneFuehrendeBlanks(rest);
    }
    return Zeilenart::Daten;
}

int WaehlbarerEintrag(int code)
{
    const auto* stelle = std::find(kWaehlbareCodes.begin(), kWaehlbareCodes.end(), code);
    return stelle == kWaehlbareCodes.end() ? -1 : int(stelle - kWaehlbareCodes.begin());
}

std::optional<std::pair<int, int>> DoppelteSpalten(const Spaltenzuordnung& zuordnung)
{
    for (int a = 0; a < kSpalten; ++a) {
        const int16_t code = zuordnung[std::size_t(a)];
        if (code == kUnbenutzt || WaehlbarerEintrag(code) < 0)
            continue;
        for (int b = a + 1; b < kSpalten; ++b)
            if (zuordnung[std::size_t(b)] == code)
                return std::pair{a, b};
    }
    return std::nullopt;
}

Zeilenart ZeilenartVon(std::string_view zeile) { return artNachEinzug(ohneEinzug(zeile)); }

Zeilenart DatenzeileZerlegen(std::string_view zeile, Zeilenwerte& werte)
{
    std::string_view rest = ohneEinzug(zeile);
    const Zeilenart art = artNachEinzug(rest);
    if (art == Zeilenart::Leer)
        return art;
    werte.fill(0.0f);
    if (art == Zeilenart::Kommentar)
        return art;

    rest = mitPunkten(rest);
    for (int spalte = 0; spalte < kSpalten && !rest.empty(); ++spalte) {
        // A blank ends the field whenever one remains; only then does a tab.
        std::size_t schnitt = rest.find(' ');
        if (schnitt == std::string_view::npos)
            schnitt = rest.find('\t');
        if (schnitt == std::string_view::npos) {
            werte[std::size_t(spalte)] = float(Zahlwert(rest));
            break;
        }
        werte[std::size_t(spalte)] = float(Zahlwert(rest.substr(0, schnitt)));
        rest.remove_prefix(schnitt + 1);
        ohneFuehrendeBlanks(rest);
    }
    return art;
}

}  // namespace batch
