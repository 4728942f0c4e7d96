// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutzen_fenster.h"

#include "fensterbau.h"
#include "monatstabelle.h"
#include "vorpruefung.h"

#include "eingaben.h"
#include "zahlen.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

using namespace model;
using namespace gui;

namespace batch {

namespace {

const QColor kHellrot(255, 0, 0);  // colour 12 of the 16-colour palette
constexpr int kKnopfBreite = 1455, kKnopfHoehe = 420;

QString aktivitaetText(int position) { return werttext(Eingabe::M, wertBei(Eingabe::M, position)); }
QString bekleidungText(double clo) { return werttext(Eingabe::Icl, clo); }

QScrollBar* schieber(QWidget* eltern, const QString& name, int oben, int min, int max)
{
    auto* s = erzeuge<QScrollBar>(eltern, name, 1740, oben, 2880, 285);
    s->setOrientation(Qt::Horizontal);
    s->setRange(min, max);
    s->setSingleStep(1);
    s->setPageStep(5);
    s->setFocusPolicy(Qt::StrongFocus);
    s->setInvertedControls(false);  // Right and Page Up raise the value
    return s;
}

QLabel* wertfeld(QWidget* eltern, const QString& name, int oben)
{
    auto* l = erzeuge<QLabel>(eltern, name, 4740, oben, 1140, 315);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

nutzen::nutzen(Nutzungsart art, int energieumsatzPosition, int kleidungPosition, float Icl, QWidget* ueber)
    : QDialog(ueber), m_art(art)
{
    setObjectName(QStringLiteral("nutzen"));
    setWindowTitle(QStringLiteral("Benutzerverhalten einstellen"));
    setModal(true);
    baueEinstellen();
    baueBereiche();
    ui.Zurueck = erzeuge<QPushButton>(this, QStringLiteral("Zurück"), 0, 0, kKnopfBreite, kKnopfHoehe);
    ui.Zurueck->setText(QStringLiteral("&Zurück"));
    ui.weiter = erzeuge<QPushButton>(this, QStringLiteral("weiter"), 0, 0, kKnopfBreite, kKnopfHoehe);
    ui.weiter->setText(QStringLiteral("&Weiter"));
    for (QPushButton* k : {ui.Zurueck, ui.weiter})
        k->setAutoDefault(false);
    connect(ui.weiter, &QPushButton::clicked, this, &nutzen::weiterKlick);
    connect(ui.Zurueck, &QPushButton::clicked, this, &nutzen::zurueckKlick);

    formWaehlen();
    mitteUeber(ueber);
    startwerte(energieumsatzPosition, kleidungPosition, Icl);
}

void nutzen::baueEinstellen()
{
    ui.einstellen = erzeuge<QGroupBox>(this, QStringLiteral("Frame2"), 120, 120, 6000, 1560);
    ui.einstellen->setTitle(QStringLiteral("Einstellen"));
    erzeuge<QLabel>(ui.einstellen, QStringLiteral("Label1"), 240, 360, 1440, 285)
        ->setText(QStringLiteral("Energieumsatz"));
    ui.Energieumsatz_Scroll = schieber(ui.einstellen, QStringLiteral("Energieumsatz_Scroll"), 360,
                                       eingabeart(Eingabe::M).min, eingabeart(Eingabe::M).max);
    ui.eingabe_txt6 = wertfeld(ui.einstellen, QStringLiteral("eingabe_txt6"), 345);
    erzeuge<QLabel>(ui.einstellen, QStringLiteral("Label2"), 240, 960, 1440, 285)
        ->setText(QStringLiteral("Bekleidung"));
    ui.Kleidung_Scroll = schieber(ui.einstellen, QStringLiteral("Kleidung_Scroll"), 960, eingabeart(Eingabe::Icl).min,
                                  eingabeart(Eingabe::Icl).max);
    ui.eingabe_txt5 = wertfeld(ui.einstellen, QStringLiteral("eingabe_txt5"), 945);
    connect(ui.Energieumsatz_Scroll, &QScrollBar::valueChanged, this, &nutzen::energieumsatzGeaendert);
    connect(ui.Kleidung_Scroll, &QScrollBar::valueChanged, this, &nutzen::kleidungGeaendert);
}

// Each range in a row: its letter, its first month, its length in data lines, its activity
// and clothing. A first month fills the lengths from the month table.
void nutzen::baueBereiche()
{
    ui.Frame1 = erzeuge<QFrame>(this, QStringLiteral("Frame1"), 120, 1800, 6120, 2760);
    ui.Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    const struct {
        const char* name;
        const char16_t* text;
        int links;
    } kopf[] = {{"Label6", u"Ab Monat", 660},
                {"Label3", u"Datenzeilen", 1920},
                {"Label4", u"Energieumsatz", 3060},
                {"Label5", u"Bekleidung", 4560}};
    for (const auto& k : kopf)
        erzeuge<QLabel>(ui.Frame1, QLatin1String(k.name), k.links, 120, 1440, 285)->setText(QString::fromUtf16(k.text));
    for (int k = 0; k < kBereiche; ++k) {
        const int oben = 480 + k * 540;
        QLabel* titel = erzeuge<QLabel>(ui.Frame1, feldname("zeilen_titel", k), 240, oben, 360, 345);
        titel->setText(QString(QChar(u'A' + k)));
        titel->setAlignment(Qt::AlignCenter);
        fett(titel);
        titel->installEventFilter(this);
        ui.zeilen_titel[std::size_t(k)] = titel;
        QComboBox* monat = erzeuge<QComboBox>(ui.Frame1, feldname("monat", k), 660, oben, 1200, 345);
        monat->addItem(QStringLiteral("–"));
        for (const Monat& m : kMonate)
            monat->addItem(QString::fromUtf16(m.vollname));
        connect(monat, &QComboBox::activated, this, &nutzen::monatGewaehlt);
        ui.monat[std::size_t(k)] = monat;
        QLineEdit* laenge = erzeuge<QLineEdit>(ui.Frame1, feldname("bereich", k), 1920, oben, 1080, 345);
        connect(laenge, &QLineEdit::textChanged, this, [this, k] { bereichGeaendert(k); });
        ui.bereich[std::size_t(k)] = laenge;
        for (auto [feld, name, links] : {std::tuple{&ui.a, "a", 3060}, std::tuple{&ui.b, "b", 4560}}) {
            QLineEdit* text = erzeuge<QLineEdit>(ui.Frame1, feldname(name, k), links, oben, 1440, 345);
            text->installEventFilter(this);
            (*feld)[std::size_t(k)] = text;
        }
        connect(ui.a[std::size_t(k)], &QLineEdit::editingFinished, this, [this, k] { getippt(Eingabe::M, k); });
        connect(ui.b[std::size_t(k)], &QLineEdit::editingFinished, this, [this, k] { getippt(Eingabe::Icl, k); });
    }
    ui.tabelle = erzeuge<Monatstabelle>(this, QStringLiteral("tabelle"), 6480, 120, 3075, 4560);
    ui.hinweis = erzeuge<QLabel>(this, QStringLiteral("hinweis"), 120, 4650, 6120, 600);
    ui.hinweis->setWordWrap(true);
    ui.hinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void nutzen::formWaehlen()
{
    const bool abhaengig = m_art == Nutzungsart::Jahreszeitabhaengig;
    ui.Frame1->setVisible(abhaengig);
    ui.tabelle->setVisible(abhaengig);
    if (abhaengig) {
        setWindowTitle(QStringLiteral("Jahreszeitabhängiges Benutzerverhalten einstellen"));
        setFixedSize(innenGroesse(9795, 6000));
        ui.einstellen->resize(twipsGroesse(6120, 1560));
        ui.Zurueck->move(twipsPunkt(6480, 4800));
        ui.weiter->move(twipsPunkt(8160, 4800));
        textfarbe(ui.zeilen_titel[0], kHellrot);
    } else {
        setFixedSize(innenGroesse(6360, 3750));
        ui.Zurueck->move(twipsPunkt(1680, 2760));
        ui.weiter->move(twipsPunkt(3360, 2760));
        ui.hinweis->setGeometry(QRect(twipsPunkt(120, 1800), twipsGroesse(6000, 600)));
    }
    for (QLineEdit* laenge : ui.bereich)
        laenge->setFocusPolicy(abhaengig ? Qt::StrongFocus : Qt::NoFocus);
}

void nutzen::mitteUeber(QWidget* ueber)
{
    if (!ueber)
        return;
    const QRect aussen = ueber->frameGeometry();
    const QSize rand = frameGeometry().size() - geometry().size();
    const QSize eigen = size() + rand;
    move(aussen.left() + (aussen.width() - eigen.width()) / 2, aussen.top() + (aussen.height() - eigen.height()) / 2);
}

// Once shown, the frame is known and the window centres itself again with it.
void nutzen::showEvent(QShowEvent* ereignis)
{
    QDialog::showEvent(ereignis);
    mitteUeber(parentWidget());
}

void nutzen::startwerte(int energieumsatzPosition, int kleidungPosition, float Icl)
{
    ui.Energieumsatz_Scroll->setValue(energieumsatzPosition);
    ui.Kleidung_Scroll->setValue(kleidungPosition);
    const int e = ui.Energieumsatz_Scroll->value(), k = ui.Kleidung_Scroll->value();
    ui.eingabe_txt6->setText(aktivitaetText(e));
    ui.eingabe_txt5->setText(bekleidungText(Icl));
    for (int z = 0; z < kBereiche; ++z) {
        const std::size_t i = std::size_t(z);
        ui.bereich[i]->setText(QStringLiteral("0"));
        ui.a[i]->setText(ui.eingabe_txt6->text());
        m_aktivitaet[i] = int16_t(wertBei(Eingabe::M, e));
        ui.b[i]->setText(bekleidungText(wertBei(Eingabe::Icl, k)));
        m_bekleidung[i] = float(wertBei(Eingabe::Icl, k));
    }
}

void nutzen::energieumsatzGeaendert(int position)
{
    ui.eingabe_txt6->setText(aktivitaetText(position));
    const std::size_t z = m_art == Nutzungsart::Jahreszeitabhaengig ? std::size_t(m_zeile) : 0;
    m_aktivitaet[z] = int16_t(wertBei(Eingabe::M, position));
    if (m_art == Nutzungsart::Jahreszeitabhaengig)
        ui.a[z]->setText(ui.eingabe_txt6->text());
}

void nutzen::kleidungGeaendert(int position)
{
    ui.eingabe_txt5->setText(bekleidungText(wertBei(Eingabe::Icl, position)));
    const std::size_t z = m_art == Nutzungsart::Jahreszeitabhaengig ? std::size_t(m_zeile) : 0;
    m_bekleidung[z] = float(wertBei(Eingabe::Icl, position));
    if (m_art == Nutzungsart::Jahreszeitabhaengig)
        ui.b[z]->setText(ui.eingabe_txt5->text());
}

// A row title loads its range into the scroll bars; a click into a(k) or b(k) only makes k
// the row the next scroll change writes into.
void nutzen::zeileWaehlen(int k, bool werteLaden)
{
    m_zeile = k;
    for (int z = 0; z < kBereiche; ++z)
        textfarbe(ui.zeilen_titel[std::size_t(z)], z == k ? kHellrot : QColor(Qt::black));
    if (!werteLaden)
        return;
    const std::size_t i = std::size_t(k);
    ui.Kleidung_Scroll->setValue(stellungFuer(Eingabe::Icl, m_bekleidung[i]));
    ui.Energieumsatz_Scroll->setValue(stellungFuer(Eingabe::M, m_aktivitaet[i]));
    ui.eingabe_txt5->setText(bekleidungText(wertBei(Eingabe::Icl, ui.Kleidung_Scroll->value())));
    ui.eingabe_txt6->setText(aktivitaetText(ui.Energieumsatz_Scroll->value()));
}

// A typed activity or clothing of range k takes the bar's rules: a number within the bar's range,
// set to the bar's nearest step (halves away from zero) and shown as the bar shows it. Anything
// else is explained below the ranges and the field shows its value again.
void nutzen::getippt(Eingabe e, int k)
{
    const std::size_t i = std::size_t(k);
    const Eingabeart& art = eingabeart(e);
    QLineEdit* feld = e == Eingabe::M ? ui.a[i] : ui.b[i];
    const double bisher = e == Eingabe::M ? double(m_aktivitaet[i]) : double(m_bekleidung[i]);
    QString text = feld->text().trimmed();
    const QString einheit = QString::fromUtf8(art.einheit).trimmed();
    if (text.endsWith(einheit))
        text.chop(einheit.size());
    const std::optional<double> zahl = leseZahl(text);
    const double min = wertBei(e, art.min), max = wertBei(e, art.max);
    if (!zahl || !(*zahl >= min - 1e-9 && *zahl <= max + 1e-9)) {
        m_eingabefehler =
            QStringLiteral("%1 von Bereich %2: „%3“ gilt nicht. Möglich sind %4 bis %5 in Schritten von %6.")
                .arg(e == Eingabe::M ? QStringLiteral("Energieumsatz") : QStringLiteral("Bekleidung"))
                .arg(QChar(u'A' + k))
                .arg(feld->text().trimmed().left(20), werttext(e, min), werttext(e, max),
                     werttext(e, art.faktor * art.kleinerSchritt));
        feld->setText(werttext(e, bisher));
        hinweisZeigen();
        return;
    }
    const int stellung = stellungFuer(e, *zahl);
    const double wert = wertBei(e, stellung);
    if (e == Eingabe::M)
        m_aktivitaet[i] = int16_t(wert);
    else
        m_bekleidung[i] = float(wert);
    feld->setText(werttext(e, wert));
    // The typed range is the marked one, as after a click into its field, and the bar shows its value.
    zeileWaehlen(k, false);
    QScrollBar* balken = e == Eingabe::M ? ui.Energieumsatz_Scroll : ui.Kleidung_Scroll;
    const QSignalBlocker ruhig(balken);
    balken->setValue(stellung);
    (e == Eingabe::M ? ui.eingabe_txt6 : ui.eingabe_txt5)->setText(werttext(e, wert));
    if (!m_eingabefehler.isEmpty()) {
        m_eingabefehler.clear();
        hinweisZeigen();
    }
}

void nutzen::bereichGeaendert(int k)
{
    QLineEdit* feld = ui.bereich[std::size_t(k)];
    if (Zahlwert(QStringView(feld->text())) < 0)
        feld->setText(QStringLiteral("0"));
    m_monatsfehler.clear();
    hinweisZeigen();
}

// The lengths from the first months of an hourly year (the last range to its end); a range
// without a month gets 0. What does not fit together is said instead, and the boxes stay.
void nutzen::monatGewaehlt()
{
    std::array<int, kBereiche> ersterMonat{};
    for (int k = 0; k < kBereiche; ++k)
        ersterMonat[std::size_t(k)] = ui.monat[std::size_t(k)]->currentIndex();
    const Monatsbereiche m = LaengenNachMonaten(ersterMonat);
    m_monatsfehler = m.fehler;
    if (m.fehler.isEmpty())
        for (int k = 0; k < kBereiche; ++k)
            ui.bereich[std::size_t(k)]->setText(QString::number(m.laengen[std::size_t(k)]));
    hinweisZeigen();
}

void nutzen::setzeDatenzeilen(int64_t datenzeilen)
{
    m_datenzeilen = datenzeilen;
    hinweisZeigen();
}

void nutzen::hinweisZeigen()
{
    const QString& fehler = m_eingabefehler.isEmpty() ? m_monatsfehler : m_eingabefehler;
    textfarbe(ui.hinweis, fehler.isEmpty() ? QColor(Qt::black) : kHellrot);
    if (!fehler.isEmpty()) {
        ui.hinweis->setText(fehler);
        return;
    }
    if (!m_datenzeilen) {
        ui.hinweis->clear();
        return;
    }
    QString text = *m_datenzeilen == 0 ? QStringLiteral("Die Datei hat keine Datenzeile.")
                   : *m_datenzeilen == 1
                       ? QStringLiteral("Die Datei hat eine Datenzeile.")
                       : QStringLiteral("Die Datei hat %1 Datenzeilen.").arg(formatiereAnzahl(*m_datenzeilen));
    if (m_art == Nutzungsart::Jahreszeitabhaengig)
        text += QStringLiteral(" Die Bereiche A bis D umfassen %1 davon.")
                    .arg(formatiereAnzahl(BereicheUmfassen(bereiche(), *m_datenzeilen)));
    ui.hinweis->setText(text);
}

bool nutzen::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonPress || ereignis->type() == QEvent::FocusIn) {
        for (int k = 0; k < kBereiche; ++k) {
            const std::size_t i = std::size_t(k);
            if (objekt == ui.zeilen_titel[i] && ereignis->type() == QEvent::MouseButtonPress)
                zeileWaehlen(k, true);
            else if (objekt == ui.a[i] || objekt == ui.b[i])
                zeileWaehlen(k, false);
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

std::array<Bereich, kBereiche> nutzen::bereiche() const
{
    std::array<Bereich, kBereiche> ergebnis;
    for (int k = 0; k < kBereiche; ++k) {
        const std::size_t i = std::size_t(k);
        Bereich& b = ergebnis[i];
        b.laenge = ui.bereich[i]->text();
        b.aktivitaet = m_aktivitaet[i];
        b.bekleidung = m_bekleidung[i];
        b.aktivitaetText = ui.a[i]->text();
        b.bekleidungText = ui.b[i]->text();
    }
    return ergebnis;
}

void nutzen::laengenZeigen(const std::array<QString, kBereiche>& laengen)
{
    for (int k = 0; k < kBereiche; ++k)
        ui.bereich[std::size_t(k)]->setText(laengen[std::size_t(k)]);
}

void nutzen::weiterKlick()
{
    if (!m_lauf)
        return;
    setCursor(Qt::WaitCursor);
    const Ausgang ausgang = m_lauf(*this);
    unsetCursor();
    if (ausgang == Ausgang::Offen)
        return;
    m_ausgang = ausgang;
    accept();
}

void nutzen::zurueckKlick()
{
    m_ausgang = Ausgang::Zurueck;
    accept();
}

}  // namespace batch
