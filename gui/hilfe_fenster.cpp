// SPDX-License-Identifier: GPL-3.0-or-later
#include "hilfe_fenster.h"

#include "dienste.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace gui {

namespace {

QPointer<Hilfefenster> g_fenster;

QString ersterTreffer(const QString& text, const QRegularExpression& ausdruck)
{
    const QRegularExpressionMatch treffer = ausdruck.match(text);
    return treffer.hasMatch() ? treffer.captured(1).trimmed() : QString();
}

}  // namespace

QList<Hilfefenster::Seite> Hilfefenster::seiten()
{
    static const QRegularExpression titelAusdruck(QStringLiteral("<title>(.*?)</title>"),
                                                  QRegularExpression::CaseInsensitiveOption
                                                      | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression stichwortAusdruck(
        QStringLiteral("<meta\\s+name=\"stichworte\"\\s+content=\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QList<Seite> liste;
    const QDir ordner(QStringLiteral(":/hilfe"));
    for (const QString& name : ordner.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile datei(ordner.filePath(name));
        if (!datei.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(datei.readAll());
        Seite seite;
        seite.pfad = QStringLiteral("qrc:/hilfe/") + name;
        seite.titel = ersterTreffer(text, titelAusdruck);
        for (const QString& wort : ersterTreffer(text, stichwortAusdruck).split(u',', Qt::SkipEmptyParts))
            seite.stichworte << wort.trimmed();
        liste << seite;
    }
    return liste;
}

QString Hilfefenster::seiteFuer(const QString& stichwort)
{
    for (const Seite& seite : seiten())
        for (const QString& wort : seite.stichworte)
            if (wort.compare(stichwort, Qt::CaseInsensitive) == 0)
                return seite.pfad;
    return {};
}

void Hilfefenster::zeige(QWidget* eltern, const QString& hilfedatei, int befehl, const QString& stichwort)
{
    if (hilfedatei.compare(QStringLiteral("tempara.hlp"), Qt::CaseInsensitive) != 0)
        return;
    if (!g_fenster) {
        g_fenster = new Hilfefenster(nullptr);
        g_fenster->setAttribute(Qt::WA_DeleteOnClose);
        if (eltern) {
            // Beside the asking window, but whole on its screen.
            const QRect rahmen = eltern->window()->frameGeometry();
            QPoint ecke = rahmen.topLeft() + QPoint(40, 40);
            if (const QScreen* bildschirm = eltern->screen()) {
                const QRect frei = bildschirm->availableGeometry();
                ecke.setX(std::max(frei.left(), std::min(ecke.x(), frei.right() - g_fenster->width())));
                ecke.setY(std::max(frei.top(), std::min(ecke.y(), frei.bottom() - g_fenster->height())));
            }
            g_fenster->move(ecke);
        }
    }
    QString ziel = befehl == kHilfeStichwort ? seiteFuer(stichwort) : QString();
    if (ziel.isEmpty() && !g_fenster->m_seiten.isEmpty())
        ziel = g_fenster->m_seiten.constFirst().pfad;
    g_fenster->oeffne(ziel);
    g_fenster->ueberModalemFenster();
    g_fenster->show();
    g_fenster->raise();
    g_fenster->activateWindow();
}

Hilfefenster* Hilfefenster::offenes() { return g_fenster; }

void Hilfefenster::ueberModalemFenster()
{
    // A modal window blocks every window but itself and those that stand on it. The help stays
    // a window of its own (closing the modal window keeps it open) but stands on the modal window
    // that is active now, so that it is in front of it and can be scrolled and clicked while the
    // modal window stays usable beside it. Its platform window holds the modal one by a guarded
    // pointer, so the modal window may go first.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this)
        modal = nullptr;
    QWindow* traeger = modal ? modal->windowHandle() : nullptr;
    if (m_traeger)
        m_traeger->removeEventFilter(this);
    m_traeger = modal;
    if (modal)
        modal->installEventFilter(this);
    winId();  // the platform window exists from here on
    QWindow* eigenes = windowHandle();
    if (!eigenes || eigenes->transientParent() == traeger)
        return;
    // The window manager learns whom the window stands on when it is shown; zeige shows it again.
    hide();
    eigenes->setTransientParent(traeger);
}

bool Hilfefenster::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // The modal window it stood on closes (nutzen back to DATEI): once it is gone, the open help
    // stands on the modal window that is active then, so it stays usable without another F1.
    if (objekt == m_traeger && ereignis->type() == QEvent::Hide && isVisible())
        QTimer::singleShot(0, this, [this] {
            if (!isVisible())
                return;
            ueberModalemFenster();
            show();
        });
    return QWidget::eventFilter(objekt, ereignis);
}

Hilfefenster::Hilfefenster(QWidget* eltern)
    : QWidget(eltern, Qt::Window), m_inhalt(new QListWidget(this)), m_text(new QTextBrowser(this)), m_seiten(seiten())
{
    setObjectName(QStringLiteral("Hilfe"));
    setWindowTitle(QStringLiteral("Tempara - Hilfe"));
    m_inhalt->setObjectName(QStringLiteral("Hilfe_Inhalt"));
    m_text->setObjectName(QStringLiteral("Hilfe_Text"));
    m_text->setOpenExternalLinks(true);
    m_text->setSearchPaths({QStringLiteral(":/hilfe")});
    // One look for every page: headings, tables and examples.
    QFile stil(QStringLiteral(":/hilfe/hilfe.css"));
    if (stil.open(QIODevice::ReadOnly))
        m_text->document()->setDefaultStyleSheet(QString::fromUtf8(stil.readAll()));
    for (const Seite& seite : m_seiten)
        m_inhalt->addItem(seite.titel);

    auto* zurueck = new QPushButton(QStringLiteral("&Zurück"), this);
    zurueck->setObjectName(QStringLiteral("Hilfe_Zurueck"));
    auto* inhalt = new QPushButton(QStringLiteral("&Inhalt"), this);
    inhalt->setObjectName(QStringLiteral("Hilfe_Start"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(zurueck);
    knoepfe->addWidget(inhalt);
    knoepfe->addStretch();

    auto* teiler = new QSplitter(this);
    teiler->addWidget(m_inhalt);
    teiler->addWidget(m_text);
    teiler->setStretchFactor(1, 3);
    // The list as narrow as its titles, the page as wide as the widest table (the comparison
    // with ISO 7730) wherever the screen allows; the divider can be dragged either way.
    const int listenbreite = m_inhalt->sizeHintForColumn(0) + 2 * m_inhalt->frameWidth() + 8;
    m_inhalt->setMinimumWidth(80);
    QSize groesse(listenbreite + 860, 720);
    if (const QScreen* bildschirm = screen())
        groesse = groesse.boundedTo(bildschirm->availableGeometry().size() * 0.9);
    teiler->setSizes({listenbreite, groesse.width() - listenbreite});
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(knoepfe);
    spalte->addWidget(teiler);
    resize(groesse);

    connect(m_inhalt, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0 && zeile < m_seiten.size() && aktuelleSeite() != m_seiten.at(zeile).pfad)
            m_text->setSource(QUrl(m_seiten.at(zeile).pfad));
    });
    connect(m_text, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        for (int i = 0; i < m_seiten.size(); ++i)
            if (m_seiten.at(i).pfad == url.toString(QUrl::RemoveFragment))
                m_inhalt->setCurrentRow(i);
    });
    connect(m_text, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);
    connect(zurueck, &QPushButton::clicked, m_text, &QTextBrowser::backward);
    connect(inhalt, &QPushButton::clicked, this, [this] {
        if (!m_seiten.isEmpty())
            oeffne(m_seiten.constFirst().pfad);
    });
    zurueck->setEnabled(false);
}

void Hilfefenster::oeffne(const QString& pfad)
{
    if (!pfad.isEmpty())
        m_text->setSource(QUrl(pfad));
}

QString Hilfefenster::aktuelleSeite() const { return m_text->source().toString(QUrl::RemoveFragment); }

HilfeTaste::HilfeTaste(Dienste& dienste, QObject* eltern) : QObject(eltern), m_dienste(dienste)
{
    qApp->installEventFilter(this);
}

QString HilfeTaste::stichwortFuer(const QString& fenstername)
{
    static const QHash<QString, QString> tabelle{
        {QStringLiteral("hpt"), QStringLiteral("Einfuehrung")},
        {QStringLiteral("Start"), QStringLiteral("Startfenster")},
        {QStringLiteral("DATEI"), QStringLiteral("Datendatei")},
        {QStringLiteral("nutzen"), QStringLiteral("Benutzerverhalten")},
        {QStringLiteral("Grafik"), QStringLiteral("Diagramm")},
        {QStringLiteral("Aktivität"), QStringLiteral("Beispiele für Aktivitäten")},
        {QStringLiteral("Bekleidungsliste"), QStringLiteral("Typische Bekleidungskombinationen")},
        {QStringLiteral("Bekleidung"), QStringLiteral("Benutzerdefinierte Bekleidung")},
        {QStringLiteral("Auswertung"), QStringLiteral("Jahresauswertung")},
        {QStringLiteral("Bewertung"), QStringLiteral("Bewertung")},
    };
    return tabelle.value(fenstername);
}

bool HilfeTaste::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() != QEvent::KeyPress || !objekt->isWidgetType())
        return false;
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier)
        return false;
    QWidget* fenster = static_cast<QWidget*>(objekt)->window();
    const QString stichwort = stichwortFuer(fenster->objectName());
    if (stichwort.isEmpty())
        return false;
    m_dienste.hilfeZeigen(fenster, QStringLiteral("tempara.hlp"), kHilfeStichwort, stichwort);
    return true;
}

}  // namespace gui
