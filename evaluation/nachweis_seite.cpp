// SPDX-License-Identifier: GPL-3.0-or-later
#include "nachweis_seite.h"

#include "auswertung_speichern.h"
#include "bildflaeche.h"
#include "nachweisbericht.h"
#include "nachweistabelle.h"

#include "dienste.h"
#include "gespeichert.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace batch;
using namespace gui;

namespace evaluation {

namespace {

QComboBox* auswahl(QWidget* eltern, const char* name, const QStringList& eintraege)
{
    auto* liste = new QComboBox(eltern);
    liste->setObjectName(QLatin1String(name));
    liste->addItems(eintraege);
    return liste;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    k->setAutoDefault(false);
    return k;
}

constexpr std::array kBilder{Nachweisbild::Teppich, Nachweisbild::Gradstunden, Nachweisbild::Adaptiv};

}  // namespace

Nachweisseite::Nachweisseite(Dienste& dienste, const Jahresauswertung& auswertung, QWidget* eltern)
    : QWidget(eltern), m_dienste(dienste), m_auswertung(auswertung)
{
    setObjectName(QStringLiteral("nachweis"));
    m_einstellungen = NachweiseinstellungenLaden(*gespeichert());

    auto* vorgaben = new QGroupBox(QStringLiteral("Vorgaben"), this);
    auto* form = new QFormLayout(vorgaben);
    m_nutzung = auswahl(vorgaben, "nutzung",
                        {QStringLiteral("Büro: Montag bis Freitag, 7 bis 18 Uhr"),
                         QStringLiteral("Wohnen: jede Stunde"), QStringLiteral("eigene Zeiten:")});
    m_nutzungEigen = new QLineEdit(vorgaben);
    m_nutzungEigen->setObjectName(QStringLiteral("nutzungEigen"));
    m_nutzungEigen->setPlaceholderText(QStringLiteral("z. B. Mo-Sa 6-22"));
    m_nutzungFehler = new QLabel(vorgaben);
    m_nutzungFehler->setObjectName(QStringLiteral("nutzungFehler"));
    m_nutzungFehler->setStyleSheet(QStringLiteral("color: #b00000"));
    m_nutzungFehler->setWordWrap(true);
    m_nutzungFehler->hide();
    QStringList tage;
    for (int t = 0; t < kWochentage; ++t)
        tage << WochentagName(t);
    m_ersterTag = auswahl(vorgaben, "ersterTag", tage);
    QStringList regionen;
    for (int r = 0; r < 3; ++r)
        regionen << QStringLiteral("%1 (Bezugstemperatur %2 °C)").arg(KlimaregionText(r)).arg(25 + r);
    m_klimaregion = auswahl(vorgaben, "klimaregion", regionen);
    m_gebaeude = auswahl(vorgaben, "gebaeude",
                         {QStringLiteral("nach der Nutzung"),
                          GebaeudeName(Gebaeudeart::Wohngebaeude) + QStringLiteral(" (1200 Kh/a)"),
                          GebaeudeName(Gebaeudeart::Nichtwohngebaeude) + QStringLiteral(" (500 Kh/a)")});
    m_kategorie = auswahl(vorgaben, "kategorie", {KategorieText(1), KategorieText(2), KategorieText(3)});
    m_toleranz = auswahl(vorgaben, "toleranz", {ToleranzText(3), ToleranzText(5)});
    m_asrMinimum = new QDoubleSpinBox(vorgaben);
    m_asrMinimum->setObjectName(QStringLiteral("asrMinimum"));
    m_asrMinimum->setRange(10, 30);
    m_asrMinimum->setDecimals(1);
    m_asrMinimum->setSingleStep(0.5);
    m_asrMinimum->setSuffix(QStringLiteral(" °C"));
    form->addRow(QStringLiteral("&Nutzung:"), m_nutzung);
    form->addRow(QString(), m_nutzungEigen);
    form->addRow(QString(), m_nutzungFehler);
    form->addRow(QStringLiteral("1. Januar ist &ein:"), m_ersterTag);
    form->addRow(QStringLiteral("&Klimaregion:"), m_klimaregion);
    form->addRow(QStringLiteral("&Gebäude:"), m_gebaeude);
    form->addRow(QStringLiteral("Aus&legungskategorie:"), m_kategorie);
    form->addRow(QStringLiteral("T&oleranz:"), m_toleranz);
    form->addRow(QStringLiteral("ASR-&Mindestwert:"), m_asrMinimum);
    auto* verfahren = new QLabel(m_auswertung.stunden.rechenverfahren, vorgaben);
    verfahren->setObjectName(QStringLiteral("rechenverfahren"));
    form->addRow(QStringLiteral("Rechenverfahren:"), verfahren);
    const std::array<std::pair<const char*, QString>, 3> kopf{{{"projekt", QStringLiteral("&Projekt:")},
                                                               {"raum", QStringLiteral("&Raum:")},
                                                               {"bearbeiter", QStringLiteral("Be&arbeiter:")}}};
    for (std::size_t i = 0; i < kopf.size(); ++i) {
        m_kopf[i] = new QLineEdit(vorgaben);
        m_kopf[i]->setObjectName(QLatin1String(kopf[i].first));
        form->addRow(kopf[i].second, m_kopf[i]);
    }

    // The verdicts scroll where the window is too low for all of them.
    auto* ergebnis = new QGroupBox(QStringLiteral("Ergebnis"), this);
    auto* rollen = new QScrollArea(ergebnis);
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    auto* urteile = new QWidget(rollen);
    m_urteile = new QVBoxLayout(urteile);
    rollen->setWidget(urteile);
    (new QVBoxLayout(ergebnis))->addWidget(rollen);

    m_tabelle = new QTableWidget(this);
    m_tabelle->setObjectName(QStringLiteral("nachweisTabelle"));
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ansicht = new QTabWidget(this);
    m_ansicht->setObjectName(QStringLiteral("nachweisAnsicht"));
    m_ansicht->addTab(m_tabelle, QStringLiteral("Monatstabelle"));
    for (const Nachweisbild bild : kBilder) {
        auto* flaeche = new Bildflaeche(
            kNachweisbildMindestens,
            [this, bild](QPainter& maler, QSize groesse) {
                NachweisbildMalen(maler, groesse, m_nachweis, m_einstellungen, bild);
            },
            m_ansicht);
        flaeche->setObjectName(QStringLiteral("bild_") + NachweisbildKurzname(bild));
        m_ansicht->addTab(flaeche, NachweisbildTitel(bild));
    }

    QPushButton* nachweisKnopf = knopf(this, "nachweisSpeichern", QStringLiteral("Nachweis spei&chern..."));
    QPushButton* stundenKnopf = knopf(this, "stundenSpeichern", QStringLiteral("St&undenwerte speichern..."));
    QPushButton* bildKnopf = knopf(this, "nachweisBildSpeichern", QStringLiteral("Nachweisb&ild speichern..."));
    QPushButton* druckKnopf = knopf(this, "nachweisDrucken", QStringLiteral("Nac&hweis drucken..."));
    connect(nachweisKnopf, &QPushButton::clicked, this, &Nachweisseite::nachweisSpeichern);
    connect(stundenKnopf, &QPushButton::clicked, this, &Nachweisseite::stundenSpeichern);
    connect(bildKnopf, &QPushButton::clicked, this, &Nachweisseite::bildSpeichern);
    connect(druckKnopf, &QPushButton::clicked, this, &Nachweisseite::drucken);
    // The picture button saves the picture on show; the table has none.
    connect(m_ansicht, &QTabWidget::currentChanged, bildKnopf,
            [bildKnopf](int seite) { bildKnopf->setEnabled(seite > 0); });
    bildKnopf->setEnabled(false);

    // Settings and verdicts above, table and pictures below; the user moves the border.
    auto* oben = new QWidget(this);
    auto* zeile = new QHBoxLayout(oben);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(vorgaben);
    zeile->addWidget(ergebnis, 1);
    auto* teilung = new QSplitter(Qt::Vertical, this);
    teilung->setObjectName(QStringLiteral("nachweisTeilung"));
    teilung->setChildrenCollapsible(false);
    teilung->addWidget(oben);
    teilung->addWidget(m_ansicht);
    teilung->setStretchFactor(1, 1);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* k : {nachweisKnopf, stundenKnopf, bildKnopf, druckKnopf})
        knoepfe->addWidget(k);
    knoepfe->addStretch();
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(teilung, 1);
    spalte->addLayout(knoepfe);

