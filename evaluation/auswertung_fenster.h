// SPDX-License-Identifier: GPL-3.0-or-later
// The window of an annual evaluation: what the run did (lines, failures, cut ranges, the
// backup), hours and shares per sensation band and per category by PMV for the whole run and
// each month, the carpet plot and the monthly chart. It saves the picture (PNG, SVG) and the
// table (CSV) with the same code as tempara-cli, and prints both on one page.
#pragma once

#include "jahresauswertung.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

namespace gui {
class Dienste;
}
class QCheckBox;
class QLabel;
class QTableWidget;
class QTabWidget;

namespace evaluation {

class Auswertungsfenster : public QDialog {
    Q_OBJECT
public:
    Auswertungsfenster(gui::Dienste& dienste, const Jahresauswertung& auswertung, QWidget* eltern = nullptr);

    void bildSpeichern();
    void tabelleSpeichern();
    void drucken();

private:
    QList<QStringList> tabellentexte() const;
    void tabelleFuellen();

    gui::Dienste& m_dienste;
    const Jahresauswertung m_auswertung;
    QTableWidget* m_tabelle = nullptr;
    QCheckBox* m_anteile = nullptr;
    QTabWidget* m_seiten = nullptr;
};

// Shows the evaluation as a modal window over `eltern` until the user closes it.
void zeigeAuswertung(gui::Dienste& dienste, QWidget* eltern, const Jahresauswertung& auswertung);

}  // namespace evaluation
