// SPDX-License-Identifier: GPL-3.0-or-later
#include "hpt_fenster.h"

#include "bauhilfen.h"
#include "bewertung.h"
#include "dienste.h"
#include "eingaben.h"
#include "empfindung.h"
#include "gespeichert.h"
#include "programm.h"
#include "skalenbilder.h"
#include "start_fenster.h"
#include "twips.h"
#include "version.h"
#include "zahlen.h"

#include <algorithm>
#include <memory>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextLayout>

using namespace model;
using namespace gui;

namespace app {

namespace {

// Geometry in twips. Six panels of 5220 in three rows, the buttons below.
constexpr int kRand = 60;
constexpr int kPanelBreite = 5220;
constexpr int kLinks = kRand, kRechts = kRand + kPanelBreite + kRand;
constexpr int kZeile1 = kRand, kZeile1Hoehe = 1800;
constexpr int kZeile2 = kZeile1 + kZeile1Hoehe + kRand, kZeile2Hoehe = 2835;
constexpr int kZeile3 = kZeile2 + kZeile2Hoehe + kRand, kZeile3Hoehe = 2340;
constexpr int kHinweiszeile = kZeile3 + kZeile3Hoehe + kRand, kHinweisHoehe = 255;
constexpr int kKnopfzeile = kHinweiszeile + kHinweisHoehe + 60, kKnopfHoehe = 420, kKnopfBreite = 1935;
constexpr int kFensterBreite = kRechts + kPanelBreite + kRand;
constexpr int kFensterHoehe = kKnopfzeile + kKnopfHoehe + 120;

// Inside a panel: scroll bar at the left, value label at the right.
constexpr int kInnen = 120, kScrollBreite = 3540, kScrollHoehe = 255;
constexpr int kWertLinks = 3780, kWertBreite = 1320, kWertHoehe = 315;

// The result display: gauge g and w, marker m, number label n, frame f.
constexpr int kSkalaLinks = 345, kSkalaOben = 780, kSkalaBreite = 4515, kSkalaHoehe = 540;
constexpr int kMarkeBreite = 75, kMarkeOben = kSkalaOben - 120, kMarkeHoehe = 120 + 450;
constexpr int kZahlBreite = 780, kZahlOben = 390, kZahlHoehe = 285;
constexpr int kSkalentextOben = kSkalaOben + kSkalaHoehe + 30;
constexpr int kPmvTextBreite = 600, kPpdTextBreite = 450;
constexpr int kVerfahrenOben = 2070, kVerfahrenHoehe = 240;

const QColor kGrau(192, 192, 192);
const QColor kErgebnisgelb(255, 255, 187);
const QColor kTemperaturfarbe(255, 160, 160), kLuftfarbe(192, 255, 192), kFeuchtefarbe(192, 255, 255);
const QColor kKleidungsfarbe(255, 255, 128), kAktivitaetsfarbe(208, 208, 255);

// The windows of the menu "E&xtras", in menu order.
struct Extra {
    const char* name;
    const char* text;
    hpt::Fensteroeffner::Oeffner hpt::Fensteroeffner::*oeffner;
    // A window that is there only at times: the entry is enabled while this says so.
    std::function<bool()> hpt::Fensteroeffner::*da = nullptr;
};
constexpr Extra kExtras[] = {
    {"menu_extras_zeichne", "&Darstellung...", &hpt::Fensteroeffner::grafik},
    {"menu_extras_bewertung", "&Behaglichkeit nach ISO 7730...", &hpt::Fensteroeffner::bewertung},
    {"menu_extras_auswertung", "Letzte &Auswertung...", &hpt::Fensteroeffner::letzteAuswertung,
     &hpt::Fensteroeffner::letzteAuswertungDa},
};

// The user's remembered choices; the key holds the method's command-line word.
const QString kVerfahrenSchluessel = QStringLiteral("Rechenverfahren");

const QString kKleidungStart = QStringLiteral("Slip, Hemd, Hose, Jacke, Socken, Schuhe");
const QString kCrLf = QStringLiteral("\r\n");

// The clothing description: word-wrapped like any label, but where the text runs out of lines
// the last line shown ends in "…"; the tooltip (set by Neuberechnung) shows the whole list.
class GekuerztesLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* ereignis) override
    {
        const QRect platz = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        QString t = text();
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        t.replace(u'\n', QChar::LineSeparator);
        QTextLayout satz(t, font());
        const QFontMetrics m(font());
        QList<QTextLine> zeilen;
        satz.beginLayout();
        for (QTextLine z = satz.createLine(); z.isValid(); z = satz.createLine()) {
            z.setLineWidth(platz.width());
            zeilen << z;
        }
        satz.endLayout();
        const int passend = std::max(1, platz.height() / m.lineSpacing());
        if (zeilen.size() <= passend) {
            QLabel::paintEvent(ereignis);
            return;
        }
        QPainter maler(this);
        drawFrame(&maler);
        maler.setPen(palette().color(QPalette::WindowText));
        for (int i = 0; i < passend; ++i) {
            QString zeile = t.mid(zeilen[i].textStart(), i + 1 < passend ? zeilen[i].textLength() : -1);
            zeile.replace(QChar::LineSeparator, u' ');
            if (i + 1 == passend)
                zeile = m.elidedText(zeile.trimmed() + QStringLiteral(" …"), Qt::ElideRight, platz.width());
            maler.drawText(QPoint(platz.left(), platz.top() + i * m.lineSpacing() + m.ascent()), zeile.trimmed());
        }
    }
};

