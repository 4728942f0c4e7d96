// SPDX-License-Identifier: GPL-3.0-or-later
// Where a batch run reads and writes, settled before anything is touched: the result name,
// the question before an existing file is replaced, and the name an existing file is moved
// to instead. Nothing on disk changes here; the run carries the plan out only after the new
// result has been written completely.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace batch {

struct Dateiplan {
    QString eingabe;  // the file that is read
    QString ausgabe;  // where the new result ends up (replacing a file there)
    // Non-empty for a result read again: the old result (eingabe == ausgabe) is kept under
    // this name, replacing a file there.
    QString sicherung;
    // Non-empty when an existing file is to be moved out of the way first.
    QString beiseiteVon;
    QString beiseiteNach;
    // The result and the backup name were free when the plan was made. A run that finds
    // such a name taken stops: another run came first, and its file stays.
    bool ausgabeWarFrei = false;
    bool sicherungWarFrei = false;
    // The data file as read once into memory (pipe, FIFO, UTF-16); empty: read the file.
    std::optional<QByteArray> inhalt;
};

// How the user answers (the window asks, the command line has its options).
class Rueckfragen {
public:
    virtual ~Rueckfragen() = default;
    // `pfad` exists: may it be replaced? No leads to sicherungsname().
    virtual bool ueberschreiben(const QString& pfad) = 0;
    // A new name for the existing file; nothing when the user cancels.
    virtual std::optional<QString> sicherungsname() = 0;
    // The chosen name exists too; it becomes the name asked about next.
    virtual void existiertBereits(const QString& pfad) = 0;
    // The chosen name is the data file itself, which the run must not replace.
    virtual void istDatendatei(const QString& pfad) = 0;
};

// The plan for `datendatei`, or nothing when the user cancelled.
std::optional<Dateiplan> AusgabePlanen(const QString& datendatei, Rueckfragen& rueckfragen);

// The plan of the command line's --ausgabe: read `datendatei`, write `ausgabe`.
Dateiplan PlanMitAusgabe(const QString& datendatei, const QString& ausgabe);

// True when both paths name the same existing file (the same device and inode on POSIX),
// whatever links lie between.
bool dieselbeDatei(const QString& a, const QString& b);

// The file a result name stands for: a symbolic link (also a chain, also one whose target
// does not exist yet) is followed to its target, so that the new result replaces the
// target and the link keeps pointing at it. Any other name stays as it is.
QString Verweisziel(const QString& pfad);

}  // namespace batch
