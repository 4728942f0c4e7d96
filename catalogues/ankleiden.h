// SPDX-License-Identifier: GPL-3.0-or-later
// The garment estimator's logic for one half (man or woman): the running total, the
// plausibility remarks and questions, and the list's click handling with its nested re-run.
// It knows no widgets; the window answers through Ankleidehilfe.
#pragma once

#include "katalogdaten.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace catalogues {

// Selected state of each list row, in list order.
using Auswahl = std::vector<bool>;

enum class Meldungsart { Frage, Bemerkung };

// What "Nein" to a question undoes.
enum class BeiNein { Nichts, AktuellesAbwaehlen, ZeileAbwaehlen };

struct Plausibilitaetsregel {
    std::vector<int> ausloeser;         // the list rows whose click looks at this rule
    bool (*bedingung)(const Auswahl&);  // on the selection as it stands when the rule is reached
    QString text;
    Meldungsart art;
    BeiNein beiNein = BeiNein::Nichts;
    int abzuwaehlendeZeile = -1;  // for BeiNein::ZeileAbwaehlen
};

struct Haelfte {
    std::span<const Kleidungsstueck> tabelle;
    double expeditionsschwelle;  // strict: the remark comes above it
    std::span<const Plausibilitaetsregel> regeln;
};

const Haelfte& HaelfteMann();
const Haelfte& HaelfteFrau();

inline const QString& expeditionsText()
{
    static const QString text = QStringLiteral("Jetzt sind Sie gut gerüstet für eine Nordpolexpedition!");
    return text;
}

// The sum of Clo over the selected rows in list order, in single precision as shown.
float isolationssumme(std::span<const Kleidungsstueck> tabelle, const Auswahl& auswahl);
// The names of the selected rows in list order, joined with ", ".
QString namensliste(std::span<const Kleidungsstueck> tabelle, const Auswahl& auswahl);

// The row under the pointer in a list: y / item height, rounded down, counted from the
// first item; -1 beyond the last row (or above the first).
int zeigerZeile(int y, int zeilenhoehe, int zeilen);

// What the click handling needs from its window.
class Ankleidehilfe {
public:
    virtual ~Ankleidehilfe() = default;
    // Show the figure for this selection and the total ("0.00").
    virtual void anzeigen(const Auswahl& auswahl, float summe) = 0;
    // A row was deselected from code; the list must follow.
    virtual void abgewaehlt(int zeile) = 0;
    // A question with Yes and No (title "Hinweis"); true for Yes.
    virtual bool frage(const QString& text) = 0;
    // A remark with OK and the exclamation icon (title "Hinweis").
    virtual void bemerkung(const QString& text) = 0;
};

// One run of a list's click handling for the present selection. `aktuell` is the list's
// current item (the one just clicked, selected or not; -1 for none). With `ohnePruefung`
// the run only shows the figure and the total. A rule that deselects a row runs the
// whole handling again for the new selection, with the same current item, before this
// run goes on; the expedition remark always uses this run's own total.
void Klickbehandlung(const Haelfte& haelfte, Auswahl& auswahl, int aktuell, bool ohnePruefung, Ankleidehilfe& hilfe);

// "Zurücksetzen" of a half: every selected row is deselected quietly (each change shows the
// figure), then one checked run shows 0,00 and the bare figure.
void Zuruecksetzen(const Haelfte& haelfte, Auswahl& auswahl, int aktuell, Ankleidehilfe& hilfe);

}  // namespace catalogues