QFrame* panel(QWidget* eltern, const QString& name, int links, int oben, int hoehe, const QColor& farbe)
{
    auto* f = erzeuge<QFrame>(eltern, name, QRect(links, oben, kPanelBreite, hoehe));
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    hintergrund(f, farbe);
    return f;
}

QLabel* beschriftung(QWidget* eltern, const QString& name, QRect twips, const QString& text, bool titel = false)
{
    auto* l = erzeuge<QLabel>(eltern, name, twips);
    l->setText(text);
    if (titel)
        fett(l);
    return l;
}

QLabel* wertfeld(QWidget* eltern, const QString& name, int oben, const QColor& farbe)
{
    auto* l = erzeuge<QLabel>(eltern, name, QRect(kWertLinks, oben, kWertBreite, kWertHoehe));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    hintergrund(l, farbe);
    return l;
}

QScrollBar* schieber(QWidget* eltern, const Eingabeart& art, int oben, int start)
{
    auto* s =
        erzeuge<QScrollBar>(eltern, QString::fromUtf8(art.schieber), QRect(kInnen, oben, kScrollBreite, kScrollHoehe));
    s->setOrientation(Qt::Horizontal);
    s->setRange(art.min, art.max);
    s->setSingleStep(art.kleinerSchritt);
    s->setPageStep(art.grosserSchritt);
    s->setValue(start);
    // A change is any new position, a drag counting once at its end.
    s->setTracking(false);
    // Reachable by Tab; Right and Page Up raise the value as on a slider.
    s->setFocusPolicy(Qt::StrongFocus);
    s->setInvertedControls(false);
    return s;
}

// One input: its caption, the scroll bar 270 twips below the caption's top, the value label
// at its right. The scroll bar starts at the default's position.
struct Eingabezeile {
    Eingabe eingabe;
    const char* beschriftungName;  // none for the clothing scroll bar
    const char* beschriftung;
    int beschriftungBreite;
    int oben;
    QColor farbe;
};

void eingabezeile(QWidget* panel, const Eingabezeile& z, QScrollBar*& schieberZiel, QLabel*& wertZiel)
{
    const Eingabeart& art = eingabeart(z.eingabe);
    if (z.beschriftungName)
        beschriftung(panel, QString::fromUtf8(z.beschriftungName), QRect(kInnen, z.oben, z.beschriftungBreite, 240),
                     QString::fromUtf8(z.beschriftung));
    const int start = stellungFuer(z.eingabe, wert(standardRaumklima(), z.eingabe));
    schieberZiel = schieber(panel, art, z.oben + 270, start);
    wertZiel = wertfeld(panel, QString::fromUtf8(art.wertfeld), z.oben + 240, z.farbe);
}

QPushButton* knopf(QWidget* eltern, const QString& name, QRect twips, const QString& text)
{
    auto* k = erzeuge<QPushButton>(eltern, name, twips);
    k->setText(text);
    k->setAutoDefault(false);
    return k;
}

QString temperaturText(float t) { return werttext(Eingabe::Ti, t); }

}  // namespace

hpt::hpt(Dienste& dienste, QWidget* eltern) : QMainWindow(eltern), m_dienste(dienste)
{
    setObjectName(QStringLiteral("hpt"));
    setWindowTitle(QStringLiteral("TEMPARA ") + kTemparaVersion);
    auto* flaeche = new QWidget(this);
    flaeche->setObjectName(QStringLiteral("hpt_flaeche"));
    hintergrund(flaeche, kGrau);
    flaeche->setFixedSize(twipsGroesse(kFensterBreite, kFensterHoehe));
    setCentralWidget(flaeche);

    baueEingabefeld();
    baueErgebnisfeld();
    baueBefehle();
    verbindeEingaben();
    aktualisiereBefehle();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Loading: centre on the screen, label the scales (which sets the defaults), compute once.
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        const QRect frei = bildschirm->availableGeometry();
        const QSize groesse = sizeHint();
        move(frei.x() + (frei.width() - groesse.width()) / 2, frei.y() + (frei.height() - groesse.height()) / 2);
    }
    SkalenBeschriften();
    // The method of the last session; anything unknown in the settings reads as the classic one.
    const QString wort = gespeichert()->value(kVerfahrenSchluessel).toString();
    verfahrenZeigen(VerfahrenAusWort(wort.toStdString()).value_or(Rechenverfahren::Klassisch));
    Neuberechnung();
}

