// SPDX-License-Identifier: GPL-3.0-or-later
// German reasons for failed file operations, from the system's error number.
#pragma once

#include <QByteArray>
#include <QString>

namespace batch {

// One sentence for the user; `systemtext` is used where no German wording is known.
QString FehlerGrund(int fehlernummer, const QString& systemtext = {});

// Writes `daten` to `pfad` through a temporary file that replaces it only when complete, so an
// existing file survives every failure. False, with the reason in `grund`, when that failed.
bool SicherSchreiben(const QString& pfad, const QByteArray& daten, QString* grund);

}  // namespace batch
