// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufruf.h"

#include "version.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace app {

std::optional<int> aufrufBeantworten(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-V")) {
            std::printf("tempara %s\n", model::kTemparaVersion.data());
            return 0;
        }
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::printf("Aufruf: tempara [--help | --version]\n"
                        "Thermische Behaglichkeit in Räumen nach ISO 7730 (PMV und PPD), mit Fenstern.\n\n"
                        "  -h, --help     diese Übersicht\n"
                        "  -V, --version  die Versionsnummer\n\n"
                        "Das Programm braucht einen Bildschirm. Dieselben Rechnungen ohne Bildschirm:\n"
                        "\"tempara-cli --help\". Die Hilfe zur Bedienung öffnet im Programm F1.\n");
            return 0;
        }
    }
#ifdef Q_OS_LINUX
    // Without X11 or Wayland Qt's default platform stops the program with an abort and English
    // texts; a chosen platform (QT_QPA_PLATFORM, -platform) is left to Qt.
    const bool plattformGewaehlt =
        qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || std::find_if(argv + 1, argv + argc, [](const char* a) {
                                                            return !std::strcmp(a, "-platform");
                                                        }) != argv + argc;
    if (!plattformGewaehlt && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "tempara: Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n"
                             "Starten Sie Tempara in einer grafischen Sitzung, auf einem Rechner ohne Bildschirm\n"
                             "mit \"xvfb-run -a tempara\", oder rechnen Sie mit \"tempara-cli\".\n");
        return 1;
    }
#endif
    return std::nullopt;
}

}  // namespace app
