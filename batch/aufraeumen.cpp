// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufraeumen.h"

#include <QFile>

#include <atomic>
#include <csignal>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace batch {

namespace {

constexpr int kPlaetze = 4;
constexpr std::size_t kPfadlaenge = 4096;
char g_pfade[kPlaetze][kPfadlaenge];
std::atomic<bool> g_belegt[kPlaetze];  // the place is taken
std::atomic<bool> g_bereit[kPlaetze];  // its path is complete

#ifdef Q_OS_UNIX
extern "C" void beiSignal(int signal)
{
    for (int i = 0; i < kPlaetze; ++i)
        if (g_bereit[i].load())
            ::unlink(g_pfade[i]);  // async-signal-safe
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

}  // namespace

void AufraeumenBeiSignalen()
{
#ifdef Q_OS_UNIX
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        std::signal(signal, beiSignal);
#endif
}

Aufraeumposten::Aufraeumposten(const QString& pfad)
{
    const QByteArray name = QFile::encodeName(pfad);
    if (std::size_t(name.size()) >= kPfadlaenge)
        return;
    for (int i = 0; i < kPlaetze; ++i) {
        bool belegt = false;
        if (g_belegt[i].compare_exchange_strong(belegt, true)) {
            std::memcpy(g_pfade[i], name.constData(), std::size_t(name.size()) + 1);
            g_bereit[i].store(true);
            m_platz = i;
            return;
        }
    }
}

Aufraeumposten::~Aufraeumposten()
{
    if (m_platz < 0)
        return;
    g_bereit[m_platz].store(false);
    g_belegt[m_platz].store(false);
}

}  // namespace batch