hpt::~hpt() = default;

void hpt::baueEingabefeld()
{
    QWidget* f = centralWidget();
    QFrame* temperatur = panel(f, QStringLiteral("Frame_Temperatur"), kLinks, kZeile1, kZeile1Hoehe, kGrau);
    eingabezeile(temperatur, {Eingabe::Ti, "Label_Ti", "Raumlufttemperatur  Ti", 3540, 150, kTemperaturfarbe},
                 m_schieber[std::size_t(Eingabe::Ti)], m_wertfelder[std::size_t(Eingabe::Ti)]);
    eingabezeile(temperatur, {Eingabe::Ts, "Label_Ts", "Strahlungstemperatur  Ts", 2460, 930, kTemperaturfarbe},
                 m_schieber[std::size_t(Eingabe::Ts)], m_wertfelder[std::size_t(Eingabe::Ts)]);
    schieber(Eingabe::Ts)->setEnabled(false);
    ui.TU_Check = erzeuge<QCheckBox>(temperatur, QStringLiteral("TU_Check"), QRect(2640, 900, 2460, 285));
    ui.TU_Check->setText(QStringLiteral(" Ts = Ti"));
    ui.TU_Check->setChecked(true);

    QFrame* luft = panel(f, QStringLiteral("Frame_Luft"), kRechts, kZeile1, kZeile1Hoehe, kGrau);
    eingabezeile(luft, {Eingabe::v_Luft, "Label_v", "Luftgeschwindigkeit", 3540, 150, kLuftfarbe},
                 m_schieber[std::size_t(Eingabe::v_Luft)], m_wertfelder[std::size_t(Eingabe::v_Luft)]);
    eingabezeile(luft, {Eingabe::phi, "Label_phi", "relative Luftfeuchtigkeit", 3540, 930, kFeuchtefarbe},
                 m_schieber[std::size_t(Eingabe::phi)], m_wertfelder[std::size_t(Eingabe::phi)]);

    QFrame* kleidung = panel(f, QStringLiteral("Frame_Bekleidung"), kLinks, kZeile2, kZeile2Hoehe, kGrau);
    beschriftung(kleidung, QStringLiteral("Label_Bekleidung"), QRect(kInnen, 120, 3540, 285),
                 QStringLiteral("Bekleidung"), true);
    eingabezeile(kleidung, {Eingabe::Icl, nullptr, nullptr, 0, 240, kKleidungsfarbe},
                 m_schieber[std::size_t(Eingabe::Icl)], m_wertfelder[std::size_t(Eingabe::Icl)]);
    ui.Kleidung_Liste =
        erzeuge<GekuerztesLabel>(kleidung, QStringLiteral("Kleidung_Liste"), QRect(kInnen, 930, 4980, 960));
    ui.Kleidung_Liste->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.Kleidung_Liste->setWordWrap(true);
    ui.Kleidung_Liste->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.Kleidung_Liste->setMargin(3);
    hintergrund(ui.Kleidung_Liste, Qt::white);
    ui.Kleidung_Liste->setText(kKleidungStart);
    ui.Command1 = knopf(kleidung, QStringLiteral("Command1"), QRect(kInnen, 1980, 4980, 360),
                        QStringLiteral("Benutzerdefinierte Bekleidung"));
    ui.Command2 = knopf(kleidung, QStringLiteral("Command2"), QRect(kInnen, 2400, 4980, 360),
                        QStringLiteral("Typische Bekleidungskombinationen"));

    QFrame* aktivitaet = panel(f, QStringLiteral("Frame_Aktivitaet"), kRechts, kZeile2, kZeile2Hoehe, kGrau);
    beschriftung(aktivitaet, QStringLiteral("Label_Aktivitaet"), QRect(kInnen, 120, 3540, 285),
                 QStringLiteral("Aktivität"), true);
    eingabezeile(aktivitaet, {Eingabe::M, "Label_M", "Energieumsatz", 4980, 450, kAktivitaetsfarbe},
                 m_schieber[std::size_t(Eingabe::M)], m_wertfelder[std::size_t(Eingabe::M)]);
    eingabezeile(aktivitaet, {Eingabe::W, "Label_W", "Wirksame mechanische Leistung", 4980, 1080, kAktivitaetsfarbe},
                 m_schieber[std::size_t(Eingabe::W)], m_wertfelder[std::size_t(Eingabe::W)]);
    eingabezeile(
        aktivitaet,
        {Eingabe::v_rel, "Label_vrel", "Relative Geschwindigkeit in ruhender Luft", 4980, 1710, kAktivitaetsfarbe},
        m_schieber[std::size_t(Eingabe::v_rel)], m_wertfelder[std::size_t(Eingabe::v_rel)]);
    ui.Command3 = knopf(aktivitaet, QStringLiteral("Command3"), QRect(kInnen, 2400, 4980, 360),
                        QStringLiteral("Beispiele für Aktivitäten"));
}

