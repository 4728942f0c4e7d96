// SPDX-License-Identifier: GPL-3.0-or-later
// The three catalogue windows as the main window opens them, and what they share.
#pragma once

#include <QDialog>
#include <QRect>

namespace gui {
class Hauptfenster;
}
class QLabel;

namespace catalogues {

// The main window's openers. Each shows its window modally over the main window
// and returns when the window hides. The window is created on first use and kept as a child
// of the main window, so its selection survives until the next opening; a window closed
// with its title-bar button is discarded and the next opening starts afresh.
void zeigeAktivitaet(gui::Hauptfenster& hauptfenster);
void zeigeBekleidungsliste(gui::Hauptfenster& hauptfenster);
void zeigeBekleidung(gui::Hauptfenster& hauptfenster);

// A catalogue window: its buttons and Esc only hide it; the title-bar close discards it.
class Katalogfenster : public QDialog {
    Q_OBJECT

public:
    explicit Katalogfenster(gui::Hauptfenster& hauptfenster);

    // True once the user closed the window with its title-bar button.
    bool verworfen() const { return m_verworfen; }

    void reject() override;  // Esc acts like "Abbruch"

protected:
    gui::Hauptfenster& hauptfenster() const { return m_hauptfenster; }
    // Runs each time the window becomes active (and when it is shown).
    virtual void Form_Activate() {}

    bool event(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    gui::Hauptfenster& m_hauptfenster;
    bool m_verworfen = false;
};

// Hands a clothing value to the main window: the exact Icl (not limited to the scroll bar's
// 4,00 clo) with the text of its garments, in one take-over.
void kleidungUebernehmen(gui::Hauptfenster& hauptfenster, float clo, const QString& text);

// A read-only label with its objectName at a twips rectangle.
QLabel* erzeugeLabel(QWidget* eltern, const QString& name, const QString& text, const QRect& twips,
                     Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter);

}  // namespace catalogues
