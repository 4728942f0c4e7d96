// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertung_fenster.h"

#include "jahresbild.h"
#include "jahrestabelle.h"

#include "dienste.h"
#include "zahlen.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace model;
using namespace gui;

namespace batch {

namespace {

// Shows the picture scaled to the space it gets, keeping its proportions.
class Bildflaeche : public QWidget {
public:
    Bildflaeche(const QImage& bild, QWidget* eltern) : QWidget(eltern), m_bild(bild)
    {
        setMinimumSize(kBildBreite / 3, kBildHoehe / 3);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize groesse = m_bild.size().scaled(size(), Qt::KeepAspectRatio);
        maler.drawImage(QRect(QPoint((width() - groesse.width()) / 2, 0), groesse), m_bild);
    }

private:
    const QImage& m_bild;
};

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
    : QDialog(eltern), m_dienste(dienste), m_auswertung(auswertung), m_bild(JahresbildRaster(auswertung))
{
    setObjectName(QStringLiteral("Auswertung"));
    setWindowTitle(QStringLiteral("Jahresauswertung \u2013 %1").arg(QFileInfo(auswertung.ergebnisdatei).fileName()));
    resize(1100, 900);

    auto* text = new QLabel(zusammenfassung(auswertung), this);
    text->setObjectName(QStringLiteral("zusammenfassung"));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* hinweis = new QLabel(QStringLiteral("Kategorien A, B und C nach PMV (ISO 7730: |PMV| < 0,2, < 0,5, < 0,7, "
                                              "A in B in C); die lokalen Kriterien sind nicht in den Daten. "
                                              "\u201Ebegrenzt\u201C z\u00E4hlt die auf \u00B13 begrenzten PMV-Werte."),
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

    auto* bild = new Bildflaeche(m_bild, this);
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
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(text);
    spalte->addWidget(hinweis);
    spalte->addWidget(m_anteile);
    spalte->addWidget(m_tabelle, 2);
    spalte->addWidget(bild, 3);
    spalte->addLayout(knoepfe);
}

void Auswertungsfenster::tabelleFuellen()
{
    const Jahrestabelle t = TabelleAus(m_auswertung.zaehlung);
    const bool anteile = m_anteile->isChecked();
    m_tabelle->clear();
    m_tabelle->setColumnCount(int(t.spalten.size()));
    m_tabelle->setRowCount(int(t.zeilen.size()));
    m_tabelle->setHorizontalHeaderLabels(t.spalten);
    for (int r = 0; r < int(t.zeilen.size()); ++r) {
        const Jahrestabelle::Zeile& zeile = t.zeilen[r];
        m_tabelle->setVerticalHeaderItem(r, new QTableWidgetItem(zeile.zeitraum));
        const double datenzeilen = double(zeile.werte[0]);
        for (int s = 0; s < int(zeile.werte.size()); ++s) {
            const int64_t wert = zeile.werte[std::size_t(s)];
            const double anteil = datenzeilen > 0 ? 100.0 * double(wert) / datenzeilen : 0.0;
            const QString text =
                anteile && s > 0 ? formatiereZahl(anteil, 1) + QStringLiteral(" %") : QString::number(wert);
            auto* zelle = new QTableWidgetItem(text);
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tabelle->setItem(r, s, zelle);
        }
    }
    m_tabelle->resizeColumnsToContents();
}

// Asks for a name beside the result file and writes there; a failure names the file and why.
void Auswertungsfenster::speichern(const QString& titel, const QString& filter, const QString& endung,
                                   const QString& was, const Schreiber& schreiben)
{
    Dateidialog dialog;
    dialog.titel = titel;
    dialog.filter = filter;
    dialog.vorgabeEndung = endung;
    dialog.dateiname = FreierName(m_auswertung.ergebnisdatei, QStringLiteral("_Auswertung"), endung);
    dialog.ueberschreibenFragen = true;
    const std::optional<QString> pfad = m_dienste.dateiSpeichern(this, dialog);
    if (!pfad || pfad->isEmpty())
        return;
    const Jahresauswertung& a = m_auswertung;
    QString grund = LaufdateiPruefen(*pfad, {a.datendatei, a.ergebnisdatei, a.sicherung, a.umbenannt});
    if (!grund.isEmpty() || !schreiben(*pfad, &grund))
        m_dienste.meldung(this, Symbol::Warnung, QStringLiteral("Warnung"),
                          QStringLiteral("%1 konnte nicht gespeichert werden:\n%2\n\n%3")
                              .arg(was, QDir::toNativeSeparators(*pfad), grund));
}

void Auswertungsfenster::bildSpeichern()
{
    speichern(QStringLiteral("Bild speichern"), QStringLiteral("PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg"),
              QStringLiteral("png"), QStringLiteral("Das Bild"),
              [this](const QString& pfad, QString* grund) { return JahresbildSchreiben(m_auswertung, pfad, grund); });
}

void Auswertungsfenster::tabelleSpeichern()
{
    speichern(QStringLiteral("Tabelle speichern"), QStringLiteral("CSV-Tabelle (*.csv)|*.csv"), QStringLiteral("csv"),
              QStringLiteral("Die Tabelle"), [this](const QString& pfad, QString* grund) {
                  return TabelleSchreiben(m_auswertung.zaehlung, pfad, grund);
              });
}

void Auswertungsfenster::drucken()
{
    // A4 across its printable width: 180 mm wide from 15 mm in, the height in proportion.
    const double breiteMm = 180.0;
    if (!m_dienste.bildDrucken(m_bild, QPointF(15, 15), QSizeF(breiteMm, breiteMm * kBildHoehe / kBildBreite)))
        m_dienste.meldung(this, Symbol::Warnung, QStringLiteral("Warnung"),
                          QStringLiteral("Das Bild konnte nicht gedruckt werden: Es ist kein Drucker eingerichtet, "
                                         "oder der Druckauftrag ist fehlgeschlagen."));
}

void zeigeAuswertung(Dienste& dienste, QWidget* eltern, const Jahresauswertung& auswertung)
{
    Auswertungsfenster fenster(dienste, auswertung, eltern);
    fenster.exec();
}

}  // namespace batch