void hpt::baueErgebnisfeld()
{
    QWidget* f = centralWidget();
    auto ergebnispanel = [&](const QString& name, int links, const QString& titelName, const QString& titel,
                             const QString& skalaName, const QImage& skala, const QString& markeName,
                             const QString& zahlName, QFrame*& rahmen, QLabel*& titelLabel, QLabel*& skalaLabel,
                             QFrame*& marke, QLabel*& zahl) {
        rahmen = panel(f, name, links, kZeile3, kZeile3Hoehe, kErgebnisgelb);
        rahmen->installEventFilter(this);
        titelLabel = beschriftung(rahmen, titelName, QRect(kInnen, 90, 4980, 255), titel, true);
        titelLabel->setAlignment(Qt::AlignCenter);
        skalaLabel = erzeuge<QLabel>(rahmen, skalaName, QRect(kSkalaLinks, kSkalaOben, kSkalaBreite, kSkalaHoehe));
        skalaLabel->setPixmap(QPixmap::fromImage(skala));
        marke = erzeuge<QFrame>(rahmen, markeName, QRect(kSkalaLinks, kMarkeOben, kMarkeBreite, kMarkeHoehe));
        hintergrund(marke, QColor(64, 64, 64));
        zahl = erzeuge<QLabel>(rahmen, zahlName, QRect(kSkalaLinks, kZahlOben, kZahlBreite, kZahlHoehe));
        zahl->setFrameStyle(QFrame::Box | QFrame::Plain);
        zahl->setAlignment(Qt::AlignCenter);
        hintergrund(zahl, Qt::white);
        zahl->setText(QStringLiteral("0,0"));
    };
    ergebnispanel(QStringLiteral("pmv_frame"), kLinks, QStringLiteral("Label4"),
                  QStringLiteral("mittlere Beurteilung (PMV)"), QStringLiteral("pmv_gauge0"), pmvSkala(),
                  QStringLiteral("pmv_gauge1"), QStringLiteral("PMV_numerisch"), ui.pmv_frame, ui.Label4, ui.pmv_gauge0,
                  ui.pmv_gauge1, ui.PMV_numerisch);
    ergebnispanel(QStringLiteral("ppd_frame"), kRechts, QStringLiteral("Label5"),
                  QStringLiteral("Prozentsatz der Unzufriedenen (PPD)"), QStringLiteral("ppd_gauge0"), ppdSkala(),
                  QStringLiteral("PPD_gauge1"), QStringLiteral("PPD_numerisch"), ui.ppd_frame, ui.Label5, ui.ppd_gauge0,
                  ui.PPD_gauge1, ui.PPD_numerisch);

    QFont klein = font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    for (int i = 1; i <= 7; ++i) {
        QLabel* l =
            erzeuge<QLabel>(ui.pmv_frame, feldname("Label_pmv", i), QRect(0, kSkalentextOben, kPmvTextBreite, 720));
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setFont(klein);
        ui.Label_pmv[i] = l;
    }
    for (int i = 0; i <= 10; ++i) {
        QLabel* l =
            erzeuge<QLabel>(ui.ppd_frame, feldname("Label_ppd", i), QRect(0, kSkalentextOben, kPpdTextBreite, 255));
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setFont(klein);
        ui.Label_ppd[i] = l;
    }
    ui.Label_Verfahren = erzeuge<QLabel>(ui.pmv_frame, QStringLiteral("Label_Verfahren"),
                                         QRect(kInnen, kVerfahrenOben, 4980, kVerfahrenHoehe));
    ui.Label_Verfahren->setAlignment(Qt::AlignCenter);
    ui.Label_Verfahren->setFont(klein);
    ui.Anwendungsbereich = erzeuge<QLabel>(f, QStringLiteral("Anwendungsbereich"),
                                           QRect(kLinks, kHinweiszeile, 2 * kPanelBreite + kRand, kHinweisHoehe));
    ui.Anwendungsbereich->setAlignment(Qt::AlignCenter);
    ui.Anwendungsbereich->setStyleSheet(QStringLiteral("color: #a00000"));
}

