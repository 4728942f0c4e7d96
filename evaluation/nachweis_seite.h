// SPDX-License-Identifier: GPL-3.0-or-later
// The page "Nachweis" of the annual evaluation: the proof's settings (remembered between
// sessions), the verdicts in green and red, the monthly table and the three pictures. A
// changed setting recomputes the proof at once from the hours the run kept. The page saves
// the table or the PDF, the hourly table and the pictures, and prints the PDF's pages.
#pragma once

#include "jahresauswertung.h"
#include "nachweis.h"
#include "nachweisbild.h"

#include <QWidget>

#include <array>

namespace gui {
class Dienste;
struct Dateidialog;
}  // namespace gui
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTabWidget;
class QVBoxLayout;

namespace evaluation {

class Bildflaeche;

class Nachweisseite : public QWidget {
    Q_OBJECT
public:
    Nachweisseite(gui::Dienste& dienste, const Jahresauswertung& auswertung, QWidget* eltern = nullptr);

    const Nachweis& nachweis() const { return m_nachweis; }
    const Nachweiseinstellungen& einstellungen() const { return m_einstellungen; }

    void nachweisSpeichern();
    void stundenSpeichern();
    void bildSpeichern();
    void drucken();

private:
    void einstellungenZeigen();
    void geaendert();
    void anzeigen();

    gui::Dienste& m_dienste;
    const Jahresauswertung& m_auswertung;
    Nachweiseinstellungen m_einstellungen;
    Nachweis m_nachweis;

    QComboBox* m_nutzung = nullptr;
    QLineEdit* m_nutzungEigen = nullptr;
    QLabel* m_nutzungFehler = nullptr;
    QComboBox* m_ersterTag = nullptr;
    QComboBox* m_klimaregion = nullptr;
    QComboBox* m_gebaeude = nullptr;
    QComboBox* m_kategorie = nullptr;
    QComboBox* m_toleranz = nullptr;
    QDoubleSpinBox* m_asrMinimum = nullptr;
    std::array<QLineEdit*, 3> m_kopf{};  // project, room, author
    QVBoxLayout* m_urteile = nullptr;
    QTableWidget* m_tabelle = nullptr;
    QTabWidget* m_ansicht = nullptr;
    bool m_laedt = false;
};

}  // namespace evaluation
