// SPDX-License-Identifier: GPL-3.0-or-later
// One output file written whole, for every part of the program that writes one (the batch
// run's files, the annual evaluation's table and pictures, the diagram bitmap, the PDF report),
// and the German reason when that failed.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

namespace model {

// One sentence for the user; `systemtext` is used where no German wording is known.
QString FehlerGrund(int fehlernummer, const QString& systemtext = {});

// The file an output name stands for: a symbolic link (also a chain, also one whose target
// does not exist yet) is followed to its target, so that the new file replaces the target and
// the link keeps pointing at it. Any other name stays as it is.
QString Verweisziel(const QString& pfad);

// What a name stands for as an output, after following its links. A character device or FIFO
// (/dev/null, a pipe behind /dev/stdout) is written straight into: putting a new file in its
// place would destroy the node. Block devices and sockets are never written.
enum class Zielart { Frei, Datei, Ordner, Strom, Anderes };
Zielart ZielartVon(const QString& pfad);

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

}  // namespace model
