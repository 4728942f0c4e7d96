// Helpers of the batch tests: files in a scratch folder, a snapshot of a folder to prove that
// nothing was lost, and hourly data with fitting settings.
#pragma once

#include "einstellungen.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace stapeltest {

void schreibe(const QString& pfad, const QByteArray& inhalt);
QByteArray lies(const QString& pfad);

// Every file below `ordner` with its content (folders as "<Ordner>").
QMap<QString, QByteArray> abbild(const QString& ordner);

// Hourly lines "\t<Stunde>\t<Ti>\t<Ts>" with a decimal comma, CR LF.
QByteArray stundenwerte(int anzahl, int ersteStunde = 1);

// Settings for columns hour, Ti, Ts with the given separator, v_Luft 0.1 m/s and 50 %.
stapel::Stapeleinstellungen einstellungenStundeTiTs(QChar trenner = u',');

}  // namespace stapeltest
