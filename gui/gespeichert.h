// SPDX-License-Identifier: GPL-3.0-or-later
// What the program remembers between sessions (the method of computation, the report's
// project, room and author): one settings file for every window.
#pragma once

#include <QSettings>

#include <memory>

namespace gui {

inline std::unique_ptr<QSettings> gespeichert()
{
    return std::make_unique<QSettings>(QStringLiteral("Tempara"), QStringLiteral("Tempara"));
}

}  // namespace gui
