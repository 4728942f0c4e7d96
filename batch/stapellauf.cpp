// SPDX-License-Identifier: GPL-3.0-or-later
#include "stapellauf.h"

#include "aufraeumen.h"
#include "datendatei.h"
#include "ergebnisdatei.h"
#include "feldleser.h"
#include "zeilenleser.h"
#include "zieldatei.h"

#include "pmv.h"
#include "zahlen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

using namespace model;

namespace batch {

namespace {

constexpr std::size_t kSchreibpuffer = 64 * 1024;

QString nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

const QString kNichtsVeraendert = QStringLiteral("\n\nIhre Dateien sind unverändert geblieben.");

// Collects the result text and hands it to the file in large pieces; remembers the first
// failure with its error number.
class Ausgabe {
public:
    explicit Ausgabe(QIODevice& datei) : m_datei(datei) { m_text.reserve(kSchreibpuffer + 1024); }

    std::string& text() { return m_text; }
    void vielleichtLeeren()
    {
        if (m_text.size() >= kSchreibpuffer)
            leeren();
    }
    bool leeren()
    {
        if (m_fehlernummer == 0 && !m_text.empty()) {
            errno = 0;
            if (m_datei.write(m_text.data(), qint64(m_text.size())) != qint64(m_text.size()))
                m_fehlernummer = errno != 0 ? errno : EIO;
        }
        m_text.clear();
        return m_fehlernummer == 0;
    }
    int fehlernummer() const { return m_fehlernummer; }

private:
    QIODevice& m_datei;
    std::string m_text;
    int m_fehlernummer = 0;
};

// Evaluates data lines into result lines and keeps the figures of the summary.
class Auswerter {
public:
    Auswerter(const Stapeleinstellungen& e, const Stundenempfaenger& empfaenger) : m_e(e), m_empfaenger(empfaenger)
    {
        const QByteArray trenner = QString(e.dezimaltrenner).toUtf8();
        m_trenner.assign(trenner.constData(), std::size_t(trenner.size()));
        m_hatTs = e.hatSpalte(kTs);
        m_hatAussen = e.hatSpalte(kTaAussen);
        // The constants for the quantities without a column; W and v_rel play no part here.
        m_eingabe.ta = e.Ti;
        m_eingabe.tr = m_hatTs ? e.Ts : e.Ti;
        m_eingabe.phi = float(e.phi);
        m_eingabe.var = e.v_Luft;
        m_eingabe.eta = 0.0f;
        setzeBereich(e.bereiche[0]);
        m_pmv = e.gehaltenPMV;
        m_ppd = e.gehaltenPPD;
    }

    void setzeBereich(const Bereich& b)
    {
        m_eingabe.M = float(b.aktivitaet);
        m_eingabe.Icl = b.bekleidung;
        m_eingabe.fcl = Kleidungsflaechenfaktor(b.bekleidung);
    }

    void zeile(const Zeilenwerte& werte, std::string& aus)
    {
        aus += '\t';
        m_wert.stunde = std::numeric_limits<float>::quiet_NaN();
        for (int c = 0; c < kSpalten; ++c) {
            const float wert = werte[std::size_t(c)];
            switch (m_e.zuordnung[std::size_t(c)]) {
            case kJahresstunde:
                m_wert.stunde = wert;
                zahl(aus, wert, 0);
                break;
            case kTi:
                m_eingabe.ta = wert;
                if (!m_hatTs)
                    m_eingabe.tr = wert;
                zahl(aus, m_eingabe.ta, 1);
                break;
            case kTs:
                m_eingabe.tr = wert;
                zahl(aus, m_eingabe.tr, 1);
                break;
            case kVLuft:
                m_eingabe.var = std::fabs(wert);
                zahl(aus, m_eingabe.var, 1);
                break;
            case kFeuchte:
                m_eingabe.phi = wert;
                zahl(aus, m_eingabe.phi, 1);
                break;
            case kTaAussen:
                m_aussen = wert;
                zahl(aus, m_aussen, 1);
                break;
            default: continue;
            }
            aus += '\t';
        }
        PmvErgebnis ergebnis;
        const bool gerechnet = PmvBerechnen(m_eingabe, ergebnis, m_e.verfahren);
        if (gerechnet) {
            m_pmv = ergebnis.PMV;
            m_ppd = ergebnis.PPD;
        }
        zahl(aus, m_pmv, 1);
        aus += '\t';
        zahl(aus, m_ppd, 1);
        aus += "\r\n";
        ++m_datenzeilen;
        m_rechenfehler += !gerechnet;
        if (m_empfaenger) {
            m_wert.zeile = m_datenzeilen;
            m_wert.ta = m_eingabe.ta;
            m_wert.tr = m_eingabe.tr;
            m_wert.var = m_eingabe.var;
            m_wert.phi = m_eingabe.phi;
            m_wert.M = m_eingabe.M;
            m_wert.Icl = m_eingabe.Icl;
            if (m_hatAussen)
                m_wert.taAussen = m_aussen;
            m_wert.gerechnet = gerechnet;
            m_wert.pmv = m_pmv;
            m_wert.ppd = m_ppd;
            m_empfaenger(m_wert);
        }
    }

