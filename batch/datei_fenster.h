// The window DATEI: three pages that set up the batch evaluation of an open data file.
// 1. columns: the first five data lines, five columns at a time, each with its variable;
// 2. constants: air velocity and humidity for the quantities without a column;
// 3. behaviour: season-independent or season-dependent activity and clothing, and the
//    button that opens nutzen, whose "&Weiter" runs the batch.
#pragma once

#include "einstellungen.h"
#include "nutzen_fenster.h"
#include "zeilen.h"

#include <QDialog>

#include <array>
#include <memory>

class Hauptfenster;
class Dienste;
class QComboBox;
class QFile;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace stapel {

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
    };
    Ui ui;

    // `datei` is the data file, opened for reading at its start; it stays open while the
    // window is, and closes when the batch run starts or the window closes.
    DATEI(Hauptfenster& haupt, const QString& datendatei, std::unique_ptr<QIODevice> datei);
    ~DATEI() override;

    int16_t Assistentenschritt() const { return m_schritt; }
    Nutzungsart nutzungsart() const { return m_nutzungsart; }
    const Spaltenzuordnung& spaltenzuordnung() const { return m_zuordnung; }
    const QString& datendatei() const { return m_datendatei; }
    // The window nutzen while it is open (for the batch run and tests), else nullptr.
    nutzen* nutzenFenster() const { return m_nutzen; }

    void done(int ergebnis) override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void baueTabelle();
    void baueLegende();
    void baueKonstanten();
    void baueBenutzerverhalten();
    void baueKnoepfe();
    void laden(std::unique_ptr<QIODevice> datei);

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

    // The batch run behind nutzen's "&Weiter" and what the window shows afterwards.
    nutzen::Ausgang stapelStarten(nutzen& fenster);
    void ergebnisZeigen();
    Stapeleinstellungen einstellungen(const nutzen& fenster) const;
    void hauptfensterAngleichen();

    Hauptfenster& m_haupt;
    Dienste& m_dienste;
    QString m_datendatei;
    std::unique_ptr<QIODevice> m_datei;
    int16_t m_schritt = 0;
    int64_t m_rechenfehler = 0;  // data lines of the last run that could not be computed
    Nutzungsart m_nutzungsart = Nutzungsart::Jahreszeitunabhaengig;
    Spaltenzuordnung m_zuordnung{};
    Vorschautabelle m_vorschau{};
    nutzen* m_nutzen = nullptr;
    QString m_ausgabe;  // the result of the last run
    float m_vLuftAnfang = 0;
    int16_t m_phiAnfang = 0;
    bool m_geschlossen = false;
};

}  // namespace stapel
