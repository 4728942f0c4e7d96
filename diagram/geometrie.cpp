// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometrie.h"

#include <cmath>

namespace diagram {

bool Geometrie::xMassstab() const { return std::isfinite(kx) && kx != 0.0f; }
bool Geometrie::yMassstab() const { return std::isfinite(ky) && ky != 0.0f; }

Geometrie geometrieAus(const Bereich& b)
{
    return {4100.0f / b.Xmax, 3100.0f / b.Ymax, b.Xmax / 100.0f, b.Ymax / 100.0f};
}

}  // namespace diagram