    int64_t datenzeilen() const { return m_datenzeilen; }
    int64_t rechenfehler() const { return m_rechenfehler; }

private:
    void zahl(std::string& aus, double wert, int stellen)
    {
        char puffer[kZahlPuffer];
        if (m_trenner.size() == 1) {
            aus.append(puffer, formatiereZahl(puffer, wert, stellen, m_trenner[0]));
            return;
        }
        // A separator of more than one UTF-8 byte replaces the point afterwards.
        const std::string_view text(puffer, formatiereZahl(puffer, wert, stellen, '.'));
        const std::size_t punkt = text.find('.');
        if (punkt == std::string_view::npos) {
            aus += text;
            return;
        }
        aus += text.substr(0, punkt);
        aus += m_trenner;
        aus += text.substr(punkt + 1);
    }

    const Stapeleinstellungen& m_e;
    std::string m_trenner;
    bool m_hatTs = false;
    bool m_hatAussen = false;
    PmvEingabe m_eingabe;
    float m_pmv = 0.0f;
    float m_ppd = 0.0f;
    float m_aussen = 0.0f;  // the line's outdoor temperature; the comfort model does not use it
    const Stundenempfaenger& m_empfaenger;
    Stundenwert m_wert;
    int64_t m_datenzeilen = 0;
    int64_t m_rechenfehler = 0;
};

struct Lauf {
    const Dateiplan& plan;
    const Stapeleinstellungen& e;
    const Fortschritt& fortschritt;
    const Stundenempfaenger& empfaenger;
    Stapelergebnis ergebnis;
    std::optional<QByteArray> inhalt;             // the data file when it is read from memory
    std::optional<Aufraeumposten> zwischendatei;  // a named temporary file of the result
    bool inGeraet = false;                        // the result goes straight into a device or FIFO

    // What a failure leaves: nothing changed, except what already went into a device or FIFO,
    // which no run can take back.
    QString unveraendert() const
    {
        return inGeraet ? QStringLiteral("\n\nIhre Dateien sind unverändert geblieben; in %1 (ein Gerät oder eine "
                                         "FIFO) kann aber schon ein Teil des Ergebnisses geschrieben sein.")
                              .arg(nativ(plan.ausgabe))
                        : kNichtsVeraendert;
    }

