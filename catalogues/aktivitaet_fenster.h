// SPDX-License-Identifier: GPL-3.0-or-later
// The activity catalogue "Aktivität": twenty typical activities with their metabolic rate,
// effective mechanical power and relative velocity; one ticked row is taken over.
#pragma once

#include "katalogdaten.h"
#include "kataloge.h"

#include <array>

class QCheckBox;
class QFrame;
class QPushButton;

namespace catalogues {

class Aktivitaet : public Katalogfenster {
    Q_OBJECT

public:
    explicit Aktivitaet(gui::Hauptfenster& hauptfenster);

    struct Ui {
        QFrame* Frame1 = nullptr;
        std::array<QCheckBox*, kAktivitaeten> AW_Energieumsatz{};
        QPushButton* Command1 = nullptr;  // "Wert übernehmen"
        QPushButton* Command3 = nullptr;  // "Abbruch"
    };
    Ui ui;

protected:
    void Form_Activate() override;

private:
    void baueKoepfe();
    void baueZeilen();
    void AW_Energieumsatz_Click(int zeile);
    void aktualisiereUebernahme();
    void Command1_Click();

    bool m_inKlick = false;  // unticking from code raises the box's own click
};

}  // namespace catalogues
