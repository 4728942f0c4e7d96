// SPDX-License-Identifier: GPL-3.0-or-later
// What the other windows may ask of the main window. They never touch its controls: a
// catalogue or DATEI hands over a whole Raumklima, the diagram reads the value texts.
#pragma once

#include "eingaben.h"
#include "raumklima.h"
#include "rechenverfahren.h"

#include <QString>

#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace gui {

class Dienste;

class Hauptfenster {
public:
    virtual ~Hauptfenster() = default;

    // The window itself, as the parent of the windows it opens.
    virtual QWidget& fenster() = 0;
    virtual Dienste& dienste() const = 0;

    // Takes over a record: the scroll bars of the quantities that changed move (without their
    // own change handling), the value labels show the record, and PMV and PPD are computed
    // once. A clothing text replaces the garment list; without one the list stays, unless Icl
    // changed, which empties it as a move of the clothing bar does.
    virtual void uebernehmen(const model::Raumklima& klima, std::optional<QString> kleidungsText = std::nullopt) = 0;

    // The record as the main window shows it.
    virtual const model::Raumklima& raumklima() const = 0;
    // The switch "Ts = Ti".
    virtual bool tsGleichTi() const = 0;
    // The value label of an input as the user sees it ("20,0 °C").
    virtual QString werttext(model::Eingabe e) const = 0;
    // Where the scroll bar of an input stands.
    virtual int stellung(model::Eingabe e) const = 0;
    // False after a computation that ended in a floating-point error.
    virtual bool ergebnisGueltig() const = 0;

    // Calls `folgen` after every recomputation, for as long as `empfaenger` lives.
    virtual void beiNeuberechnung(QObject* empfaenger, std::function<void()> folgen) = 0;

    // Switches the program to a method of computing PMV and PPD (Extras → "Rechenverfahren"),
    // remembers it and recomputes; every window that follows the recomputation follows it.
    virtual void setzeRechenverfahren(model::Rechenverfahren verfahren) = 0;

    // While the data-file window is open, it disables the two open commands.
    virtual void setzeDateiOeffnenAktiv(bool aktiv) = 0;
};

}  // namespace gui
