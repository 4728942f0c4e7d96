// SPDX-License-Identifier: GPL-3.0-or-later
#include "bewertung_fenster.h"

#include "dienste.h"
#include "gespeichert.h"
#include "hauptfenster.h"
#include "kategoriebalken.h"
#include "kriterien.h"
#include "programm.h"
#include "zahlen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

using namespace model::bewertung;
using namespace model;
using namespace gui;

namespace assessment {

namespace {

// The objectName stem of each criterion's controls.
const char* const kKennung[kKriterien] = {"PMV",        "PPD",       "DR",         "Vertikal", "Boden",
                                          "Decke_warm", "Wand_kalt", "Decke_kalt", "Wand_warm"};
// What a local input starts with when its criterion is switched on: no difference, 22 °C floor.
constexpr double kStartwert[6] = {0, 22, 0, 0, 0, 0};

enum class Feldzustand { Gut, Ausserhalb, KeineZahl };

void setzeZustand(QLineEdit* feld, Feldzustand zustand)
{
    static const QString stile[] = {QString(), QStringLiteral("QLineEdit { background: #ffe0b2; }"),
                                    QStringLiteral("QLineEdit { background: #f8c8c8; }")};
    feld->setStyleSheet(stile[int(zustand)]);
}

// The report's fields, kept between sessions under these keys.
// Kept where the page Nachweis of the annual evaluation keeps them: one project, room and author
// for both reports.
constexpr const char* kBerichtsfeld[3][3] = {{"Bericht_Projekt", "Projekt:", "Nachweis/projekt"},
                                             {"Bericht_Raum", "Raum:", "Nachweis/raum"},
                                             {"Bericht_Bearbeiter", "Bearbeiter:", "Nachweis/bearbeiter"}};

void setzeText(QLineEdit* feld, const QString& text)
{
    const QSignalBlocker sperre(feld);
    feld->setText(text);
}

}  // namespace

Bewertung::Bewertung(Dienste& dienste, QWidget* eltern) : QWidget(eltern, Qt::Window), m_dienste(dienste)
{
    setObjectName(QStringLiteral("Bewertung"));
    setWindowTitle(QStringLiteral("Behaglichkeit nach ISO 7730"));
    baue();
    aktualisieren();
}

QLineEdit* Bewertung::feld(const QString& name, const QString& text)
{
    auto* f = new QLineEdit(text, this);
    f->setObjectName(name);
    f->setMinimumWidth(64);
    f->setMaximumWidth(80);
    f->setAlignment(Qt::AlignRight);
    connect(f, &QLineEdit::textChanged, this, &Bewertung::aktualisieren);
    return f;
}

void Bewertung::baue()
{
    auto* gesamt = new QGroupBox(QStringLiteral("Gesamtbewertung"), this);
    m_gesamt = new QLabel(gesamt);
    m_gesamt->setObjectName(QStringLiteral("Gesamt_Kategorie"));
    QFont gross = m_gesamt->font();
    gross.setPointSizeF(gross.pointSizeF() * 2.2);
    gross.setBold(true);
    m_gesamt->setFont(gross);
    m_gesamt->setAlignment(Qt::AlignCenter);
    m_gesamt->setMinimumWidth(260);
    m_gesamt->setAutoFillBackground(true);
    m_entscheidend = new QLabel(gesamt);
    m_entscheidend->setObjectName(QStringLiteral("Gesamt_entscheidend"));
    m_gesamtHinweis = new QLabel(gesamt);
    m_gesamtHinweis->setObjectName(QStringLiteral("Gesamt_Hinweis"));
    auto* gesamtRaster = new QGridLayout(gesamt);
    gesamtRaster->addWidget(m_gesamt, 0, 0);
    gesamtRaster->addWidget(m_entscheidend, 0, 1);
    gesamtRaster->addWidget(m_gesamtHinweis, 1, 0, 1, 2);
    m_verfahren = new QLabel(gesamt);
    m_verfahren->setObjectName(QStringLiteral("Rechenverfahren"));
    gesamtRaster->addWidget(m_verfahren, 2, 0, 1, 2);
    gesamtRaster->setColumnStretch(1, 1);

    auto* bericht = new QGroupBox(QStringLiteral("Bericht"), this);
    auto* berichtRaster = new QGridLayout(bericht);
    for (int i = 0; i < 3; ++i) {
        auto* f = new QLineEdit(gespeichert()->value(QLatin1String(kBerichtsfeld[i][2])).toString(), bericht);
        f->setObjectName(QLatin1String(kBerichtsfeld[i][0]));
        connect(f, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            gespeichert()->setValue(QLatin1String(kBerichtsfeld[i][2]), text);
            aktualisieren();
        });
        berichtRaster->addWidget(new QLabel(QString::fromUtf8(kBerichtsfeld[i][1]), bericht), 0, 2 * i);
        berichtRaster->addWidget(f, 0, 2 * i + 1);
        m_berichtsfelder[std::size_t(i)] = f;
    }

