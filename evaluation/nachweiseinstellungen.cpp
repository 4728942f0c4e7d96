// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweiseinstellungen.h"

#include "eingaben.h"
#include "zahlen.h"

#include <QRegularExpression>
#include <QSettings>

#include <cmath>

using namespace model;

namespace evaluation {

namespace {

constexpr std::array<const char16_t*, kWochentage> kKurz{u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa", u"So"};
constexpr std::array<const char16_t*, kWochentage> kLang{u"Montag",  u"Dienstag", u"Mittwoch", u"Donnerstag",
                                                         u"Freitag", u"Samstag",  u"Sonntag"};
constexpr std::array<const char16_t*, 4> kRoemisch{u"I", u"II", u"III", u"IV"};

bool fehlschlag(QString* fehler, const QString& text)
{
    if (fehler)
        *fehler = text;
    return false;
}

// The text as typed, for a message, shortened so that a long argument cannot flood it.
QString zitat(QStringView text)
{
    const QString t = text.size() > 60 ? text.left(60).toString() + u'…' : text.toString();
    return u'\u201E' + t + u'\u201C';
}

int wochentagVon(QStringView text)
{
    for (int t = 0; t < kWochentage; ++t)
        if (text.compare(QStringView(kKurz[std::size_t(t)]), Qt::CaseInsensitive) == 0
            || text.compare(QStringView(kLang[std::size_t(t)]), Qt::CaseInsensitive) == 0)
            return t;
    return -1;
}

// Days as typed: "Mo-Fr", "Sa", "Mo,Mi,Fr", "Fr-Mo" (over the weekend); empty when not readable.
std::optional<std::array<bool, kWochentage>> tageLesen(QStringView text)
{
    std::array<bool, kWochentage> tage{};
    for (QStringView teil : text.split(u',')) {
        const qsizetype strich = teil.indexOf(u'-');
        const int von = wochentagVon((strich < 0 ? teil : teil.left(strich)).trimmed());
        const int bis = strich < 0 ? von : wochentagVon(teil.mid(strich + 1).trimmed());
        if (von < 0 || bis < 0)
            return std::nullopt;
        for (int t = von;; t = (t + 1) % kWochentage) {
            tage[std::size_t(t)] = true;
            if (t == bis)
                break;
        }
    }
    return tage;
}

QString tageText(const std::array<bool, kWochentage>& tage)
{
    // Runs of days from Monday on, as "Mo-Fr" or "Sa"; several runs joined by commas.
    QStringList teile;
    for (int t = 0; t < kWochentage;) {
        if (!tage[std::size_t(t)]) {
            ++t;
            continue;
        }
        int ende = t;
        while (ende + 1 < kWochentage && tage[std::size_t(ende + 1)])
            ++ende;
        teile << (ende == t ? QString::fromUtf16(kKurz[std::size_t(t)])
                            : QString::fromUtf16(kKurz[std::size_t(t)]) + u'-'
                                  + QString::fromUtf16(kKurz[std::size_t(ende)]));
        t = ende + 1;
    }
    return teile.join(u',');
}

const QString kNutzungFormen =
    QStringLiteral("Möglich sind: buero (Montag bis Freitag, 7 bis 18 Uhr), wohnen (jeden Tag, rund um die Uhr) "
                   "oder eigene Tage und Stunden wie \u201EMo-Sa 6-22\u201C: Tage Mo, Di, Mi, Do, Fr, Sa, So, einzeln, "
                   "als Bereich oder mit Kommas getrennt, dann die Stunden von bis als ganze Zahlen von 0 bis 24, "
                   "die erste kleiner als die zweite.");

}  // namespace

Gebaeudeart Nachweiseinstellungen::wirksameGebaeudeart() const
{
    if (gebaeude)
        return *gebaeude;
    return nutzung.art == Nutzung::Art::Wohnen ? Gebaeudeart::Wohngebaeude : Gebaeudeart::Nichtwohngebaeude;
}

double Nachweiseinstellungen::bezugstemperatur() const { return 25.0 + klimaregion; }

double Nachweiseinstellungen::gradstundengrenze() const
{
    return wirksameGebaeudeart() == Gebaeudeart::Wohngebaeude ? 1200.0 : 500.0;
}

bool NutzungLesen(QStringView text, Nutzung& nutzung, QString* fehler)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"buero", Qt::CaseInsensitive) == 0 || t.compare(u"büro", Qt::CaseInsensitive) == 0) {
        nutzung = Nutzung{};
        return true;
    }
    if (t.compare(u"wohnen", Qt::CaseInsensitive) == 0) {
        nutzung = {Nutzung::Art::Wohnen, {true, true, true, true, true, true, true}, 0, 24};
        return true;
    }
    static const QRegularExpression form(QStringLiteral("^(.+?)\\s+(\\d{1,2})\\s*-\\s*(\\d{1,2})$"));
    const QRegularExpressionMatch treffer = form.match(t.toString());
    const std::optional<std::array<bool, kWochentage>> tage =
        treffer.hasMatch() ? tageLesen(treffer.capturedView(1)) : std::nullopt;
    const int von = treffer.capturedView(2).toInt(), bis = treffer.capturedView(3).toInt();
    if (!tage || von < 0 || bis > 24 || von >= bis)
        return fehlschlag(fehler, QStringLiteral("Unbekannte Nutzung %1. ").arg(zitat(text)) + kNutzungFormen);
    nutzung = {Nutzung::Art::Eigene, *tage, von, bis};
    return true;
}

