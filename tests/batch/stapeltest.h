// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the batch tests: files in a scratch folder, a snapshot of a folder to prove that
// nothing was lost, and hourly data with fitting settings.
#pragma once

#include "einstellungen.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>

namespace stapeltest {

inline void schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size())
        qFatal("Testdatei %s kann nicht geschrieben werden", qPrintable(pfad));
}

inline QByteArray lies(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
}

// Everything below `ordner` as it is: files with their content, folders as "<Ordner>", links as
// "->ziel", FIFOs as "<FIFO>".
inline QMap<QString, QByteArray> abbild(const QString& ordner)
{
    QMap<QString, QByteArray> dateien;
    QDirIterator it(ordner, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        const QFileInfo info = it.fileInfo();
        dateien.insert(pfad.mid(ordner.size() + 1),
                       info.isSymLink()
                           ? "->" + QFile::encodeName(QDir(info.absolutePath()).relativeFilePath(info.symLinkTarget()))
                       : info.isDir()  ? QByteArray("<Ordner>")
                       : info.isFile() ? lies(pfad)
                                       : QByteArray("<FIFO>"));
    }
    return dateien;
}

// Hourly lines "\t<Stunde>\t<Ti>\t<Ts>" with a decimal comma, CR LF.
inline QByteArray stundenwerte(int anzahl, int ersteStunde = 1)
{
    QByteArray text;
    for (int stunde = ersteStunde; stunde < ersteStunde + anzahl; ++stunde)
        text += '\t' + QByteArray::number(stunde) + '\t' + QByteArray::number(20 + (stunde % 5)) + ",5\t"
                + QByteArray::number(19 + (stunde % 7)) + ",0\r\n";
    return text;
}

// Settings for columns hour, Ti, Ts with the given separator, v_Luft 0.1 m/s and 50 %.
inline batch::Stapeleinstellungen einstellungenStundeTiTs(QChar trenner = u',')
{
    batch::Stapeleinstellungen e;
    e.zuordnung = {batch::kJahresstunde, batch::kTi, batch::kTs};
    e.v_Luft = 0.1f;
    e.phi = 50;
    e.dezimaltrenner = trenner;
    for (auto& b : e.bereiche)
        b = batch::BereichAus(QStringLiteral("0"), 70, 1.0f, trenner);
    return e;
}

}  // namespace stapeltest
