// SPDX-License-Identifier: GPL-3.0-or-later
#include "skriptdienste.h"

#include <QPainter>

using namespace gui;

template <typename T>
std::optional<T> SkriptDienste::naechste(const QString& art)
{
    if (m_antworten.empty()) {
        m_fehler << QStringLiteral("keine Antwort vorbereitet für %1").arg(art);
        return std::nullopt;
    }
    Antwort antwort = m_antworten.front();
    m_antworten.pop_front();
    if (const T* wert = std::get_if<T>(&antwort))
        return *wert;
    m_fehler << QStringLiteral("falsche Art der Antwort für %1").arg(art);
    return std::nullopt;
}

QStringList SkriptDienste::meldungen() const
{
    QStringList texte;
    for (const Aufruf& a : aufrufe)
        if (a.art == u"meldung" || a.art == u"frage")
            texte << a.text;
    return texte;
}

QStringList SkriptDienste::offeneFehler() const
{
    QStringList fehler = m_fehler;
    if (!m_antworten.empty())
        fehler << QStringLiteral("%1 vorbereitete Antwort(en) nicht abgefragt").arg(m_antworten.size());
    return fehler;
}

void SkriptDienste::zuruecksetzen()
{
    aufrufe.clear();
    gedruckt.clear();
    gedruckteSeiten.clear();
    m_antworten.clear();
    m_fehler.clear();
}

void SkriptDienste::meldung(QWidget*, Symbol symbol, const QString& titel, const QString& text)
{
    notiere(QStringLiteral("meldung"), symbol, titel, text);
}

bool SkriptDienste::frage(QWidget*, Symbol symbol, const QString& titel, const QString& text, bool vorgabeJa)
{
    notiere(QStringLiteral("frage"), symbol, titel, text, {}, vorgabeJa);
    return naechste<bool>(QStringLiteral("frage: ") + text).value_or(false);
}

std::optional<QString> SkriptDienste::dateiOeffnen(QWidget*, const Dateidialog& dialog)
{
    notiere(QStringLiteral("oeffnen"), Symbol::Keins, dialog.titel, {}, dialog);
    return naechste<std::optional<QString>>(QStringLiteral("Datei öffnen")).value_or(std::nullopt);
}

std::optional<QString> SkriptDienste::dateiSpeichern(QWidget*, const Dateidialog& dialog)
{
    notiere(QStringLiteral("speichern"), Symbol::Keins, dialog.titel, {}, dialog);
    return naechste<std::optional<QString>>(QStringLiteral("Datei speichern")).value_or(std::nullopt);
}

bool SkriptDienste::druckerEinrichten(QWidget*)
{
    notiere(QStringLiteral("drucker"), Symbol::Keins, {}, {});
    return naechste<Druckerantwort>(QStringLiteral("Drucker einrichten")).value_or(Druckerantwort{false}).vorhanden;
}

bool SkriptDienste::bildDrucken(const QImage& bild, QPointF linksObenMm, QSizeF groesseMm)
{
    const QString ort = QStringLiteral("%1,%2 %3x%4").arg(linksObenMm.x()).arg(linksObenMm.y());
    notiere(QStringLiteral("drucken"), Symbol::Keins, {}, ort.arg(groesseMm.width()).arg(groesseMm.height()));
    const bool vorhanden =
        naechste<Druckerantwort>(QStringLiteral("drucken")).value_or(Druckerantwort{false}).vorhanden;
    if (vorhanden)
        gedruckt << bild;
    return vorhanden;
}

Druckausgang SkriptDienste::drucken(QWidget*, const Druckauftrag& auftrag)
{
    const QSizeF seiteMm = auftrag.papierMm.shrunkBy(auftrag.randMm);
    notiere(QStringLiteral("druckdialog"), Symbol::Keins, auftrag.titel,
            QStringLiteral("%1 Seiten, %2 x %3 mm").arg(auftrag.seiten).arg(seiteMm.width()).arg(seiteMm.height()));
    if (!naechste<Druckerantwort>(QStringLiteral("Druckdialog")).value_or(Druckerantwort{false}).vorhanden)
        return Druckausgang::Fehlgeschlagen;
    // Each page twice: as painted (vectors, at 300 dpi) and as an image at 50 dpi, enough to see
    // what went onto the page.
    for (int seite = 0; seite < auftrag.seiten; ++seite) {
        QPicture vektoren;
        QPainter vektormaler(&vektoren);
        auftrag.malen(vektormaler, QRectF(QPointF(0, 0), seiteMm * (300 / 25.4)), seite);
        vektormaler.end();
        gedruckteSeiten << vektoren;
        const QSizeF flaeche = seiteMm * (50 / 25.4);
        QImage bild(flaeche.toSize(), QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter maler(&bild);
        auftrag.malen(maler, QRectF(QPointF(0, 0), flaeche), seite);
        gedruckt << bild;
    }
    return Druckausgang::Gedruckt;
}

void SkriptDienste::hilfeZeigen(QWidget*, const QString& hilfedatei, int befehl, const QString& stichwort)
{
    notiere(QStringLiteral("hilfe"), Symbol::Keins, hilfedatei, QStringLiteral("%1 %2").arg(befehl).arg(stichwort));
}