    QStringList zwischendateien() const
    {
        const QFileInfo ziel(plan.ausgabe);
        return ziel.absoluteDir().entryList({ziel.fileName() + QStringLiteral(".??????")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    }

    bool weiter(int64_t erledigt, int64_t gesamt)
    {
        if (!ergebnis.abgebrochen && fortschritt && !fortschritt(erledigt, gesamt))
            ergebnis.abgebrochen = true;
        return !ergebnis.abgebrochen;
    }

    bool fehler(const QString& text)
    {
        ergebnis.erfolgreich = false;
        ergebnis.fehlermeldung = text;
        return false;
    }

    std::unique_ptr<QIODevice> eingabeOeffnen()
    {
        std::unique_ptr<QIODevice> datei = DatendateiOeffnen(plan.eingabe, inhalt);
        if (datei->isOpen())
            return datei;
        const QFileInfo info(plan.eingabe);
        const int nummer = info.isDir() ? EISDIR : info.exists() ? EACCES : ENOENT;
        fehler(QStringLiteral("Die Datendatei\n%1\nkann nicht gelesen werden.\n%2")
                   .arg(nativ(plan.eingabe), FehlerGrund(nummer, datei->errorString()))
               + unveraendert());
        return nullptr;
    }

    bool lesefehler(const Zeilenleser& leser)
    {
        return fehler(Lesestoerungsmeldung(plan.eingabe, leser.stoerung(), leser.zeilennummer())
                      + QStringLiteral("\nDie Ergebnisdatei wurde nicht geschrieben.") + unveraendert());
    }

    // Pass 1 of the season-dependent run: the data lines of the input.
    bool zaehlen(int64_t& anzahl)
    {
        const std::unique_ptr<QIODevice> datei = eingabeOeffnen();
        if (!datei)
            return false;
        Zeilenleser leser(*datei);
        std::string_view zeile;
        anzahl = 0;
        for (int64_t zeilen = 1; leser.naechste(zeile); ++zeilen) {
            anzahl += !e.format.istKopf(zeilen) && ZeilenartVon(zeile) == Zeilenart::Daten;
            if (zeilen % (16 * kFortschrittAlle) == 0 && !weiter(0, -1))
                return false;
        }
        return leser.fehler() ? lesefehler(leser) : true;
    }

    // Reads and evaluates until `anzahl` data lines are done or the input ends.
    // With a real separator a line that cannot be read right stops the run (false).
    bool abschnitt(Zeilenleser& leser, Feldleser& felder, Auswerter& auswerter, Ausgabe& ausgabe, int64_t anzahl,
                   int64_t gesamt)
    {
        Zeilenwerte werte{};
        std::string_view zeile;
        const bool getrennt = e.format.getrennt();
        for (int64_t fertig = 0; fertig < anzahl && leser.naechste(zeile);) {
            bool gelesen = true;
            const Zeilenart art = getrennt ? felder.zerlegen(zeile, leser.zeilennummer(), werte, gelesen)
                                           : DatenzeileZerlegen(zeile, werte);
            if (!gelesen)
                return fehler(felder.fehler().text + QStringLiteral("\nDie Ergebnisdatei wurde nicht geschrieben.")
                              + unveraendert());
            if (art != Zeilenart::Daten)
                continue;
            auswerter.zeile(werte, ausgabe.text());
            ausgabe.vielleichtLeeren();
            ++fertig;
            const int64_t erledigt = auswerter.datenzeilen();
            if (erledigt % kFortschrittAlle == 0 && !weiter(erledigt, gesamt))
                return true;
        }
        return true;
    }

    bool schreibfehler(int nummer)
    {
        return fehler(QStringLiteral("Die Ergebnisdatei\n%1\nkonnte nicht vollständig geschrieben werden.\n%2")
                          .arg(nativ(plan.ausgabe), FehlerGrund(nummer))
                      + unveraendert());
    }

    // Pass 2: the whole result into the temporary file beside its target.
    bool schreiben(Zieldatei& ziel, const std::array<Bereich, kBereiche>& bereiche)
    {
        const QStringList vorher = zwischendateien();
        errno = 0;
        const bool offen = ziel.open();
        inGeraet = offen && ziel.direkt();
        // Where the file system has no unnamed temporary files (NFS, SMB, FAT), QSaveFile
        // writes a named one beside the result, "<name>.XXXXXX"; a signal must not leave it.
        for (const QString& neu : zwischendateien())
            if (offen && !ziel.direkt() && !vorher.contains(neu) && !zwischendatei)
                zwischendatei.emplace(QFileInfo(plan.ausgabe).absoluteDir().filePath(neu));
        if (!offen) {
            const int nummer = QFileInfo(plan.ausgabe).isDir() ? EISDIR : errno != 0 ? errno : EACCES;
            return fehler(QStringLiteral("Die Ergebnisdatei\n%1\nkann nicht angelegt werden.\n%2")
                              .arg(nativ(plan.ausgabe), FehlerGrund(nummer, ziel.errorString()))
                          + unveraendert());
        }
        const std::unique_ptr<QIODevice> datei = eingabeOeffnen();
        if (!datei)
            return false;
        Zeilenleser leser(*datei);
        Ausgabe ausgabe(ziel.geraet());
        const QByteArray kopf = Kopfzeilen(e);
        ausgabe.text().append(kopf.constData(), std::size_t(kopf.size()));

        Auswerter auswerter(e, empfaenger);
        Feldleser felder(e.format, Pflichtspalten(e.zuordnung));
        const int64_t gesamt = ergebnis.datenzeilenImEingang;
        if (e.nutzungsart == Nutzungsart::Jahreszeitunabhaengig) {
            if (!abschnitt(leser, felder, auswerter, ausgabe, std::numeric_limits<int64_t>::max(), gesamt))
                return false;
        } else {
            for (int k = 0; k < kBereiche && !ergebnis.abgebrochen; ++k) {
                auswerter.setzeBereich(bereiche[std::size_t(k)]);
                const double laenge = RundeGerade(Zahlwert(QStringView(ergebnis.laengen[std::size_t(k)])));
                if (!abschnitt(leser, felder, auswerter, ausgabe, laenge > 0 ? int64_t(laenge) : 0, gesamt))
                    return false;
            }
        }
        if (ergebnis.abgebrochen)
            return false;
        ergebnis.datenzeilen = auswerter.datenzeilen();
        ergebnis.rechenfehler = auswerter.rechenfehler();
        if (!ausgabe.leeren())
            return schreibfehler(ausgabe.fehlernummer());
        if (leser.fehler())
            return lesefehler(leser);
        return true;
    }

    // Puts the written result in place: first an existing file aside, then the old result
    // to its backup, then the new file to its name. Whatever fails, the steps before it are
    // undone, so the user's files are where they were.
    bool einsetzen(Zieldatei& ziel)
    {
        // The outputs once more, as they are now: a long run gives others time to act.
        if (const QString grund = AusgabenPruefen(plan); !grund.isEmpty())
            return fehler(grund + unveraendert());
        const bool beiseite = !plan.beiseiteVon.isEmpty();
        if (beiseite) {
            QFile von(plan.beiseiteVon);
            if (!von.rename(plan.beiseiteNach)) {
                const int nummer = !QFileInfo::exists(plan.beiseiteVon)                   ? ENOENT
                                   : QFileInfo::exists(plan.beiseiteNach)                 ? EEXIST
                                   : !QFileInfo(plan.beiseiteNach).absoluteDir().exists() ? ENOENT
                                                                                          : EACCES;
                return fehler(QStringLiteral("Die vorhandene Datei\n%1\nkann nicht in\n%2\numbenannt werden.\n%3")
                                  .arg(nativ(plan.beiseiteVon), nativ(plan.beiseiteNach),
                                       nummer == EEXIST ? QStringLiteral("Unter diesem Namen steht schon eine Datei.")
                                                        : FehlerGrund(nummer, von.errorString()))
                              + unveraendert());
            }
        }
        auto beiseiteZurueck = [&] {
            if (beiseite)
                QFile::rename(plan.beiseiteNach, plan.beiseiteVon);
        };

        const bool sichern = !plan.sicherung.isEmpty();
        if (sichern) {
            // The old result is the file the data file's links lead to (plan.ausgabe); moving the
            // link itself would keep a link as "backup" and write the new result through it.
            const int nummer = umbenennenErsetzend(plan.ausgabe, plan.sicherung);
            if (nummer != 0) {
                beiseiteZurueck();
                return fehler(QStringLiteral(
                                  "Die bisherige Ergebnisdatei\n%1\nkann nicht als Sicherung\n%2\nabgelegt werden.\n%3")
                                  .arg(nativ(plan.eingabe), nativ(plan.sicherung), FehlerGrund(nummer))
                              + unveraendert());
            }
        }

        errno = 0;
        if ((einsetzenStoeren && einsetzenStoeren()) || !ziel.commit()) {
            const int nummer = errno != 0 ? errno : EIO;
            if (sichern)
                umbenennenErsetzend(plan.sicherung, plan.ausgabe);
            beiseiteZurueck();
            return fehler(QStringLiteral("Die Ergebnisdatei\n%1\nkann nicht an ihren Platz gebracht werden.\n%2")
                              .arg(nativ(plan.ausgabe), FehlerGrund(nummer, ziel.errorString()))
                          + unveraendert());
        }
        return true;
    }

    // rename(2) replaces the target in one step; across file systems Qt copies instead.
    static int umbenennenErsetzend(const QString& von, const QString& nach)
    {
        if (std::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) == 0)
            return 0;
        const int nummer = errno;
        if (nummer != EXDEV)
            return nummer;
        if (QFileInfo(nach).isFile())
            QFile::remove(nach);
        return QFile::rename(von, nach) ? 0 : EXDEV;
    }

    bool ausfuehren()
    {
        // Every output against the data file and each other before anything is written; the
        // data file is never replaced, whatever links lead from an output's name to it.
        if (const QString grund = AusgabenPruefen(plan); !grund.isEmpty())
            return fehler(grund + unveraendert());
        // One run at a time per result: a lock file beside it, held until the result is in
        // place. Where no lock can be made (a folder without write permission), the run goes
        // on and fails with the real reason when it writes. A device written straight into
        // needs none (and /dev gets no lock file).
        const bool strom = ZielartVon(plan.ausgabe) == Zielart::Strom;
        QLockFile sperre(plan.ausgabe + QStringLiteral(".lock"));
        sperre.setStaleLockTime(0);
        const bool gesperrt = !strom && sperre.tryLock(0);
        if (!strom && !gesperrt && sperre.error() == QLockFile::LockFailedError)
            return fehler(QStringLiteral("Die Ergebnisdatei\n%1\nwird gerade von einem anderen Lauf geschrieben.\n"
                                         "Bitte warten Sie, bis er fertig ist.")
                              .arg(nativ(plan.ausgabe))
                          + unveraendert());
        std::optional<Aufraeumposten> sperrdatei;
        if (gesperrt)
            sperrdatei.emplace(plan.ausgabe + QStringLiteral(".lock"));
        if (plan.inhalt) {
            inhalt = plan.inhalt;
        } else {
            Dateninhalt vorbereitet = DatendateiVorbereiten(plan.eingabe);
            if (!vorbereitet.fehler.isEmpty())
                return fehler(vorbereitet.fehler + unveraendert());
            inhalt = std::move(vorbereitet.inhalt);
        }
        std::array<Bereich, kBereiche> bereiche = e.bereiche;
        if (e.nutzungsart == Nutzungsart::Jahreszeitabhaengig) {
            int64_t anzahl = 0;
            if (!zaehlen(anzahl))
                return false;
            ergebnis.datenzeilenImEingang = anzahl;
            ergebnis.laengen = LaengenAnpassen(e.bereiche, anzahl);
        } else {
            for (int k = 0; k < kBereiche; ++k)
                ergebnis.laengen[std::size_t(k)] = e.bereiche[std::size_t(k)].laenge;
        }
        Zieldatei ziel(plan.ausgabe);
        if (!schreiben(ziel, bereiche) || !einsetzen(ziel)) {
            ziel.cancelWriting();
            return false;
        }
        ergebnis.erfolgreich = true;
        return true;
    }
};

}  // namespace

std::function<bool()> einsetzenStoeren;

std::array<QString, kBereiche> LaengenAnpassen(const std::array<Bereich, kBereiche>& bereiche, int64_t datenzeilen)
{
    std::array<QString, kBereiche> laengen;
    double rest = double(datenzeilen);
    for (int k = 0; k < kBereiche; ++k) {
        const QString& text = bereiche[std::size_t(k)].laenge;
        const double n = Zahlwert(QStringView(text));
        if (rest >= 1 && n <= rest) {
            rest = RundeGerade(rest - n);
            laengen[std::size_t(k)] = text;
        } else {
            laengen[std::size_t(k)] = u' ' + QString::number(int64_t(rest));
            rest = 0;
        }
    }
    return laengen;
}

Stapelergebnis Stapellauf(const Dateiplan& plan, const Stapeleinstellungen& einstellungen,
                          const Fortschritt& fortschritt, const Stundenempfaenger& empfaenger)
{
    Lauf lauf{plan, einstellungen, fortschritt, empfaenger, {}, {}, {}};
    lauf.ausfuehren();
    return lauf.ergebnis;
}

}  // namespace batch
