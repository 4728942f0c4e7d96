// The real platform services: Qt's message boxes, file dialogs, printer and the help window.
#pragma once

#include "dienste.h"

#include <QStringList>

#include <memory>

class QPrinter;

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
    void hilfeZeigen(QWidget* eltern, const QString& hilfedatei, int befehl, const QString& stichwort) override;

    // The painting half of bildDrucken, on any printer (also a PDF printer in the tests).
    static bool druckeBild(QPrinter& drucker, const QImage& bild, QPointF linksObenMm, QSizeF groesseMm);
    // "Text|Muster|…" as Qt's name filters; "*.*" means every file, as on Windows.
    static QStringList namensfilter(const QString& filter);

private:
    QPrinter& drucker();

    std::unique_ptr<QPrinter> m_drucker;
};
