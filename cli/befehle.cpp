// SPDX-License-Identifier: GPL-3.0-or-later
#include "befehle.h"

#include "zahlen.h"

#include <cstdio>

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

std::optional<model::Rechenverfahren> verfahrenLesen(std::string_view wert, std::string& fehler)
{
    const std::optional<model::Rechenverfahren> verfahren = model::VerfahrenAusWort(wert);
    if (!verfahren)
        fehler = "--verfahren \"" + model::feldZitat(wert) + "\": erwartet klassisch oder iso";
    return verfahren;
}

namespace {
const char* befehlFuerMeldungen = "tempara-cli";
}

void schriftenOhneBildschirm(std::optional<QGuiApplication>& anwendung, const char* befehl)
{
    if (anwendung || QCoreApplication::instance())
        return;
    befehlFuerMeldungen = befehl;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
        if (art == QtCriticalMsg || art == QtFatalMsg)
            std::fprintf(stderr, "%s: %s\n", befehlFuerMeldungen, qPrintable(text));
    });
    static int qtArgc = 1;
    static char name[] = "tempara-cli";
    static char* qtArgv[] = {name, nullptr};
    anwendung.emplace(qtArgc, qtArgv);
}

}  // namespace cli
