// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertung_fenster.h"

#include "auswertung_speichern.h"

#include "bildflaeche.h"
#include "druckseite.h"
#include "jahresbild.h"
#include "jahrestabelle.h"
#include "nachweis_seite.h"

#include "dienste.h"
#include "version.h"
#include "zahlen.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace batch;
using namespace model;
using namespace gui;

namespace evaluation {

namespace {

QString zusammenfassung(const Jahresauswertung& j)
{
    const Auswertung& a = j.zaehlung;
    QStringList zeilen;
    zeilen << QStringLiteral("Ergebnisdatei: %1").arg(QDir::toNativeSeparators(j.ergebnisdatei));
    zeilen << QStringLiteral("Ausgewertete Datenzeilen: %1").arg(a.datenzeilen);
    zeilen << QStringLiteral("Datenzeilen mit Rechenfehler: %1").arg(a.rechenfehler)
                  + (a.rechenfehler > 0 ? QStringLiteral(" (mit den Werten der Zeile davor geschrieben)") : QString());
    for (const GekuerzterBereich& g : j.gekuerzt)
        zeilen << QStringLiteral("Bereich %1 gekürzt auf %2 von %3 angegebenen Datenzeilen")
                      .arg(Bereichsname(g.bereich), g.umfasst, g.angegeben);
    if (!j.sicherung.isEmpty())
        zeilen << QStringLiteral("Bisheriges Ergebnis gesichert als: %1").arg(QDir::toNativeSeparators(j.sicherung));
    if (!j.umbenannt.isEmpty())
        zeilen << QStringLiteral("Vorhandene Datei umbenannt in: %1").arg(QDir::toNativeSeparators(j.umbenannt));
    if (!a.nachMonaten)
        zeilen << QStringLiteral("Ohne Spalte \u201EJahresstunde\u201C gibt es keine Aufteilung nach Monaten.");
    if (!a.ohneTeppich.isEmpty())
        zeilen << a.ohneTeppich;
    return zeilen.join(u'\n');
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    k->setAutoDefault(false);
    return k;
}

}  // namespace

Auswertungsfenster::Auswertungsfenster(Dienste& dienste, const Jahresauswertung& auswertung, QWidget* eltern)
    : QDialog(eltern), m_dienste(dienste), m_auswertung(auswertung)
{
    setObjectName(QStringLiteral("Auswertung"));
    setWindowTitle(QStringLiteral("Jahresauswertung \u2013 %1").arg(QFileInfo(auswertung.ergebnisdatei).fileName()));
    resize(1100, 900);

    auto* text = new QLabel(zusammenfassung(auswertung)
                                + QStringLiteral("\nRechenverfahren: %1").arg(auswertung.stunden.rechenverfahren),
                            this);
    text->setObjectName(QStringLiteral("zusammenfassung"));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* hinweis = new QLabel(QStringLiteral("Kategorien A, B und C nach PMV (ISO 7730: |PMV| < 0,2, < 0,5, < 0,7, "
                                              "A in B in C); die lokalen Kriterien sind nicht in den Daten. "
                                              "\u201Ebegrenzt\u201C z\u00E4hlt %1.")
                                   .arg(auswertung.stunden.verfahren == Rechenverfahren::Klassisch
                                            ? QStringLiteral("die auf \u00B13 begrenzten PMV-Werte")
                                            : QStringLiteral("die Stunden mit |PMV| \u2265 3 (nach ISO 7730 nicht "
                                                             "begrenzt)")),
                               this);
    hinweis->setObjectName(QStringLiteral("kategorienHinweis"));
    hinweis->setWordWrap(true);

    m_anteile = new QCheckBox(QStringLiteral("&Anteile in %"), this);
    m_anteile->setObjectName(QStringLiteral("anteile"));
    m_tabelle = new QTableWidget(this);
    m_tabelle->setObjectName(QStringLiteral("tabelle"));
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->verticalHeader()->setDefaultSectionSize(m_tabelle->fontMetrics().height() + 6);
    tabelleFuellen();
    connect(m_anteile, &QCheckBox::toggled, this, &Auswertungsfenster::tabelleFuellen);

    auto* bild = new Bildflaeche(
        kBildMindestens, [this](QPainter& maler, QSize groesse) { JahresbildMalen(maler, m_auswertung, groesse); },
        this);
    bild->setObjectName(QStringLiteral("bild"));

    QPushButton* bildKnopf = knopf(this, "bildSpeichern", QStringLiteral("&Bild speichern..."));
    QPushButton* tabelleKnopf = knopf(this, "tabelleSpeichern", QStringLiteral("&Tabelle speichern..."));
    QPushButton* druckKnopf = knopf(this, "drucken", QStringLiteral("&Drucken"));
    QPushButton* schliessen = knopf(this, "schliessen", QStringLiteral("&Schließen"));
    schliessen->setDefault(true);
    connect(bildKnopf, &QPushButton::clicked, this, &Auswertungsfenster::bildSpeichern);
    connect(tabelleKnopf, &QPushButton::clicked, this, &Auswertungsfenster::tabelleSpeichern);
    connect(druckKnopf, &QPushButton::clicked, this, &Auswertungsfenster::drucken);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(bildKnopf);
    knoepfe->addWidget(tabelleKnopf);
    knoepfe->addWidget(druckKnopf);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    // The table and the picture on pages of their own: the picture gets the window's whole
    // width and height, so its texts keep their size.
    auto* uebersicht = new QWidget(this);
    auto* spalte = new QVBoxLayout(uebersicht);
    spalte->addWidget(text);
    spalte->addWidget(hinweis);
    spalte->addWidget(m_anteile);
    spalte->addWidget(m_tabelle, 1);
    m_seiten = new QTabWidget(this);
    m_seiten->setObjectName(QStringLiteral("seiten"));
    m_seiten->addTab(uebersicht, QStringLiteral("&Übersicht"));
    m_seiten->addTab(bild, QStringLiteral("&Jahresbild"));
    m_seiten->addTab(new Nachweisseite(dienste, m_auswertung, m_seiten), QStringLiteral("Nach&weis"));
    auto* fenster = new QVBoxLayout(this);
    fenster->addWidget(m_seiten);
    fenster->addLayout(knoepfe);
}

// The table's cells as the window shows them (counts, or shares with "Anteile in %"), for the
// window and the printout alike: per row the period, then the values.
QList<QStringList> Auswertungsfenster::tabellentexte() const
{
    const Jahrestabelle t = TabelleAus(m_auswertung.zaehlung);
    const bool anteile = m_anteile->isChecked();
    QList<QStringList> zeilen;
    for (const Jahrestabelle::Zeile& zeile : t.zeilen) {
        QStringList texte{zeile.zeitraum};
        const double datenzeilen = double(zeile.werte[0]);
        for (std::size_t s = 0; s < zeile.werte.size(); ++s) {
            const double anteil = datenzeilen > 0 ? 100.0 * double(zeile.werte[s]) / datenzeilen : 0.0;
            texte << (anteile && s > 0 ? formatiereZahl(anteil, 1) + QStringLiteral(" %")
                                       : QString::number(zeile.werte[s]));
        }
        zeilen << texte;
    }
    return zeilen;
}

void Auswertungsfenster::tabelleFuellen()
{
    const QStringList spalten = TabelleAus(m_auswertung.zaehlung).spalten;
    const QList<QStringList> zeilen = tabellentexte();
    m_tabelle->clear();
    m_tabelle->setColumnCount(int(spalten.size()));
    m_tabelle->setRowCount(int(zeilen.size()));
    m_tabelle->setHorizontalHeaderLabels(spalten);
    for (int r = 0; r < int(zeilen.size()); ++r) {
        m_tabelle->setVerticalHeaderItem(r, new QTableWidgetItem(zeilen[r].first()));
        for (int s = 1; s < int(zeilen[r].size()); ++s) {
            auto* zelle = new QTableWidgetItem(zeilen[r][s]);
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tabelle->setItem(r, s - 1, zelle);
        }
    }
    m_tabelle->resizeColumnsToContents();
}

void Auswertungsfenster::bildSpeichern()
{
    AuswertungSpeichern(
        m_dienste, this, m_auswertung,
        {QStringLiteral("Bild speichern"), QStringLiteral("PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg"),
         QStringLiteral("_Auswertung"), QStringLiteral("png"), QStringLiteral("Das Bild")},
        [this](const QString& pfad, QString* grund) { return JahresbildSchreiben(m_auswertung, pfad, grund); });
}

void Auswertungsfenster::tabelleSpeichern()
{
    AuswertungSpeichern(
        m_dienste, this, m_auswertung,
        {QStringLiteral("Tabelle speichern"), QStringLiteral("CSV-Tabelle (*.csv)|*.csv"),
         QStringLiteral("_Auswertung"), QStringLiteral("csv"), QStringLiteral("Die Tabelle")},
        [this](const QString& pfad, QString* grund) { return TabelleSchreiben(m_auswertung.zaehlung, pfad, grund); });
}

// One A4 page as the window shows it: the summary, the table (counts or shares) and the
// picture, as vectors.
void Auswertungsfenster::drucken()
{
    Druckauftrag auftrag;
    auftrag.titel = windowTitle();
    auftrag.malen = [this](QPainter& maler, const QRectF& flaeche, int) {
        Druckseite seite(maler, flaeche);
        seite.schrift(50, true);
        seite.text(windowTitle());
        seite.schrift(26);
        seite.text(zusammenfassung(m_auswertung));
        seite.text(findChild<QLabel*>(QStringLiteral("kategorienHinweis"))->text());
        // What the run assumed, by which method, with which program: the page stands on its own.
        const Stundenwerte& lauf = m_auswertung.stunden;
        QStringList vorgaben;
        if (!m_auswertung.datendatei.isEmpty())
            vorgaben << QStringLiteral("Datendatei: ") + QDir::toNativeSeparators(m_auswertung.datendatei);
        for (const Vorgabe& v : lauf.laufvorgaben)
            vorgaben << v.name + QStringLiteral(": ") + v.wert;
        if (!vorgaben.isEmpty())
            seite.text(vorgaben.join(QStringLiteral("; ")));
        seite.text(QStringLiteral("Rechenverfahren: %1 \u00B7 Tempara %2 \u00B7 gedruckt am %3")
                       .arg(lauf.rechenverfahren, kTemparaVersion,
                            QLocale(QLocale::German).toString(QDate::currentDate(), QStringLiteral("dd.MM.yyyy"))));
        seite.abstand(20);
        seite.schrift(24);
        QStringList kopf{QStringLiteral("Zeitraum")};
        kopf << TabelleAus(m_auswertung.zaehlung).spalten;
        seite.tabelle(kopf, tabellentexte(), 200);
        seite.bild(QSize(kBildBreite, kBildHoehe), 1300,
                   [this](QPainter& m, QSize groesse) { JahresbildMalen(m, m_auswertung, groesse); });
    };
    if (m_dienste.drucken(this, auftrag) == Druckausgang::Fehlgeschlagen)
        m_dienste.meldung(this, Symbol::Warnung, QStringLiteral("Warnung"),
                          QStringLiteral("Die Auswertung konnte nicht gedruckt werden: Es ist kein Drucker "
                                         "eingerichtet, oder der Druckauftrag ist fehlgeschlagen."));
}

void zeigeAuswertung(Dienste& dienste, QWidget* eltern, const Jahresauswertung& auswertung)
{
    Auswertungsfenster fenster(dienste, auswertung, eltern);
    fenster.exec();
}

}  // namespace evaluation