void hpt::baueBefehle()
{
    QWidget* f = centralWidget();
    ui.oeffnen = knopf(f, QStringLiteral("oeffnen"), QRect(kLinks, kKnopfzeile, kKnopfBreite, kKnopfHoehe),
                       QStringLiteral("Datei ö&ffnen"));
    ui.zeichne =
        knopf(f, QStringLiteral("zeichne"), QRect(kLinks + kKnopfBreite + 120, kKnopfzeile, kKnopfBreite, kKnopfHoehe),
              QStringLiteral("Dar&stellung"));
    // Alt+D belongs to the menu "&Datei"; the button's own letter is the s, which works.
    ui.ende = knopf(f, QStringLiteral("ende"),
                    QRect(kFensterBreite - kRand - kKnopfBreite, kKnopfzeile, kKnopfBreite, kKnopfHoehe),
                    QStringLiteral("&Ende"));

    auto aktion = [this](QMenu* menu, const QString& name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        return a;
    };
    ui.menu_datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    ui.menu_datei->setObjectName(QStringLiteral("menu_datei"));
    ui.menu_datei_neu = aktion(ui.menu_datei, QStringLiteral("menu_datei_neu"), QStringLiteral("&Neu"));
    ui.menu_datei_open = aktion(ui.menu_datei, QStringLiteral("menu_datei_open"), QStringLiteral("Ö&ffnen..."));
    ui.menu_file_sep = ui.menu_datei->addSeparator();
    ui.menu_file_sep->setObjectName(QStringLiteral("menu_file_sep"));
    ui.menu_datei_ende = aktion(ui.menu_datei, QStringLiteral("menu_datei_ende"), QStringLiteral("&Ende"));
    ui.menu_extras = menuBar()->addMenu(QStringLiteral("E&xtras"));
    ui.menu_extras->setObjectName(QStringLiteral("menu_extras"));
    for (const Extra& extra : kExtras)
        m_extras.push_back(aktion(ui.menu_extras, QString::fromUtf8(extra.name), QString::fromUtf8(extra.text)));
    ui.menu_extras_zeichne = m_extras.front();
    ui.menu_extras->addSeparator();
    ui.menu_extras_verfahren = ui.menu_extras->addMenu(QStringLiteral("&Rechenverfahren"));
    ui.menu_extras_verfahren->setObjectName(QStringLiteral("menu_extras_verfahren"));
    auto* verfahren = new QActionGroup(this);
    ui.menu_verfahren_klassisch =
        aktion(ui.menu_extras_verfahren, QStringLiteral("menu_verfahren_klassisch"),
               QStringLiteral("&") + QString::fromUtf8(Verfahrensname(Rechenverfahren::Klassisch)));
    ui.menu_verfahren_iso = aktion(ui.menu_extras_verfahren, QStringLiteral("menu_verfahren_iso"),
                                   QStringLiteral("&") + QString::fromUtf8(Verfahrensname(Rechenverfahren::Iso7730)));
    for (QAction* a : {ui.menu_verfahren_klassisch, ui.menu_verfahren_iso}) {
        a->setCheckable(true);
        verfahren->addAction(a);
    }
    connect(ui.menu_extras, &QMenu::aboutToShow, this, &hpt::aktualisiereBefehle);
    ui.Menu_hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    ui.Menu_hilfe->setObjectName(QStringLiteral("Menu_hilfe"));
    ui.Menu_hilfe_index = aktion(ui.Menu_hilfe, QStringLiteral("Menu_hilfe_index"), QStringLiteral("&Hilfe"));
    ui.menu_hilfe_info = aktion(ui.Menu_hilfe, QStringLiteral("menu_hilfe_info"), QStringLiteral("Inf&o..."));
    ui.Menu_hilfe_index->setShortcut(QKeySequence::HelpContents);

    connect(ui.menu_datei_neu, &QAction::triggered, this, [this] {
        Standardwerte();
        Neuberechnung();
    });
    connect(ui.menu_datei_open, &QAction::triggered, this, &hpt::dateiOeffnen);
    connect(ui.oeffnen, &QPushButton::clicked, this, &hpt::dateiOeffnen);
    for (std::size_t i = 0; i < std::size(kExtras); ++i)
        connect(m_extras[i], &QAction::triggered, this, [this, i] { zeigeModal(m_oeffner.*kExtras[i].oeffner); });
    connect(ui.zeichne, &QPushButton::clicked, this, [this] { darstellung(true); });
    connect(ui.menu_datei_ende, &QAction::triggered, this, &hpt::Beenden);
    connect(ui.menu_verfahren_klassisch, &QAction::triggered, this,
            [this] { setzeRechenverfahren(Rechenverfahren::Klassisch); });
    connect(ui.menu_verfahren_iso, &QAction::triggered, this,
            [this] { setzeRechenverfahren(Rechenverfahren::Iso7730); });
    connect(ui.ende, &QPushButton::clicked, this, &hpt::Beenden);
    connect(ui.Menu_hilfe_index, &QAction::triggered, this, &hpt::hilfe);
    connect(ui.menu_hilfe_info, &QAction::triggered, this, &hpt::info);
    connect(ui.Command1, &QPushButton::clicked, this, [this] { zeigeModal(m_oeffner.bekleidung, ui.Command1); });
    connect(ui.Command2, &QPushButton::clicked, this, [this] { zeigeModal(m_oeffner.bekleidungsliste); });
    connect(ui.Command3, &QPushButton::clicked, this, [this] { zeigeModal(m_oeffner.aktivitaet); });
}

