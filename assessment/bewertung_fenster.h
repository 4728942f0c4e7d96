// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Behaglichkeit nach ISO 7730": the main window's PMV and PPD with the local
// criteria of ISO 7730, each with its category, and the overall category of the room.
// Modeless, so the user can move the main window's scroll bars and watch the assessment follow.
#pragma once

#include "bericht.h"
#include "bewertung.h"

#include <QWidget>

#include <array>
#include <functional>

namespace gui {
class Dienste;
}
namespace gui {
class Hauptfenster;
}
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace assessment {

class Kategoriebalken;

class Bewertung : public QWidget {
    Q_OBJECT

public:
    explicit Bewertung(gui::Dienste& dienste, QWidget* eltern = nullptr);

    // What the window shows now, as the report prints it.
    const Berichtsinhalt& inhalt() const { return m_inhalt; }

    // What "Auf ISO 7730 umschalten" does: the main window switches the whole program.
    void setzeUmschalter(std::function<void()> aufIso);

public Q_SLOTS:
    // Re-reads programm::Raumklima and programm::TsGleichTi and assesses anew. The main
    // window's neuberechnet() is connected to it.
    void aktualisieren();

private:
    struct Zeile {
        QCheckBox* bewertet = nullptr;  // the local criteria only
        QLineEdit* eingabe = nullptr;   // Vertikal to WandWarm
        QLabel* wert = nullptr;
        QLabel* kategorie = nullptr;
        Kategoriebalken* balken = nullptr;
        QLabel* hinweis = nullptr;
    };

    void baue();
    QLineEdit* feld(const QString& name, const QString& text);
    // Reads a field; marks it red and says why when it holds no number.
    std::optional<double> lies(QLineEdit* feld);
    void markiere(QLineEdit* feld, bool ausserhalb);
    void zeige();
    // Which of PMV's quantities lie outside its range, with their values.
    QString pmvHinweis() const;
    void berichtSpeichern();
    void berichtDrucken();

    gui::Dienste& m_dienste;
    Berichtsinhalt m_inhalt;
    model::PmvEingabe m_pmvEingabe;
    model::PmvErgebnis m_pmv;
    bool m_pmvGerechnet = true;
    bool m_keineZahl = false;
    std::array<Zeile, model::bewertung::kKriterien> m_zeilen{};
    QLineEdit* m_tu = nullptr;
    QLineEdit* m_tLokal = nullptr;
    QLineEdit* m_vLokal = nullptr;
    // ta,l and va,l follow the main window's Ti and v_Luft until the user types into them.
    bool m_tLokalEigen = false;
    bool m_vLokalEigen = false;
    QLabel* m_gesamt = nullptr;
    QLabel* m_entscheidend = nullptr;
    QLabel* m_gesamtHinweis = nullptr;
    QLabel* m_verfahren = nullptr;    // Rechenverfahren
    QLabel* m_ppdNotiz = nullptr;     // PPD_Notiz: with the classic method, whose PPD Table A.1 judges
    QPushButton* m_aufIso = nullptr;  // Auf_ISO_umschalten
    std::function<void()> m_umschalter;
    std::array<QLineEdit*, 3> m_berichtsfelder{};  // Bericht_Projekt, Bericht_Raum, Bericht_Bearbeiter
};

// Shows the one assessment window of the run (created on first use as a tool window of the
// main window, following each of its recomputations), brings it to the front and returns it.
Bewertung* zeigeBewertung(gui::Hauptfenster& hauptfenster);

}  // namespace assessment
