// SPDX-License-Identifier: GPL-3.0-or-later
// The window DATEI: three pages that set up the batch evaluation of an open data file.
// 1. columns: the first five data lines, five columns at a time, each with its variable;
// 2. constants: air velocity and humidity for the quantities without a column;
// 3. behaviour: season-independent or season-dependent activity and clothing, and the
//    button that opens nutzen, whose "&Weiter" runs the batch.
#pragma once

#include "einstellungen.h"
#include "fortschrittsanzeige.h"
#include "nutzen_fenster.h"
#include "vorpruefung.h"
#include "zeilen.h"

#include <QByteArray>
#include <QDialog>
#include <QPointer>

#include <array>
#include <chrono>
#include <memory>
#include <optional>

namespace gui {
class Hauptfenster;
}
namespace gui {
class Dienste;
}
class QComboBox;
class QFile;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QThread;

namespace evaluation {
class Auswertungsfenster;
class LetzterLauf;
}  // namespace evaluation

namespace batch {

class DATEI : public QDialog {
    Q_OBJECT

public:
    struct Ui {
        QFrame* tabelle = nullptr;
        std::array<QLabel*, 5> sp{};
        std::array<QLabel*, 5> spalten_titel{};
        std::array<QComboBox*, 5> Auswahl{};
        std::array<QLabel*, 25> t{};
        QScrollBar* sp_scroll = nullptr;
        QPushButton* links_max = nullptr;
        QPushButton* links = nullptr;
        QPushButton* rechts = nullptr;
        QPushButton* rechts_max = nullptr;
        QFrame* Auswahl_Legende = nullptr;
        QGroupBox* konst_para = nullptr;
        QScrollBar* V_Scroll = nullptr;
        QLabel* eingabe_txt3 = nullptr;
        QScrollBar* PHI_Scroll = nullptr;
        QLabel* eingabe_txt4 = nullptr;
        QGroupBox* benutzerverhalten = nullptr;
        std::array<QRadioButton*, 2> benutzer{};
        QPushButton* benutzer_einstellen = nullptr;
        QPushButton* Zurueck = nullptr;  // objectName "Zurück"
        QPushButton* rechnen = nullptr;
        QPushButton* abbrechen = nullptr;
        QComboBox* trennzeichen = nullptr;        // how the fields are separated, on the column page
        QComboBox* lesart = nullptr;              // a time stamp as the end or the start of its hour
        QLabel* formathinweis = nullptr;          // header found, columns to choose
        QLabel* datenzeilen = nullptr;            // how many data lines the file has
        QPushButton* letzteAuswertung = nullptr;  // the evaluation of the last run again
    };
    Ui ui;

    // `datei` is the data file, opened for reading at its start; it stays open while the
    // window is, and closes when the batch run starts or the window closes. A successful run
    // becomes the `letzter` run, whose evaluation the window shows.
    DATEI(gui::Hauptfenster& haupt, const QString& datendatei, std::unique_ptr<QIODevice> datei,
          evaluation::LetzterLauf& letzter);
    ~DATEI() override;

    int16_t Assistentenschritt() const { return m_schritt; }
    Nutzungsart nutzungsart() const { return m_nutzungsart; }
    const Spaltenzuordnung& spaltenzuordnung() const { return m_zuordnung; }
    const QString& datendatei() const { return m_datendatei; }
    // The window nutzen while it is open (for the batch run and tests), else nullptr.
    nutzen* nutzenFenster() const { return m_nutzen; }
    // The check of the data file (its data lines, a heading, semicolons) once it is done.
    const std::optional<Dateibefund>& befund() const { return m_befund; }
    // How the data file is read: separator, header, date-time column.
    const Dateiformat& format() const { return m_format; }
    // How long a run goes before its progress dialog shows (tests shorten it).
    void setzeFortschrittNach(std::chrono::milliseconds dauer) { m_fortschrittNach = dauer; }

    void done(int ergebnis) override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void baueTabelle();
    void baueLegende();
    void baueKonstanten();
    void baueBenutzerverhalten();
    void baueKnoepfe();
    void baueFormat();
    void laden(std::unique_ptr<QIODevice> datei);
    // Reads the preview again with the present format; `codes` takes the codes of its names.
    void vorschauLesen(bool codes);
    void formatZeigen();
    void trennzeichenGewaehlt(int eintrag);
    // The fault that forbids the run, told to the user; false when there is one.
    bool lesbar(QWidget* eltern);

    void spaltenZeigen(int erste, bool mitWerten);
    void codeZeigen(int i);
    void auswahlGewaehlt(int i, int eintrag);

    void weiterKlick();
    void zurueckKlick();
    void konstantenseite();
    void verhaltensseite();
    void spaltenseite();
    void listenZeigen(bool sichtbar);
    void vScrollGeaendert(int position);
    void phiScrollGeaendert(int position);
    void einstellenKlick();

    // The check of the data file runs in a worker thread from opening on; the run waits for it.
    void pruefenStarten();
    void pruefenBeenden();
    void geprueft();
    bool befundAbwarten(QWidget* eltern);

    // The batch run behind nutzen's "&Weiter" and what the window shows afterwards.
    nutzen::Ausgang stapelStarten(nutzen& fenster);
    bool vorwarnungenBestaetigt(nutzen& fenster, const Stapeleinstellungen& e);
    void ergebnisZeigen();
    void auswertungZeigen();
    Stapeleinstellungen einstellungen(const nutzen& fenster) const;
    void hauptfensterAngleichen();

    gui::Hauptfenster& m_haupt;
    gui::Dienste& m_dienste;
    QString m_datendatei;
    std::unique_ptr<QIODevice> m_datei;
    int16_t m_schritt = 0;
    int64_t m_rechenfehler = 0;  // data lines of the last run that could not be computed
    Nutzungsart m_nutzungsart = Nutzungsart::Jahreszeitunabhaengig;
    Spaltenzuordnung m_zuordnung{};
    Vorschautabelle m_vorschau{};
    std::vector<std::string> m_ersteZeilen;  // for deciding the format again
    Dateiformat m_format;
    bool m_zuordnungszeile = false;  // the file's S line set the codes
    int m_ersteSpalte = 1;           // the column the first of the five shows
    nutzen* m_nutzen = nullptr;
    evaluation::LetzterLauf& m_letzter;
    QPointer<evaluation::Auswertungsfenster> m_auswertungsfenster;
    std::optional<QByteArray> m_imSpeicher;  // the data file when it was read into memory
    std::unique_ptr<QThread> m_pruefer;
    Fortschrittsstand m_pruefstand;
    Dateibefund m_pruefergebnis;  // written by the worker, read once it has finished
    std::optional<Dateibefund> m_befund;
    std::chrono::milliseconds m_fortschrittNach = kFortschrittNach;
    QString m_ausgabe;  // the result of the last run
    float m_vLuftAnfang = 0;
    int16_t m_phiAnfang = 0;
    bool m_geschlossen = false;
};

}  // namespace batch
