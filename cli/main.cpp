// tempara-cli: the computations of Tempara without windows, for scripts.
#include "befehle.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

void uebersicht(std::FILE* ziel)
{
    std::fprintf(ziel,
                 "Aufruf: tempara-cli BEFEHL [ARGUMENTE]\n"
                 "Thermische Behaglichkeit nach ISO 7730 ohne Fenster.\n\n"
                 "Befehle:\n");
    std::vector<Befehl> befehle = alleBefehle();
    std::sort(befehle.begin(), befehle.end(), [](const Befehl& a, const Befehl& b) { return std::strcmp(a.name, b.name) < 0; });
    for (const Befehl& b : befehle)
        std::fprintf(ziel, "  %-10s %s\n", b.name, b.kurzhilfe);
    std::fprintf(ziel, "\n\"tempara-cli BEFEHL --help\" erklärt einen Befehl.\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        uebersicht(stderr);
        return 2;
    }
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "hilfe")) {
        uebersicht(stdout);
        return 0;
    }
    for (const Befehl& b : alleBefehle())
        if (!std::strcmp(argv[1], b.name))
            return b.ausfuehren(argc - 1, argv + 1);
    std::fprintf(stderr, "tempara-cli: unbekannter Befehl \"%s\"\n\n", argv[1]);
    uebersicht(stderr);
    return 2;
}
