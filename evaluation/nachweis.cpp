// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweis.h"

#include "zahlen.h"

#include <algorithm>
#include <cmath>

using namespace batch;
using namespace model;

namespace evaluation {

namespace {

// The running mean's weights of the seven previous days, DIN EN 16798-1; they sum to 3.8.
constexpr std::array<double, 7> kGewichte{1.0, 0.8, 0.6, 0.5, 0.4, 0.3, 0.2};
constexpr double kGewichtSumme = 3.8;

Pmvklasse pmvKlasse(const Stunde& s)
{
    if (!s.gerechnet)
        return Pmvklasse::Fehler;
    const float betrag = std::fabs(s.pmv);
    for (std::size_t k = 0; k < kPmvGrenzen.size(); ++k)
        if (betrag < kPmvGrenzen[k])
            return Pmvklasse(k);
    return s.pmv > 0.0f ? Pmvklasse::Warm : Pmvklasse::Kalt;
}

// The upper limit of the adaptive model rises with a fan's air velocity once t_o ≥ 25 °C.
double luftbewegungsZuschlag(double to, double v)
{
    if (to < 25.0 || v < 0.6)
        return 0.0;
    return v < 0.9 ? 1.2 : v < 1.2 ? 1.8 : 2.2;
}

QString zahl(double wert, int stellen) { return formatiereZahl(wert, stellen, u','); }

QString prozent(int64_t teil, int64_t ganzes)
{
    return zahl(ganzes > 0 ? 100.0 * double(teil) / double(ganzes) : 0.0, 1) + QStringLiteral(" %");
}

// The best category 1 … N whose range holds all but at most `toleranz` % of the
// hours; 0 when none does. `drin[k]` counts the hours in category k + 1 without the better ones.
template <std::size_t N>
int besteKategorie(const std::array<int64_t, N>& drin, int64_t stunden, int toleranz)
{
    int64_t innen = 0;
    for (std::size_t k = 0; k < N; ++k) {
        innen += drin[k];
        if (stunden > 0 && (stunden - innen) * 100 <= int64_t(toleranz) * stunden)
            return int(k) + 1;
    }
    return 0;
}

int64_t bisKategorie(const int64_t* drin, int kategorie)
{
    int64_t innen = 0;
    for (int k = 0; k < kategorie; ++k)
        innen += drin[k];
    return innen;
}

void urteileFaellen(Nachweis& n, const Nachweiseinstellungen& e)
{
    const Nachweiszaehlung& j = n.jahr;
    const int soll = std::clamp(e.kategorie, 1, 3);
    const auto sag = [&n](Urteil::Art art, const QString& text) { n.urteile.push_back({art, text}); };
    const auto gut = [](bool ja) { return ja ? Urteil::Art::Erfuellt : Urteil::Art::NichtErfuellt; };
    // A limit met on part of a year is not yet met; one exceeded stays exceeded.
    const auto teiljahr = [&n](Urteil::Art art) {
        return !n.vollstaendig && art == Urteil::Art::Erfuellt ? Urteil::Art::Hinweis : art;
    };
    const QString zusatz = n.vollstaendig ? QString()
                                          : QStringLiteral(" (unvollständiges Jahr: nur %1 von %2 Stunden beurteilt)")
                                                .arg(n.beurteilteStunden)
                                                .arg(n.tageImJahr * 24);

    if (!n.vollstaendig)
        sag(Urteil::Art::Hinweis,
            QStringLiteral(
                "Unvollständiges Jahr: %1 von %2 Stunden beurteilt, %3 fehlen; jede Aussage gilt nur für die "
                "beurteilten Stunden.")
                .arg(n.beurteilteStunden)
                .arg(n.tageImJahr * 24)
                .arg(n.fehlendeStunden));
    if (n.ausserhalb > 0)
        sag(Urteil::Art::Hinweis, QStringLiteral("%1 Datenzeilen mit einer Stunde außerhalb von 1 bis 8784 sind nicht "
                                                 "beurteilt.")
                                      .arg(n.ausserhalb));
    if (n.wiederholt > 0)
        sag(Urteil::Art::Hinweis, QStringLiteral("%1 Datenzeilen wiederholen eine Stunde; beurteilt ist jeweils die "
                                                 "letzte Zeile der Stunde.")
                                      .arg(n.wiederholt));
    if (j.nutzungsstunden == 0) {
        sag(Urteil::Art::NichtErfuellt,
            QStringLiteral("Keine Nutzungsstunde: Bei der Nutzung %1 (%2) und dem 1. Januar als %3 liegt keine Stunde "
                           "der Datei in der Nutzungszeit; es gibt nichts zu beurteilen.")
                .arg(NutzungText(e.nutzung), NutzungBeschreibung(e.nutzung), WochentagName(e.ersterWochentag)));
        return;
    }
    if (n.mitAdaptiv && n.tageOhneAussenmittel > 0)
        sag(Urteil::Art::Hinweis,
            QStringLiteral("Außenlufttemperatur: %1 von %2 Tagen ohne alle 24 Stunden; das gleitende Mittel läuft "
                           "daher nicht über den Jahreswechsel, und eine Stunde ohne sieben vollständige Vortage ist "
                           "im adaptiven Modell nicht anwendbar.")
                .arg(n.tageOhneAussenmittel)
                .arg(n.tageImJahr));
    if (j.pmvFehler > 0)
        sag(Urteil::Art::Hinweis, QStringLiteral("%1 Nutzungsstunden ohne PMV (Rechnung fehlgeschlagen): in keiner "
                                                 "PMV-Klasse, für die Kategorie als außerhalb gezählt.")
                                      .arg(j.pmvFehler));

    // DIN 4108-2.
    const double grenze = e.gradstundengrenze();
    n.dinErfuellt = n.vollstaendig && j.gradstunden <= grenze;
    sag(teiljahr(gut(j.gradstunden <= grenze)),
        QStringLiteral("DIN 4108-2: %1 Kh/a Übertemperaturgradstunden über %2 °C (Klimaregion %3), Grenze %4 Kh/a "
                       "(%5): %6%7")
            .arg(zahl(j.gradstunden, 1), zahl(e.bezugstemperatur(), 0), KlimaregionText(e.klimaregion), zahl(grenze, 0),
                 GebaeudeName(e.wirksameGebaeudeart()),
                 j.gradstunden <= grenze ? QStringLiteral("eingehalten") : QStringLiteral("nicht eingehalten"),
                 zusatz));

    // PMV categories.
    n.pmvKategorie = besteKategorie(j.pmv, j.nutzungsstunden, e.toleranz);
    const int zeigen = n.pmvKategorie > 0 ? n.pmvKategorie : soll;
    sag(teiljahr(gut(n.pmvKategorie > 0 && n.pmvKategorie <= soll)),
        QStringLiteral("PMV (DIN EN 16798-1): %1; %2 der %3 Nutzungsstunden mit |PMV| < %4, zulässig außerhalb %5; "
                       "Auslegung Kategorie %6%7")
            .arg(n.pmvKategorie > 0 ? QStringLiteral("Kategorie %1 eingehalten").arg(KategorieText(n.pmvKategorie))
                                    : QStringLiteral("keine Kategorie I bis IV eingehalten"),
                 prozent(bisKategorie(j.pmv.data(), zeigen), j.nutzungsstunden))
            .arg(j.nutzungsstunden)
            .arg(zahl(kPmvGrenzen[std::size_t(zeigen - 1)], 1), ToleranzText(e.toleranz), KategorieText(soll), zusatz));
    sag(Urteil::Art::Hinweis,
        QStringLiteral("PPD-gewichtete Stunden (ISO 7730 Anhang H, Verfahren C, Kategorie %1: |PMV| > %2, "
                       "PPD-Grenze %3 %): warm %4 h, kalt %5 h")
            .arg(KategorieText(soll), zahl(kPmvGrenzen[std::size_t(soll - 1)], 1),
                 zahl(kPpdGrenzen[std::size_t(soll - 1)], 0), zahl(j.ppdWarm, 1), zahl(j.ppdKalt, 1)));

    // The adaptive model, judged on the occupied hours where it applies.
    const int64_t anwendbar = j.nutzungsstunden - j.adaptivNichtAnwendbar;
    if (!n.mitAdaptiv) {
        sag(Urteil::Art::Hinweis, QStringLiteral("Adaptives Modell: ") + n.adaptivFehlt);
    } else if (anwendbar == 0) {
        sag(Urteil::Art::Hinweis,
            QStringLiteral("Adaptives Modell: nicht anwendbar – in keiner Nutzungsstunde liegt "
                           "das gleitende Mittel der Außentemperatur zwischen 10 und 30 °C%1.")
                .arg(n.zyklisch ? QString() : QStringLiteral(" oder sind die sieben Vortage vollständig")));
    } else {
        n.adaptivKategorie = besteKategorie(j.adaptiv, anwendbar, e.toleranz);
        const int k = n.adaptivKategorie > 0 ? n.adaptivKategorie : soll;
        sag(teiljahr(gut(n.adaptivKategorie > 0 && n.adaptivKategorie <= soll)),
            QStringLiteral("Adaptiv (DIN EN 16798-1): %1; %2 der %3 anwendbaren Nutzungsstunden in Kategorie %4 oder "
                           "besser, zulässig außerhalb %5; %6 Nutzungsstunden nicht anwendbar%7%8")
                .arg(n.adaptivKategorie > 0
                         ? QStringLiteral("Kategorie %1 eingehalten").arg(KategorieText(n.adaptivKategorie))
                         : QStringLiteral("keine Kategorie I bis III eingehalten"),
                     prozent(bisKategorie(j.adaptiv.data(), k), anwendbar))
                .arg(anwendbar)
                .arg(KategorieText(k), ToleranzText(e.toleranz))
                .arg(j.adaptivNichtAnwendbar)
                .arg(n.zyklisch ? QString() : QStringLiteral(" (ohne vollständiges Jahr kein Jahreswechsel im Mittel)"),
                     zusatz));
    }

    // ASR A3.5, by the air temperature of the occupied hours.
    sag(j.ueber26 > 0 ? Urteil::Art::Hinweis : teiljahr(Urteil::Art::Erfuellt),
        QStringLiteral("ASR A3.5: %1 Nutzungsstunden über 26 °C Lufttemperatur – darüber sollen zusätzliche "
                       "Maßnahmen ergriffen werden, wenn die Außenlufttemperatur über 26 °C liegt%2")
            .arg(j.ueber26)
            .arg(zusatz));
    sag(teiljahr(gut(j.ueber30 == 0)),
        QStringLiteral("ASR A3.5: %1 Nutzungsstunden über 30 °C – darüber müssen wirksame Maßnahmen nach der "
                       "Gefährdungsbeurteilung ergriffen werden%2")
            .arg(j.ueber30)
            .arg(zusatz));
    sag(teiljahr(gut(j.ueber35 == 0)),
        QStringLiteral("ASR A3.5: %1 Nutzungsstunden über 35 °C – darüber ist der Raum ohne technische oder "
                       "organisatorische Maßnahmen oder persönliche Schutzausrüstung nicht als Arbeitsraum geeignet%2")
            .arg(j.ueber35)
            .arg(zusatz));
    sag(teiljahr(gut(j.unterMindestwert == 0)),
        QStringLiteral("ASR A3.5: %1 Nutzungsstunden unter dem Mindestwert %2 – die Mindestlufttemperatur ist während "
                       "der Arbeitszeit einzuhalten%3")
            .arg(j.unterMindestwert)
            .arg(AsrMindestwertText(e.asrMindestwert), zusatz));
}

}  // namespace

double OperativeTemperatur(double ta, double tr, double v)
{
    const double a = v < 0.2 ? 0.5 : v < 0.6 ? 0.6 : 0.7;
    return a * ta + (1.0 - a) * tr;
}

std::vector<double> Tagesmittel(const Stundenwerte& w, int tage)
{
    std::vector<double> mittel(std::size_t(tage), std::nan(""));
    for (int d = 0; d < tage; ++d) {
        double summe = 0.0;
        bool ganz = true;
        for (int h = d * 24; h < (d + 1) * 24 && ganz; ++h) {
            const Stunde& s = w.stunden[std::size_t(h)];
            ganz = s.vorhanden && std::isfinite(s.taAussen);
            summe += double(s.taAussen);
        }
        if (ganz)
            mittel[std::size_t(d)] = summe / 24.0;
    }
    return mittel;
}

std::vector<double> GleitendeMittel(const std::vector<double>& tagesmittel, bool zyklisch)
{
    const int tage = int(tagesmittel.size());
    std::vector<double> rm(tagesmittel.size(), std::nan(""));
    for (int d = 0; d < tage; ++d) {
        double summe = 0.0;
        for (int k = 1; k <= 7; ++k) {
            const int vorher = zyklisch ? (d - k + tage) % tage : d - k;
            summe += vorher >= 0 ? kGewichte[std::size_t(k - 1)] * tagesmittel[std::size_t(vorher)] : std::nan("");
        }
        rm[std::size_t(d)] = summe / kGewichtSumme;  // NaN when a day is missing
    }
    return rm;
}

Adaptivklasse AdaptiveKlasse(double to, double thetaRm, double v)
{
    if (!(thetaRm >= 10.0 && thetaRm <= 30.0))
        return Adaptivklasse::NichtAnwendbar;
    const double thetaC = 0.33 * thetaRm + 18.8;
    const double zuschlag = luftbewegungsZuschlag(to, v);
    for (int k = 0; k < 3; ++k) {
        const double oben = thetaC + 2.0 + k + zuschlag;
        // Below a running mean of 15 °C the model sets no lower limit.
        const double unten = thetaRm >= 15.0 ? thetaC - 3.0 - k : -INFINITY;
        if (to >= unten && to <= oben)
            return Adaptivklasse(k);
    }
    return to > thetaC + 4.0 + zuschlag ? Adaptivklasse::ZuWarm : Adaptivklasse::ZuKalt;
}

Nachweis NachweisBerechnen(const Stundenwerte& w, const Nachweiseinstellungen& e)
{
    Nachweis n;
    n.stunden.resize(std::size_t(kSchaltjahresstunden));
    n.tageImJahr = w.tageImJahr();
    n.ausserhalb = w.ausserhalb;
    n.wiederholt = w.wiederholt;
    n.mitAdaptiv = w.hatAussenspalte;
    std::vector<double> rm;
    if (n.mitAdaptiv) {
        const std::vector<double> tage = Tagesmittel(w, n.tageImJahr);
        n.tageOhneAussenmittel = int(std::count_if(tage.begin(), tage.end(), [](double t) { return std::isnan(t); }));
        n.zyklisch = n.tageOhneAussenmittel == 0;
        rm = GleitendeMittel(tage, n.zyklisch);
    } else {
        n.adaptivFehlt = QStringLiteral("Ohne Spalte \u201ETa_außen\u201C (Code 8, Außenlufttemperatur) ist das "
                                        "adaptive Modell nicht anwendbar.");
    }
    const double bezug = e.bezugstemperatur();
    const int kategorie = std::clamp(e.kategorie, 1, 3);
    const float pmvGrenze = kPmvGrenzen[std::size_t(kategorie - 1)];
    const double ppdGrenze = kPpdGrenzen[std::size_t(kategorie - 1)];

    for (int h = 0; h < kSchaltjahresstunden; ++h) {
        const int tag = h / 24;
        Nachweisstunde& ns = n.stunden[std::size_t(h)];
        ns.belegt = e.nutzung.belegt((e.ersterWochentag + tag) % kWochentage, h % 24);
        const Stunde& s = w.stunden[std::size_t(h)];
        ns.vorhanden = s.vorhanden;
        if (!s.vorhanden) {
            n.fehlendeStunden += tag < n.tageImJahr;
            continue;
        }
        ++n.beurteilteStunden;
        const double to = OperativeTemperatur(s.ta, s.tr, s.var);
        ns.to = float(to);
        ns.pmv = pmvKlasse(s);
        if (n.mitAdaptiv && tag < int(rm.size())) {
            ns.thetaRm = float(rm[std::size_t(tag)]);
            ns.adaptiv = AdaptiveKlasse(to, rm[std::size_t(tag)], s.var);
        }
        if (!ns.belegt)
            continue;
        for (Nachweiszaehlung* z : {&n.monate[std::size_t(*MonatDerStunde(h + 1))], &n.jahr}) {
            ++z->nutzungsstunden;
            switch (ns.pmv) {
            case Pmvklasse::Warm: ++z->pmvWarm; break;
            case Pmvklasse::Kalt: ++z->pmvKalt; break;
            case Pmvklasse::Fehler: ++z->pmvFehler; break;
            default: ++z->pmv[std::size_t(ns.pmv)];
            }
            if (s.gerechnet && std::fabs(s.pmv) > pmvGrenze)
                (s.pmv > 0.0f ? z->ppdWarm : z->ppdKalt) += double(s.ppd) / ppdGrenze;
            z->gradstunden += std::max(0.0, to - bezug);
            if (n.mitAdaptiv)
                switch (ns.adaptiv) {
                case Adaptivklasse::ZuWarm: ++z->adaptivZuWarm; break;
                case Adaptivklasse::ZuKalt: ++z->adaptivZuKalt; break;
                case Adaptivklasse::NichtAnwendbar: ++z->adaptivNichtAnwendbar; break;
                default: ++z->adaptiv[std::size_t(ns.adaptiv)];
                }
            z->ueber26 += s.ta > 26.0f;
            z->ueber30 += s.ta > 30.0f;
            z->ueber35 += s.ta > 35.0f;
            z->unterMindestwert += double(s.ta) < e.asrMindestwert;
        }
    }
    n.vollstaendig = n.fehlendeStunden == 0 && n.beurteilteStunden >= kJahresstunden;
    urteileFaellen(n, e);
    return n;
}

QString UrteileText(const Nachweis& nachweis)
{
    QString text;
    for (const Urteil& u : nachweis.urteile)
        text += u.text + u'\n';
    return text;
}

}  // namespace evaluation