    // F1 on this page opens the proof's own help page, not the evaluation's.
    auto* hilfe = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(hilfe, &QShortcut::activated, this, [this] {
        m_dienste.hilfeZeigen(window(), QStringLiteral("tempara.hlp"), kHilfeStichwort,
                              QStringLiteral("Seite Nachweis"));
    });

    einstellungenZeigen();
    for (QComboBox* liste : {m_nutzung, m_ersterTag, m_klimaregion, m_gebaeude, m_kategorie, m_toleranz})
        connect(liste, &QComboBox::currentIndexChanged, this, &Nachweisseite::geaendert);
    connect(m_nutzungEigen, &QLineEdit::textEdited, this, &Nachweisseite::geaendert);
    connect(m_asrMinimum, &QDoubleSpinBox::valueChanged, this, &Nachweisseite::geaendert);
    for (QLineEdit* feld : m_kopf)
        connect(feld, &QLineEdit::textEdited, this, &Nachweisseite::geaendert);
    m_nachweis = NachweisBerechnen(m_auswertung.stunden, m_einstellungen);
    anzeigen();
}

void Nachweisseite::einstellungenZeigen()
{
    const Nachweiseinstellungen& e = m_einstellungen;
    m_laedt = true;
    m_nutzung->setCurrentIndex(int(e.nutzung.art));
    if (e.nutzung.art == Nutzung::Art::Eigene)
        m_nutzungEigen->setText(NutzungText(e.nutzung));
    m_nutzungEigen->setEnabled(e.nutzung.art == Nutzung::Art::Eigene);
    m_ersterTag->setCurrentIndex(e.ersterWochentag);
    m_klimaregion->setCurrentIndex(e.klimaregion);
    m_gebaeude->setCurrentIndex(e.gebaeude ? 1 + int(*e.gebaeude) : 0);
    m_kategorie->setCurrentIndex(e.kategorie - 1);
    m_toleranz->setCurrentIndex(e.toleranz == 3 ? 0 : 1);
    m_asrMinimum->setValue(e.asrMindestwert);
    m_kopf[0]->setText(e.projekt);
    m_kopf[1]->setText(e.raum);
    m_kopf[2]->setText(e.bearbeiter);
    m_laedt = false;
}

