#include "empfindung.h"

#include <array>

std::optional<int> Empfindungsband(float pmv)
{
    if (!(pmv > -3.0f))
        return std::nullopt;
    static constexpr std::array<float, kEmpfindungsbaender> obergrenzen{-2.0f, -1.0f, -0.5f, 0.5f, 1.0f, 2.0f, 3.0f};
    for (int band = 0; band < kEmpfindungsbaender; ++band)
        if (pmv < obergrenzen[std::size_t(band)])
            return band;
    return std::nullopt;
}

QString Empfindungsname(int band)
{
    static const char16_t* const namen[kEmpfindungsbaender] = {u"kalt", u"kühl", u"etwas kühl", u"neutral",
                                                               u"etwas warm", u"warm", u"heiß"};
    return band >= 0 && band < kEmpfindungsbaender ? QString::fromUtf16(namen[band]) : QString();
}
