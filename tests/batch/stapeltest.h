// Helpers of the batch tests: files in a scratch folder, a snapshot of a folder to prove that
// nothing was lost, scripted answers for the output plan, and a child process that runs with
// less rights or a file-size limit.
#pragma once

#include "ausgabeplan.h"
#include "einstellungen.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace stapeltest {

void schreibe(const QString& pfad, const QByteArray& inhalt);
QByteArray lies(const QString& pfad);

// Every file below `ordner` with its content (folders as "<Ordner>").
QMap<QString, QByteArray> abbild(const QString& ordner);

// Hourly lines "\t<Stunde>\t<Ti>\t<Ts>" with a decimal comma, CR LF.
QByteArray stundenwerte(int anzahl, int ersteStunde = 1);

// Settings for columns hour, Ti, Ts with the given separator.
stapel::Stapeleinstellungen einstellungenStundeTiTs(QChar trenner = u',');

// What a child process may do: run as an unprivileged user (so that a folder without write
// permission holds even for root), and write at most `dateigroesse` bytes per file.
struct Einschraenkung {
    bool ohneRechte = false;
    long dateigroesse = -1;
};
// Runs `arbeit` in a child process and returns the text it produced. Empty optional when
// the child could not be started or died.
std::optional<QString> imKindprozess(const Einschraenkung& einschraenkung, const std::function<QString()>& arbeit);
// Makes a scratch folder readable (and optionally writable) for the unprivileged user.
void freigeben(const QString& ordner, bool schreibbar);

// Answers for AusgabePlanen, taken in order; records every call.
class SkriptRueckfragen : public stapel::Rueckfragen {
public:
    QList<bool> jaNein;
    QList<std::optional<QString>> namen;
    QStringList protokoll;

    bool ueberschreiben(const QString& pfad) override;
    std::optional<QString> sicherungsname() override;
    void existiertBereits(const QString& pfad) override;
    void istDatendatei(const QString& pfad) override;
};

}  // namespace stapeltest
