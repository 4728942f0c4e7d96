// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweisbericht.h"

#include "bildhilfen.h"
#include "druckseite.h"
#include "nachweisbild.h"
#include "nachweistabelle.h"
#include "version.h"
#include "zieldatei.h"

#include <QBuffer>
#include <QDir>
#include <QHashFunctions>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace evaluation {

namespace {

// The pictures are laid out narrower on the page than in a file, so their texts print larger.
constexpr QSize kSeitenbild(1200, 700);

const QColor kGruen(0, 120, 50);
const QColor kRot(190, 20, 20);

QColor urteilsfarbe(Urteil::Art art)
{
    return art == Urteil::Art::Erfuellt ? kGruen : art == Urteil::Art::NichtErfuellt ? kRot : QColor(Qt::black);
}

void ueberschrift(Druckseite& s, const QString& text)
{
    s.abstand(25);
    s.schrift(42, true);
    s.text(text);
    s.schrift(32);
}

// The proof's monthly table turned on its side for the page: a row per quantity, a column per
// month and the year.
void monatstabelle(Druckseite& s, const QList<QStringList>& tabelle)
{
    if (tabelle.isEmpty())
        return;
    QStringList kopf{QString()};
    QList<QStringList> zeilen;
    for (qsizetype spalte = 1; spalte < tabelle[0].size(); ++spalte) {
        QStringList zeile{tabelle[0][spalte]};
        for (qsizetype z = 1; z < tabelle.size(); ++z)
            zeile << tabelle[z].value(spalte);
        zeilen << zeile;
    }
    for (qsizetype z = 1; z < tabelle.size(); ++z)
        kopf << tabelle[z].value(0);
    s.schrift(24);
    s.tabelle(kopf, zeilen, 420);
}

void seiteMalen(Druckseite& s, int seite, const Nachweisbericht& b)
{
    const Nachweiseinstellungen& e = b.einstellungen;
    if (seite == 0) {
        s.schrift(58, true);
        s.text(QStringLiteral("Nachweis der thermischen Behaglichkeit"));
        s.schrift(30);
        s.text(QStringLiteral("Langzeitbewertung der belegten Stunden eines Jahres nach DIN 4108-2, DIN EN 16798-1, "
                              "ISO 7730 (Anhang A und H) und ASR A3.5"));
        s.linie();
        s.schrift(32);
        s.paar(QStringLiteral("Projekt"), e.projekt);
        s.paar(QStringLiteral("Raum"), e.raum);
        s.paar(QStringLiteral("Bearbeiter"), e.bearbeiter);
        s.paar(QStringLiteral("Datendatei"), QDir::toNativeSeparators(b.stunden.datendatei));
        s.paar(QStringLiteral("SHA-256 der Daten"),
               b.stunden.sha256.isEmpty() ? QStringLiteral("nicht bekannt") : QString::fromLatin1(b.stunden.sha256));
        s.paar(QStringLiteral("Erstellt am"),
               QLocale(QLocale::German).toString(b.erstellt, QStringLiteral("dd.MM.yyyy")));

        ueberschrift(s, QStringLiteral("Ergebnis"));
        for (const Urteil& u : b.nachweis.urteile) {
            s.schrift(32, u.art != Urteil::Art::Hinweis);  // hints plain, verdicts bold in their colour
            s.text(u.text, urteilsfarbe(u.art));
            s.abstand(6);
        }
        s.schrift(32);

        ueberschrift(s, QStringLiteral("Vorgaben und Annahmen"));
        // The head above already names the report's fields and the data.
        const QStringList imKopf{QStringLiteral("Projekt"), QStringLiteral("Raum"), QStringLiteral("Bearbeiter"),
                                 QStringLiteral("Datendatei"), QStringLiteral("SHA-256 der Daten")};
        for (const Vorgabe& v : NachweisVorgaben(b.stunden, e))
            if (!imKopf.contains(v.name))
                s.paar(v.name, v.wert, 700);
    } else if (seite == 1) {
        s.schrift(42, true);
        s.text(QStringLiteral("Belegte Stunden je Monat"));
        s.schrift(26);
        s.text(QStringLiteral("Klassen ausschließlich (I, dann II ohne I, …); PPD-gewichtete Stunden, "
                              "Übertemperaturgradstunden in Kh."));
        monatstabelle(s, NachweisTabellenzeilen(NachweisCsv(b.nachweis, b.stunden, e)));
        s.abstand(20);
        s.bild(kSeitenbild, 1100,
               [&](QPainter& m, QSize g) { NachweisbildMalen(m, g, b.nachweis, e, Nachweisbild::Teppich); });
    } else {
        for (const Nachweisbild bild : {Nachweisbild::Gradstunden, Nachweisbild::Adaptiv})
            s.bild(kSeitenbild, 1150, [&](QPainter& m, QSize g) { NachweisbildMalen(m, g, b.nachweis, e, bild); });
    }
}

}  // namespace