    auto* zugluft = new QGroupBox(QStringLiteral("Eingaben für das Zugluftrisiko"), this);
    auto* zugluftRaster = new QGridLayout(zugluft);
    m_tu = feld(QStringLiteral("DR_Tu"), formatiereZahl(40, 0));
    m_tLokal = feld(QStringLiteral("DR_t_lokal"), {});
    m_vLokal = feld(QStringLiteral("DR_v_lokal"), {});
    // typing makes a value the user's own; emptying the field hands it back to the main window
    connect(m_tLokal, &QLineEdit::textEdited, this, [this] { m_tLokalEigen = true; });
    connect(m_vLokal, &QLineEdit::textEdited, this, [this] { m_vLokalEigen = true; });
    connect(m_tLokal, &QLineEdit::editingFinished, this, [this] {
        if (m_tLokal->text().trimmed().isEmpty()) {
            m_tLokalEigen = false;
            aktualisieren();
        }
    });
    connect(m_vLokal, &QLineEdit::editingFinished, this, [this] {
        if (m_vLokal->text().trimmed().isEmpty()) {
            m_vLokalEigen = false;
            aktualisieren();
        }
    });
    const QString beschriftungen[3][2] = {
        {QStringLiteral("Turbulenzgrad Tu (ohne Messung 40 %):"), QStringLiteral("%")},
        {QStringLiteral("Örtliche Lufttemperatur ta,l (leer: Ti des Hauptfensters):"), QStringLiteral("°C")},
        {QStringLiteral("Örtliche mittlere Luftgeschwindigkeit va,l (leer: v_Luft):"), QStringLiteral("m/s")}};
    QLineEdit* felder[3] = {m_tu, m_tLokal, m_vLokal};
    for (int i = 0; i < 3; ++i) {
        zugluftRaster->addWidget(new QLabel(beschriftungen[i][0], zugluft), i, 0);
        zugluftRaster->addWidget(felder[i], i, 1);
        zugluftRaster->addWidget(new QLabel(beschriftungen[i][1], zugluft), i, 2);
    }
    zugluftRaster->setColumnStretch(3, 1);

