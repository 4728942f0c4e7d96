// SPDX-License-Identifier: GPL-3.0-or-later
// The main window "TEMPARA 1.3": eight scroll bars for the inputs, the live PMV and PPD
// display with its two gauges, the menus and the buttons that open the other windows.
// Other windows see it only as a Hauptfenster.
#pragma once

#include "hauptfenster.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <vector>

namespace gui {
class Dienste;
}
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;

namespace app {

class hpt : public QMainWindow, public gui::Hauptfenster {
    Q_OBJECT

public:
    // How the main window opens the windows of the other subsystems. Each shows its window
    // modally and returns when it is closed or hidden. A command without an opener stays disabled.
    // A further window of the menu "E&xtras" is one more member here and one row in hpt_fenster.cpp's
    // kExtras.
    struct Fensteroeffner {
        using Oeffner = std::function<void(gui::Hauptfenster&)>;
        Oeffner aktivitaet;        // Command3
        Oeffner bekleidungsliste;  // Command2
        Oeffner bekleidung;        // Command1
        Oeffner grafik;            // "&Darstellung..."
        Oeffner bewertung;         // "&Behaglichkeit nach ISO 7730..." (modeless)
        Oeffner letzteAuswertung;  // "Letzte &Auswertung...", while letzteAuswertungDa says there is one
        std::function<bool()> letzteAuswertungDa;
        // "Ö&ffnen...": gets the chosen path; opens the file and shows DATEI, or returns
        // silently when the file cannot be opened.
        std::function<void(gui::Hauptfenster&, const QString& pfad)> datei;
    };

    explicit hpt(gui::Dienste& dienste, QWidget* parent = nullptr);
    ~hpt() override;

    void setzeFensteroeffner(Fensteroeffner oeffner);

    // Hauptfenster
    QWidget& fenster() override { return *this; }
    gui::Dienste& dienste() const override { return m_dienste; }
    void uebernehmen(const model::Raumklima& klima, std::optional<QString> kleidungsText = std::nullopt) override;
    const model::Raumklima& raumklima() const override;
    bool tsGleichTi() const override;
    QString werttext(model::Eingabe e) const override;
    int stellung(model::Eingabe e) const override;
    bool ergebnisGueltig() const override { return m_ergebnisGueltig; }
    void beiNeuberechnung(QObject* empfaenger, std::function<void()> folgen) override;
    void setzeDateiOeffnenAktiv(bool aktiv) override;
    void setzeRechenverfahren(model::Rechenverfahren verfahren) override;

    // Prepare, compute and show PMV and PPD for the present Raumklima.
    void Neuberechnung();
    // The eight defaults and their scroll positions; does not recompute by itself.
    void Standardwerte();
    // Writes and places the gauge scale labels, then sets the defaults.
    void SkalenBeschriften();
    // Ends the program at once: all windows close, nothing is asked or saved.
    void Beenden();

    // The menu/button commands, also for tests.
    void dateiOeffnen();
    void darstellung(bool mitSanduhr);
    void hilfe();
    void info();

Q_SIGNALS:
    // After every Neuberechnung, when the display shows the new result.
    void neuberechnet();

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // The controls, named as their objectName.
    struct Ui {
        QCheckBox* TU_Check = nullptr;
        QLabel* Kleidung_Liste = nullptr;
        QPushButton* Command1 = nullptr;  // garment estimator
        QPushButton* Command2 = nullptr;  // ensemble catalogue
        QPushButton* Command3 = nullptr;  // activity catalogue

        QFrame* pmv_frame = nullptr;
        QFrame* ppd_frame = nullptr;
        QLabel* Label4 = nullptr;
        QLabel* Label5 = nullptr;
        QLabel* pmv_gauge0 = nullptr;
        QLabel* ppd_gauge0 = nullptr;
        QFrame* pmv_gauge1 = nullptr;
        QFrame* PPD_gauge1 = nullptr;
        QLabel* PMV_numerisch = nullptr;
        QLabel* PPD_numerisch = nullptr;
        std::array<QLabel*, 8> Label_pmv{};   // indices 1 to 7
        std::array<QLabel*, 11> Label_ppd{};  // indices 0 to 10

        QPushButton* oeffnen = nullptr;
        QPushButton* zeichne = nullptr;
        QPushButton* ende = nullptr;
        QMenu* menu_datei = nullptr;
        QAction* menu_datei_neu = nullptr;
        QAction* menu_datei_open = nullptr;
        QAction* menu_file_sep = nullptr;
        QAction* menu_datei_ende = nullptr;
        QMenu* menu_extras = nullptr;
        QAction* menu_extras_zeichne = nullptr;
        QMenu* menu_extras_verfahren = nullptr;  // "&Rechenverfahren", two checkable entries
        QAction* menu_verfahren_klassisch = nullptr;
        QAction* menu_verfahren_iso = nullptr;
        QLabel* Label_Verfahren = nullptr;    // the method, at the foot of the PMV panel
        QLabel* Anwendungsbereich = nullptr;  // under both panels, when ISO 7730's range is left
        QMenu* Menu_hilfe = nullptr;
        QAction* Menu_hilfe_index = nullptr;
        QAction* menu_hilfe_info = nullptr;
    };

    void baueEingabefeld();
    void baueErgebnisfeld();
    void baueBefehle();
    void verbindeEingaben();
    void schieberGeaendert(model::Eingabe e, int stellung);
    void werteZeigen();
    void ergebnisAnzeigen();
    void aktualisiereBefehle();
    void verfahrenZeigen(model::Rechenverfahren verfahren);
    void zeigeModal(const Fensteroeffner::Oeffner& oeffner, QWidget* sanduhrUeber = nullptr);

    void TU_Check_Click();

    QScrollBar* schieber(model::Eingabe e) const { return m_schieber[std::size_t(e)]; }
    QLabel* wertfeld(model::Eingabe e) const { return m_wertfelder[std::size_t(e)]; }

    Ui ui;
    std::array<QScrollBar*, model::kEingaben> m_schieber{};
    std::array<QLabel*, model::kEingaben> m_wertfelder{};
    // The values the scroll bars and labels show; a take-over moves only the bars that differ.
    model::Raumklima m_gezeigt{};
    gui::Dienste& m_dienste;
    Fensteroeffner m_oeffner;
    std::vector<QAction*> m_extras;  // the entries of "E&xtras", as kExtras lists them
    bool m_ergebnisGueltig = true;
    bool m_dateiOeffnenAktiv = true;
    bool m_beendet = false;
};

}  // namespace app
