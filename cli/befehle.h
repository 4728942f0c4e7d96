// SPDX-License-Identifier: GPL-3.0-or-later
// The subcommands of tempara-cli. Each befehl_*.cpp registers itself with TEMPARA_BEFEHL;
// main.cpp dispatches on the first argument.
#pragma once

#include "rechenverfahren.h"

#include <QGuiApplication>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct Befehl {
    const char* name;       // "pmv", "stapel", "diagramm"
    const char* kurzhilfe;  // one German line for the overview of --help
    // argv[0] is the subcommand's name; returns the exit status (0, 1 failed, 2 wrong usage).
    int (*ausfuehren)(int argc, char** argv);
};

bool registriereBefehl(const Befehl& befehl);
const std::vector<Befehl>& alleBefehle();

// The help lines of the eight values of one case, shared by the commands that take them
// (a macro, so that it joins the neighbouring string literals of a help text).
#define TEMPARA_ACHT_WERTE                                                                                             \
    "  TI      Raumlufttemperatur in °C\n"                                                                            \
    "  TS      mittlere Strahlungstemperatur in °C\n"                                                                 \
    "  V_LUFT  Luftgeschwindigkeit in m/s\n"                                                                           \
    "  PHI     relative Luftfeuchtigkeit in % (ganze Zahl)\n"                                                          \
    "  M       Energieumsatz in W/m² (ganze Zahl)\n"                                                                  \
    "  W       wirksame mechanische Leistung in % von M (ganze Zahl)\n"                                                \
    "  V_REL   relative Geschwindigkeit der Tätigkeit in ruhender Luft in m/s\n"                                      \
    "  ICL     Wärmedurchlasswiderstand der Kleidung in clo\n"

// The value of --verfahren (pmv, stapel, diagramm, bewertung): "klassisch" or "iso". For any
// other word nothing, with the German reason in `fehler`.
std::optional<model::Rechenverfahren> verfahrenLesen(std::string_view wert, std::string& fehler);

// Text in pictures and PDFs needs a font system, but never a screen: starts `anwendung` on the
// offscreen platform unless an application already runs, so the output has the same pixels with
// or without a display. Of Qt's own notes (runtime folder and the like) only critical ones reach
// stderr, under `befehl` ("tempara-cli stapel"), which must outlive the application.
void schriftenOhneBildschirm(std::optional<QGuiApplication>& anwendung, const char* befehl);

#define TEMPARA_BEFEHL_VERKETTET(a, b) a##b
#define TEMPARA_BEFEHL_NAME(zeile) TEMPARA_BEFEHL_VERKETTET(befehlRegistriert_, zeile)
#define TEMPARA_BEFEHL(name, kurzhilfe, funktion)                                                                      \
    static const bool TEMPARA_BEFEHL_NAME(__LINE__) = registriereBefehl(Befehl{name, kurzhilfe, funktion})

}  // namespace cli