    auto* kriterien = new QGroupBox(QStringLiteral("Kriterien (ISO 7730, Tabelle A.1)"), this);
    auto* raster = new QGridLayout(kriterien);
    const QString kopf[] = {QStringLiteral("Kriterium"), QStringLiteral("Eingabe"), QStringLiteral("Wert"),
                            QStringLiteral("Kategorie"), QStringLiteral("Grenzen A / B / C")};
    for (int s = 0; s < 5; ++s) {
        auto* k = new QLabel(QStringLiteral("<b>%1</b>").arg(kopf[s]), kriterien);
        raster->addWidget(k, 0, s);
    }
    for (int i = 0; i < kKriterien; ++i) {
        const auto kr = static_cast<Kriterium>(i);
        const QString stamm = QLatin1String(kKennung[i]);
        Zeile& z = m_zeilen[i];
        const int r = 1 + 3 * i;  // the value, its hint, and for PPD the note on its method
        if (kr == Kriterium::PMV || kr == Kriterium::PPD) {
            raster->addWidget(new QLabel(text(kr).name, kriterien), r, 0);
            raster->addWidget(new QLabel(QStringLiteral("aus dem Hauptfenster"), kriterien), r, 1);
        } else {
            z.bewertet = new QCheckBox(text(kr).name, kriterien);
            z.bewertet->setObjectName(stamm + QStringLiteral("_bewertet"));
            z.bewertet->setChecked(kr == Kriterium::DR);
            z.bewertet->setToolTip(QStringLiteral("Ausgeschaltet: nicht bewertet"));
            connect(z.bewertet, &QCheckBox::toggled, this, &Bewertung::aktualisieren);
            raster->addWidget(z.bewertet, r, 0);
        }
        if (kr >= Kriterium::Vertikal) {
            auto* eingabe = new QHBoxLayout;
            eingabe->addWidget(new QLabel(text(kr).eingabe, kriterien));
            const double start = kStartwert[i - int(Kriterium::Vertikal)];
            z.eingabe = feld(stamm + QStringLiteral("_Eingabe"), formatiereZahl(start, 1));
            eingabe->addWidget(z.eingabe);
            eingabe->addWidget(new QLabel(text(kr).einheit.trimmed(), kriterien));
            eingabe->addStretch();
            raster->addLayout(eingabe, r, 1);
        } else if (kr == Kriterium::DR) {
            raster->addWidget(new QLabel(QStringLiteral("Tu, ta,l, va,l (oben)"), kriterien), r, 1);
        }
        z.wert = new QLabel(kriterien);
        z.wert->setObjectName(stamm + QStringLiteral("_Wert"));
        z.wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        z.wert->setMinimumWidth(90);
        z.kategorie = new QLabel(kriterien);
        z.kategorie->setObjectName(stamm + QStringLiteral("_Kategorie"));
        z.kategorie->setAlignment(Qt::AlignCenter);
        z.kategorie->setMinimumWidth(40);
        z.kategorie->setAutoFillBackground(true);
        z.balken = new Kategoriebalken(kr, kriterien);
        z.balken->setObjectName(stamm + QStringLiteral("_Balken"));
        z.hinweis = new QLabel(kriterien);
        z.hinweis->setObjectName(stamm + QStringLiteral("_Hinweis"));
        z.hinweis->setStyleSheet(QStringLiteral("color: #b71c1c;"));
        z.hinweis->setWordWrap(true);
        if (kr == Kriterium::PPD) {
            // The classic PPD is not the one Table A.1's limits were set for: say so, one click from the standard's.
            auto* notiz = new QHBoxLayout;
            m_ppdNotiz = new QLabel(QStringLiteral("Die PPD-Grenzen der Tabelle A.1 gelten für den PPD der Norm; "
                                                   "dieser PPD ist klassisch gerechnet."),
                                    kriterien);
            m_ppdNotiz->setObjectName(QStringLiteral("PPD_Notiz"));
            m_ppdNotiz->setWordWrap(true);
            m_aufIso = new QPushButton(QStringLiteral("Auf ISO 7730 &umschalten"), kriterien);
            m_aufIso->setObjectName(QStringLiteral("Auf_ISO_umschalten"));
            connect(m_aufIso, &QPushButton::clicked, this, [this] {
                if (m_umschalter)
                    m_umschalter();
            });
            notiz->addWidget(m_ppdNotiz, 1);
            notiz->addWidget(m_aufIso);
            raster->addLayout(notiz, r + 2, 0, 1, 5);
        }
        raster->addWidget(z.wert, r, 2);
        raster->addWidget(z.kategorie, r, 3);
        raster->addWidget(z.balken, r, 4);
        raster->addWidget(z.hinweis, r + 1, 0, 1, 5);
    }
    raster->setColumnStretch(4, 1);

