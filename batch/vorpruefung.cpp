// SPDX-License-Identifier: GPL-3.0-or-later
#include "vorpruefung.h"

#include "monate.h"
#include "stapellauf.h"
#include "zeilen.h"
#include "zeilenleser.h"

#include "zahlen.h"

#include <QFile>

#include <limits>

using namespace model;

namespace batch {

namespace {

constexpr qsizetype kZitatLaenge = 60;

bool istLeerraum(char z) { return z == ' ' || z == '\t'; }
bool istZiffer(char z) { return z >= '0' && z <= '9'; }

// Does a field begin with a number: sign, then a digit or a separator and a digit?
bool beginntMitZahl(std::string_view feld)
{
    std::size_t i = 0;
    if (i < feld.size() && (feld[i] == '+' || feld[i] == '-'))
        ++i;
    if (i < feld.size() && (feld[i] == '.' || feld[i] == ','))
        ++i;
    return i < feld.size() && istZiffer(feld[i]);
}

QString zitat(std::string_view zeile)
{
    QString text = QString::fromUtf8(zeile.data(), qsizetype(zeile.size())).simplified();
    if (text.size() > kZitatLaenge)
        text = text.left(kZitatLaenge - 1) + u'…';
    return text;
}

QString zeilenAmSatzanfang(int64_t anzahl)
{
    return anzahl == 1 ? QStringLiteral("Eine Datenzeile")
                       : QStringLiteral("%1 Datenzeilen").arg(formatiereAnzahl(anzahl));
}

}  // namespace

bool SiehtAusWieKopfzeile(std::string_view zeile)
{
    bool buchstabe = false;
    std::size_t i = 0;
    while (i < zeile.size()) {
        while (i < zeile.size() && (istLeerraum(zeile[i]) || zeile[i] == ';'))
            ++i;
        std::size_t ende = i;
        while (ende < zeile.size() && !istLeerraum(zeile[ende]) && zeile[ende] != ';')
            ++ende;
        const std::string_view feld = zeile.substr(i, ende - i);
        if (beginntMitZahl(feld))
            return false;
        // Letters of any script: ASCII ones, and every byte of a UTF-8 sequence (umlauts).
        for (const char z : feld)
            buchstabe =
                buchstabe || (z >= 'A' && z <= 'Z') || (z >= 'a' && z <= 'z') || static_cast<unsigned char>(z) >= 0xC0;
        i = ende;
    }
    return buchstabe;
}

bool SemikolonGetrennt(std::string_view zeile)
{
    std::size_t anfang = 0, ende = zeile.size();
    while (anfang < ende && istLeerraum(zeile[anfang]))
        ++anfang;
    while (ende > anfang && istLeerraum(zeile[ende - 1]))
        --ende;
    const std::string_view kern = zeile.substr(anfang, ende - anfang);
    return kern.find(';') != std::string_view::npos && kern.find_first_of(" \t") == std::string_view::npos;
}

Dateibefund DateiPruefen(QIODevice& datei, const Pruefstand& weiter, const Dateiformat& format)
{
    Dateibefund b;
    Zeilenleser leser(datei);
    Feldleser felder(format, {});
    Zeilenwerte werte{};
    b.kleinster.fill(std::numeric_limits<float>::infinity());
    b.groesster.fill(-std::numeric_limits<float>::infinity());
    std::string_view zeile;
    for (int64_t nummer = 1; leser.naechste(zeile); ++nummer) {
        if (weiter && nummer % kPruefenAlle == 0 && !weiter(nummer)) {
            b.abgebrochen = true;
            return b;
        }
        if (format.getrennt()) {
            bool gelesen = true;
            if (felder.zerlegen(zeile, nummer, werte, gelesen) != Zeilenart::Daten)
                continue;
            if (!gelesen) {
                b.formatfehler = felder.fehler();
                break;  // what follows a fault would only add faults of its own making
            }
        } else {
            if (DatenzeileZerlegen(zeile, werte) != Zeilenart::Daten)
                continue;
            if (zeile.find('\t') != std::string_view::npos && zeile.back() == ' ' && b.blankAmEnde++ == 0)
                b.ersteBlankAmEnde = nummer;
        }
        for (std::size_t c = 0; c < werte.size(); ++c) {
            if (werte[c] < b.kleinster[c])
                b.kleinster[c] = werte[c], b.zeileKleinster[c] = nummer;
            if (werte[c] > b.groesster[c])
                b.groesster[c] = werte[c], b.zeileGroesster[c] = nummer;
        }
        if (++b.datenzeilen == 1 && !format.getrennt()) {
            b.ersteDatenzeile = nummer;
            b.ersteDatenzeileText = zitat(zeile);
            b.kopfAlsDaten = SiehtAusWieKopfzeile(zeile);
        }
        if (!format.getrennt() && zeile.find(';') != std::string_view::npos && SemikolonGetrennt(zeile)
            && b.semikolonzeilen++ == 0)
            b.ersteSemikolonzeile = nummer;
    }
    b.spaltenfehler = felder.spaltenfehler();
    b.lesefehler = leser.fehler();
    return b;
}

QString Lesefehler(const Dateibefund& b, const Spaltenzuordnung& zuordnung)
{
    const Feldfehler* erster = b.formatfehler.zeile > 0 ? &b.formatfehler : nullptr;
    const std::bitset<kSpalten> pflicht = Pflichtspalten(zuordnung);
    for (std::size_t c = 0; c < kSpalten; ++c) {
        const Feldfehler& f = b.spaltenfehler[c];
        if (pflicht[c] && f.zeile > 0 && (!erster || f.zeile < erster->zeile))
            erster = &f;
    }
    return erster ? erster->text : QString();
}

Dateibefund DateiPruefen(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        Dateibefund b;
        b.lesefehler = true;
        return b;
    }
    return DateiPruefen(datei);
}

