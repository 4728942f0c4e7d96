// SPDX-License-Identifier: GPL-3.0-or-later
// DATEI's check of the data file: from opening on a worker thread counts its data lines and
// looks for a heading read as data and for semicolons, so that the pages can show the count
// and the run can warn before it starts. A large file keeps the window responsive meanwhile.
#include "datei_fenster.h"

#include "datendatei.h"

#include <QLabel>
#include <QThread>

namespace batch {

namespace {

QString datenzeilenText(int64_t anzahl)
{
    return anzahl == 0 ? QStringLiteral("Datenzeilen: keine") : QStringLiteral("Datenzeilen: %1").arg(anzahl);
}

}  // namespace

void DATEI::pruefenStarten()
{
    pruefenBeenden();
    m_befund.reset();
    m_pruefstand.abbrechen = false;
    m_pruefstand.melden(0, -1);
    ui.datenzeilen->setText(QStringLiteral("Datenzeilen: werden gezählt …"));
    m_pruefer.reset(QThread::create([this, pfad = m_datendatei, imSpeicher = m_imSpeicher, format = m_format] {
        const std::unique_ptr<QIODevice> datei = DatendateiOeffnen(pfad, imSpeicher);
        if (!datei->isOpen()) {
            m_pruefergebnis = Dateibefund{};
            m_pruefergebnis.lesefehler = true;
            return;
        }
        m_pruefergebnis = DateiPruefen(
            *datei, [this](int64_t zeilen) { return m_pruefstand.melden(zeilen, -1); }, format);
    }));
    connect(m_pruefer.get(), &QThread::finished, this, &DATEI::geprueft);
    m_pruefer->start();
}

// Stops a check still running; the window then closes or checks another file.
void DATEI::pruefenBeenden()
{
    if (!m_pruefer)
        return;
    m_pruefer->disconnect(this);
    m_pruefstand.abbrechen = true;
    m_pruefer->wait();
    m_pruefer.reset();
}

void DATEI::geprueft()
{
    if (!m_pruefer || !m_pruefer->isFinished() || m_befund)
        return;
    m_pruefer->wait();
    if (m_pruefergebnis.abgebrochen) {
        ui.datenzeilen->setText(QStringLiteral("Datenzeilen: nicht gezählt"));
        return;
    }
    m_befund = m_pruefergebnis;
    // Counting stops at a line that cannot be read; the count would be too small.
    ui.datenzeilen->setText(m_befund->lesefehler ? QStringLiteral("Datenzeilen: Datei nicht lesbar")
                            : m_befund->formatfehler.zeile > 0
                                ? QStringLiteral("Datenzeilen: Zeile %1 nicht lesbar").arg(m_befund->formatfehler.zeile)
                                : datenzeilenText(m_befund->datenzeilen));
    if (m_nutzen)
        m_nutzen->setzeDatenzeilen(m_befund->datenzeilen);
}

// The run needs the check: it waits for one still running (with the progress dialog when that
// takes long) and starts it again when it was cancelled. False when the user cancels.
bool DATEI::befundAbwarten(QWidget* eltern)
{
    if (m_pruefer && m_pruefer->isFinished())
        geprueft();  // its signal may still be on its way
    if (m_befund)
        return true;
    if (!m_pruefer || m_pruefer->isFinished())
        pruefenStarten();
    const Fortschrittstexte texte{QStringLiteral("Datendatei prüfen"), QStringLiteral("%1 Zeilen gelesen"),
                                  QStringLiteral("%1 von %2 Zeilen gelesen")};
    abwarten(eltern, *m_pruefer, m_pruefstand, texte, -1, m_fortschrittNach);
    m_pruefer->wait();
    geprueft();
    return m_befund.has_value();
}

}  // namespace batch
