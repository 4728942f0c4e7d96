// SPDX-License-Identifier: GPL-3.0-or-later
// The choices for the diagram in a report: paper, the lines of constant PMV, the axes' range
// and, for a PNG, the resolution. What was chosen last is offered next time.
#pragma once

#include "bericht.h"

#include <QDialog>

class QLabel;
class QRadioButton;
class QSpinBox;

namespace diagram {

class Berichtdialog : public QDialog {
    Q_OBJECT

public:
    // `mitAufloesung`: a PNG is written, whose resolution can be chosen.
    Berichtdialog(const Berichtoptionen& vorgabe, bool mitAufloesung, QWidget* eltern);

    Berichtoptionen optionen() const;

private:
    void aufloesungAnpassen();

    QRadioButton* m_a4 = nullptr;
    QRadioButton* m_a5 = nullptr;
    QRadioButton* m_linien[3] = {};
    QRadioButton* m_fenster = nullptr;
    QRadioButton* m_anpassen = nullptr;
    QSpinBox* m_dpi = nullptr;
    QLabel* m_bildgroesse = nullptr;
};

// The choices remembered between sessions, and remembering them.
Berichtoptionen gespeicherteBerichtoptionen();
void berichtoptionenMerken(const Berichtoptionen& optionen);

}  // namespace diagram
