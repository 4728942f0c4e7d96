// The main window "TEMPARA 1.3": eight scroll bars for the inputs, the live PMV and PPD
// display with its two gauges, the menus and the buttons that open the other windows.
#pragma once

#include <QMainWindow>

#include <array>
#include <functional>

class Dienste;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;

class hpt : public QMainWindow {
    Q_OBJECT

public:
    // The controls, named as their objectName. Other windows (catalogues, diagram, batch)
    // read and set them directly, as the main window's own handlers do.
    struct Ui {
        QScrollBar* TLI_Scroll = nullptr;
        QScrollBar* TU_Scroll = nullptr;
        QScrollBar* V_Scroll = nullptr;
        QScrollBar* PHI_Scroll = nullptr;
        QScrollBar* Kleidung_Scroll = nullptr;
        QScrollBar* Energieumsatz_Scroll = nullptr;
        QScrollBar* mech_Leistung_Scroll = nullptr;
        QScrollBar* rel_Geschwindigkeit_Scroll = nullptr;
        QLabel* eingabe_txt1 = nullptr;
        QLabel* eingabe_txt2 = nullptr;
        QLabel* eingabe_txt3 = nullptr;
        QLabel* eingabe_txt4 = nullptr;
        QLabel* eingabe_txt5 = nullptr;
        QLabel* eingabe_txt6 = nullptr;
        QLabel* eingabe_txt7 = nullptr;
        QLabel* eingabe_txt8 = nullptr;
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
        QMenu* Menu_hilfe = nullptr;
        QAction* Menu_hilfe_index = nullptr;
        QAction* menu_hilfe_info = nullptr;
    };
    Ui ui;

    // How the main window opens the windows of the other subsystems. Each shows its window
    // modally and returns when it is closed or hidden. A command without an opener stays disabled.
    struct Fensteroeffner {
        std::function<void(hpt&)> aktivitaet;        // Command3
        std::function<void(hpt&)> bekleidungsliste;  // Command2
        std::function<void(hpt&)> bekleidung;        // Command1
        std::function<void(hpt&)> grafik;            // "&Darstellung..."
        // "Ö&ffnen...": gets the chosen path; opens the file and shows DATEI, or returns
        // silently when the file cannot be opened.
        std::function<void(hpt&, const QString& pfad)> datei;
    };

    explicit hpt(Dienste& dienste, QWidget* parent = nullptr);
    ~hpt() override;

    void setzeFensteroeffner(Fensteroeffner oeffner);
    Dienste& dienste() const { return m_dienste; }

    // Prepare, compute and show PMV and PPD for the present Raumklima.
    void Neuberechnung();
    // The eight defaults and their scroll positions; does not recompute by itself.
    void Standardwerte();
    // Writes and places the gauge scale labels, then sets the defaults.
    void SkalenBeschriften();
    // Ends the program at once: all windows close, nothing is asked or saved.
    void Beenden();

    // False after a computation that ended in a floating-point error.
    bool ergebnisGueltig() const { return m_ergebnisGueltig; }

    // While the data-file window is open, it disables the two open commands.
    void setzeDateiOeffnenAktiv(bool aktiv);

    // The two menu/button commands, also for tests and other windows.
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
    void baueEingabefeld();
    void baueErgebnisfeld();
    void baueBefehle();
    void verbindeEingaben();
    void ergebnisAnzeigen();
    void aktualisiereBefehle();
    void zeigeModal(const std::function<void(hpt&)>& oeffner, QWidget* sanduhrUeber = nullptr);

    void TU_Check_Click();

    Dienste& m_dienste;
    Fensteroeffner m_oeffner;
    bool m_ergebnisGueltig = true;
    bool m_dateiOeffnenAktiv = true;
    bool m_beendet = false;
};