void hpt::verbindeEingaben()
{
    for (const Eingabeart& art : kEingabearten)
        connect(schieber(art.eingabe), &QScrollBar::valueChanged, this,
                [this, e = art.eingabe](int p) { schieberGeaendert(e, p); });
    connect(ui.TU_Check, &QCheckBox::toggled, this, &hpt::TU_Check_Click);
    programm::TsGleichTi = ui.TU_Check->isChecked();
}

// The one change handling of the eight scroll bars: the value into Raumklima, its label,
// then the recomputation.
void hpt::schieberGeaendert(Eingabe e, int p)
{
    Raumklima& k = programm::Raumklima;
    if (e == Eingabe::Icl)
        ui.Kleidung_Liste->clear();
    setzeWert(k, e, wertBei(e, p));
    setzeWert(m_gezeigt, e, wert(k, e));
    wertfeld(e)->setText(::werttext(e, wert(k, e)));
    if (e == Eingabe::Ti && ui.TU_Check->isChecked())
        wertfeld(Eingabe::Ts)->setText(temperaturText(k.Ti));
    Neuberechnung();
}

void hpt::TU_Check_Click()
{
    Raumklima& k = programm::Raumklima;
    const bool gleich = ui.TU_Check->isChecked();
    programm::TsGleichTi = gleich;
    schieber(Eingabe::Ts)->setEnabled(!gleich);
    if (gleich) {
        wertfeld(Eingabe::Ts)->setText(temperaturText(k.Ti));
        ui.TU_Check->setText(QStringLiteral(" Ts = Ti"));
    } else {
        // The thumb stays where it was; Ts starts again from 20 °C.
        k.Ts = 20.0f;
        m_gezeigt.Ts = k.Ts;
        wertfeld(Eingabe::Ts)->setText(temperaturText(k.Ts));
        ui.TU_Check->setText(QStringLiteral(" Ts eingeben:"));
    }
    Neuberechnung();
}

void hpt::Standardwerte()
{
    programm::Raumklima = standardRaumklima();
    for (const Eingabeart& art : kEingabearten) {
        const QSignalBlocker still(schieber(art.eingabe));
        schieber(art.eingabe)->setValue(stellungFuer(art.eingabe, wert(programm::Raumklima, art.eingabe)));
    }
    werteZeigen();
    ui.Kleidung_Liste->setText(kKleidungStart);
}

// The value labels from Raumklima; Ts shows Ti while "Ts = Ti" is ticked.
void hpt::werteZeigen()
{
    const Raumklima& k = programm::Raumklima;
    m_gezeigt = k;
    for (const Eingabeart& art : kEingabearten)
        wertfeld(art.eingabe)->setText(::werttext(art.eingabe, wert(k, art.eingabe)));
    if (ui.TU_Check->isChecked())
        wertfeld(Eingabe::Ts)->setText(temperaturText(k.Ti));
}

void hpt::uebernehmen(const Raumklima& klima, std::optional<QString> kleidungsText)
{
    const bool andereKleidung = klima.Icl != m_gezeigt.Icl;
    programm::Raumklima = klima;
    for (const Eingabeart& art : kEingabearten) {
        if (wert(klima, art.eingabe) == wert(m_gezeigt, art.eingabe))
            continue;
        const QSignalBlocker still(schieber(art.eingabe));
        schieber(art.eingabe)->setValue(stellungFuer(art.eingabe, wert(klima, art.eingabe)));
    }
    werteZeigen();
    if (kleidungsText)
        ui.Kleidung_Liste->setText(*kleidungsText);
    else if (andereKleidung)
        ui.Kleidung_Liste->clear();
    Neuberechnung();
}

const Raumklima& hpt::raumklima() const { return programm::Raumklima; }

bool hpt::tsGleichTi() const { return ui.TU_Check->isChecked(); }

QString hpt::werttext(Eingabe e) const { return wertfeld(e)->text(); }

int hpt::stellung(Eingabe e) const { return schieber(e)->value(); }

void hpt::beiNeuberechnung(QObject* empfaenger, std::function<void()> folgen)
{
    connect(this, &hpt::neuberechnet, empfaenger, std::move(folgen));
}

