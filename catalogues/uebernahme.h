// What a catalogue hands to the main window: the scroll positions of its input scroll bars
// for a value that need not lie on their grid, and the value label texts.
#pragma once

#include <QString>

#include <cstdint>

inline constexpr int kKleidungScrollEnde = 80;  // 4.00 clo, the end of Kleidung_Scroll
inline constexpr double kKleidungScrollMaxClo = 4.0;

// Energieumsatz_Scroll for a metabolic rate in W/m² (M / 5, to the nearest position).
int energieumsatzPosition(int16_t M);
// rel_Geschwindigkeit_Scroll for a relative velocity in m/s (v / 0.05, to the nearest position).
int geschwindigkeitPosition(float v_rel);
// Kleidung_Scroll for an insulation in clo (clo × 20, to the nearest position); above
// 4.0 clo the scroll bar stands at its end while Icl keeps the exact value.
int kleidungPosition(float clo);

// The main window's value label texts: "41 W/m²" and "2,55 clo" (locale's separator).
QString energieumsatzText(int16_t M);
QString kleidungText(float clo);
