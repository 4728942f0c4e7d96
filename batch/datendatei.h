// SPDX-License-Identifier: GPL-3.0-or-later
// How a data file is read, decided once before any pass over it: the preview, the count and
// the run must all see the same bytes. A regular file in UTF-8 (or plain ASCII) is read where
// it lies. A pipe or FIFO gives its bytes only once, and a UTF-16 file with a byte-order mark
// ("Unicode-Text" of the spreadsheets) needs converting: both are read once into memory, as
// UTF-8. What cannot be read correctly is refused with the cause and how to save it properly.
#pragma once

#include "zeilenleser.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>
#include <optional>

namespace batch {

struct Dateninhalt {
    QString fehler;                    // German refusal; empty when the file can be read
    std::optional<QByteArray> inhalt;  // the UTF-8 text when it was read into memory
};

// Looks at `pfad` and reads it into memory where a second reading would fail or differ.
// A file that cannot be opened is no refusal here; opening it later names the cause.
Dateninhalt DatendateiVorbereiten(const QString& pfad);

// Opens the data file for one pass: the text in memory or the file itself.
std::unique_ptr<QIODevice> DatendateiOeffnen(const QString& pfad, const std::optional<QByteArray>& inhalt);

// The German message for a fault of the line reader in `pfad`.
QString Lesestoerungsmeldung(const QString& pfad, Lesestoerung stoerung, long long zeile);

}  // namespace batch