void hpt::SkalenBeschriften()
{
    for (int i = 1; i <= 7; ++i) {
        QLabel* l = ui.Label_pmv[i];
        // The vote and the band's name, one word a line: QLabel breaks at the LF; the CR stays invisible.
        const Empfindung& band = kEmpfindungen[std::size_t(i - 1)];
        l->setText((band.skalenwert > 0 ? QStringLiteral("+") : QString()) + QString::number(band.skalenwert)
                   + QStringLiteral("\r\n") + QString::fromUtf16(band.name).replace(u' ', QStringLiteral("\r\n")));
        const double links = kSkalaLinks + (kSkalaBreite - 15) * (i - 1) / 6.0 - kPmvTextBreite / 2.0;
        l->move(px(links), l->y());
    }
    for (int i = 0; i <= 10; ++i) {
        QLabel* l = ui.Label_ppd[i];
        l->setText(QString::number(i * 10));
        const double links = kSkalaLinks + (kSkalaBreite - 15) * i / 10.0 - kPpdTextBreite / 2.0;
        l->move(px(links), l->y());
    }
    Standardwerte();
}

void hpt::verfahrenZeigen(Rechenverfahren verfahren)
{
    programm::Verfahren = verfahren;
    (verfahren == Rechenverfahren::Iso7730 ? ui.menu_verfahren_iso : ui.menu_verfahren_klassisch)->setChecked(true);
    ui.Label_Verfahren->setText(QStringLiteral("Rechenverfahren: ") + QString::fromUtf8(Verfahrensname(verfahren)));
}

void hpt::setzeRechenverfahren(Rechenverfahren verfahren)
{
    verfahrenZeigen(verfahren);
    gespeichert()->setValue(kVerfahrenSchluessel, QString::fromUtf8(Verfahrenswort(verfahren)));
    Neuberechnung();
}

void hpt::Neuberechnung()
{
    programm::TsGleichTi = ui.TU_Check->isChecked();
    programm::PmvEingabeAufbereiten();
    m_ergebnisGueltig = programm::PmvBerechnen();
    ergebnisAnzeigen();
    // A long garment list from the estimator may not fit the label: the tooltip shows it whole.
    ui.Kleidung_Liste->setToolTip(ui.Kleidung_Liste->text());
    Q_EMIT neuberechnet();
}

void hpt::ergebnisAnzeigen()
{
    const QString keinErgebnis = QStringLiteral("Für diese Eingaben gibt es kein gültiges Ergebnis.");
    ui.pmv_gauge1->setVisible(m_ergebnisGueltig);
    ui.PPD_gauge1->setVisible(m_ergebnisGueltig);
    ui.PMV_numerisch->setToolTip(m_ergebnisGueltig ? QString() : keinErgebnis);
    ui.PPD_numerisch->setToolTip(m_ergebnisGueltig ? QString() : keinErgebnis);
    ui.Anwendungsbereich->setText(m_ergebnisGueltig
                                      ? bewertung::anwendungsbereichHinweis(programm::PmvEingabe, programm::PmvErgebnis)
                                      : QString());
    if (!m_ergebnisGueltig) {
        ui.PMV_numerisch->setText(QStringLiteral("Fehler"));
        ui.PPD_numerisch->setText(QStringLiteral("Fehler"));
        return;
    }
    // The ISO method's PMV is not clipped: the number shows it, marker and label stay on the scale.
    const double pmv = std::clamp(double(programm::PmvErgebnis.PMV), -3.0, 3.0);
    const double pmvWert = programm::PmvErgebnis.PMV;
    const double ppd = programm::PmvErgebnis.PPD;
    const double skala = kSkalaBreite - 15;

    // The number label centred over the value, kept 30 twips inside its frame.
    auto zahlLinks = [](double mitte, const QFrame* rahmen) {
        double links = mitte - kZahlBreite / 2.0;
        if (links < 30)
            links = 30;
        const double f = rahmen->width() * kTwipsJePixel;
        if (links + kZahlBreite > f)
            links = f - kZahlBreite - 30;
        return px(links);
    };
    const double pmvMitte = kSkalaLinks + skala * (pmv + 3) / 6;
    ui.PMV_numerisch->setText(formatiereZahl(pmvWert, 2));
    ui.PMV_numerisch->move(zahlLinks(pmvMitte, ui.pmv_frame), ui.PMV_numerisch->y());
    ui.pmv_gauge1->move(px(pmvMitte - (kMarkeBreite - 15) / 2.0), ui.pmv_gauge1->y());

    const double ppdMitte = kSkalaLinks + skala * ppd / 100;
    ui.PPD_numerisch->setText(formatiereZahl(ppd, 1) + QStringLiteral(" %"));
    ui.PPD_numerisch->move(zahlLinks(ppdMitte, ui.ppd_frame), ui.PPD_numerisch->y());
    ui.PPD_gauge1->move(px(ppdMitte - (kMarkeBreite - 15) / 2.0), ui.PPD_gauge1->y());
}

