// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli: the computations of Tempara without windows, for scripts.
#include "befehle.h"

#include "aufraeumen.h"
#include "version.h"
#include "zieldatei.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

using namespace cli;

namespace {

void uebersicht(std::FILE* ziel)
{
    std::fprintf(ziel, "Aufruf: tempara-cli BEFEHL [ARGUMENTE]\n"
                       "Thermische Behaglichkeit nach ISO 7730 ohne Fenster.\n\n"
                       "Befehle:\n");
    std::vector<Befehl> befehle = alleBefehle();
    std::sort(befehle.begin(), befehle.end(),
              [](const Befehl& a, const Befehl& b) { return std::strcmp(a.name, b.name) < 0; });
    for (const Befehl& b : befehle)
        std::fprintf(ziel, "  %-10s %s\n", b.name, b.kurzhilfe);
    std::fprintf(ziel, "\n\"tempara-cli BEFEHL --help\" erklärt einen Befehl, \"tempara-cli --version\" nennt die "
                       "Version.\n");
}

// Standard output that could not be written completely (a full device, a closed or broken
// pipe) is a failure: the caller must not take a cut result for the whole one.
int mitAusgabepruefung(int status)
{
    errno = 0;
    const bool fehler = std::fflush(stdout) != 0 || std::ferror(stdout);
    const int nummer = errno;
    if (std::fclose(stdout) == 0 && !fehler)
        return status;
    const QString grund = model::FehlerGrund(nummer != 0 ? nummer : errno);
    std::fprintf(stderr, "tempara-cli: Die Ausgabe konnte nicht vollständig geschrieben werden.\n%s\n",
                 grund.toUtf8().constData());
    return status == 0 ? 1 : status;
}

int ausfuehren(int argc, char** argv)
{
    if (argc < 2) {
        uebersicht(stderr);
        return 2;
    }
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "hilfe")) {
        uebersicht(stdout);
        return 0;
    }
    if (!std::strcmp(argv[1], "--version") || !std::strcmp(argv[1], "-V")) {
        std::printf("tempara-cli %s\n", model::kTemparaVersion.data());
        return 0;
    }
    for (const Befehl& b : alleBefehle())
        if (!std::strcmp(argv[1], b.name))
            return b.ausfuehren(argc - 1, argv + 1);
    std::fprintf(stderr, "tempara-cli: unbekannter Befehl \"%s\"\n\n", argv[1]);
    uebersicht(stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
#ifdef SIGXFSZ
    // Past a file-size limit a write then fails with EFBIG, and the run says so in German
    // instead of being killed without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    batch::AufraeumenBeiSignalen();
    return mitAusgabepruefung(ausfuehren(argc, argv));
}