int64_t BereicheUmfassen(const std::array<Bereich, kBereiche>& bereiche, int64_t datenzeilen)
{
    const std::array<QString, kBereiche> laengen = LaengenAnpassen(bereiche, datenzeilen);
    int64_t summe = 0;
    for (const QString& laenge : laengen) {
        const double n = RundeGerade(Zahlwert(QStringView(laenge)));
        if (n > 0)
            summe += int64_t(n);
    }
    return std::min(summe, datenzeilen);
}

QStringList Vorwarnungen(const Dateibefund& b, const Stapeleinstellungen& e)
{
    QStringList warnungen;
    if (b.datenzeilen == 0)
        warnungen << QStringLiteral("Die Datei enthält keine Datenzeile; die Ergebnisdatei enthielte nur ihren Kopf.");
    if (b.kopfAlsDaten)
        warnungen << QStringLiteral("Die erste Datenzeile (Zeile %1) enthält Buchstaben, aber keine Zahlen:\n"
                                    "\u201E%2\u201C\n"
                                    "Sie ist wohl eine Überschrift. Sie würde als Zeile mit lauter Nullen ausgewertet, "
                                    "und jede folgende Zeile zählte eine Stunde zu spät.\n"
                                    "Beginnt die Zeile mit \u201EC\u201C, ist sie eine Kommentarzeile und wird "
                                    "übergangen.")
                         .arg(b.ersteDatenzeile)
                         .arg(b.ersteDatenzeileText);
    if (b.semikolonzeilen > 0) {
        warnungen << QStringLiteral("%1 (zuerst Zeile %2) %3 Semikolons, aber weder Tabulatoren noch Leerzeichen.\n"
                                    "Mit Leerzeichen und Tabulatoren als Trennzeichen wird von einer solchen Zeile nur "
                                    "die erste Zahl gelesen, alle weiteren Spalten zählen als 0.\n"
                                    "Wählen Sie auf der Spaltenseite \u201ESemikolon\u201C als Trennzeichen "
                                    "(tempara-cli: --trennzeichen semikolon).")
                         .arg(zeilenAmSatzanfang(b.semikolonzeilen))
                         .arg(b.ersteSemikolonzeile)
                         .arg(b.semikolonzeilen == 1 ? QStringLiteral("enthält") : QStringLiteral("enthalten"));
    }
    if (b.blankAmEnde > 0) {
        warnungen << QStringLiteral("%1 (zuerst Zeile %2) %3 durch Tabulatoren getrennt und %4 mit einem "
                                    "Leerzeichen. Ein Leerzeichen beendet das Feld vor jedem Tabulator: Jede solche "
                                    "Zeile würde mit falschen Zahlen ausgewertet.\n"
                                    "Wählen Sie auf der Spaltenseite \u201ETabulator\u201C als Trennzeichen "
                                    "(tempara-cli: --trennzeichen tab); dann zählt das Leerzeichen nicht.")
                         .arg(zeilenAmSatzanfang(b.blankAmEnde))
                         .arg(b.ersteBlankAmEnde)
                         .arg(b.blankAmEnde == 1 ? QStringLiteral("ist") : QStringLiteral("sind"),
                              b.blankAmEnde == 1 ? QStringLiteral("endet") : QStringLiteral("enden"));
    }
    QStringList unmoeglich;
    for (std::size_t c = 0; c < kSpalten && b.datenzeilen > 0; ++c) {
        const int code = e.zuordnung[c];
        const QString name = QStringLiteral("Spalte %1 (%2)").arg(c + 1).arg(Variablenname(code));
        if ((code == kTi || code == kTs || code == kTaAussen) && b.kleinster[c] < -273.15f)
            unmoeglich << QStringLiteral("Zeile %1: %2 = %3 °C liegt unter dem absoluten Nullpunkt (-273,15 °C).")
                              .arg(b.zeileKleinster[c])
                              .arg(name, formatiereZahl(b.kleinster[c], 2));
        if (code == kFeuchte && (b.kleinster[c] < 0 || b.groesster[c] > 100)) {
            const bool klein = b.kleinster[c] < 0;
            unmoeglich << QStringLiteral("Zeile %1: %2 = %3 % liegt außerhalb von 0 bis 100 %.")
                              .arg(klein ? b.zeileKleinster[c] : b.zeileGroesster[c])
                              .arg(name, formatiereZahl(klein ? b.kleinster[c] : b.groesster[c], 1));
        }
    }
    if (!unmoeglich.isEmpty())
        warnungen << QStringLiteral("Die Datei enthält physikalisch unmögliche Werte (je Spalte der äußerste):\n")
                         + unmoeglich.join(u'\n');
    if (e.nutzungsart == Nutzungsart::Jahreszeitabhaengig && b.datenzeilen > 0) {
        bool alleNull = true;
        for (const Bereich& bereich : e.bereiche)
            alleNull = alleNull && !(RundeGerade(Zahlwert(QStringView(bereich.laenge))) > 0);
        const int64_t umfasst = BereicheUmfassen(e.bereiche, b.datenzeilen);
        if (alleNull)
            warnungen << QStringLiteral("Alle Bereiche A bis D haben die Länge 0: Keine der %1 Datenzeilen würde "
                                        "ausgewertet, die Ergebnisdatei enthielte nur ihren Kopf.")
                             .arg(formatiereAnzahl(b.datenzeilen));
        else if (umfasst < b.datenzeilen)
            warnungen << QStringLiteral("Die Bereiche A bis D umfassen %1 der %2 Datenzeilen. %3")
                             .arg(formatiereAnzahl(umfasst), formatiereAnzahl(b.datenzeilen),
                                  b.datenzeilen - umfasst == 1
                                      ? QStringLiteral("Die letzte wird nicht ausgewertet.")
                                      : QStringLiteral("Die übrigen %1 am Ende der Datei werden nicht ausgewertet.")
                                            .arg(formatiereAnzahl(b.datenzeilen - umfasst)));
    }
    return warnungen;
}