    auto* speichern = new QPushButton(QStringLiteral("Bericht &speichern..."), this);
    speichern->setObjectName(QStringLiteral("Bericht_speichern"));
    auto* drucken = new QPushButton(QStringLiteral("Bericht &drucken..."), this);
    drucken->setObjectName(QStringLiteral("Bericht_drucken"));
    auto* hilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    hilfe->setObjectName(QStringLiteral("Bewertung_Hilfe"));
    auto* schliessen = new QPushButton(QStringLiteral("S&chließen"), this);
    schliessen->setObjectName(QStringLiteral("Bewertung_Schliessen"));
    connect(speichern, &QPushButton::clicked, this, &Bewertung::berichtSpeichern);
    connect(drucken, &QPushButton::clicked, this, &Bewertung::berichtDrucken);
    connect(hilfe, &QPushButton::clicked, this, [this] {
        m_dienste.hilfeZeigen(this, QStringLiteral("tempara.hlp"), kHilfeStichwort, QStringLiteral("Bewertung"));
    });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(speichern);
    knoepfe->addWidget(drucken);
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe);
    knoepfe->addWidget(schliessen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(bericht);
    spalte->addWidget(gesamt);
    spalte->addWidget(zugluft);
    spalte->addWidget(kriterien);
    spalte->addLayout(knoepfe);
}

std::optional<double> Bewertung::lies(QLineEdit* feld)
{
    const std::optional<double> wert = leseZahl(feld->text());
    if (wert && std::isfinite(*wert))
        return wert;
    setzeZustand(feld, Feldzustand::KeineZahl);
    m_keineZahl = true;
    return std::nullopt;
}

void Bewertung::markiere(QLineEdit* feld, bool ausserhalb)
{
    setzeZustand(feld, ausserhalb ? Feldzustand::Ausserhalb : Feldzustand::Gut);
}

void Bewertung::aktualisieren()
{
    const Raumklima& k = programm::Raumklima;
    m_inhalt.klima = k;
    m_inhalt.tsGleichTi = programm::TsGleichTi;
    m_inhalt.erstellt = QDateTime::currentDateTime();
    if (!m_tLokalEigen)
        setzeText(m_tLokal, formatiereZahl(k.Ti, 1));
    if (!m_vLokalEigen)
        setzeText(m_vLokal, formatiereZahl(k.v_Luft, 2));

    const PmvEingabe eingabe = PmvEingabeAus(k, programm::TsGleichTi);
    PmvErgebnis pmv;
    m_inhalt.verfahren = programm::Verfahren;
    m_pmvGerechnet = PmvBerechnen(eingabe, pmv, m_inhalt.verfahren);
    m_inhalt.pmvGerechnet = m_pmvGerechnet;
    if (!m_pmvGerechnet)
        pmv.PMV = pmv.PPD = std::numeric_limits<float>::quiet_NaN();
    m_pmvEingabe = eingabe;
    m_pmv = pmv;

    m_keineZahl = false;
    LokaleEingaben l;
    const std::optional<double> tu = lies(m_tu);
    const std::optional<double> tl = m_tLokalEigen ? lies(m_tLokal) : std::optional<double>(k.Ti);
    const std::optional<double> vl = m_vLokalEigen ? lies(m_vLokal) : std::optional<double>(k.v_Luft);
    l.tu = tu.value_or(l.tu);
    l.tLokal = tl.value_or(0);
    l.vLokal = vl.value_or(0);
    l.zugluft = m_zeilen[int(Kriterium::DR)].bewertet->isChecked() && tu && tl && vl;
    m_inhalt.tu = tu;
    m_inhalt.tLokal = tl;
    m_inhalt.vLokal = vl;
    for (int i = int(Kriterium::DR); i < kKriterien; ++i)
        m_inhalt.eingeschaltet[std::size_t(i)] = m_zeilen[i].bewertet->isChecked();
    m_inhalt.projekt = m_berichtsfelder[0]->text();
    m_inhalt.raum = m_berichtsfelder[1]->text();
    m_inhalt.verfasser = m_berichtsfelder[2]->text();
    if (tu)
        markiere(m_tu, !(l.tu >= 10 && l.tu <= 60));
    if (tl)
        markiere(m_tLokal, !(l.tLokal >= 20 && l.tLokal <= 26));
    if (vl)
        markiere(m_vLokal, !(l.vLokal >= 0 && l.vLokal < 0.5));
    for (int i = 0; i < 6; ++i) {
        const auto kr = static_cast<Kriterium>(int(Kriterium::Vertikal) + i);
        Zeile& z = m_zeilen[int(kr)];
        z.eingabe->setEnabled(z.bewertet->isChecked());
        if (!z.bewertet->isChecked()) {
            setzeZustand(z.eingabe, Feldzustand::Gut);
            continue;
        }
        l.lokal[i] = lies(z.eingabe);
        if (l.lokal[i])
            markiere(z.eingabe, !lokalGueltig(kr, *l.lokal[i]));
    }
    m_inhalt.lokal = l;
    m_inhalt.ergebnis = bewerte(eingabe, pmv, l);
    zeige();
}

