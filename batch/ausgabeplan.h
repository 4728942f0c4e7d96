// SPDX-License-Identifier: GPL-3.0-or-later
// Where a batch run reads and writes, settled before anything is touched: the result name,
// the question before an existing file is replaced, and the name an existing file is moved
// to instead. Nothing on disk changes here; the run carries the plan out only after the new
// result has been written completely.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace batch {

// One more file a run writes besides its result (the table, the picture, ...). Adding an
// output to a run is one such entry: it is then checked with all the others.
struct Ausgabeziel {
    QString was;            // "die Tabelle": how messages name it
    QString pfad;           // as given; written through its links
    bool ersetzen = false;  // an existing file may be replaced
    bool warFrei = false;   // nothing stood under the name when it was planned
};

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
    // The run's other outputs, written after the result (AusgabeHinzufuegen).
    std::vector<Ausgabeziel> weitere;
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

// Adds an output to the plan and notes whether its name is free now.
void AusgabeHinzufuegen(Dateiplan& plan, const QString& was, const QString& pfad, bool ersetzen);

// A name for a new file beside `datei`: its name without the extension, `zusatz`, a point and
// `endung` ("m.TPR", "_Auswertung", "csv": "m_Auswertung.csv"), numbered "_2", "_3", ... until
// no file has it. What save dialogs after a run propose: never a file the run owns.
QString FreierName(const QString& datei, const QString& zusatz, const QString& endung);

// The files a finished run owns; a name chosen later for another file must be none of them.
struct Laufdateien {
    QString datendatei, ergebnisdatei, sicherung, umbenannt;
};
// Empty when `gewaehlt` is none of the run's files (after following links), else the German
// reason which one it is.
QString LaufdateiPruefen(const QString& gewaehlt, const Laufdateien& lauf);

// Checks the outputs of a run against the data file and against each other, by the file a
// name leads to (device and inode where it exists), and each for itself: no folder, no device
// where a file is moved, nothing that appeared since planning, the other outputs writable.
// `nur`: just that output of plan.weitere, right before it is written (the result and its
// backup are then in place). Empty when all is well, else the German reason.
QString AusgabenPruefen(const Dateiplan& plan, const Ausgabeziel* nur = nullptr);

}  // namespace batch
