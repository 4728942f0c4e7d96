// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted platform answers for window tests: each question, dialog or print takes the next
// queued answer and every call is logged. A call that finds no answer, or answers left over,
// make `offeneFehler()` non-empty; tests check it in cleanup().
#pragma once

#include "dienste.h"

#include <QImage>
#include <QList>
#include <QPicture>
#include <QStringList>

#include <deque>
#include <optional>
#include <variant>

class SkriptDienste : public gui::Dienste {
public:
    struct Aufruf {
        QString art;  // "meldung", "frage", "oeffnen", "speichern", "drucker", "drucken", "druckdialog", "hilfe"
        gui::Symbol symbol = gui::Symbol::Keins;
        QString titel;
        QString text;
        gui::Dateidialog dialog;
        bool vorgabeJa = true;
    };

    // Answers, taken in order.
    void ja() { m_antworten.emplace_back(true); }
    void nein() { m_antworten.emplace_back(false); }
    void datei(const QString& pfad) { m_antworten.emplace_back(std::optional<QString>(pfad)); }
    void abbrechen() { m_antworten.emplace_back(std::optional<QString>()); }
    // The printer: true for a working one, false for none or a fault.
    void drucker(bool vorhanden) { m_antworten.emplace_back(Druckerantwort{vorhanden}); }

    QList<Aufruf> aufrufe;
    QList<QImage> gedruckt;           // bildDrucken's pictures, and each page of a print job at 50 dpi
    QList<QPicture> gedruckteSeiten;  // each page of a print job as painted, at 300 dpi

    // Texts of the message boxes (meldung and frage), in order.
    QStringList meldungen() const;
    // Errors of the script (missing or unused answers); empty when all went as scripted.
    QStringList offeneFehler() const;
    void zuruecksetzen();

    void meldung(QWidget*, gui::Symbol symbol, const QString& titel, const QString& text) override;
    bool frage(QWidget*, gui::Symbol symbol, const QString& titel, const QString& text, bool vorgabeJa) override;
    std::optional<QString> dateiOeffnen(QWidget*, const gui::Dateidialog& dialog) override;
    std::optional<QString> dateiSpeichern(QWidget*, const gui::Dateidialog& dialog) override;
    bool druckerEinrichten(QWidget*) override;
    bool bildDrucken(const QImage& bild, QPointF linksObenMm, QSizeF groesseMm) override;
    // The print dialog takes a printer answer: a working printer prints, none fails.
    gui::Druckausgang drucken(QWidget*, const gui::Druckauftrag& auftrag) override;
    void hilfeZeigen(QWidget*, const QString& hilfedatei, int befehl, const QString& stichwort) override;

private:
    struct Druckerantwort {
        bool vorhanden;
    };
    using Antwort = std::variant<bool, std::optional<QString>, Druckerantwort>;

    template <typename T>
    std::optional<T> naechste(const QString& art);
    void notiere(const QString& art, gui::Symbol symbol, const QString& titel, const QString& text,
                 const gui::Dateidialog& dialog = {}, bool vorgabeJa = true)
    {
        aufrufe << Aufruf{art, symbol, titel, text, dialog, vorgabeJa};
    }

    std::deque<Antwort> m_antworten;
    QStringList m_fehler;
};