QString VorwarnungFrage(const QStringList& warnungen)
{
    return warnungen.join(QStringLiteral("\n\n")) + QStringLiteral("\n\nTrotzdem auswerten?");
}

Monatsbereiche LaengenNachMonaten(const std::array<int, kBereiche>& ersterMonat)
{
    Monatsbereiche m;
    int benutzt = 0;
    while (benutzt < kBereiche && ersterMonat[std::size_t(benutzt)] != 0)
        ++benutzt;
    for (int k = 0; k < kBereiche; ++k) {
        const int monat = ersterMonat[std::size_t(k)];
        if (monat < 0 || monat > kAnzahlMonate)
            m.fehler = QStringLiteral("Bereich %1: Einen %2. Monat gibt es nicht.").arg(Bereichsname(k)).arg(monat);
        else if (k >= benutzt && monat != 0)
            m.fehler = QStringLiteral("Bereich %1 folgt auf einen unbenutzten Bereich; die Bereiche zählen "
                                      "nacheinander ab A.")
                           .arg(Bereichsname(k));
        else if (k == 0 && monat != 1)
            m.fehler = QStringLiteral("Bereich A beginnt mit der ersten Datenzeile, also im Januar.");
        else if (k > 0 && k < benutzt && monat <= ersterMonat[std::size_t(k - 1)])
            m.fehler = QStringLiteral("Bereich %1 muss in einem späteren Monat beginnen als Bereich %2.")
                           .arg(Bereichsname(k), Bereichsname(k - 1));
        if (!m.fehler.isEmpty())
            return m;
    }
    for (int k = 0; k < benutzt; ++k) {
        const int bis = k + 1 < benutzt ? kMonate[std::size_t(ersterMonat[std::size_t(k + 1)] - 1)].ersteStunde
                                        : kJahresstunden + 1;
        m.laengen[std::size_t(k)] = bis - kMonate[std::size_t(ersterMonat[std::size_t(k)] - 1)].ersteStunde;
    }
    return m;
}

}  // namespace batch
