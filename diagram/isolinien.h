// SPDX-License-Identifier: GPL-3.0-or-later
// Lines of constant PMV traced through the stored grid (marching squares): a line crosses a
// grid edge where the vote passes the level, at the point found by linear interpolation
// between the edge's two grid points. A square with a point without result is left out.
#pragma once

#include "raster.h"

#include <QPointF>

#include <vector>

namespace diagram {

// One line as a sequence of points in the values of the two quantities (x, y). A closed line
// ends at its first point.
using Linienzug = std::vector<QPointF>;

std::vector<Linienzug> isolinie(const Rasterwerte& raster, float stufe);

// The part of the grid where the vote is at least `stufe`, as polygons that together cover it
// without gaps: whole squares merged into rectangles along x, cut squares bounded by the very
// points isolinie() passes through. Filled as one path they give a region without seams.
std::vector<Linienzug> flaecheAbStufe(const Rasterwerte& raster, float stufe);

// Where a line crosses the horizontal y = wert, as x values in ascending order.
std::vector<double> schnittMitZeile(const std::vector<Linienzug>& linie, double wert);

}  // namespace diagram
