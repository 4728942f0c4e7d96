// SPDX-License-Identifier: GPL-3.0-or-later
// Files a run must not leave behind when it is stopped by SIGTERM or SIGINT (the lock file
// beside the result): registered while they exist; the handler removes them and then ends
// the process as the signal would have. SIGKILL leaves the lock, which the next run sees
// to be stale (its process is gone) and takes over.
#pragma once

#include <QString>

namespace batch {

// Installs the handler for SIGTERM, SIGINT and SIGHUP (POSIX only; elsewhere nothing).
void AufraeumenBeiSignalen();

// Registers `pfad` for removal on a signal for its own lifetime.
class Aufraeumposten {
public:
    explicit Aufraeumposten(const QString& pfad);
    ~Aufraeumposten();
    Aufraeumposten(const Aufraeumposten&) = delete;
    Aufraeumposten& operator=(const Aufraeumposten&) = delete;

private:
    int m_platz = -1;
};

}  // namespace batch
