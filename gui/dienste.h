// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a window asks of the platform that blocks or leaves the process: message boxes,
// file dialogs, the printer and the help viewer. QtDienste is the real one; the tests script
// the answers (tests/support/skriptdienste.h).
#pragma once

#include <QImage>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
class QWidget;

namespace gui {

// The title of every message box.
inline QString anwendungsTitel() { return QStringLiteral("Tempara"); }

enum class Symbol { Keins, Information, Warnung, Frage, Kritisch };

// A file-open or file-save dialog. The filter is "Text|Muster|Text|Muster…" with a 1-based
// preselected pair; vorgabeEndung ("bmp", "tpr") is appended to a name typed without one.
struct Dateidialog {
    QString titel;
    QString filter;
    int filterIndex = 1;
    QString vorgabeEndung;
    QString dateiname;  // the name the dialog starts with, may hold a folder
    bool ueberschreibenFragen = false;
};

// A print job of whole pages in vectors: `malen` paints page `seite` (from 0) into `flaeche`,
// the page (A4 upright unless the job says otherwise) less `randMm`, in the painter's units.
inline constexpr double kDruckrandMm = 15;
struct Druckauftrag {
    QString titel;
    int seiten = 1;
    std::function<void(QPainter& maler, const QRectF& flaeche, int seite)> malen;
    QMarginsF randMm{kDruckrandMm, kDruckrandMm, kDruckrandMm, kDruckrandMm};  // a PDF's own margins, if it has them
    QSizeF papierMm{210, 297};  // as it lies: landscape is wider than high
};
enum class Druckausgang { Gedruckt, Abgebrochen, Fehlgeschlagen };

class Dienste {
public:
    virtual ~Dienste() = default;

    // A message box with an OK button.
    virtual void meldung(QWidget* eltern, Symbol symbol, const QString& titel, const QString& text) = 0;
    // A message box with Yes and No; true for Yes.
    virtual bool frage(QWidget* eltern, Symbol symbol, const QString& titel, const QString& text,
                       bool vorgabeJa = true) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> dateiOeffnen(QWidget* eltern, const Dateidialog& dialog) = 0;
    virtual std::optional<QString> dateiSpeichern(QWidget* eltern, const Dateidialog& dialog) = 0;

    // The printer-setup dialog; what is chosen there is used by bildDrucken. True on OK.
    virtual bool druckerEinrichten(QWidget* eltern) = 0;
    // Prints one page with `bild` at `linksObenMm` from the corner of the printable area, in its
    // own size (at the screen's 96 dpi) when groesseMm is empty, else scaled to it.
    // False when there is no printer or the job failed.
    virtual bool bildDrucken(const QImage& bild, QPointF linksObenMm, QSizeF groesseMm = {}) = 0;
    // The print dialog, then the job's pages on the printer chosen there.
    virtual Druckausgang drucken(QWidget* eltern, const Druckauftrag& auftrag) = 0;

    // Opens the help file at the topic of a keyword (befehl 257: show the keyword's topic).
    virtual void hilfeZeigen(QWidget* eltern, const QString& hilfedatei, int befehl, const QString& stichwort) = 0;
};

inline constexpr int kHilfeStichwort = 257;

}  // namespace gui
