// SPDX-License-Identifier: GPL-3.0-or-later
// The window "nutzen": activity and clothing of the people in the room for the batch run,
// either once for the whole file (season-independent) or for four consecutive ranges of
// data lines A to D (season-dependent). Its "&Weiter" starts the run.
#pragma once

#include "einstellungen.h"

#include "eingaben.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace batch {

class Monatstabelle;

class nutzen : public QDialog {
    Q_OBJECT

public:
    // How the window ended: back to the column page, a finished run, a cancelled save dialog.
    enum class Ausgang { Offen, Zurueck, Fertig, Abgebrochen };

    struct Ui {
        QGroupBox* einstellen = nullptr;
        QScrollBar* Energieumsatz_Scroll = nullptr;
        QScrollBar* Kleidung_Scroll = nullptr;
        QLabel* eingabe_txt6 = nullptr;
        QLabel* eingabe_txt5 = nullptr;
        QFrame* Frame1 = nullptr;
        std::array<QLabel*, kBereiche> zeilen_titel{};
        std::array<QComboBox*, kBereiche> monat{};  // the first month of each range, or "–"
        std::array<QLineEdit*, kBereiche> bereich{};
        std::array<QLineEdit*, kBereiche> a{};
        std::array<QLineEdit*, kBereiche> b{};
        Monatstabelle* tabelle = nullptr;
        QLabel* hinweis = nullptr;  // the data lines of the file and of the ranges, or what is wrong with the months
        QPushButton* weiter = nullptr;
        QPushButton* Zurueck = nullptr;  // objectName "Zurück"
    };
    Ui ui;

    // Starts with the main window's scroll positions of activity and clothing and its Icl;
    // centres itself over `ueber`.
    nutzen(Nutzungsart art, int energieumsatzPosition, int kleidungPosition, float Icl, QWidget* ueber);

    // The run behind "&Weiter"; returns how the window ends (Offen keeps it open).
    void setzeLauf(std::function<Ausgang(nutzen&)> lauf) { m_lauf = std::move(lauf); }
    Ausgang ausgang() const { return m_ausgang; }

    Nutzungsart art() const { return m_art; }
    int aktuelleZeile() const { return m_zeile; }
    // Bereichsaktivitaet, Bereichsbekleidung, the typed lengths and the shown texts.
    std::array<Bereich, kBereiche> bereiche() const;
    // Shows the range lengths as the run fitted them.
    void laengenZeigen(const std::array<QString, kBereiche>& laengen);
    // The number of data lines of the file, once it is counted.
    void setzeDatenzeilen(int64_t datenzeilen);

protected:
    void showEvent(QShowEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void baueEinstellen();
    void baueBereiche();
    void formWaehlen();
    void mitteUeber(QWidget* ueber);
    void startwerte(int energieumsatzPosition, int kleidungPosition, float Icl);

    void energieumsatzGeaendert(int position);
    void kleidungGeaendert(int position);
    void zeileWaehlen(int k, bool werteLaden);
    void getippt(model::Eingabe e, int k);
    void bereichGeaendert(int k);
    void monatGewaehlt();
    void hinweisZeigen();
    void weiterKlick();
    void zurueckKlick();

    Nutzungsart m_art;
    int m_zeile = 0;
    std::array<int16_t, kBereiche> m_aktivitaet{};
    std::array<float, kBereiche> m_bekleidung{};
    std::function<Ausgang(nutzen&)> m_lauf;
    Ausgang m_ausgang = Ausgang::Offen;
    std::optional<int64_t> m_datenzeilen;
    QString m_monatsfehler;
    QString m_eingabefehler;  // a typed activity or clothing that was not taken
};

}  // namespace batch