// Reads every control; an occupancy text that does not read keeps the last good occupancy and
// says why under the field.
void Nachweisseite::geaendert()
{
    if (m_laedt)
        return;
    Nachweiseinstellungen& e = m_einstellungen;
    const auto art = Nutzung::Art(m_nutzung->currentIndex());
    m_nutzungEigen->setEnabled(art == Nutzung::Art::Eigene);
    QString fehler;
    Nutzung nutzung;
    const QString text = art == Nutzung::Art::Buero    ? QStringLiteral("buero")
                         : art == Nutzung::Art::Wohnen ? QStringLiteral("wohnen")
                                                       : m_nutzungEigen->text();
    if (NutzungLesen(text, nutzung, &fehler))
        e.nutzung = nutzung;
    m_nutzungFehler->setText(art == Nutzung::Art::Eigene ? fehler : QString());
    m_nutzungFehler->setVisible(!m_nutzungFehler->text().isEmpty());
    e.ersterWochentag = m_ersterTag->currentIndex();
    e.klimaregion = m_klimaregion->currentIndex();
    e.gebaeude =
        m_gebaeude->currentIndex() == 0 ? std::nullopt : std::optional(Gebaeudeart(m_gebaeude->currentIndex() - 1));
    e.kategorie = m_kategorie->currentIndex() + 1;
    e.toleranz = m_toleranz->currentIndex() == 0 ? 3 : 5;
    e.asrMindestwert = m_asrMinimum->value();
    e.projekt = m_kopf[0]->text();
    e.raum = m_kopf[1]->text();
    e.bearbeiter = m_kopf[2]->text();
    NachweiseinstellungenSpeichern(*gespeichert(), e);
    m_nachweis = NachweisBerechnen(m_auswertung.stunden, e);
    anzeigen();
}

