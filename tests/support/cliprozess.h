// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli as a script starts it: one process runner for every command-line test.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/prctl.h>
#endif

struct CliAusgang {
    int status = -1;  // −1: did not start, was killed or did not end
    QByteArray aus, fehler;
    QString ausText() const { return QString::fromUtf8(aus); }
    QString fehlerText() const { return QString::fromUtf8(fehler); }
};

struct CliUmgebung {
    QString ordner = {};  // working folder; empty: the test's
    QString sprache = QStringLiteral("de_DE.UTF-8");
    QByteArray eingabe = {};          // standard input
    long dateigroesse = -1;           // RLIMIT_FSIZE in bytes; −1: none
    bool ohneRechte = false;          // root without its power over file permissions
    bool ausgabeGeschlossen = false;  // standard output closed
    QString ausgabeDatei = {};        // standard output into this file (e.g. /dev/full)
};

inline CliAusgang cliStarten(const QStringList& argumente, const CliUmgebung& u = {})
{
    QProcess prozess;
    if (!u.ordner.isEmpty())
        prozess.setWorkingDirectory(u.ordner);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("LC_ALL"), u.sprache);
    prozess.setProcessEnvironment(umgebung);
    if (!u.ausgabeDatei.isEmpty())
        prozess.setStandardOutputFile(u.ausgabeDatei, QIODevice::Append);
#ifdef Q_OS_UNIX
    prozess.setChildProcessModifier([u] {
        std::signal(SIGXFSZ, SIG_DFL);  // as a shell leaves it: the program must ignore it itself
        if (u.dateigroesse >= 0) {
            const rlimit grenze{rlim_t(u.dateigroesse), rlim_t(u.dateigroesse)};
            setrlimit(RLIMIT_FSIZE, &grenze);
        }
        if (u.ausgabeGeschlossen)
            ::close(STDOUT_FILENO);
        // Root keeps its files but loses the power to ignore their permissions, across the exec too.
        if (u.ohneRechte && getuid() == 0) {
#ifdef Q_OS_LINUX
            for (int faehigkeit : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
                if (prctl(PR_CAPBSET_DROP, faehigkeit, 0, 0, 0) != 0)
                    _exit(99);
#else
            _exit(99);
#endif
        }
    });
#endif
    prozess.start(QStringLiteral(TEMPARA_CLI), argumente);
    if (!u.eingabe.isEmpty())
        prozess.write(u.eingabe);
    prozess.closeWriteChannel();
    if (!prozess.waitForFinished(60000) || prozess.exitStatus() != QProcess::NormalExit)
        return {-1, prozess.readAllStandardOutput(), prozess.readAllStandardError()};
    return {prozess.exitCode(), prozess.readAllStandardOutput(), prozess.readAllStandardError()};
}

// The same with the arguments in one line, split at blanks; "~" is a blank within an argument.
inline CliAusgang cliStarten(const QString& zeile, const CliUmgebung& u = {})
{
    return cliStarten(zeile.split(u' ', Qt::SkipEmptyParts).replaceInStrings(QStringLiteral("~"), QStringLiteral(" ")),
                      u);
}

// Whether permissions can be made to bind root here (they always bind everybody else).
inline bool ohneRechteMoeglich()
{
    CliUmgebung u;
    u.ohneRechte = true;
    return cliStarten(QStringLiteral("--help"), u).status == 0;
}