void Bewertung::setzeUmschalter(std::function<void()> aufIso)
{
    m_umschalter = std::move(aufIso);
    zeige();
}

void Bewertung::zeige()
{
    const Ergebnis& r = m_inhalt.ergebnis;
    const bool klassisch = m_inhalt.verfahren == Rechenverfahren::Klassisch;
    m_verfahren->setText(QStringLiteral("PMV und PPD: ") + QString::fromUtf8(Verfahrensname(m_inhalt.verfahren)));
    m_ppdNotiz->setVisible(klassisch);
    m_aufIso->setVisible(klassisch && m_umschalter);
    QStringList ausserhalb;
    for (int i = 0; i < kKriterien; ++i) {
        const auto kr = static_cast<Kriterium>(i);
        const Einzelwert& w = r.werte[i];
        Zeile& z = m_zeilen[i];
        QString hinweis;
        QPalette farben = palette();
        if (!w.bewertet) {
            const bool an = !z.bewertet || z.bewertet->isChecked();
            z.wert->setText(an ? QStringLiteral("keine Zahl") : QStringLiteral("nicht bewertet"));
            if (an)
                hinweis = QStringLiteral("Eine Eingabe ist keine Zahl; das Kriterium wird nicht bewertet.");
            z.kategorie->clear();
            z.balken->setzeWert(std::nullopt);
        } else if (i <= int(Kriterium::PPD) && !m_pmvGerechnet) {
            z.wert->setText(QStringLiteral("Fehler"));
            z.kategorie->clear();
            z.balken->setzeWert(std::nullopt);
            hinweis = QStringLiteral("PMV und PPD lassen sich für die Eingaben des Hauptfensters nicht berechnen.");
        } else {
            z.wert->setText(wertText(kr, w.wert));
            z.kategorie->setText(kategorieText(w.kategorie));
            farben.setColor(QPalette::Window, kategorieFarbe(w.kategorie));
            z.balken->setzeWert(w.wert);
            if (!w.gueltig) {
                if (kr == Kriterium::PMV)
                    hinweis = pmvHinweis();
                else if (kr == Kriterium::PPD)
                    hinweis = QStringLiteral("Außerhalb des Gültigkeitsbereichs wie PMV.");
                else
                    hinweis = QStringLiteral("Außerhalb des Gültigkeitsbereichs (%1).").arg(text(kr).bereich);
                ausserhalb << text(kr).kurz;
            }
        }
        z.kategorie->setPalette(farben);
        z.hinweis->setText(hinweis);
        z.hinweis->setVisible(!hinweis.isEmpty());
    }

    QPalette farben = palette();
    if (!m_pmvGerechnet) {
        m_gesamt->setText(QStringLiteral("nicht bestimmbar"));
        m_entscheidend->setText(QStringLiteral("PMV und PPD fehlen"));
    } else {
        m_gesamt->setText(r.gesamt == Kategorie::Keine ? QStringLiteral("schlechter als C")
                                                       : QStringLiteral("Kategorie ") + kategorieText(r.gesamt));
        m_entscheidend->setText(QStringLiteral("entscheidend: ") + text(r.entscheidend).name);
        farben.setColor(QPalette::Window, kategorieFarbe(r.gesamt));
    }
    m_gesamt->setPalette(farben);
    QStringList hinweise;
    if (!ausserhalb.isEmpty())
        hinweise << QStringLiteral("Außerhalb des Gültigkeitsbereichs: %1. Die Kategorie ist dort nur ein Anhalt.")
                        .arg(ausserhalb.join(QStringLiteral(", ")));
    if (m_keineZahl)
        hinweise << QStringLiteral("Eine Eingabe ist keine Zahl; ihr Kriterium wird nicht bewertet.");
    m_gesamtHinweis->setText(hinweise.join(u'\n'));
}

