// SPDX-License-Identifier: GPL-3.0-or-later
#include "empfindung.h"

namespace model {

std::optional<int> Empfindungsband(float pmv)
{
    if (!(pmv > kEmpfindungen.front().untergrenze))
        return std::nullopt;
    for (int band = 0; band < kEmpfindungsbaender; ++band)
        if (pmv < kEmpfindungen[std::size_t(band)].obergrenze)
            return band;
    return std::nullopt;
}

QString Empfindungsname(int band)
{
    return band >= 0 && band < kEmpfindungsbaender ? QString::fromUtf16(kEmpfindungen[std::size_t(band)].name)
                                                   : QString();
}

QString Empfindungsgrenzen(int band, QChar dezimaltrenner)
{
    const Empfindung& e = kEmpfindungen[std::size_t(band)];
    const auto zahl = [dezimaltrenner](float wert) {
        return QString::number(double(wert)).replace(u'.', dezimaltrenner);
    };
    return zahl(e.untergrenze) + (band == 0 ? QStringLiteral(" < PMV < ") : QStringLiteral(" ≤ PMV < "))
           + zahl(e.obergrenze);
}

}  // namespace model