void Nachweisseite::anzeigen()
{
    // The verdicts: large, green when met, red when not.
    while (QLayoutItem* alt = m_urteile->takeAt(0)) {
        delete alt->widget();
        delete alt;
    }
    for (std::size_t i = 0; i < m_nachweis.urteile.size(); ++i) {
        const Urteil& u = m_nachweis.urteile[i];
        auto* zeile = new QLabel(u.text);
        zeile->setObjectName(QStringLiteral("urteil%1").arg(i));
        zeile->setWordWrap(true);
        zeile->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont f = zeile->font();
        f.setPointSizeF(f.pointSizeF() * (u.art == Urteil::Art::Hinweis ? 1.0 : 1.2));
        f.setBold(u.art != Urteil::Art::Hinweis);
        zeile->setFont(f);
        if (u.art != Urteil::Art::Hinweis)
            zeile->setStyleSheet(u.art == Urteil::Art::Erfuellt ? QStringLiteral("color: #007832")
                                                                : QStringLiteral("color: #be1414"));
        zeile->setProperty("erfuellt", u.art == Urteil::Art::Erfuellt);
        m_urteile->addWidget(zeile);
    }
    m_urteile->addStretch();

    // The table as the CSV holds it.
    const QList<QStringList> tabelle =
        NachweisTabellenzeilen(NachweisCsv(m_nachweis, m_auswertung.stunden, m_einstellungen));
    m_tabelle->clear();
    m_tabelle->setRowCount(int(tabelle.size()) - 1);
    m_tabelle->setColumnCount(tabelle.isEmpty() ? 0 : int(tabelle[0].size()) - 1);
    if (!tabelle.isEmpty())
        m_tabelle->setHorizontalHeaderLabels(tabelle[0].mid(1));
    for (int z = 1; z < int(tabelle.size()); ++z) {
        m_tabelle->setVerticalHeaderItem(z - 1, new QTableWidgetItem(tabelle[z].value(0)));
        for (int s = 1; s < int(tabelle[z].size()); ++s) {
            auto* zelle = new QTableWidgetItem(tabelle[z][s]);
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tabelle->setItem(z - 1, s - 1, zelle);
        }
    }
    m_tabelle->resizeColumnsToContents();
    if (QWidget* bild = m_ansicht->currentWidget(); bild != m_tabelle)
        bild->update();
}

namespace {

bool istPdf(const QString& pfad) { return QFileInfo(pfad).suffix().compare(u"pdf", Qt::CaseInsensitive) == 0; }

}  // namespace

void Nachweisseite::nachweisSpeichern()
{
    AuswertungSpeichern(
        m_dienste, this, m_auswertung,
        {QStringLiteral("Nachweis speichern"), QStringLiteral("PDF-Bericht (*.pdf)|*.pdf|CSV-Tabelle (*.csv)|*.csv"),
         QStringLiteral("_Nachweis"), QStringLiteral("pdf"), QStringLiteral("Der Nachweis")},
        [this](const QString& pfad, QString* grund) {
            if (istPdf(pfad))
                return NachweisPdfSchreiben(m_nachweis, m_auswertung.stunden, m_einstellungen, pfad, grund);
            return NachweisCsvSchreiben(NachweisCsv(m_nachweis, m_auswertung.stunden, m_einstellungen), pfad, grund);
        });
}

void Nachweisseite::stundenSpeichern()
{
    AuswertungSpeichern(m_dienste, this, m_auswertung,
                        {QStringLiteral("Stundenwerte speichern"), QStringLiteral("CSV-Tabelle (*.csv)|*.csv"),
                         QStringLiteral("_Stunden"), QStringLiteral("csv"), QStringLiteral("Die Stundenwerte")},
                        [this](const QString& pfad, QString* grund) {
                            return NachweisCsvSchreiben(StundenCsv(m_nachweis, m_auswertung.stunden, m_einstellungen),
                                                        pfad, grund);
                        });
}

void Nachweisseite::bildSpeichern()
{
    const int seite = m_ansicht->currentIndex();
    if (seite < 1)
        return;
    const Nachweisbild bild = kBilder[std::size_t(seite - 1)];
    AuswertungSpeichern(
        m_dienste, this, m_auswertung,
        {QStringLiteral("Bild speichern"), QStringLiteral("PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg"),
         QStringLiteral("_Nachweis_") + NachweisbildKurzname(bild), QStringLiteral("png"), QStringLiteral("Das Bild")},
        [this, bild](const QString& pfad, QString* grund) {
            return NachweisbildSchreiben(m_nachweis, m_einstellungen, bild, pfad, grund);
        });
}

// The PDF's pages on the printer chosen in the print dialog.
void Nachweisseite::drucken()
{
    Druckauftrag auftrag;
    auftrag.titel = QStringLiteral("Nachweis");
    auftrag.seiten = kNachweisSeiten;
    const Nachweisbericht bericht{m_nachweis, m_auswertung.stunden, m_einstellungen, QDate::currentDate()};
    auftrag.malen = [&bericht](QPainter& maler, const QRectF& flaeche, int seite) {
        NachweisSeiteMalen(maler, flaeche, seite, bericht);
    };
    if (m_dienste.drucken(this, auftrag) == Druckausgang::Fehlgeschlagen)
        m_dienste.meldung(this, Symbol::Warnung, QStringLiteral("Warnung"),
                          QStringLiteral("Der Nachweis konnte nicht gedruckt werden: Es ist kein Drucker "
                                         "eingerichtet, oder der Druckauftrag ist fehlgeschlagen."));
}

}  // namespace evaluation