QString Bewertung::pmvHinweis() const
{
    struct Groesse {
        const char* name;
        double wert;
        int stellen;
        const char* einheit;
        const char* bereich;
    };
    const PmvEingabe& e = m_pmvEingabe;
    const Groesse groessen[kPmvGroessen] = {
        {"PMV", m_pmv.PMV, 3, "", "−2 bis 2"},  {"ta", e.ta, 1, " °C", "10–30 °C"},
        {"tr", e.tr, 1, " °C", "10–40 °C"},     {"var", e.var, 2, " m/s", "0–1 m/s"},
        {"M", e.M, 0, " W/m²", "46–232 W/m²"},  {"Icl", e.Icl, 2, " clo", "0–2 clo"},
        {"pa", m_pmv.pa, 0, " Pa", "0–2700 Pa"}};
    const unsigned maske = pmvAusserhalb(m_pmvEingabe, m_pmv);
    QStringList teile;
    for (int i = 0; i < kPmvGroessen; ++i)
        if (maske & (1u << i))
            teile << QStringLiteral("%1 = %2%3 (gültig %4)")
                         .arg(QLatin1String(groessen[i].name), formatiereZahl(groessen[i].wert, groessen[i].stellen),
                              QString::fromUtf8(groessen[i].einheit), QString::fromUtf8(groessen[i].bereich));
    return QStringLiteral("Außerhalb des Gültigkeitsbereichs von ISO 7730: %1.").arg(teile.join(QStringLiteral("; ")));
}

void Bewertung::berichtSpeichern()
{
    Dateidialog dialog;
    dialog.titel = QStringLiteral("Bericht speichern");
    dialog.filter = QStringLiteral("PDF-Dokument (*.pdf)|*.pdf");
    dialog.vorgabeEndung = QStringLiteral("pdf");
    dialog.dateiname = QStringLiteral("Behaglichkeit.pdf");
    dialog.ueberschreibenFragen = true;
    const std::optional<QString> pfad = m_dienste.dateiSpeichern(this, dialog);
    if (!pfad)
        return;
    m_inhalt.erstellt = QDateTime::currentDateTime();
    QString grund;
    if (!speichereBerichtPdf(*pfad, m_inhalt, &grund))
        m_dienste.meldung(this, Symbol::Warnung, QStringLiteral("Warnung"),
                          QStringLiteral("Der Bericht konnte nicht gespeichert werden:\n%1\n%2").arg(*pfad, grund));
}

void Bewertung::berichtDrucken()
{
    m_inhalt.erstellt = QDateTime::currentDateTime();
    // The PDF's page on the printer: the same painter code, the same margins, no bitmap.
    const Berichtsinhalt inhalt = m_inhalt;
    Druckauftrag auftrag;
    auftrag.titel = QStringLiteral("Behaglichkeit nach ISO 7730");
    auftrag.malen = [inhalt](QPainter& maler, const QRectF& flaeche, int) { zeichneBericht(maler, flaeche, inhalt); };
    auftrag.randMm = kBerichtRandMm;
    if (m_dienste.drucken(this, auftrag) == Druckausgang::Fehlgeschlagen)
        m_dienste.meldung(this, Symbol::Warnung, QStringLiteral("Warnung"),
                          QStringLiteral("Der Bericht konnte nicht gedruckt werden."));
}

Bewertung* zeigeBewertung(Hauptfenster& hauptfenster)
{
    static QPointer<Bewertung> fenster;
    if (!fenster) {
        fenster = new Bewertung(hauptfenster.dienste(), &hauptfenster.fenster());
        Bewertung* neu = fenster;
        hauptfenster.beiNeuberechnung(neu, [neu] { neu->aktualisieren(); });
        neu->setzeUmschalter([&hauptfenster] { hauptfenster.setzeRechenverfahren(Rechenverfahren::Iso7730); });
    } else {
        fenster->aktualisieren();
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    return fenster;
}

}  // namespace assessment
