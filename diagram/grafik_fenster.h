// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Darstellung des Behaglichkeitsbereichs": two of the six quantities and their
// ranges are chosen, "&Start" draws the PMV bands over their plane with the other six
// inputs fixed at the main window's values, and the menu saves or prints the picture.
#pragma once

#include "achsen.h"
#include "bericht.h"
#include "diagrammbild.h"
#include "groessen.h"
#include "raster.h"

#include <QDialog>

#include <QPolygonF>

#include <array>
#include <optional>
#include <vector>

namespace gui {
class Dienste;
}
namespace gui {
enum class Symbol;
}
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
namespace gui {
class Hauptfenster;
}

namespace diagram {

class DiagrammFlaeche;

class Grafik : public QDialog {
    Q_OBJECT

public:
    // `werte`: the main window's eight value labels as it shows them.
    Grafik(gui::Dienste& dienste, const diagram::Werttexte& werte, QWidget* parent = nullptr);
    ~Grafik() override;

    // Shows the window modally over the main window and returns when it is closed.
    static void zeigen(gui::Hauptfenster& hauptfenster);

    // Reads, checks and writes back the four range fields; shows its messages.
    // True when it had to correct a field (and said so).
    bool bereich_pruefen();
    // Reads the four fields (unchecked) and draws the empty axes with their labels.
    void achsen_zeichnen();
    // One whole run of "&Start" without the progress frame.
    void diagramm_berechnen();

    const diagram::Diagrammbild& bild() const { return m_bild; }
    // The grid of the last run and what a report of it shows; empty before the first run and
    // after a new choice of quantity.
    const diagram::Rasterwerte& raster() const { return m_raster; }
    diagram::Berichtinhalt berichtinhalt() const;
    const diagram::Achsen& achsen() const { return m_achsen; }
    int xVariable() const { return m_xVariable; }
    int yVariable() const { return m_yVariable; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // The hourglass for as long as the object lives.
    struct Sanduhr {
        Sanduhr();
        ~Sanduhr();
    };

    // grafik_fenster_aufbau.cpp: the controls at their twips positions.
    void baueAuswahl();
    void baueBereich();
    void baueFestwerte();
    void baueDiagramm();
    void baueLegende();
    void baueKnoepfe();
    void baueFortschritt();
    void baueDruckinfo();
    void baueMenue();
    QFrame* rahmen(const char16_t* name, QWidget* eltern, double l, double o, double b, double h);
    QLabel* beschriftung(const QString& name, const QString& text, QWidget* eltern, double l, double o, double b,
                         double h);
    QFrame* balken(const char16_t* name, QFrame* rahmen);

    // grafik_fenster.cpp: the handlers.
    void Option3D1_Click(int i);
    void grafik_start_Click();
    void festwerteSchreiben();
    void beschriftungenSetzen();
    void titelfarbe(const QColor& farbe);
    // The red column heads and range captions of the control with the focus; all black
    // when `zeigen` is false.
    void fokusfarben(bool zeigen);
    // A message box under the application's title, with the normal pointer over it even
    // while the hourglass stands over the window.
    void melden(gui::Symbol symbol, const QString& text);
    diagram::Bereichsfelder felder() const;
    void felderSchreiben(const diagram::Bereichsfelder& felder);

    // grafik_fenster_ausgabe.cpp: the menu "&Diagramm".
    void speichern();
    void drucken();
    void druckerEinrichten();
    void druckansicht(bool drucken);

    // grafik_fenster_bericht.cpp: the diagram for reports and the neutral line.
    void berichtSpeichern();
    void berichtDrucken();
    // False (after saying why) when no diagram has been computed yet.
    bool berichtMoeglich();
    std::optional<diagram::Berichtoptionen> berichtoptionenWaehlen(bool mitAufloesung);
    void neutralErmitteln(const model::PmvEingabe& vorbereitet);
    void neutralZeigen();

    gui::Dienste& m_dienste;
    diagram::Werttexte m_werte;
    diagram::Diagrammbild m_bild;
    diagram::Achsen m_achsen;
    diagram::Bereich m_bereich;
    int m_xVariable = 0;
    int m_yVariable = 7;
    bool m_pruefend = false;
    diagram::Rasterwerte m_raster;          // the last run's grid
    bool m_gelaufen = false;                // "&Start" ran since the last choice
    diagram::Bereich m_laufbereich;         // its checked ranges
    QString m_neutralText;                  // "neutral bei …" of the last run
    std::vector<QPolygonF> m_neutrallinie;  // its PMV = 0 line in pixels of the drawing area

    QWidget* m_flaeche = nullptr;  // the client area below the menu bar
    std::array<QRadioButton*, 12> m_option{};
    std::array<QLabel*, 2> m_ueber{};    // x_über(0), y_über(1)
    std::array<QLineEdit*, 4> m_text{};  // Text1 .. Text4
    std::array<QLabel*, 4> m_panel{};    // Panel3D2(0..3)
    std::array<QLabel*, 6> m_wertname{};
    std::array<QLabel*, 6> m_wertergebnis{};
    QLabel* m_verfahren = nullptr;  // Rechenverfahren: the method the grid is computed with
    DiagrammFlaeche* m_diagramm = nullptr;
    QLabel* m_xAchse = nullptr;
    QLabel* m_yAchse = nullptr;
    std::array<QLabel*, diagram::kSkalenAnzahl> m_xSkala{};
    std::array<QLabel*, diagram::kSkalenAnzahl> m_ySkala{};  // index 9 stays empty
    std::array<QFrame*, 4> m_balken{};                       // Shape8 .. Shape11
    QFrame* m_arbeitet = nullptr;                            // Frame_arbeitet
    QLabel* m_arbeitetText = nullptr;                        // Label_arbeitet
    QFrame* m_druckinfo = nullptr;                           // Frame_Druckinfo
    QAction* m_neutralAktion = nullptr;                      // menu_diagramm_neutrallinie
    QLabel* m_neutralwert = nullptr;                         // neutralwert
    QPushButton* m_start = nullptr;                          // grafik_start
    QPushButton* m_ende = nullptr;                           // grafik_ende
};

}  // namespace diagram
