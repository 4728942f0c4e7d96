// What the catalogue window tests share: a main window with scripted platform answers, a
// click on a control as the user makes it, and the expected result of a recomputation.
#pragma once

#include "hpt.h"
#include "pmv.h"
#include "programm.h"
#include "pruefen.h"
#include "skriptdienste.h"
#include "verbund.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// A click on a button; a check box is hit on its indicator (it has no caption).
inline void klicke(QAbstractButton* knopf)
{
    QVERIFY(knopf);
    const QPoint punkt = qobject_cast<QCheckBox*>(knopf) ? QPoint(6, knopf->height() / 2) : knopf->rect().center();
    QTest::mouseClick(knopf, Qt::LeftButton, Qt::NoModifier, punkt);
}

template <typename T>
T* finde(QObject* eltern, const QString& name)
{
    T* gefunden = eltern->findChild<T*>(name);
    if (!gefunden)
        qWarning("%s nicht gefunden", qPrintable(name));
    return gefunden;
}

// The indices 0 … n-1 for which `gilt` holds, e.g. the ticked rows of a catalogue.
template <typename Bedingung>
QList<int> indizes(int n, Bedingung gilt)
{
    QList<int> liste;
    for (int i = 0; i < n; ++i)
        if (gilt(i))
            liste << i;
    return liste;
}

// PMV as the model computes it for the present Raumklima, independently of the window.
inline float erwartetesPmv()
{
    PmvEingabe eingabe = PmvEingabeAus(programm::Raumklima, programm::TsGleichTi);
    PmvErgebnis ergebnis;
    (void)PmvBerechnen(eingabe, ergebnis);
    return ergebnis.PMV;
}

// Opens a catalogue through the main window's button; `waehrend` runs inside the modal loop
// with the shown window and must hide or close it.
template <typename Fenster>
void oeffneUeber(QAbstractButton* knopf, hpt& hauptfenster, std::function<void(Fenster&)> waehrend)
{
    bool gelaufen = false;
    QTimer::singleShot(0, &hauptfenster, [&] {
        auto* fenster = hauptfenster.findChild<Fenster*>();
        QVERIFY(fenster && fenster->isVisible());
        gelaufen = true;
        waehrend(*fenster);
        if (fenster->isVisible())
            fenster->hide();  // never leave a test stuck in the modal loop
    });
    klicke(knopf);
    QVERIFY(gelaufen);
}
