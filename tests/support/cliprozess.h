// SPDX-License-Identifier: GPL-3.0-or-later
// tempara-cli as a script starts it: one process runner for every command-line test.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>
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
    bool ohneRechte = false;          // as user nobody when run as root
    bool ausgabeGeschlossen = false;  // standard output closed
    QString ausgabeDatei = {};        // standard output into this file (e.g. /dev/full)
};

namespace clitest {

inline constexpr int kNiemand = 65534;

// The program as user nobody can start it: a copy in a folder everyone may enter, since a
// build under /root (mode 700) is out of nobody's reach.
inline QString programmFuer(bool ohneRechte)
{
    const QString programm = QStringLiteral(TEMPARA_CLI);
#ifdef Q_OS_UNIX
    if (!ohneRechte || getuid() != 0)
        return programm;
    static QTemporaryDir ablage(QDir::tempPath() + QStringLiteral("/tempara-cli-XXXXXX"));
    const QString kopie = ablage.filePath(QStringLiteral("tempara-cli"));
    if (!QFile::exists(kopie)) {
        QFile::copy(programm, kopie);
        const auto alle = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                          | QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup
                          | QFileDevice::ExeGroup;
        QFile::setPermissions(kopie, alle);
        QFile::setPermissions(ablage.path(), alle);
    }
    return kopie;
#else
    return programm;
#endif
}

}  // namespace clitest

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
        // Root's supplementary groups go first, or nobody would keep them.
        if (u.ohneRechte && getuid() == 0
            && (setgroups(0, nullptr) != 0 || setgid(clitest::kNiemand) != 0 || setuid(clitest::kNiemand) != 0))
            _exit(99);
    });
#endif
    prozess.start(clitest::programmFuer(u.ohneRechte), argumente);
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

// Whether a process as nobody can be set up here (root, and the copy starts for nobody).
inline bool ohneRechteMoeglich()
{
#ifdef Q_OS_UNIX
    if (getuid() != 0)
        return false;
    CliUmgebung u;
    u.ordner = QDir::tempPath();
    u.ohneRechte = true;
    return cliStarten(QStringLiteral("--help"), u).status == 0;
#else
    return false;
#endif
}
