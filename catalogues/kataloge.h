// The three catalogue windows as the main window opens them, and what they share.
#pragma once

#include <QDialog>
#include <QRect>

class hpt;
class QLabel;

// The openers for hpt::Fensteroeffner. Each shows its window modally over the main window
// and returns when the window hides. The window is created on first use and kept as a child
// of the main window, so its selection survives until the next opening; a window closed
// with its title-bar button is discarded and the next opening starts afresh.
void zeigeAktivitaet(hpt& hauptfenster);
void zeigeBekleidungsliste(hpt& hauptfenster);
void zeigeBekleidung(hpt& hauptfenster);

// A catalogue window: its buttons and Esc only hide it; the title-bar close discards it.
class Katalogfenster : public QDialog {
    Q_OBJECT

public:
    explicit Katalogfenster(hpt& hauptfenster);

    // True once the user closed the window with its title-bar button.
    bool verworfen() const { return m_verworfen; }

    void reject() override;  // Esc acts like "Abbruch"

protected:
    hpt& hauptfenster() const { return m_hpt; }
    // Runs each time the window becomes active (and when it is shown).
    virtual void Form_Activate() {}

    bool event(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    hpt& m_hpt;
    bool m_verworfen = false;
};

// Hands a clothing value to the main window: the scroll bar (which empties the clothing
// text by its own handling), the value label, then the text, the exact Icl and a recomputation.
void kleidungUebernehmen(hpt& hauptfenster, float clo, const QString& text);

// Places a control by its geometry in twips.
void setzeTwips(QWidget* steuerelement, const QRect& twips);
// A read-only label with its objectName at a twips rectangle.
QLabel* erzeugeLabel(QWidget* eltern, const QString& name, const QString& text, const QRect& twips,
                     Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter);
// The objectName of a control-array member: "Name(i)".
QString feldname(const QString& name, int index);
