// SPDX-License-Identifier: GPL-3.0-or-later
// A large hourly data file for the batch benchmarks, written once per process into a temporary
// folder: hour of year, Ti and Ts with decimal commas, CR LF.
#pragma once

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

inline QString grosseDatendatei(const QString& name, long zeilen)
{
    static QTemporaryDir ordner;
    const QString pfad = ordner.filePath(name);
    if (!QFileInfo::exists(pfad)) {
        std::FILE* datei = std::fopen(QFile::encodeName(pfad).constData(), "wb");
        std::fputs("S 1 2 3\r\n", datei);
        for (long i = 0; i < zeilen; ++i)
            std::fprintf(datei, "\t%ld\t%ld,%ld\t%ld,5\r\n", i % 8760 + 1, 18 + i % 9, i % 10, 17 + i % 11);
        std::fclose(datei);
    }
    return pfad;
}