bool hpt::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // A left click on a result frame: released over the frame it was pressed on.
    const auto* maus = ereignis->type() == QEvent::MouseButtonRelease ? static_cast<QMouseEvent*>(ereignis) : nullptr;
    const auto* rahmen = qobject_cast<QWidget*>(objekt);
    if (maus && (objekt == ui.pmv_frame || objekt == ui.ppd_frame) && maus->button() == Qt::LeftButton
        && rahmen->rect().contains(maus->position().toPoint())) {
        const QString text = objekt == ui.pmv_frame
                                 ? QStringLiteral("Voraussichtliche mittlere Beurteilung") + kCrLf + kCrLf
                                       + QStringLiteral("Eine ausführliche Erklärung des PMV-Wertes") + kCrLf
                                       + QStringLiteral("finden Sie in der Hilfe.")
                                 : QStringLiteral("Vorhergesagter Prozentsatz der unzufriedenen Personen") + kCrLf
                                       + kCrLf + QStringLiteral("Eine ausführliche Erklärung des PPD-Wertes") + kCrLf
                                       + QStringLiteral("finden Sie in der Hilfe.");
        m_dienste.meldung(this, Symbol::Keins, anwendungsTitel(), text);
        return true;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void hpt::setzeFensteroeffner(Fensteroeffner oeffner)
{
    m_oeffner = std::move(oeffner);
    aktualisiereBefehle();
}

void hpt::setzeDateiOeffnenAktiv(bool aktiv)
{
    m_dateiOeffnenAktiv = aktiv;
    aktualisiereBefehle();
}

void hpt::aktualisiereBefehle()
{
    const bool datei = bool(m_oeffner.datei) && m_dateiOeffnenAktiv;
    ui.oeffnen->setEnabled(datei);
    ui.menu_datei_open->setEnabled(datei);
    ui.zeichne->setEnabled(bool(m_oeffner.grafik));
    for (std::size_t i = 0; i < std::size(kExtras); ++i) {
        const auto& da = kExtras[i].da;
        m_extras[i]->setEnabled(bool(m_oeffner.*kExtras[i].oeffner) && (!da || !(m_oeffner.*da) || (m_oeffner.*da)()));
    }
    ui.Command1->setEnabled(bool(m_oeffner.bekleidung));
    ui.Command2->setEnabled(bool(m_oeffner.bekleidungsliste));
    ui.Command3->setEnabled(bool(m_oeffner.aktivitaet));
}

void hpt::zeigeModal(const Fensteroeffner::Oeffner& oeffner, QWidget* sanduhrUeber)
{
    if (!oeffner)
        return;
    if (sanduhrUeber)
        sanduhrUeber->setCursor(Qt::WaitCursor);
    oeffner(*this);
    if (sanduhrUeber)
        sanduhrUeber->unsetCursor();
}

void hpt::dateiOeffnen()
{
    if (!m_oeffner.datei || !m_dateiOeffnenAktiv)
        return;
    Dateidialog dialog;
    dialog.titel = QStringLiteral("Öffnen");
    // Data files first: the hourly values come as .txt, .dat or .csv, a result can be read again.
    dialog.filter = QStringLiteral("Datendateien (*.txt *.dat *.csv *.tpr)|*.txt;*.dat;*.csv;*.tpr|"
                                   "Textdateien (*.txt)|*.txt|Tempara-Ergebnisse (*.tpr)|*.tpr|Alle Dateien (*.*)|*.*");
    dialog.filterIndex = 1;
    const std::optional<QString> pfad = m_dienste.dateiOeffnen(this, dialog);
    if (!pfad || pfad->isEmpty())
        return;
    m_oeffner.datei(*this, *pfad);
}

void hpt::darstellung(bool mitSanduhr) { zeigeModal(m_oeffner.grafik, mitSanduhr ? this : nullptr); }

void hpt::hilfe()
{
    m_dienste.hilfeZeigen(this, QStringLiteral("tempara.hlp"), kHilfeStichwort, QStringLiteral("Einfuehrung"));
}

void hpt::info()
{
    // The start-up window again, as About: modeless, it closes itself after 10 s or on "OK".
    // There is one About window: asked again while it is open, it comes to the front.
    for (Start* offen : findChildren<Start*>(QString(), Qt::FindDirectChildrenOnly))
        if (offen->isVisible()) {
            offen->raise();
            offen->activateWindow();
            return;
        }
    auto* about = new Start(this, nullptr);
    about->show();
}

void hpt::Beenden()
{
    if (m_beendet)
        return;
    m_beendet = true;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (fenster != this)
            fenster->close();
    close();
    QCoreApplication::quit();
}

void hpt::closeEvent(QCloseEvent* ereignis)
{
    ereignis->accept();
    if (!m_beendet)
        Beenden();
}

}  // namespace app
