// SPDX-License-Identifier: GPL-3.0-or-later
#include "zieldatei.h"

#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace model {

QString FehlerGrund(int fehlernummer, const QString& systemtext)
{
    switch (fehlernummer) {
    case ENOSPC: return QStringLiteral("Der Datenträger ist voll.");
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("Der zugeteilte Speicherplatz ist aufgebraucht.");
#endif
    case EFBIG: return QStringLiteral("Die Datei wird größer, als der Datenträger oder das System erlaubt.");
    case EACCES:
    case EPERM: return QStringLiteral("Es fehlt die Berechtigung dafür (schreibgeschützter Ordner oder Datei?).");
    case EROFS: return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT: return QStringLiteral("Die Datei oder ihr Ordner existiert nicht (mehr).");
    case ENOTDIR: return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR: return QStringLiteral("Unter diesem Namen steht ein Ordner.");
    case EXDEV: return QStringLiteral("Die Datei kann nicht auf einen anderen Datenträger verschoben werden.");
    case EIO: return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler.");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("Die Datei wird gerade benutzt.");
    case EBADF: return QStringLiteral("Die Ausgabe ist geschlossen.");
    case EPIPE: return QStringLiteral("Der Empfänger hat die Ausgabe geschlossen.");
    case ENAMETOOLONG: return QStringLiteral("Der Dateiname ist zu lang.");
    default: break;
    }
    if (!systemtext.isEmpty())
        return QStringLiteral("Das System meldet: ") + systemtext;
    return QStringLiteral("Die Ursache ist nicht bekannt.");
}

QString Verweisziel(const QString& pfad)
{
    QString ziel = pfad;
    for (int tiefe = 0; tiefe < 40 && QFileInfo(ziel).isSymLink(); ++tiefe)
        ziel = QFileInfo(ziel).symLinkTarget();
    return ziel;
}

Zielart ZielartVon(const QString& pfad)
{
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(pfad).constData(), &info) != 0)
        return Zielart::Frei;
    if (S_ISREG(info.st_mode))
        return Zielart::Datei;
    if (S_ISDIR(info.st_mode))
        return Zielart::Ordner;
    return S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode) ? Zielart::Strom : Zielart::Anderes;
#else
    const QFileInfo info(pfad);
    return !info.exists()  ? Zielart::Frei
           : info.isDir()  ? Zielart::Ordner
           : info.isFile() ? Zielart::Datei
                           : Zielart::Anderes;
#endif
}

Zieldatei::Zieldatei(const QString& pfad)
    : m_direkt(ZielartVon(pfad) == Zielart::Strom), m_ganz(Verweisziel(pfad)), m_strom(pfad)
{}

bool Zieldatei::open()
{
    return m_direkt ? m_strom.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                    : m_ganz.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

QIODevice& Zieldatei::geraet() { return m_direkt ? static_cast<QIODevice&>(m_strom) : m_ganz; }

bool Zieldatei::commit()
{
    if (!m_direkt)
        return m_ganz.commit();
    const bool gut = m_strom.error() == QFileDevice::NoError;
    m_strom.close();
    return gut;
}

void Zieldatei::cancelWriting()
{
    if (m_direkt)
        m_strom.close();
    else
        m_ganz.cancelWriting();
}

QString Zieldatei::errorString() const { return m_direkt ? m_strom.errorString() : m_ganz.errorString(); }

bool SicherSchreiben(const QString& pfad, const QByteArray& daten, QString* grund)
{
    Zieldatei datei(pfad);
    errno = 0;
    const bool gut = datei.open() && datei.geraet().write(daten) == daten.size() && datei.commit();
    // QSaveFile refuses a folder before the system is asked, so errno says nothing then.
    const int nummer = ZielartVon(pfad) == Zielart::Ordner ? EISDIR : errno != 0 ? errno : EIO;
    if (!gut) {
        if (grund)
            *grund = FehlerGrund(nummer, datei.errorString());
        datei.cancelWriting();
    }
    return gut;
}

}  // namespace model
