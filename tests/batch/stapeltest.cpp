#include "stapeltest.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace stapeltest {

void schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size())
        qFatal("Testdatei %s kann nicht geschrieben werden", qPrintable(pfad));
}

QByteArray lies(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return QByteArray("<fehlt>");
    return datei.readAll();
}

QMap<QString, QByteArray> abbild(const QString& ordner)
{
    QMap<QString, QByteArray> dateien;
    QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        dateien.insert(pfad.mid(ordner.size() + 1), it.fileInfo().isDir() ? QByteArray("<Ordner>") : lies(pfad));
    }
    return dateien;
}

QByteArray stundenwerte(int anzahl, int ersteStunde)
{
    QByteArray text;
    for (int i = 0; i < anzahl; ++i) {
        const int stunde = ersteStunde + i;
        text += '\t' + QByteArray::number(stunde) + '\t' + QByteArray::number(20 + (stunde % 5)) + ",5\t"
                + QByteArray::number(19 + (stunde % 7)) + ",0\r\n";
    }
    return text;
}

stapel::Stapeleinstellungen einstellungenStundeTiTs(QChar trenner)
{
    stapel::Stapeleinstellungen e;
    e.zuordnung = {stapel::kJahresstunde, stapel::kTi, stapel::kTs};
    e.v_Luft = 0.1f;
    e.phi = 50;
    e.dezimaltrenner = trenner;
    for (auto& b : e.bereiche)
        b = stapel::BereichAus(QStringLiteral("0"), 70, 1.0f, trenner);
    return e;
}

std::optional<QString> imKindprozess(const Einschraenkung& einschraenkung, const std::function<QString()>& arbeit)
{
    int rohr[2];
    if (pipe(rohr) != 0)
        return std::nullopt;
    const pid_t kind = fork();
    if (kind < 0)
        return std::nullopt;
    if (kind == 0) {
        close(rohr[0]);
        if (einschraenkung.ohneRechte && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        if (einschraenkung.dateigroesse >= 0) {
            std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
            const rlimit grenze{rlim_t(einschraenkung.dateigroesse), rlim_t(einschraenkung.dateigroesse)};
            setrlimit(RLIMIT_FSIZE, &grenze);
        }
        const QByteArray text = arbeit().toUtf8();
        qsizetype geschrieben = 0;
        while (geschrieben < text.size()) {
            const ssize_t n = write(rohr[1], text.constData() + geschrieben, std::size_t(text.size() - geschrieben));
            if (n <= 0)
                break;
            geschrieben += n;
        }
        close(rohr[1]);
        _exit(0);
    }
    close(rohr[1]);
    QByteArray text;
    char puffer[4096];
    ssize_t n;
    while ((n = read(rohr[0], puffer, sizeof puffer)) > 0)
        text.append(puffer, n);
    close(rohr[0]);
    int status = 0;
    waitpid(kind, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return QString::fromUtf8(text);
}

void freigeben(const QString& ordner, bool schreibbar)
{
    QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ReadOther | QFileDevice::ExeOther
                                      | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                      | (schreibbar ? QFileDevice::WriteOther | QFileDevice::WriteGroup : QFileDevice::Permissions()));
    if (!schreibbar && geteuid() != 0)
        QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);
}

bool SkriptRueckfragen::ueberschreiben(const QString& pfad)
{
    protokoll << QStringLiteral("frage ") + QFileInfo(pfad).fileName();
    return jaNein.isEmpty() ? false : jaNein.takeFirst();
}

std::optional<QString> SkriptRueckfragen::sicherungsname()
{
    protokoll << QStringLiteral("dialog");
    return namen.isEmpty() ? std::nullopt : namen.takeFirst();
}

void SkriptRueckfragen::existiertBereits(const QString& pfad)
{
    protokoll << QStringLiteral("existiert ") + QFileInfo(pfad).fileName();
}

void SkriptRueckfragen::istDatendatei(const QString& pfad)
{
    protokoll << QStringLiteral("datendatei ") + QFileInfo(pfad).fileName();
}

}  // namespace stapeltest
