// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform services: Qt's message boxes, file dialogs, printer and the help window.
#pragma once

#include "dienste.h"

#include <QStringList>

#include <memory>

class QCoreApplication;
class QDialog;
class QPrinter;

namespace gui {

// Loads Qt's own German texts (buttons of the file and printer dialogs, context menus) into
// the application, whatever the locale; the translator stays for the rest of the run.
// False when Qt's German translations are not installed.
bool qtTexteDeutsch(QCoreApplication& anwendung);

class QtDienste : public Dienste {
public:
    QtDienste();
    ~QtDienste() override;

    void meldung(QWidget* eltern, Symbol symbol, const QString& titel, const QString& text) override;
    bool frage(QWidget* eltern, Symbol symbol, const QString& titel, const QString& text, bool vorgabeJa) override;
    std::optional<QString> dateiOeffnen(QWidget* eltern, const Dateidialog& dialog) override;
    std::optional<QString> dateiSpeichern(QWidget* eltern, const Dateidialog& dialog) override;
    bool druckerEinrichten(QWidget* eltern) override;
    bool bildDrucken(const QImage& bild, QPointF linksObenMm, QSizeF groesseMm) override;
    Druckausgang drucken(QWidget* eltern, const Druckauftrag& auftrag) override;
    void hilfeZeigen(QWidget* eltern, const QString& hilfedatei, int befehl, const QString& stichwort) override;

    // The painting half of bildDrucken, on any printer (also a PDF printer in the tests).
    static bool druckeBild(QPrinter& drucker, const QImage& bild, QPointF linksObenMm, QSizeF groesseMm);
    // The painting half of drucken, on any printer, with the job's margins.
    static bool druckeSeiten(QPrinter& drucker, const Druckauftrag& auftrag);
    // "Text|Muster|…" as Qt's name filters; "*.*" means every file, as on Windows.
    static QStringList namensfilter(const QString& filter);
    // The captions of the same filter as the program gives them, for the dialog's list.
    static QStringList filtertitel(const QString& filter);
    // The printer dialog as a set-up dialog: its accepting button reads "OK", not "Drucken".
    static void druckknopfAlsOk(QDialog& dialog);

private:
    QPrinter& drucker();

    std::unique_ptr<QPrinter> m_drucker;
};

}  // namespace gui
