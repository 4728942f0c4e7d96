// Tempara: the start-up window, then the main window until it is closed.
#include "hilfefenster.h"
#include "hpt.h"
#include "qtdienste.h"
#include "start.h"
#include "verbund.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char** argv)
{
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempara"));
    QApplication::setApplicationVersion(QStringLiteral("1.3"));
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
        verbindeFenster(*hauptfenster);
        hauptfenster->show();
    });
    start->show();
    return anwendung.exec();
}
