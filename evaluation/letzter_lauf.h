// SPDX-License-Identifier: GPL-3.0-or-later
// The annual evaluation of the last successful batch run, kept for the whole session in one
// place: DATEI puts each new one here, and both DATEI's "Letzte Auswertung..." and the main
// window's entry of the same name show it from here.
#pragma once

#include "jahresauswertung.h"

#include <optional>

namespace evaluation {

class LetzterLauf {
public:
    bool vorhanden() const { return m_auswertung.has_value(); }
    // Only while vorhanden().
    const Jahresauswertung& auswertung() const { return *m_auswertung; }
    void setzen(Jahresauswertung auswertung) { m_auswertung = std::move(auswertung); }

private:
    std::optional<Jahresauswertung> m_auswertung;
};

}  // namespace evaluation
