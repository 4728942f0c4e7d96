// SPDX-License-Identifier: GPL-3.0-or-later
// What `tempara` answers before any window exists: "--help" and "--version" work without a
// screen, and without one the program says so in German instead of failing in Qt's platform
// plugin.
#pragma once

#include <optional>

namespace app {

// The exit status when the command line is answered here; nothing when the windows shall open.
std::optional<int> aufrufBeantworten(int argc, char** argv);

}  // namespace app
