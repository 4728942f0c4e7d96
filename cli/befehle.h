// The subcommands of tempara-cli. Each befehl_*.cpp registers itself with TEMPARA_BEFEHL;
// main.cpp dispatches on the first argument.
#pragma once

#include <vector>

struct Befehl {
    const char* name;       // "pmv", "stapel", "diagramm"
    const char* kurzhilfe;  // one German line for the overview of --help
    // argv[0] is the subcommand's name; returns the exit status (0, 1 failed, 2 wrong usage).
    int (*ausfuehren)(int argc, char** argv);
};

bool registriereBefehl(const Befehl& befehl);
const std::vector<Befehl>& alleBefehle();

#define TEMPARA_BEFEHL_VERKETTET(a, b) a##b
#define TEMPARA_BEFEHL_NAME(zeile) TEMPARA_BEFEHL_VERKETTET(befehlRegistriert_, zeile)
#define TEMPARA_BEFEHL(name, kurzhilfe, funktion) \
    static const bool TEMPARA_BEFEHL_NAME(__LINE__) = registriereBefehl(Befehl{name, kurzhilfe, funktion})