QString NutzungText(const Nutzung& n)
{
    switch (n.art) {
    case Nutzung::Art::Buero: return QStringLiteral("buero");
    case Nutzung::Art::Wohnen: return QStringLiteral("wohnen");
    case Nutzung::Art::Eigene: break;
    }
    return QStringLiteral("%1 %2-%3").arg(tageText(n.tage)).arg(n.von).arg(n.bis);
}

QString NutzungBeschreibung(const Nutzung& n)
{
    QString tage = tageText(n.tage);
    for (int t = 0; t < kWochentage; ++t)
        tage.replace(QString::fromUtf16(kKurz[std::size_t(t)]), QString::fromUtf16(kLang[std::size_t(t)]));
    tage.replace(u'-', QStringLiteral(" bis ")).replace(u',', QStringLiteral(", "));
    return QStringLiteral("%1, %2 bis %3 Uhr").arg(tage).arg(n.von).arg(n.bis);
}

bool WochentagLesen(QStringView text, int& wochentag, QString* fehler)
{
    const int t = wochentagVon(text.trimmed());
    if (t < 0)
        return fehlschlag(fehler, QStringLiteral("Unbekannter Wochentag %1. Möglich sind Mo, Di, Mi, Do, Fr, Sa, So "
                                                 "(oder ausgeschrieben, Montag bis Sonntag).")
                                      .arg(zitat(text)));
    wochentag = t;
    return true;
}

QString WochentagKurz(int wochentag) { return QString::fromUtf16(kKurz[std::size_t(wochentag)]); }
QString WochentagName(int wochentag) { return QString::fromUtf16(kLang[std::size_t(wochentag)]); }

bool KlimaregionLesen(QStringView text, int& region, QString* fehler)
{
    const QStringView t = text.trimmed();
    if (t.size() == 1 && t[0].toUpper() >= u'A' && t[0].toUpper() <= u'C') {
        region = t[0].toUpper().unicode() - u'A';
        return true;
    }
    return fehlschlag(fehler, QStringLiteral("Unbekannte Sommer-Klimaregion %1. Möglich sind A (Bezugswert 25 °C), "
                                             "B (26 °C) und C (27 °C) nach DIN 4108-2.")
                                  .arg(zitat(text)));
}

QString KlimaregionText(int region) { return QString(QChar(u'A' + region)); }

bool GebaeudeLesen(QStringView text, Gebaeudeart& art, QString* fehler)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"wohnen", Qt::CaseInsensitive) == 0 || t.compare(u"Wohngebäude", Qt::CaseInsensitive) == 0) {
        art = Gebaeudeart::Wohngebaeude;
        return true;
    }
    if (t.compare(u"nichtwohnen", Qt::CaseInsensitive) == 0
        || t.compare(u"Nichtwohngebäude", Qt::CaseInsensitive) == 0) {
        art = Gebaeudeart::Nichtwohngebaeude;
        return true;
    }
    return fehlschlag(fehler, QStringLiteral("Unbekannte Gebäudeart %1. Möglich sind wohnen (Grenze 1200 Kh/a) und "
                                             "nichtwohnen (500 Kh/a) nach DIN 4108-2.")
                                  .arg(zitat(text)));
}

QString GebaeudeText(Gebaeudeart art)
{
    return art == Gebaeudeart::Wohngebaeude ? QStringLiteral("wohnen") : QStringLiteral("nichtwohnen");
}

QString GebaeudeName(Gebaeudeart art)
{
    return art == Gebaeudeart::Wohngebaeude ? QStringLiteral("Wohngebäude") : QStringLiteral("Nichtwohngebäude");
}

