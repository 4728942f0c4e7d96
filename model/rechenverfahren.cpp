// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenverfahren.h"

namespace model {

const char* Verfahrensname(Rechenverfahren v)
{
    return v == Rechenverfahren::Iso7730 ? "ISO 7730:2005 (Anhang D)" : "klassisch (wie TEMPARA 1.3)";
}

const char* Verfahrenskurzname(Rechenverfahren v)
{
    return v == Rechenverfahren::Iso7730 ? "ISO 7730:2005" : "klassisch";
}

const char* Verfahrenswort(Rechenverfahren v) { return v == Rechenverfahren::Iso7730 ? "iso" : "klassisch"; }

std::optional<Rechenverfahren> VerfahrenAusWort(std::string_view wort)
{
    if (wort == "klassisch")
        return Rechenverfahren::Klassisch;
    if (wort == "iso")
        return Rechenverfahren::Iso7730;
    return std::nullopt;
}

}  // namespace model