void NachweisSeiteMalen(QPainter& maler, const QRectF& flaeche, int seite, const Nachweisbericht& b)
{
    const Nachweiseinstellungen& e = b.einstellungen;
    {
        Druckseite s(maler, flaeche);
        seiteMalen(s, seite, b);
    }
    // The foot of every page: what made it, for whom, and which page of how many.
    maler.save();
    maler.setPen(Qt::black);
    maler.setFont(Bildschrift(int(flaeche.width() / 75)));
    maler.drawText(flaeche, Qt::AlignBottom | Qt::AlignLeft,
                   e.projekt.isEmpty() ? QStringLiteral("Tempara %1").arg(model::kTemparaVersion)
                                       : QStringLiteral("Tempara %1 \u00B7 %2").arg(model::kTemparaVersion, e.projekt));
    maler.drawText(flaeche, Qt::AlignBottom | Qt::AlignRight,
                   QStringLiteral("Seite %1 von %2").arg(seite + 1).arg(kNachweisSeiten));
    maler.restore();
}

QList<QStringList> NachweisTabellenzeilen(const QByteArray& csv)
{
    QList<QStringList> zeilen;
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    for (const QString& zeile : text.split(QStringLiteral("\r\n"))) {
        if (zeile.isEmpty())  // the settings follow the empty line
            break;
        zeilen << zeile.split(u';');
    }
    return zeilen;
}

QByteArray NachweisPdf(const Nachweisbericht& bericht)
{
    // Qt's font subsets walk hashes; with the per-process random seed the same report would
    // embed its fonts differently in the window and in tempara-cli.
    QHashSeed::setDeterministicGlobalSeed();
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setTitle(QStringLiteral("Nachweis der thermischen Behaglichkeit"));
    pdf.setCreator(QStringLiteral("Tempara %1").arg(model::kTemparaVersion));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kSeitenrandMm, kSeitenrandMm, kSeitenrandMm, kSeitenrandMm),
                                  QPageLayout::Millimeter));
    QPainter maler;
    if (!maler.begin(&pdf))
        return {};
    const QRectF flaeche(0, 0, pdf.width(), pdf.height());
    for (int seite = 0; seite < kNachweisSeiten; ++seite) {
        if (seite > 0)
            pdf.newPage();
        NachweisSeiteMalen(maler, flaeche, seite, bericht);
    }
    return maler.end() ? daten : QByteArray();
}

bool NachweisPdfSchreiben(const Nachweis& nachweis, const Stundenwerte& stunden,
                          const Nachweiseinstellungen& einstellungen, const QString& pfad, QString* grund)
{
    const QByteArray daten = NachweisPdf({nachweis, stunden, einstellungen, QDate::currentDate()});
    if (daten.isEmpty()) {
        if (grund)
            *grund = QStringLiteral("Das PDF ließ sich nicht erzeugen.");
        return false;
    }
    return model::SicherSchreiben(pfad, daten, grund);
}

}  // namespace evaluation
