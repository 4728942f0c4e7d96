// SPDX-License-Identifier: GPL-3.0-or-later
#include "katalogdaten.h"

#include "zahlen.h"

using namespace model;

namespace catalogues {

namespace {

using namespace Qt::StringLiterals;

const std::array<Aktivitaetszeile, kAktivitaeten>& aktivitaeten()
{
    static const std::array<Aktivitaetszeile, kAktivitaeten> tabelle{{
        {u"schlafen"_s, 41, 0.7f, 0, 0.00f},
        {u"ruhig liegen"_s, 46, 0.8f, 0, 0.00f},
        {u"ruhig sitzen"_s, 58, 1.0f, 0, 0.00f},
        {u"eben gehen (2 km/h)"_s, 110, 1.9f, 0, 0.60f},
        {u"eben gehen (4 km/h)"_s, 165, 2.8f, 0, 1.10f},
        {u"eben laufen"_s, 221, 3.8f, 0, 2.80f},
        {u"aufwärts gehen (2 km/h)"_s, 140, 2.4f, 10, 0.60f},
        {u"aufwärts gehen (4 km/h)"_s, 204, 3.5f, 15, 1.10f},
        {u"aufwärts laufen"_s, 355, 6.1f, 20, 2.80f},
        {u"Bürotätigkeit, sitzend"_s, 70, 1.2f, 0, 0.00f},
        {u"Lehrtätigkeit"_s, 86, 1.5f, 0, 0.00f},
        {u"generelle Laborarbeit"_s, 93, 1.6f, 0, 0.00f},
        {u"Verkaufstätigkeit, stehend"_s, 116, 2.0f, 0, 0.10f},
        {u"Installationsarbeit"_s, 128, 2.2f, 0, 0.10f},
        {u"generelle Hausarbeit"_s, 116, 2.0f, 0, 0.10f},
        {u"Kochen"_s, 105, 1.8f, 0, 0.00f},
        {u"Reinigungsarbeit"_s, 157, 2.7f, 5, 0.20f},
        {u"Gymnastik"_s, 200, 3.5f, 6, 1.25f},
        {u"Tanzen"_s, 200, 3.5f, 2, 1.10f},
        {u"Tennis spielen"_s, 267, 4.6f, 8, 1.25f},
    }};
    return tabelle;
}

const std::array<Ensemblezeile, kEnsembles>& arbeit()
{
    static const std::array<Ensemblezeile, kEnsembles> tabelle{{
        {u"Unterhose, Latzhose, Socken, Schuhe"_s, 0.70f, 0.110f},
        {u"Unterhose, Hemd, Latzhose, Socken, Schuhe"_s, 0.80f, 0.125f},
        {u"Unterhose, Hemd, Hose, Arbeitskittel, Socken, Schuhe"_s, 0.90f, 0.140f},
        {u"Unterwäsche mit kurzen Ärmeln und Beinen, Hemd, Hose, Jacke, Socken, Schuhe"_s, 1.00f, 0.155f},
        {u"Unterwäsche mit langen Beinen und Ärmeln, Thermojacke, Socken, Schuhe"_s, 1.20f, 0.185f},
        {u"Unterwäsche mit kurzen Ärmeln und Beinen, Hemd, Hose, Jacke, schwere Steppjacke und "
         u"Overalls, Socken, Schuhe, Mütze, Handschuhe"_s,
         1.40f, 0.220f},
        {u"Unterwäsche mit kurzen Ärmeln und Beinen, Hemd, Hose, Jacke, schwere Steppjacke und "
         u"Overall, Socken, Schuhe"_s,
         2.00f, 0.310f},
        {u"Unterwäsche mit langen Ärmeln und Beinen, Thermojacke und Hose, Parka mit schwerer "
         u"Steppung, Overall mit schwerer Steppung, Socken, Schuhe, Mütze, Handschuhe"_s,
         2.55f, 0.395f},
    }};
    return tabelle;
}

const std::array<Ensemblezeile, kEnsembles>& taeglich()
{
    static const std::array<Ensemblezeile, kEnsembles> tabelle{{
        {u"Slip, T-Shirt, Shorts, leichte Socken, Sandalen"_s, 0.30f, 0.050f},
        {u"Unterhose, Hemd mit kurzen Ärmeln, leichte Hose, Socken, Schuhe"_s, 0.50f, 0.080f},
        {u"Slip, Petticoat, Strümpfe, Kleid, Schuhe"_s, 0.70f, 0.105f},
        {u"Unterwäsche, Hemd, Hose, Socken, Schuhe"_s, 0.70f, 0.110f},
        {u"Slip, Hemd, Hose, Jacke, Socken, Schuhe"_s, 1.00f, 0.155f},
        {u"Slip, Strümpfe, Bluse, langer Rock, Jacke, Schuhe"_s, 1.10f, 0.170f},
        {u"Unterwäsche mit langen Ärmeln und Beinen, Hemd, Hose, Pullover mit V-Ausschnitt, "
         u"Jacke, Socken, Schuhe"_s,
         1.30f, 0.200f},
        {u"Unterwäsche mit kurzen Ärmeln und Beinen, Hemd, Hose, Weste, Jacke, Mantel, Socken, "
         u"Schuhe"_s,
         1.50f, 0.230f},
    }};
    return tabelle;
}

const std::array<Kleidungsstueck, kKleidungMann>& mann()
{
    static const std::array<Kleidungsstueck, kKleidungMann> tabelle{{
        {u"Slip"_s, 0.03f, 0},
        {u"ärmelloses Unterhemd"_s, 0.04f, 1},
        {u"Pyjama, kurze Ärmel, kurze Beine"_s, 0.42f, 8},
        {u"Pyjama, lange Ärmel, lange Beine"_s, 0.57f, 9},
        {u"Bademantel"_s, 0.31f, 21},
        {u"kurze Socken"_s, 0.02f, 2},
        {u"dicke lange Socken"_s, 0.10f, 3},
        {u"T-Shirt"_s, 0.09f, 4},
        {u"leichtes Hemd, kurze Ärmel"_s, 0.15f, 6},
        {u"leichtes Hemd, lange Ärmel"_s, 0.20f, 7},
        {u"Shorts"_s, 0.06f, 5},
        {u"dünner Pullover"_s, 0.20f, 15},
        {u"dicker Pullover"_s, 0.35f, 16},
        {u"leichte Hose"_s, 0.20f, 11},
        {u"normale Hose"_s, 0.25f, 13},
        {u"Schuhe, dünn besohlt"_s, 0.02f, 10},
        {u"Stiefel"_s, 0.10f, 12},
        {u"Handschuhe"_s, 0.05f, 14},
        {u"leichte Sommerjacke"_s, 0.25f, 17},
        {u"warmes Jackett"_s, 0.47f, 18},
        {u"lange Jacke"_s, 0.55f, 19},
        {u"Mantel"_s, 0.60f, 20},
    }};
    return tabelle;
}

const std::array<Kleidungsstueck, kKleidungFrau>& frau()
{
    static const std::array<Kleidungsstueck, kKleidungFrau> tabelle{{
        {u"Slip und Büstenhalter"_s, 0.03f, 0},
        {u"ärmelloses Unterhemd"_s, 0.04f, 1},
        {u"Unterhose mit langen Beinen"_s, 0.10f, 4},
        {u"Unterhemd mit langen Ärmeln"_s, 0.12f, 5},
        {u"Bademantel"_s, 0.31f, 22},
        {u"Socken"_s, 0.02f, 3},
        {u"Strumpfhose"_s, 0.12f, 2},
        {u"leichte Bluse, kurze Ärmel"_s, 0.15f, 8},
        {u"leichte Bluse, lange Ärmel"_s, 0.20f, 9},
        {u"normale Bluse, lange Ärmel"_s, 0.25f, 12},
        {u"leichte Hose"_s, 0.20f, 7},
        {u"normale Hose"_s, 0.25f, 11},
        {u"leichter Rock"_s, 0.15f, 15},
        {u"schwerer Rock"_s, 0.25f, 16},
        {u"Sommerkleid, kurze Ärmel"_s, 0.20f, 13},
        {u"Winterkleid"_s, 0.40f, 14},
        {u"dünner Pullover"_s, 0.20f, 17},
        {u"dicker Pullover"_s, 0.35f, 18},
        {u"Schuhe, dünn besohlt"_s, 0.02f, 6},
        {u"Stiefel"_s, 0.10f, 10},
        {u"Handschuhe"_s, 0.05f, 19},
        {u"lange Jacke"_s, 0.55f, 20},
        {u"Mantel"_s, 0.60f, 21},
    }};
    return tabelle;
}

}  // namespace

std::span<const Aktivitaetszeile, kAktivitaeten> Aktivitaetstabelle() { return aktivitaeten(); }
std::span<const Ensemblezeile, kEnsembles> Arbeitsbekleidung() { return arbeit(); }
std::span<const Ensemblezeile, kEnsembles> Taeglichebekleidung() { return taeglich(); }
std::span<const Kleidungsstueck, kKleidungMann> KleidungMann() { return mann(); }
std::span<const Kleidungsstueck, kKleidungFrau> KleidungFrau() { return frau(); }

QString tabellenzahl(double wert, int stellen) { return formatiereZahl(wert, stellen, u','); }

}  // namespace catalogues
