// SPDX-License-Identifier: GPL-3.0-or-later
#include "datei_fenster.h"

#include "auswertung_fenster.h"
#include "datendatei.h"
#include "fensterbau.h"
#include "letzter_lauf.h"
#include "vorschau.h"

#include "dienste.h"
#include "eingaben.h"
#include "hauptfenster.h"
#include "programm.h"
#include "zahlen.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QThread>

#include <algorithm>

using namespace model;
using namespace gui;
using namespace evaluation;

namespace batch {

namespace {

constexpr int kBreite = 10620, kHoehe = 7200;  // the window with caption and border
constexpr int kSpalteLinks = 1560, kSpalteAbstand = 1740, kSpalteBreite = 1620;
constexpr int kRahmenHoehe = 1560;
constexpr int kErsteSpalteMax = kSpalten - 4;  // 16: columns 16 to 20

QLabel* beschriftung(QWidget* eltern, const QString& name, int links, int oben, int breite, const QString& text)
{
    QLabel* l = erzeuge<QLabel>(eltern, name, links, oben, breite, 285);
    l->setText(text);
    return l;
}

QPushButton* knopf(QWidget* eltern, const QString& name, int links, int oben, int breite, int hoehe,
                   const QString& text)
{
    QPushButton* k = erzeuge<QPushButton>(eltern, name, links, oben, breite, hoehe);
    k->setText(text);
    k->setAutoDefault(false);
    return k;
}

QScrollBar* schieber(QWidget* eltern, const QString& name, int oben, int gross)
{
    QScrollBar* s = erzeuge<QScrollBar>(eltern, name, 2760, oben, 3600, 285);
    s->setOrientation(Qt::Horizontal);
    s->setRange(0, 100);
    s->setPageStep(gross);
    s->setFocusPolicy(Qt::StrongFocus);
    s->setInvertedControls(false);  // Right and Page Up raise the value
    return s;
}

}  // namespace

DATEI::DATEI(Hauptfenster& haupt, const QString& datendatei, std::unique_ptr<QIODevice> datei, LetzterLauf& letzter)
    : QDialog(&haupt.fenster())
    , m_haupt(haupt)
    , m_dienste(haupt.dienste())
    , m_datendatei(datendatei)
    , m_letzter(letzter)
{
    setObjectName(QStringLiteral("DATEI"));
    setModal(true);
    baueTabelle();
    baueLegende();
    baueKonstanten();
    baueBenutzerverhalten();
    baueKnoepfe();
    baueFormat();
    laden(std::move(datei));
}

// Destroyed without being closed (only when the main window itself goes): the file closes,
// and the main window, already half gone, is left alone.
DATEI::~DATEI()
{
    pruefenBeenden();
    if (m_datei)
        m_datei->close();
}

void DATEI::baueTabelle()
{
    ui.tabelle = erzeuge<QFrame>(this, QStringLiteral("tabelle"), 120, 120, kBreite - 360, 3600);
    ui.tabelle->setFrameStyle(QFrame::Box | QFrame::Sunken);
    QWidget* t = ui.tabelle;
    beschriftung(t, QStringLiteral("Label_Spalte"), 120, 120, 1320, QStringLiteral("Spalte"));
    beschriftung(t, QStringLiteral("Label_Variable"), 120, 450, 1320, QStringLiteral("Variable"));
    beschriftung(t, QStringLiteral("Label_Auswahl"), 120, 810, 1320, QStringLiteral("Auswahl"));
    for (int r = 0; r < kVorschauzeilen; ++r)
        beschriftung(t, feldname("Label_Zeile", r), 120, 1215 + r * 360, 1320, QStringLiteral("Zeile %1").arg(r + 1));
    for (int i = 0; i < 5; ++i) {
        const int links = kSpalteLinks + i * kSpalteAbstand;
        QLabel* sp = beschriftung(t, feldname("sp", i), links, 120, kSpalteBreite, {});
        sp->setAlignment(Qt::AlignCenter);
        ui.sp[std::size_t(i)] = sp;
        QLabel* titel = beschriftung(t, feldname("spalten_titel", i), links, 450, kSpalteBreite, {});
        titel->setAlignment(Qt::AlignCenter);
        titel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        ui.spalten_titel[std::size_t(i)] = titel;
        QComboBox* liste = erzeuge<QComboBox>(t, feldname("Auswahl", i), links, 780, kSpalteBreite, 330);
        liste->installEventFilter(this);
        connect(liste, &QComboBox::activated, this, [this, i](int eintrag) { auswahlGewaehlt(i, eintrag); });
        ui.Auswahl[std::size_t(i)] = liste;
        for (int r = 0; r < kVorschauzeilen; ++r) {
            QLabel* wert = beschriftung(t, feldname("t", i + 5 * r), links, 1200 + r * 360, kSpalteBreite, {});
            wert->setFixedHeight(px(315));
            wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            wert->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            ui.t[std::size_t(i + 5 * r)] = wert;
        }
    }
    ui.links_max = knopf(t, QStringLiteral("links_max"), 1560, 3120, 480, 315, QStringLiteral("|<"));
    ui.links = knopf(t, QStringLiteral("links"), 2070, 3120, 480, 315, QStringLiteral("<"));
    ui.sp_scroll = erzeuge<QScrollBar>(t, QStringLiteral("sp_scroll"), 2580, 3135, 6510, 285);
    ui.sp_scroll->setOrientation(Qt::Horizontal);
    ui.sp_scroll->setRange(1, kErsteSpalteMax);
    ui.sp_scroll->setPageStep(3);
    ui.sp_scroll->setInvertedControls(false);
    ui.sp_scroll->setFocusPolicy(Qt::StrongFocus);
    ui.sp_scroll->setValue(1);
    ui.rechts = knopf(t, QStringLiteral("rechts"), 9150, 3120, 480, 315, QStringLiteral(">"));
    ui.rechts_max = knopf(t, QStringLiteral("rechts_max"), 9660, 3120, 480, 315, QStringLiteral(">|"));
    connect(ui.sp_scroll, &QScrollBar::valueChanged, this, [this](int erste) { spaltenZeigen(erste, true); });
    connect(ui.links_max, &QPushButton::clicked, this, [this] { ui.sp_scroll->setValue(1); });
    connect(ui.rechts_max, &QPushButton::clicked, this, [this] { ui.sp_scroll->setValue(kErsteSpalteMax); });
    connect(ui.links, &QPushButton::clicked, this, [this] { ui.sp_scroll->setValue(ui.sp_scroll->value() - 1); });
    connect(ui.rechts, &QPushButton::clicked, this, [this] { ui.sp_scroll->setValue(ui.sp_scroll->value() + 1); });
}

void DATEI::baueLegende()
{
    ui.Auswahl_Legende =
        erzeuge<QFrame>(this, QStringLiteral("Auswahl_Legende"), 120, kRahmenSichtbar, kBreite - 360, kRahmenHoehe);
    ui.Auswahl_Legende->setFrameStyle(QFrame::Box | QFrame::Sunken);
    const std::pair<const char16_t*, const char16_t*> paare[] = {{u"Ti:", u"Raumlufttemperatur"},
                                                                 {u"Ts:", u"Strahlungstemperatur"},
                                                                 {u"v_Luft", u"Luftgeschwindigkeit"},
                                                                 {u"rel.Feuchte:", u"Relative Luftfeuchtigkeit"},
                                                                 {u"Jahresstunde:", u"Nummer der Stunde im Jahr"},
                                                                 {u"PMV:", u"Mittlere Beurteilung"},
                                                                 {u"PPD:", u"Prozentsatz der Unzufriedenen"},
                                                                 {u"Ta_außen:", u"Außenlufttemperatur"}};
    for (int j = 0; j < 8; ++j) {
        const int links = j < 4 ? 240 : 5280, oben = 180 + (j % 4) * 330;
        beschriftung(ui.Auswahl_Legende, feldname("Legende_kurz", j), links, oben, 1440,
                     QString::fromUtf16(paare[j].first));
        beschriftung(ui.Auswahl_Legende, feldname("Legende_lang", j), links + 1440, oben, 2760,
                     QString::fromUtf16(paare[j].second));
    }
}

void DATEI::baueKonstanten()
{
    ui.konst_para =
        erzeuge<QGroupBox>(this, QStringLiteral("konst_para"), 120, kRahmenSichtbar, kBreite - 360, kRahmenHoehe);
    ui.konst_para->setTitle(QStringLiteral("Konstante Parameter einstellen"));
    beschriftung(ui.konst_para, QStringLiteral("eingabe_label5"), 240, 420, 2400,
                 QStringLiteral("Luftgeschwindigkeit"));
    ui.V_Scroll = schieber(ui.konst_para, QStringLiteral("V_Scroll"), 420, 10);
    ui.eingabe_txt3 = erzeuge<QLabel>(ui.konst_para, QStringLiteral("eingabe_txt3"), 6600, 405, 1560, 315);
    beschriftung(ui.konst_para, QStringLiteral("eingabe_label6"), 240, 960, 2400,
                 QStringLiteral("relative Luftfeuchtigkeit"));
    ui.PHI_Scroll = schieber(ui.konst_para, QStringLiteral("PHI_Scroll"), 960, 5);
    ui.eingabe_txt4 = erzeuge<QLabel>(ui.konst_para, QStringLiteral("eingabe_txt4"), 6600, 945, 1560, 315);
    for (QLabel* wert : {ui.eingabe_txt3, ui.eingabe_txt4}) {
        wert->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        wert->setAlignment(Qt::AlignCenter);
    }
    connect(ui.V_Scroll, &QScrollBar::valueChanged, this, &DATEI::vScrollGeaendert);
    connect(ui.PHI_Scroll, &QScrollBar::valueChanged, this, &DATEI::phiScrollGeaendert);
}

void DATEI::baueBenutzerverhalten()
{
    ui.benutzerverhalten = erzeuge<QGroupBox>(this, QStringLiteral("benutzerverhalten"), 120, kRahmenSichtbar,
                                              kBreite - 360, kRahmenHoehe);
    ui.benutzerverhalten->setTitle(QStringLiteral("Benutzerverhalten einstellen"));
    ui.benutzer[0] = erzeuge<QRadioButton>(ui.benutzerverhalten, feldname("benutzer", 0), 480, 420, 3600, 345);
    ui.benutzer[0]->setText(QStringLiteral("Jahreszeitunabhängig"));
    ui.benutzer[1] = erzeuge<QRadioButton>(ui.benutzerverhalten, feldname("benutzer", 1), 480, 900, 3600, 345);
    ui.benutzer[1]->setText(QStringLiteral("Jahreszeitabhängig"));
    for (int k = 0; k < 2; ++k)
        connect(ui.benutzer[std::size_t(k)], &QRadioButton::clicked, this,
                [this, k] { m_nutzungsart = Nutzungsart(k); });
    ui.benutzer_einstellen = knopf(ui.benutzerverhalten, QStringLiteral("benutzer_einstellen"), 5280, 540, 1800, 420,
                                   QStringLiteral("Einstellen"));
    connect(ui.benutzer_einstellen, &QPushButton::clicked, this, &DATEI::einstellenKlick);
}

void DATEI::baueKnoepfe()
{
    const int oben = kRahmenSichtbar + kRahmenHoehe + 120;
    ui.Zurueck = knopf(this, QStringLiteral("Zurück"), 5220, oben, 1560, 375, QStringLiteral("&Zurück"));
    ui.rechnen = knopf(this, QStringLiteral("rechnen"), 6900, oben, 1560, 375, QStringLiteral("&Weiter"));
    ui.abbrechen = knopf(this, QStringLiteral("abbrechen"), 8580, oben, 1560, 375, QStringLiteral("&Abbrechen"));
    connect(ui.rechnen, &QPushButton::clicked, this, &DATEI::weiterKlick);
    connect(ui.Zurueck, &QPushButton::clicked, this, &DATEI::zurueckKlick);
    connect(ui.abbrechen, &QPushButton::clicked, this, &DATEI::reject);
    ui.datenzeilen = beschriftung(this, QStringLiteral("datenzeilen"), 240, oben + 45, 2880, {});
    ui.letzteAuswertung =
        knopf(this, QStringLiteral("letzteAuswertung"), 3120, oben, 1980, 375, QStringLiteral("&Letzte Auswertung..."));
    connect(ui.letzteAuswertung, &QPushButton::clicked, this, &DATEI::auswertungZeigen);
}

// Between the table and the legend: the separator, the reading of time stamps and what the
// header told.
void DATEI::baueFormat()
{
    constexpr int oben = 3765;
    beschriftung(this, QStringLiteral("Label_Trennzeichen"), 240, oben + 15, 1320, QStringLiteral("&Trennzeichen:"))
        ->setBuddy(ui.trennzeichen = erzeuge<QComboBox>(this, QStringLiteral("trennzeichen"), 1560, oben, 2880, 300));
    for (const Trennzeichen t :
         {Trennzeichen::Leerraum, Trennzeichen::Semikolon, Trennzeichen::Komma, Trennzeichen::Tabulator})
        ui.trennzeichen->addItem(TrennzeichenName(t));
    connect(ui.trennzeichen, &QComboBox::activated, this, &DATEI::trennzeichenGewaehlt);
    beschriftung(this, QStringLiteral("Label_Lesart"), 4680, oben + 15, 1320, QStringLiteral("Zeit&stempel:"))
        ->setBuddy(ui.lesart = erzeuge<QComboBox>(this, QStringLiteral("lesart"), 6000, oben, 4140, 300));
    ui.lesart->addItem(QStringLiteral("Ende der Stunde (01:00 = Stunde 1)"));
    ui.lesart->addItem(QStringLiteral("Anfang der Stunde (00:00 = Stunde 1)"));
    connect(ui.lesart, &QComboBox::activated, this, [this](int eintrag) {
        m_format.lesart = Stundenlesart(eintrag);
        vorschauLesen(false);
    });
    ui.formathinweis = beschriftung(this, QStringLiteral("formathinweis"), 240, oben + 315, kBreite - 600, {});
    ui.formathinweis->setFixedHeight(px(240));
}

// Opening: frames parked, the main window's open commands off, lists filled, then the
// preview, whose assignment line sets the codes the lists show.
void DATEI::laden(std::unique_ptr<QIODevice> datei)
{
    for (int i = 0; i < 5; ++i)
        ui.sp[std::size_t(i)]->setText(QString::number(i + 1));
    setWindowTitle(QDir::toNativeSeparators(m_datendatei));
    setFixedSize(innenGroesse(kBreite, kHoehe));
    rahmenNach(ui.konst_para, kRahmenVersteckt);
    if (const QScreen* schirm = m_haupt.fenster().screen()) {
        const QRect flaeche = schirm->availableGeometry();
        move(flaeche.center() - rect().center());
    }
    m_haupt.setzeDateiOeffnenAktiv(false);
    m_schritt = 0;
    rahmenNach(ui.benutzerverhalten, kRahmenVersteckt);
    for (QComboBox* liste : ui.Auswahl) {
        for (const int16_t code : kWaehlbareCodes)
            liste->addItem(Variablenname(code));
        liste->setCurrentIndex(0);
    }
    m_nutzungsart = Nutzungsart::Jahreszeitunabhaengig;
    ui.benutzer[0]->setChecked(true);
    m_zuordnung.fill(kUnbenutzt);
    m_datei = std::move(datei);
    if (m_datei) {
        m_ersteZeilen = ErsteZeilen(*m_datei);
        m_format = FormatErkennen(m_ersteZeilen, m_datendatei);
    }
    vorschauLesen(true);
    ui.letzteAuswertung->setEnabled(m_letzter.vorhanden());
    // A file read into memory (a pipe, UTF-16) is checked there; any other is read again.
    if (const auto* puffer = qobject_cast<const QBuffer*>(m_datei.get()))
        m_imSpeicher = puffer->data();
    pruefenStarten();
    m_vLuftAnfang = programm::Raumklima.v_Luft;
    m_phiAnfang = programm::Raumklima.phi;
    spaltenZeigen(1, true);
}

void DATEI::vorschauLesen(bool codes)
{
    if (m_datei && m_datei->seek(0)) {
        Spaltenzuordnung ausSZeile = m_zuordnung;
        m_zuordnungszeile = VorschauLesen(*m_datei, m_vorschau, ausSZeile, m_format);
        if (m_zuordnungszeile)
            m_zuordnung = ausSZeile;
        else if (codes && m_format.getrennt())
            m_zuordnung = m_format.zuordnung;
    }
    formatZeigen();
    spaltenZeigen(m_ersteSpalte, true);
}

void DATEI::formatZeigen()
{
    ui.trennzeichen->setCurrentIndex(int(m_format.trenner));
    ui.lesart->setCurrentIndex(int(m_format.lesart));
    ui.lesart->setEnabled(m_format.zeitspalte >= 0);
    // One short line under the table; the whole texts in its tooltip.
    QStringList waehlen;
    for (qsizetype i = 0; i < m_format.mehrdeutigeCodes.size(); ++i) {
        QStringList spalten;
        for (const int s : m_format.mehrdeutigeSpalten[i])
            spalten << QString::number(s + 1);
        waehlen << QStringLiteral("%1 aus Spalte %2")
                       .arg(Variablenname(m_format.mehrdeutigeCodes[i]), spalten.join(QStringLiteral(" oder ")));
    }
    QString hinweis;
    if (!waehlen.isEmpty()) {
        hinweis = QStringLiteral("Bitte wählen Sie: %1.").arg(waehlen.join(QStringLiteral("; ")));
    } else {
        if (m_format.kopfzeile > 0)
            hinweis = QStringLiteral("Kopfzeile: Zeile %1, Spalten nach Namen belegt.").arg(m_format.kopfzeile);
        if (m_format.uhrzeitspalte >= 0)
            hinweis += QStringLiteral(" Jahresstunde aus Datum und Uhrzeit (Spalten %1, %2).")
                           .arg(m_format.zeitspalte + 1)
                           .arg(m_format.uhrzeitspalte + 1);
        else if (m_format.zeitspalte >= 0)
            hinweis += QStringLiteral(" Jahresstunde aus Datum und Uhrzeit (Spalte %1).").arg(m_format.zeitspalte + 1);
    }
    ui.formathinweis->setText(hinweis.trimmed());
    ui.formathinweis->setToolTip(m_format.mehrdeutig.join(u'\n'));
}

void DATEI::trennzeichenGewaehlt(int eintrag)
{
    if (eintrag < 0 || Trennzeichen(eintrag) == m_format.trenner)
        return;
    m_format = FormatErkennen(m_ersteZeilen, m_datendatei, Trennzeichen(eintrag));
    if (!m_zuordnungszeile)
        m_zuordnung.fill(kUnbenutzt);
    vorschauLesen(true);
    pruefenStarten();  // faults and counts depend on the separator
}

bool DATEI::lesbar(QWidget* eltern)
{
    if (!m_befund)
        return true;
    const QString fehler = Lesefehler(*m_befund, m_zuordnung);
    if (fehler.isEmpty())
        return true;
    m_dienste.meldung(eltern, Symbol::Kritisch, QStringLiteral("Datendatei nicht lesbar"),
                      QStringLiteral("Die Datendatei lässt sich so nicht sicher lesen:\n%1\n\nBitte prüfen Sie "
                                     "das Trennzeichen und die Zuordnung der Spalten oder berichtigen Sie die Datei.")
                          .arg(fehler));
    return false;
}

void DATEI::spaltenZeigen(int erste, bool mitWerten)
{
    m_ersteSpalte = erste;
    for (int i = 0; i < 5; ++i) {
        const int c = erste + i;
        // Above the column its number, with a header its name as far as it fits.
        QLabel* sp = ui.sp[std::size_t(i)];
        const int feld = m_format.feld[std::size_t(c - 1)];
        const QString name = m_format.namen.value(feld);
        sp->setText(name.isEmpty() ? QString::number(c)
                                   : sp->fontMetrics().elidedText(QStringLiteral("%1: %2").arg(feld + 1).arg(name),
                                                                  Qt::ElideRight, sp->width()));
        sp->setToolTip(name);
        ui.spalten_titel[std::size_t(i)]->setText(Variablenname(m_zuordnung[std::size_t(c - 1)]));
        codeZeigen(i);
        if (!mitWerten)
            continue;
        for (int r = 0; r < kVorschauzeilen; ++r)
            ui.t[std::size_t(i + 5 * r)]->setText(formatiereZahl(m_vorschau[std::size_t(kSpalten * r + c - 1)], 2));
    }
}

// Shows the code of the list's column; PMV and PPD of an earlier result have no entry and
// appear as the list's text.
void DATEI::codeZeigen(int i)
{
    QComboBox* liste = ui.Auswahl[std::size_t(i)];
    const int code = m_zuordnung[std::size_t(m_ersteSpalte + i - 1)];
    if (const int eintrag = WaehlbarerEintrag(code); eintrag >= 0) {
        liste->setCurrentIndex(eintrag);
        liste->setPlaceholderText({});
    } else {
        liste->setCurrentIndex(-1);
        liste->setPlaceholderText(Variablenname(code));
    }
}

void DATEI::auswahlGewaehlt(int i, int eintrag)
{
    if (eintrag < 0)
        return;
    const int c = m_ersteSpalte + i;
    const int16_t code = kWaehlbareCodes[std::size_t(eintrag)];
    m_zuordnung[std::size_t(c - 1)] = code;
    ui.spalten_titel[std::size_t(i)]->setText(Variablenname(code));
    ui.Auswahl[std::size_t(i)]->setPlaceholderText({});
}

bool DATEI::eventFilter(QObject* objekt, QEvent* ereignis)
{
    for (int i = 0; i < 5; ++i) {
        if (objekt != ui.Auswahl[std::size_t(i)])
            continue;
        if (ereignis->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(ereignis)->text().isEmpty()
            && static_cast<QKeyEvent*>(ereignis)->text().front().isPrint())
            return true;  // typing into the list is discarded
        if (ereignis->type() == QEvent::FocusOut
            && static_cast<QFocusEvent*>(ereignis)->reason() != Qt::PopupFocusReason)
            codeZeigen(i);
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void DATEI::weiterKlick()
{
    if (m_schritt == 2) {
        m_schritt = 3;
        verhaltensseite();
        return;
    }
    if (m_schritt > 1)
        return;
    m_schritt = 1;
    if (DoppelteSpalten(m_zuordnung)) {
        m_dienste.meldung(this, Symbol::Warnung, QStringLiteral("Warnung"),
                          QStringLiteral("Variable mehrfach vergeben!"));
        return;
    }
    if (!lesbar(this))
        return;
    const bool beide = std::find(m_zuordnung.begin(), m_zuordnung.end(), kVLuft) != m_zuordnung.end()
                       && std::find(m_zuordnung.begin(), m_zuordnung.end(), kFeuchte) != m_zuordnung.end();
    if (beide)
        verhaltensseite();
    else
        konstantenseite();
}

void DATEI::zurueckKlick()
{
    if (m_schritt <= 1)
        reject();
    else
        spaltenseite();
}

void DATEI::konstantenseite()
{
    rahmenNach(ui.konst_para, kRahmenSichtbar);
    rahmenNach(ui.Auswahl_Legende, kRahmenVersteckt);
    m_schritt = 2;
    // A quantity that a column carries is read from each line; its field names that column.
    const auto spalte = [this](int code) {
        const auto treffer = std::find(m_zuordnung.begin(), m_zuordnung.end(), code);
        return treffer == m_zuordnung.end() ? 0 : int(treffer - m_zuordnung.begin()) + 1;
    };
    const int vSpalte = spalte(kVLuft);
    ui.V_Scroll->setEnabled(vSpalte == 0);
    if (vSpalte) {
        ui.eingabe_txt3->setText(QStringLiteral("aus Spalte %1").arg(vSpalte));
    } else {
        // Above 5 m/s the bar stops at its end, and the constant becomes 5,00 m/s.
        ui.V_Scroll->setValue(std::min(stellungFuer(Eingabe::v_Luft, programm::Raumklima.v_Luft), 100));
        vScrollGeaendert(ui.V_Scroll->value());  // snaps v_Luft even when the bar did not move
    }
    const int phiSpalte = spalte(kFeuchte);
    ui.PHI_Scroll->setEnabled(phiSpalte == 0);
    if (phiSpalte) {
        ui.eingabe_txt4->setText(QStringLiteral("aus Spalte %1").arg(phiSpalte));
    } else {
        ui.PHI_Scroll->setValue(programm::Raumklima.phi);
        phiScrollGeaendert(ui.PHI_Scroll->value());
    }
    listenZeigen(false);
}

void DATEI::verhaltensseite()
{
    rahmenNach(ui.Auswahl_Legende, kRahmenVersteckt);
    rahmenNach(ui.konst_para, kRahmenVersteckt);
    rahmenNach(ui.benutzerverhalten, kRahmenSichtbar);
    m_schritt = 4;
    ui.benutzer_einstellen->setFocus();
    ui.rechnen->setEnabled(false);
    listenZeigen(false);
}

void DATEI::spaltenseite()
{
    rahmenNach(ui.konst_para, kRahmenVersteckt);
    rahmenNach(ui.benutzerverhalten, kRahmenVersteckt);
    rahmenNach(ui.Auswahl_Legende, kRahmenSichtbar);
    if (const QScreen* schirm = screen())
        move(schirm->availableGeometry().center().x() - frameGeometry().width() / 2, y());
    m_schritt = 1;
    ui.rechnen->setEnabled(true);
    ui.rechnen->setFocus();
    listenZeigen(true);
}

void DATEI::listenZeigen(bool sichtbar)
{
    for (QComboBox* liste : ui.Auswahl)
        liste->setVisible(sichtbar);
    for (QWidget* w : {static_cast<QWidget*>(ui.trennzeichen), static_cast<QWidget*>(ui.lesart),
                       static_cast<QWidget*>(ui.formathinweis)})
        w->setVisible(sichtbar);
    for (const char* name : {"Label_Trennzeichen", "Label_Lesart"})
        if (QWidget* w = findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            w->setVisible(sichtbar);
}

void DATEI::vScrollGeaendert(int position)
{
    programm::Raumklima.v_Luft = float(wertBei(Eingabe::v_Luft, position));
    ui.eingabe_txt3->setText(werttext(Eingabe::v_Luft, programm::Raumklima.v_Luft));
}

void DATEI::phiScrollGeaendert(int position)
{
    programm::Raumklima.phi = int16_t(wertBei(Eingabe::phi, position));
    ui.eingabe_txt4->setText(werttext(Eingabe::phi, programm::Raumklima.phi));
}

void DATEI::einstellenKlick()
{
    nutzen fenster(m_nutzungsart, m_haupt.stellung(Eingabe::M), m_haupt.stellung(Eingabe::Icl), programm::Raumklima.Icl,
                   this);
    fenster.setzeLauf([this](nutzen& n) { return stapelStarten(n); });
    if (m_befund)
        fenster.setzeDatenzeilen(m_befund->datenzeilen);
    m_nutzen = &fenster;
    fenster.exec();
    m_nutzen = nullptr;
    switch (fenster.ausgang()) {
    case nutzen::Ausgang::Zurueck: spaltenseite(); break;
    case nutzen::Ausgang::Fertig: ergebnisZeigen(); break;
    default: break;  // cancelled save dialog or closed: stays on the behaviour page
    }
}

// Closing in any way: the data file closes, the main window's open commands come back, and
// the main window's bars follow the constants this window may have changed.
void DATEI::done(int ergebnis)
{
    if (!m_geschlossen) {
        m_geschlossen = true;
        pruefenBeenden();
        if (m_datei)
            m_datei->close();
        hauptfensterAngleichen();
        m_haupt.setzeDateiOeffnenAktiv(true);
    }
    QDialog::done(ergebnis);
}

}  // namespace batch
