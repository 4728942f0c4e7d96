// SPDX-License-Identifier: GPL-3.0-or-later
// German reasons for failed file operations, from the system's error number.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

namespace batch {

// One sentence for the user; `systemtext` is used where no German wording is known.
QString FehlerGrund(int fehlernummer, const QString& systemtext = {});

// An output file written whole: a file through a temporary file beside it that takes its name
// only on commit(), so an existing file survives every failure; a character device or FIFO
// straight into it, since a file put in its place would destroy the node.
class Zieldatei {
public:
    explicit Zieldatei(const QString& pfad);
    bool direkt() const { return m_direkt; }
    bool open();
    QIODevice& geraet();
    bool commit();
    void cancelWriting();
    QString errorString() const;

private:
    bool m_direkt;
    QSaveFile m_ganz;
    QFile m_strom;
};

// Writes `daten` to `pfad` as a Zieldatei. False, with the reason in `grund`, when that failed.
bool SicherSchreiben(const QString& pfad, const QByteArray& daten, QString* grund);

}  // namespace batch
