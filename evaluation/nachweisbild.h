// SPDX-License-Identifier: GPL-3.0-or-later
// The three pictures of the long-term proof: the year's carpet of the operative temperature
// (unoccupied hours grey), the overheating degree-hours of every month against the year's
// limit, and the adaptive chart (running mean outdoor temperature across, operative
// temperature upwards, the category bands, every occupied hour a point). Each paints into a
// rectangle of any size: texts keep their pixel sizes and the plots take the rest, so the
// window, the PNG, the SVG, the printer and the PDF show the same picture.
#pragma once

#include "nachweis.h"

#include <QByteArray>
#include <QSize>
#include <QString>

class QPainter;

namespace evaluation {

enum class Nachweisbild { Teppich, Gradstunden, Adaptiv };
inline constexpr Nachweisbild kNachweisbilder[] = {Nachweisbild::Teppich, Nachweisbild::Gradstunden,
                                                   Nachweisbild::Adaptiv};

// The size of the files and the least size the window paints at (below it, it scales down).
inline constexpr QSize kNachweisbildGroesse(1600, 900);
inline constexpr QSize kNachweisbildMindestens(960, 480);

QString NachweisbildTitel(Nachweisbild bild);
// "teppich", "gradstunden", "adaptiv": the part of a file name that tells the pictures apart.
QString NachweisbildKurzname(Nachweisbild bild);

// Paints `bild` into the rectangle (0, 0, groesse) of `maler`, white behind.
void NachweisbildMalen(QPainter& maler, QSize groesse, const Nachweis& nachweis,
                       const Nachweiseinstellungen& einstellungen, Nachweisbild bild);

// The picture at kNachweisbildGroesse as SVG or PNG.
QByteArray NachweisbildDaten(const Nachweis& nachweis, const Nachweiseinstellungen& einstellungen, Nachweisbild bild,
                             bool alsSvg);
// As SVG when `pfad` ends in .svg (any case), else as PNG; the file appears complete or not at all.
bool NachweisbildSchreiben(const Nachweis& nachweis, const Nachweiseinstellungen& einstellungen, Nachweisbild bild,
                           const QString& pfad, QString* grund = nullptr);

}  // namespace evaluation
