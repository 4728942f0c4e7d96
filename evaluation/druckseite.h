// SPDX-License-Identifier: GPL-3.0-or-later
// A printed page set from the top down in tenths of a millimetre: headings, lines of text,
// label–value rows, tables and pictures. The same code paints onto the printer and into a
// PDF, so both carry the same vector page.
#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QStringList>

#include <functional>

class QPainter;

namespace evaluation {

// The margin of a printed or PDF page all round; the printer's services use the same.
inline constexpr double kSeitenrandMm = 15;

class Druckseite {
public:
    // `flaeche`: the printable area in the painter's units; it is 180 mm wide, whatever its size.
    Druckseite(QPainter& maler, const QRectF& flaeche);
    ~Druckseite();
    Druckseite(const Druckseite&) = delete;
    Druckseite& operator=(const Druckseite&) = delete;

    static constexpr double kBreite = 1800;  // tenths of a millimetre

    void schrift(double hoehe, bool fett = false);
    // A paragraph, wrapped at the page's width.
    void text(const QString& text, const QColor& farbe = Qt::black);
    // Label and value side by side, the value from `links` on.
    void paar(const QString& name, const QString& wert, double links = 520);
    void abstand(double einheiten) { m_y += einheiten; }
    void linie();
    // A table with a heading row; the first column `ersteBreite` wide, the others share the rest.
    void tabelle(const QStringList& kopf, const QList<QStringList>& zeilen, double ersteBreite);
    // A picture painted at its logical size `groesse`, scaled to the page's width and `hoehe`.
    void bild(QSize groesse, double hoehe, const std::function<void(QPainter&, QSize)>& malen);
    double y() const { return m_y; }

private:
    QPainter& m_maler;
    double m_y = 0;
    double m_hoehe = 35;
};

}  // namespace evaluation
