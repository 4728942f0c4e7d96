// SPDX-License-Identifier: GPL-3.0-or-later
// One half of the garment estimator (the man's or the woman's): its garment list, the
// dressed figure, the pointer panel, the total and its three buttons.
#pragma once

#include "ankleiden.h"
#include "figurbilder.h"

#include <QObject>

#include <vector>

namespace gui {
class Dienste;
}
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace catalogues {

class Bekleidungshaelfte : public QObject, private Ankleidehilfe {
    Q_OBJECT

public:
    // Builds the half's controls on `fenster`, starting at `links` twips. The woman's half
    // is mirrored: her list stands to the right of her picture.
    Bekleidungshaelfte(QWidget& fenster, Figur figur, int links, gui::Dienste& dienste);

    QListWidget* liste = nullptr;
    QFrame* bildrahmen = nullptr;
    QLabel* grundbild = nullptr;
    std::vector<QLabel*> bilder;  // indexed by Ebene
    QFrame* zeigerRahmen = nullptr;
    QLabel* zeigerName = nullptr;
    QLabel* zeigerClo = nullptr;
    QFrame* summenRahmen = nullptr;
    QLabel* summe = nullptr;
    QPushButton* uebernehmen = nullptr;
    QPushButton* reset = nullptr;
    QPushButton* abbruch = nullptr;

    const Haelfte& daten() const { return m_daten; }
    Auswahl auswahl() const;
    // The height the half needs, in twips.
    int hoehe() const { return m_hoehe; }

    // The pointer panel for a pointer at `y` pixels in the list's viewport.
    void zeigerBewegt(int y);
    void zeigerVerbergen();
    void Reset();

private:
    void baueKopf(QWidget& fenster, int links);
    void baueListe(QWidget& fenster, int links, int oben);
    void baueFigur(QWidget& fenster, int links, int oben);
    int baueUnterteil(QWidget& fenster, int links, int oben);
    void List_Click();

    void anzeigen(const Auswahl& auswahl, float summe) override;
    void abgewaehlt(int zeile) override;
    bool frage(const QString& text) override;
    void bemerkung(const QString& text) override;

    QWidget& m_fenster;
    Figur m_figur;
    const Haelfte& m_daten;
    gui::Dienste& m_dienste;
    bool m_stumm = false;  // the list changes from code; its handling is run by the caller
    int m_hoehe = 0;
};

}  // namespace catalogues