bool KategorieLesen(QStringView text, int& kategorie, QString* fehler)
{
    const QStringView t = text.trimmed();
    for (int k = 1; k <= 3; ++k)
        if (t.compare(QStringView(kRoemisch[std::size_t(k - 1)]), Qt::CaseInsensitive) == 0
            || t == QString::number(k)) {
            kategorie = k;
            return true;
        }
    return fehlschlag(fehler, QStringLiteral("Unbekannte Kategorie %1. Möglich sind I, II und III "
                                             "(DIN EN 16798-1; auch 1, 2, 3).")
                                  .arg(zitat(text)));
}

QString KategorieText(int kategorie)
{
    return kategorie >= 1 && kategorie <= 4 ? QString::fromUtf16(kRoemisch[std::size_t(kategorie - 1)])
                                            : QStringLiteral("keine");
}

bool ToleranzLesen(QStringView text, int& prozent, QString* fehler)
{
    QStringView t = text.trimmed();
    if (t.endsWith(u'%'))
        t = t.chopped(1).trimmed();
    if (t == u"3" || t == u"5") {
        prozent = t.toInt();
        return true;
    }
    return fehlschlag(fehler, QStringLiteral("Unbekannte Toleranz %1. Möglich sind 3 und 5 (Prozent der "
                                             "Nutzungsstunden, die außerhalb der Kategorie liegen dürfen).")
                                  .arg(zitat(text)));
}

QString ToleranzText(int prozent) { return QString::number(prozent) + QStringLiteral(" %"); }

bool AsrMindestwertLesen(QStringView text, double& grad, QString* fehler)
{
    QStringView t = text.trimmed();
    if (t.endsWith(u"°C"))
        t = t.chopped(2).trimmed();
    // The room temperatures the model takes, from the main window's bar.
    const Eingabeart& ti = eingabeart(Eingabe::Ti);
    const double min = ti.min * ti.faktor, max = ti.max * ti.faktor;
    const std::optional<double> wert = leseZahl(t);
    if (!wert || !std::isfinite(*wert) || *wert < min || *wert > max)
        return fehlschlag(fehler, QStringLiteral("Ungültiger ASR-Mindestwert %1. Möglich ist eine Lufttemperatur "
                                                 "von %2 bis %3 °C, etwa 20 oder 19,5.")
                                      .arg(zitat(text), formatiereZahl(min, 0), formatiereZahl(max, 0)));
    grad = *wert;
    return true;
}

QString AsrMindestwertText(double grad) { return formatiereZahl(grad, 1, u',') + QStringLiteral(" °C"); }

void NachweiseinstellungenSpeichern(QSettings& s, const Nachweiseinstellungen& e)
{
    s.beginGroup(QStringLiteral("Nachweis"));
    s.setValue(QStringLiteral("nutzung"), NutzungText(e.nutzung));
    s.setValue(QStringLiteral("ersterTag"), WochentagKurz(e.ersterWochentag));
    s.setValue(QStringLiteral("klimaregion"), KlimaregionText(e.klimaregion));
    s.setValue(QStringLiteral("gebaeude"), e.gebaeude ? GebaeudeText(*e.gebaeude) : QString());
    s.setValue(QStringLiteral("kategorie"), KategorieText(e.kategorie));
    s.setValue(QStringLiteral("toleranz"), QString::number(e.toleranz));
    s.setValue(QStringLiteral("asrMinimum"), formatiereZahl(e.asrMindestwert, 1, u'.'));
    s.setValue(QStringLiteral("projekt"), e.projekt);
    s.setValue(QStringLiteral("raum"), e.raum);
    s.setValue(QStringLiteral("bearbeiter"), e.bearbeiter);
    s.endGroup();
}

Nachweiseinstellungen NachweiseinstellungenLaden(QSettings& s)
{
    Nachweiseinstellungen e;
    s.beginGroup(QStringLiteral("Nachweis"));
    const auto text = [&s](const char* schluessel) { return s.value(QLatin1StringView(schluessel)).toString(); };
    NutzungLesen(text("nutzung"), e.nutzung);
    WochentagLesen(text("ersterTag"), e.ersterWochentag);
    KlimaregionLesen(text("klimaregion"), e.klimaregion);
    Gebaeudeart art{};
    if (GebaeudeLesen(text("gebaeude"), art))
        e.gebaeude = art;
    KategorieLesen(text("kategorie"), e.kategorie);
    ToleranzLesen(text("toleranz"), e.toleranz);
    AsrMindestwertLesen(text("asrMinimum"), e.asrMindestwert);
    e.projekt = text("projekt");
    e.raum = text("raum");
    e.bearbeiter = text("bearbeiter");
    s.endGroup();
    return e;
}

}  // namespace evaluation
