// SPDX-License-Identifier: GPL-3.0-or-later
// The batch run as the window DATEI drives it: the warnings and the questions before a file is
// replaced, the run itself in a worker thread with its progress dialog, and afterwards the
// result file and the evaluation of the run.
#include "datei_fenster.h"

#include "ausgabeplan.h"
#include "auswertung_fenster.h"
#include "ergebnisdatei.h"
#include "jahresauswertung.h"
#include "letzter_lauf.h"
#include "stapellauf.h"
#include "vorschau.h"

#include "dienste.h"
#include "hauptfenster.h"
#include "programm.h"
#include "zahlen.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

using namespace model;
using namespace gui;
using namespace evaluation;

namespace batch {

namespace {

// The window's answers: a question before a file is replaced, and the save dialog that
// moves the existing file to another name.
class Fensterrueckfragen : public Rueckfragen {
public:
    Fensterrueckfragen(Dienste& dienste, QWidget* eltern) : m_dienste(dienste), m_eltern(eltern) {}

    bool ueberschreiben(const QString& pfad) override
    {
        m_gefragt = pfad;
        return m_dienste.frage(m_eltern, Symbol::Warnung, UeberschreibenTitel(),
                               UeberschreibenFrage(QDir::toNativeSeparators(pfad)), false);
    }
    std::optional<QString> sicherungsname() override
    {
        Dateidialog dialog;
        dialog.titel = QStringLiteral("Vorhandene Datei sichern unter");
        dialog.filter = QStringLiteral("Sicherungen (*.bak)|*.bak|Alle Dateien (*.*)|*.*");
        dialog.filterIndex = 1;
        dialog.dateiname = FreierName(m_gefragt, {}, QStringLiteral("BAK"));
        std::optional<QString> name = m_dienste.dateiSpeichern(m_eltern, dialog);
        if (name && name->isEmpty())
            return std::nullopt;
        return name;
    }
    void existiertBereits(const QString&) override
    {
        m_dienste.meldung(m_eltern, Symbol::Warnung, QStringLiteral("Warnung"), ExistiertBereitsMeldung());
    }
    void istDatendatei(const QString& pfad) override
    {
        m_dienste.meldung(m_eltern, Symbol::Warnung, QStringLiteral("Warnung"),
                          QStringLiteral("%1\nist die Datendatei, die gerade ausgewertet wird.\n"
                                         "Bitte einen anderen Dateinamen eingeben.")
                              .arg(QDir::toNativeSeparators(pfad)));
    }

private:
    Dienste& m_dienste;
    QWidget* m_eltern;
    QString m_gefragt;  // the existing file last asked about: the backup dialog names it
};

}  // namespace

Stapeleinstellungen DATEI::einstellungen(const nutzen& fenster) const
{
    const Raumklima& k = programm::Raumklima;
    Stapeleinstellungen e;
    e.zuordnung = m_zuordnung;
    e.Ti = k.Ti;
    e.Ts = k.Ts;
    e.v_Luft = k.v_Luft;
    e.phi = k.phi;
    e.nutzungsart = fenster.art();
    e.bereiche = fenster.bereiche();
    e.dezimaltrenner = dezimaltrenner();
    e.gehaltenPMV = programm::PmvErgebnis.PMV;
    e.gehaltenPPD = programm::PmvErgebnis.PPD;
    e.verfahren = programm::Verfahren;
    e.format = m_format;
    return e;
}

// Before the run: what in the file or the ranges would make the result silently wrong. Ja runs,
// Nein goes back to nutzen.
bool DATEI::vorwarnungenBestaetigt(nutzen& fenster, const Stapeleinstellungen& e)
{
    const QStringList warnungen = Vorwarnungen(*m_befund, e);
    return warnungen.isEmpty()
           || m_dienste.frage(&fenster, Symbol::Warnung, QStringLiteral("Warnung"), VorwarnungFrage(warnungen), false);
}

nutzen::Ausgang DATEI::stapelStarten(nutzen& fenster)
{
    const Stapeleinstellungen e = einstellungen(fenster);
    if (!befundAbwarten(&fenster) || !lesbar(&fenster) || !vorwarnungenBestaetigt(fenster, e))
        return nutzen::Ausgang::Offen;
    m_schritt = 5;
    if (m_datei)
        m_datei->close();
    Fensterrueckfragen rueckfragen(m_dienste, &fenster);
    const std::optional<Dateiplan> plan = AusgabePlanen(m_datendatei, rueckfragen);
    if (!plan) {
        m_schritt = 4;
        return nutzen::Ausgang::Abgebrochen;
    }
    Fortschrittsstand stand;
    evaluation::Auswertungslauf lauf;
    const Stapelergebnis& ergebnis = lauf.ergebnis;
    const Fortschrittstexte texte{QStringLiteral("Datendatei auswerten"), QStringLiteral("%1 Datenzeilen ausgewertet"),
                                  QStringLiteral("%1 von %2 Datenzeilen ausgewertet")};
    imHintergrund(
        &fenster,
        [&] { lauf = StapellaufAuswerten(*plan, e, [&stand](int64_t a, int64_t g) { return stand.melden(a, g); }); },
        stand, texte, m_befund->datenzeilen, m_fortschrittNach);
    if (ergebnis.abgebrochen) {  // every file as before; nutzen stays open
        m_schritt = 4;
        return nutzen::Ausgang::Offen;
    }
    if (!ergebnis.erfolgreich) {
        fenster.unsetCursor();
        m_dienste.meldung(&fenster, Symbol::Warnung, QStringLiteral("Warnung"), ergebnis.fehlermeldung);
        m_schritt = 4;
        return nutzen::Ausgang::Offen;
    }
    fenster.laengenZeigen(ergebnis.laengen);
    m_ausgabe = plan->ausgabe;
    m_rechenfehler = ergebnis.rechenfehler;
    m_letzter.setzen(JahresauswertungAus(*plan, e, lauf));
    return nutzen::Ausgang::Fertig;
}

// After a run the window shows the result file: its caption, its first data lines and, from
// its assignment line, the codes of its columns. A further run evaluates this file.
void DATEI::ergebnisZeigen()
{
    m_schritt = 1;
    const QString meldung = FertigMeldung(QDir::toNativeSeparators(m_ausgabe), m_rechenfehler);
    m_datendatei = m_ausgabe;
    setWindowTitle(QDir::toNativeSeparators(m_datendatei));
    m_zuordnung.fill(kUnbenutzt);
    QFile ergebnis(m_ausgabe);
    m_vorschau.fill(0.0f);
    if (ergebnis.open(QIODevice::ReadOnly))
        VorschauLesen(ergebnis, m_vorschau, m_zuordnung);
    ergebnis.close();
    m_imSpeicher.reset();
    pruefenStarten();
    m_dienste.meldung(this, Symbol::Information, anwendungsTitel(), meldung);
    spaltenseite();
    {
        const QSignalBlocker still(ui.sp_scroll);
        ui.sp_scroll->setValue(1);
    }
    spaltenZeigen(1, true);
    ui.letzteAuswertung->setEnabled(true);
    auswertungZeigen();
}

// The evaluation window beside DATEI, which stays usable; a newer run replaces it, and it
// closes with DATEI. The main window shows the same evaluation again later.
void DATEI::auswertungZeigen()
{
    if (!m_letzter.vorhanden())
        return;
    if (m_auswertungsfenster)
        m_auswertungsfenster->close();
    m_auswertungsfenster = new Auswertungsfenster(m_dienste, m_letzter.auswertung(), this);
    m_auswertungsfenster->setAttribute(Qt::WA_DeleteOnClose);
    m_auswertungsfenster->show();
}

// The constants page writes v_Luft and phi; the main window's bars and labels follow them.
void DATEI::hauptfensterAngleichen()
{
    const Raumklima& k = programm::Raumklima;
    if (k.v_Luft == m_vLuftAnfang && k.phi == m_phiAnfang)
        return;
    m_haupt.uebernehmen(k);
}

}  // namespace batch
