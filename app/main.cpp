// SPDX-License-Identifier: GPL-3.0-or-later
// Tempara: the start-up window, then the main window until it is closed.
#include "aufruf.h"
#include "bewertung_fenster.h"
#include "dateioeffner.h"
#include "grafik_fenster.h"
#include "hilfe_fenster.h"
#include "hpt_fenster.h"
#include "kataloge.h"
#include "letzter_lauf.h"
#include "qtdienste.h"
#include "start_fenster.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

using namespace model;
using namespace gui;
using namespace app;
using namespace diagram;

namespace {

// Each subsystem's window library shows its window over the main window: modally, except the
// assessment, which follows the main window's inputs while both are open.
hpt::Fensteroeffner fensteroeffner()
{
    hpt::Fensteroeffner oeffner;
    oeffner.aktivitaet = catalogues::zeigeAktivitaet;
    oeffner.bekleidungsliste = catalogues::zeigeBekleidungsliste;
    oeffner.bekleidung = catalogues::zeigeBekleidung;
    oeffner.grafik = &Grafik::zeigen;
    oeffner.bewertung = [](Hauptfenster& h) { assessment::zeigeBewertung(h); };
    // The last batch run: DATEI keeps it, "Letzte Auswertung..." shows it.
    auto letzter = std::make_shared<evaluation::LetzterLauf>();
    oeffner.datei = [letzter](Hauptfenster& h, const QString& pfad) { batch::DateiFensterZeigen(h, pfad, *letzter); };
    oeffner.letzteAuswertung = [letzter](Hauptfenster& h) { batch::LetzteAuswertungZeigen(h, *letzter); };
    oeffner.letzteAuswertungDa = [letzter] { return letzter->vorhanden(); };
    return oeffner;
}

}  // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> status = aufrufBeantworten(argc, argv))
        return *status;
#ifdef Q_OS_UNIX
    // A FIFO chosen as an output whose reader goes away must end that save with a message, not
    // the program with the user's unsaved work: the write then fails with EPIPE instead.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempara"));
    QApplication::setApplicationVersion(kTemparaVersion);
    QApplication::setDesktopFileName(QStringLiteral("de.tempara.Tempara"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/de.tempara.Tempara.svg")));
    qtTexteDeutsch(anwendung);
    // The main window ends the program itself; the hand-over closes the start-up window first.
    QApplication::setQuitOnLastWindowClosed(false);

    QtDienste dienste;
    HilfeTaste hilfetaste(dienste);
    std::unique_ptr<hpt> hauptfenster;
    auto* start = new Start(nullptr, [&] {
        if (hauptfenster)
            return;
        hauptfenster = std::make_unique<hpt>(dienste);
        hauptfenster->setzeFensteroeffner(fensteroeffner());
        hauptfenster->show();
    });
    start->show();
    return anwendung.exec();
}
