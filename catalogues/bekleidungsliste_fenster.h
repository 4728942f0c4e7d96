// SPDX-License-Identifier: GPL-3.0-or-later
// The ensemble catalogue "Bekleidungsliste": typical work and daily clothing with their
// insulation; one ticked row across both tables is taken over.
#pragma once

#include "katalogdaten.h"
#include "kataloge.h"

#include <array>

class QCheckBox;
class QFrame;
class QPushButton;

namespace catalogues {

class Bekleidungsliste : public Katalogfenster {
    Q_OBJECT

public:
    explicit Bekleidungsliste(gui::Hauptfenster& hauptfenster);

    struct Ui {
        QFrame* Frame1 = nullptr;  // work clothing
        QFrame* Frame2 = nullptr;  // daily wear
        std::array<QCheckBox*, kEnsembles> AW_Arbeitsbekleidung{};
        std::array<QCheckBox*, kEnsembles> AW_Taeglichebekleidung{};  // objectName "AW_Täglichebekleidung(i)"
        QPushButton* Command1 = nullptr;                              // "Wert übernehmen"
        QPushButton* Command3 = nullptr;                              // "Abbruch"
    };
    Ui ui;

protected:
    void Form_Activate() override;

private:
    // Builds one table's frame and returns the height it needs, in twips.
    int baueTabelle(QFrame* rahmen, const QString& ueberschrift, std::span<const Ensemblezeile, kEnsembles> zeilen,
                    const QString& feld, std::array<QCheckBox*, kEnsembles>& boxen, bool taeglich);
    void Auswahl_Click(bool taeglich, int zeile);
    void aktualisiereUebernahme();
    void Command1_Click();

    bool m_inKlick = false;  // unticking from code raises the box's own click
};

}  // namespace catalogues
