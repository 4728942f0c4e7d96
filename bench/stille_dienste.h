// SPDX-License-Identifier: GPL-3.0-or-later
// Platform services that answer nothing, for benchmarks of windows.
#pragma once

#include "dienste.h"

#include <QApplication>

class StilleDienste : public gui::Dienste {
public:
    void meldung(QWidget*, gui::Symbol, const QString&, const QString&) override {}
    bool frage(QWidget*, gui::Symbol, const QString&, const QString&, bool) override { return false; }
    std::optional<QString> dateiOeffnen(QWidget*, const gui::Dateidialog&) override { return {}; }
    std::optional<QString> dateiSpeichern(QWidget*, const gui::Dateidialog&) override { return {}; }
    bool druckerEinrichten(QWidget*) override { return false; }
    bool bildDrucken(const QImage&, QPointF, QSizeF) override { return false; }
    gui::Druckausgang drucken(QWidget*, const gui::Druckauftrag&) override { return gui::Druckausgang::Abgebrochen; }
    void hilfeZeigen(QWidget*, const QString&, int, const QString&) override {}
};

// One offscreen application for every benchmark that needs fonts or windows; whichever
// benchmark runs first creates it.
inline QApplication& benchAnwendung()
{
    static int argc = 1;
    static char name[] = "tempara-bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}
