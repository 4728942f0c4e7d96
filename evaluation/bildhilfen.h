// SPDX-License-Identifier: GPL-3.0-or-later
// What every picture of the evaluation paints with: named fonts, the greys of frames and grid
// lines, legend entries and the step of an axis. Texts keep their pixel sizes whatever the
// picture's size, so that a picture drawn for a small window stays readable.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

namespace evaluation {

inline const QColor kSchwarz(0, 0, 0);
// Greys in multiples of 8, as the PNG's palette keeps them.
inline const QColor kRahmen(96, 96, 96);
inline const QColor kGitter(208, 208, 208);

// Named families rather than the desktop's font: the window and tempara-cli (without a
// desktop) must paint the same pixels.
QFont Bildschrift(int pixel, bool fett = false);

// A colour square with its text to the right; `breite` is the room for square and text.
void Legendeneintrag(QPainter& maler, int links, int oben, const QColor& farbe, const QString& text, int breite = 430);

// A step of 1, 2 or 5 times a power of ten that divides `hoechster` into at most `teile` parts.
double Teilung(double hoechster, int teile = 8);

// The months' names as a picture writes them under its months: all in full where each fits
// `breite` pixels in the painter's font, else all shortened to three letters.
QStringList Monatsnamen(const QPainter& maler, double breite);

using Malen = std::function<void(QPainter& maler)>;

// The picture painted into a white 96-dpi image of `groesse`, the grey edges of its text in
// steps of 8 (no eye tells them from 256, and the picture then mostly fits a palette).
QImage BildRaster(QSize groesse, const Malen& malen);
// As PNG, with a palette when the image has at most 256 colours: the same pixels, written in a
// third of the time.
QByteArray BildPng(const QImage& bild);
QByteArray BildSvg(QSize groesse, const QString& titel, const Malen& malen);
// Writes `daten` whole to `pfad`; empty data is a picture that could not be made.
bool BildSchreiben(const QString& pfad, const QByteArray& daten, QString* grund);

}  // namespace evaluation
