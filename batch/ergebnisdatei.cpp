// SPDX-License-Identifier: GPL-3.0-or-later
#include "ergebnisdatei.h"

#include "version.h"
#include "zahlen.h"

#include <algorithm>

using namespace model;

namespace batch {

namespace {

const QString kZeilenende = QStringLiteral("\r\n");

// The title of a column in the title line, six characters wide.
QString Spaltentitel(int code)
{
    switch (code) {
    case kJahresstunde: return QStringLiteral("Stunde");
    case kTi: return QStringLiteral("TLI   ");
    case kTs: return QStringLiteral("TU    ");
    case kVLuft: return QStringLiteral("VGES  ");
    case kFeuchte: return QStringLiteral("PHI   ");
    case kTaAussen: return QStringLiteral("TAUSS ");
    default: return {};
    }
}

bool istEingabespalte(int code) { return (code >= kJahresstunde && code <= kFeuchte) || code == kTaAussen; }

// Blanks up to `spalte` characters; a line that already reaches it stays as it is.
void fuelleBis(QString& zeile, qsizetype spalte)
{
    if (zeile.size() < spalte)
        zeile.append(QString(spalte - zeile.size(), u' '));
}

void konstanten(QString& kopf, const Stapeleinstellungen& e)
{
    const QChar t = e.dezimaltrenner;
    if (!e.hatSpalte(kTi))
        kopf += QStringLiteral("C  Raumlufttemperatur   = ") + formatiereZahl(e.Ti, 1, t) + QStringLiteral(" °C")
                + kZeilenende;
    if (!e.hatSpalte(kTs))
        kopf += QStringLiteral("C  Strahlungstemperatur = Raumlufttemperatur") + kZeilenende;
    if (!e.hatSpalte(kVLuft))
        kopf += QStringLiteral("C  Luftgeschwindigkeit  = ") + formatiereZahl(e.v_Luft, 1, t) + QStringLiteral(" m/s")
                + kZeilenende;
    if (!e.hatSpalte(kFeuchte))
        kopf += QStringLiteral("C  relative Luftfeuchte = ") + formatiereZahl(e.phi, 1, t) + QStringLiteral(" %")
                + kZeilenende;
}

void nutzung(QString& kopf, const Stapeleinstellungen& e)
{
    if (e.nutzungsart == Nutzungsart::Jahreszeitabhaengig) {
        kopf += QStringLiteral("C") + kZeilenende;
        kopf += QStringLiteral("C  Datenzeilen       Aktivität           Bekleidung") + kZeilenende;
        for (const Bereich& b : e.bereiche) {
            if (!(Zahlwert(QStringView(b.laenge)) > 0))
                continue;
            QString zeile = QStringLiteral("C  ") + b.laenge;
            fuelleBis(zeile, 21);
            zeile += b.aktivitaetText;
            fuelleBis(zeile, 41);
            kopf += zeile + b.bekleidungText + kZeilenende;
        }
        return;
    }
    const Bereich& b = e.bereiche[0];
    kopf += QStringLiteral("C  Aktivität            = ") + formatiereZahl(b.aktivitaet, 0, e.dezimaltrenner)
            + QStringLiteral(" W/m²") + kZeilenende;
    kopf += QStringLiteral("C  Bekleidung           = ") + formatiereZahl(b.bekleidung, 2, e.dezimaltrenner)
            + QStringLiteral(" clo") + kZeilenende;
}

void spalten(QString& kopf, const Stapeleinstellungen& e)
{
    QString zuordnung = QStringLiteral("S ");
    QString titel = QStringLiteral("C\t");
    QString namen = QStringLiteral("C\t");  // the data file's own headings, under the titles
    const Dateiformat& f = e.format;
    for (int c = 0; c < kSpalten; ++c) {
        const int16_t code = e.zuordnung[std::size_t(c)];
        if (!istEingabespalte(code))
            continue;
        zuordnung += QString::number(code) + u' ';
        titel += Spaltentitel(code) + u'\t';
        namen += f.namen.value(f.feld[std::size_t(c)]);
        if (f.feld[std::size_t(c)] == f.zeitspalte && f.uhrzeitspalte >= 0)
            namen += QStringLiteral(" + ") + f.namen.value(f.uhrzeitspalte);
        namen += u'\t';
    }
    kopf += zuordnung + QStringLiteral("6 7") + kZeilenende;
    kopf += QStringLiteral("C ") + kZeilenende;
    kopf += titel + QStringLiteral("PMV\tPPD") + kZeilenende;
    if (!f.namen.isEmpty())
        kopf += namen + QStringLiteral("PMV\tPPD") + kZeilenende;
}

}  // namespace

namespace {
// Where the file name starts: the name alone decides, never a point or "TPR" of a folder.
qsizetype namensanfang(const QString& pfad)
{
    qsizetype anfang = pfad.lastIndexOf(u'/') + 1;
#ifdef Q_OS_WIN
    anfang = std::max(anfang, pfad.lastIndexOf(u'\\') + 1);
#endif
    return anfang;
}
}  // namespace

bool ErgebnisAlsEingabe(const QString& datendatei)
{
    const QStringView name = QStringView(datendatei).sliced(namensanfang(datendatei));
    return name.size() > 3 && name.right(3).compare(u"TPR", Qt::CaseInsensitive) == 0;
}

QString Ergebnisdateiname(const QString& datendatei, bool alsEingabe)
{
    const qsizetype anfang = namensanfang(datendatei);
    const qsizetype ende = std::max(anfang, datendatei.size() - 4);
    const qsizetype punkt = datendatei.indexOf(u'.', ende);
    if (punkt < 0)
        return datendatei + QStringLiteral(".TPR");
    return datendatei.left(punkt + 1) + (alsEingabe ? QStringLiteral("BAK") : QStringLiteral("TPR"));
}

QByteArray Kopfzeilen(const Stapeleinstellungen& e)
{
    QString kopf;
    kopf += QStringLiteral("C") + kZeilenende;
    kopf += QStringLiteral("C  Tempara ") + kTemparaVersion + kZeilenende;
    // Only the ISO method says so: a classic result stays as every earlier version wrote it.
    if (e.verfahren == Rechenverfahren::Iso7730)
        kopf += QStringLiteral("C  Rechenverfahren = ") + QLatin1String(Verfahrenskurzname(e.verfahren)) + kZeilenende;
    kopf += QStringLiteral("C  ") + kZeilenende;
    kopf += QStringLiteral("C  Bei der Berechnung von PMV und PPD wurden folgende") + kZeilenende;
    kopf += QStringLiteral("C  konstante Parameter verwendet:") + kZeilenende;
    kopf += QStringLiteral("C  ") + kZeilenende;
    konstanten(kopf, e);
    nutzung(kopf, e);
    kopf += QStringLiteral("C  ") + kZeilenende;
    spalten(kopf, e);
    return kopf.toUtf8();
}

QString UeberschreibenTitel() { return QStringLiteral("Datei speichern unter"); }

QString UeberschreibenFrage(const QString& pfad)
{
    return pfad + QStringLiteral("\nbesteht bereits.\n\nMöchten Sie, dass diese Datei überschrieben wird?");
}

QString ExistiertBereitsMeldung()
{
    return QStringLiteral("Datei existiert bereits!\nBitte neuen Dateinamen eingeben.");
}

QString FertigMeldung(const QString& ausgabe, int64_t rechenfehler)
{
    const QString kopf = rechenfehler == 0 ? QStringLiteral("Berechnung erfolgreich durchgeführt.")
                         : rechenfehler == 1
                             ? QStringLiteral("Berechnung durchgeführt; eine Datenzeile ließ sich nicht berechnen "
                                              "und trägt PMV und PPD der Zeile davor.")
                             : QStringLiteral("Berechnung durchgeführt; %1 Datenzeilen ließen sich nicht berechnen "
                                              "und tragen PMV und PPD der Zeile davor.")
                                   .arg(rechenfehler);
    return kopf + QStringLiteral("\n\nErgebnisse in der Datei\n") + ausgabe + QStringLiteral("\ngespeichert.");
}

}  // namespace batch
