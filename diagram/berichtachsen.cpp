// SPDX-License-Identifier: GPL-3.0-or-later
#include "berichtachsen.h"

#include <algorithm>
#include <cmath>

namespace diagram {

std::vector<double> Achsbereich::marken() const
{
    std::vector<double> m;
    if (!(schritt > 0) || !(bis > von))
        return m;
    // von is a whole multiple of the step: each tick as its own multiple, so that 0 is 0.
    const double erste = std::round(von / schritt);
    const int anzahl = int(std::floor((bis - von) / schritt + 1e-6));
    for (int k = 0; k <= anzahl && k <= 100; ++k)
        m.push_back((erste + k) * schritt);
    return m;
}

double glatterSchritt(double spanne, int teile)
{
    const double roh = spanne / teile;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (const double faktor : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (faktor * zehner >= roh * (1 - 1e-9))
            return faktor * zehner;
    return 10 * zehner;
}

Achsbereich berichtsachse(Bereichsart art, bool xAchse, const Bereich& b, const Rasterwerte& raster)
{
    const float max = xAchse ? b.Xmax : b.Ymax;
    if (art == Bereichsart::Fenster && std::isfinite(max) && max > 0)
        return {-0.3 * double(max), double(max), double(max) / 10.0};  // the window's tenths

    // The extent of the computed grid; without one, the checked range.
    const std::vector<float>& werte = xAchse ? raster.x : raster.y;
    double von = xAchse ? b.Xmin : b.Ymin, bis = max;
    if (!werte.empty()) {
        const auto [klein, gross] = std::minmax_element(werte.begin(), werte.end());
        von = *klein;
        bis = *gross;
    }
    if (von > bis)
        std::swap(von, bis);
    if (info(xAchse ? raster.xGroesse : raster.yGroesse).untergrenze >= 0)
        von = std::max(von, 0.0);
    if (!std::isfinite(von) || !std::isfinite(bis))
        return {};
    const double spanne = std::max(bis - von, std::max(std::fabs(bis), 1.0) * 1e-3);
    const double schritt = glatterSchritt(spanne, 8);
    Achsbereich a;
    a.schritt = schritt;
    a.von = std::floor(von / schritt + 1e-9) * schritt;
    a.bis = std::ceil(bis / schritt - 1e-9) * schritt;
    if (!(a.bis > a.von))
        a.bis = a.von + schritt;
    return a;
}

QString markenText(double wert)
{
    // Rounded to float first, so that 3 × 0.1 reads "0,3".
    QString text = bereichsText(float(wert));
    if (text == QStringLiteral("-0"))
        text = QStringLiteral("0");
    text.replace(u'-', QChar(0x2212));
    return text;
}

}  // namespace diagram
