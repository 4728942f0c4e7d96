// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of a batch run, counted line by line while it writes: lines, failures, hours
// per sensation band and per category by PMV, for the whole run and per month of the year,
// and the band of every hour of the year for the carpet plot. Memory stays the same however
// long the file is.
#pragma once

#include "empfindung.h"
#include "monate.h"
#include "rechenverfahren.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace evaluation {

// The counts of one period.
struct Zaehlung {
    int64_t datenzeilen = 0;   // data lines written to the result
    int64_t rechenfehler = 0;  // of them: computation failed, values held; in no band or category
    std::array<int64_t, model::kEmpfindungsbaender> baender{};  // by Empfindungsband, "kalt" first
    int64_t ausserhalb = 0;                                     // PMV clipped to ±3, beyond the bands ("begrenzt")
    // Categories by the unrounded PMV, cumulative: A ⊂ B ⊂ C.
    int64_t kategorieA = 0;  // |PMV| < 0.2
    int64_t kategorieB = 0;  // |PMV| < 0.5
    int64_t kategorieC = 0;  // |PMV| < 0.7

    void zaehle(bool gerechnet, float pmv);
};

// What the cells and counts beyond the seven bands hold: the classic model clips PMV to ±3, the
// ISO method does not, so there they are every |PMV| of 3 and more.
QString BegrenztText(model::Rechenverfahren verfahren);

// What one hour of the carpet plot shows: a band 0 ("kalt") to 6 ("heiß") or one of these.
inline constexpr int8_t kZelleLeer = -1;  // no data line for this hour
inline constexpr int8_t kZelleBegrenzt = model::kEmpfindungsbaender;
inline constexpr int8_t kZelleFehler = model::kEmpfindungsbaender + 1;
int8_t Zellwert(bool gerechnet, float pmv);

// The figures of a whole run.
struct Auswertung : Zaehlung {
    // With an hour-of-year column the counts are split by month; hours outside 1 to 8784
    // count only in the total.
    bool nachMonaten = false;
    std::array<Zaehlung, batch::kAnzahlMonate> monate{};
    // Hours 1 to 8784 of the year (index 0 to 8783), by the hour column or, without one, by
    // line number. Empty when there is no carpet plot; `ohneTeppich` then says why.
    std::vector<int8_t> stunden;
    QString ohneTeppich;
};

// Counts the lines of a run in file order.
class Jahreszaehler {
public:
    explicit Jahreszaehler(bool hatStundenspalte);

    // One data line: whether its computation succeeded, the PMV written for it, and the value
    // of its hour column (ignored without one).
    void zaehle(bool gerechnet, float pmv, float stunde)
    {
        m_a.zaehle(gerechnet, pmv);
        if (m_a.nachMonaten)
            stundeZaehlen(gerechnet, pmv, stunde);
        else if (m_a.datenzeilen <= batch::kSchaltjahresstunden)
            m_a.stunden[std::size_t(m_a.datenzeilen - 1)] = Zellwert(gerechnet, pmv);
    }

    const Auswertung& auswertung() const { return m_a; }

    // The run's end; `datenzeilenDerDatei` decides whether lines can stand for hours.
    Auswertung abschliessen(int64_t datenzeilenDerDatei) &&;

private:
    void stundeZaehlen(bool gerechnet, float pmv, float stunde);

    Auswertung m_a;
};

}  // namespace evaluation
