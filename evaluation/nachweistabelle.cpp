// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweistabelle.h"

namespace evaluation {

std::vector<Vorgabe> NachweisVorgaben(const Stundenwerte&, const Nachweiseinstellungen&) { return {}; }

QByteArray NachweisCsv(const Nachweis&, const Stundenwerte&, const Nachweiseinstellungen&) { return {}; }

QByteArray StundenCsv(const Nachweis&, const Stundenwerte&, const Nachweiseinstellungen&) { return {}; }

bool NachweisCsvSchreiben(const QByteArray&, const QString&, QString*) { return false; }

}  // namespace evaluation
