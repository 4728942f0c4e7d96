// SPDX-License-Identifier: GPL-3.0-or-later
#include "befehle.h"

namespace cli {

namespace {
std::vector<Befehl>& verzeichnis()
{
    static std::vector<Befehl> befehle;  // filled before main by static registration
    return befehle;
}
}  // namespace

bool registriereBefehl(const Befehl& befehl)
{
    verzeichnis().push_back(befehl);
    return true;
}

const std::vector<Befehl>& alleBefehle() { return verzeichnis(); }

}  // namespace cli
