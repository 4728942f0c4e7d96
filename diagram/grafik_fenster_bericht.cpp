// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram for reports: saved as SVG, PDF or PNG and printed as one vector page from the
// grid of the last run, and the neutral line with its value in the window.
#include "grafik_fenster.h"

#include "berichtdialog.h"
#include "diagrammflaeche.h"
#include "dienste.h"
#include "isolinien.h"
#include "neutralwert.h"
#include "programm.h"

#include <QDir>
#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace model;
using namespace gui;

namespace diagram {

Berichtinhalt Grafik::berichtinhalt() const
{
    return {m_raster, m_laufbereich, festwerte(m_xVariable, m_yVariable - 6, m_werte), m_neutralText};
}

bool Grafik::berichtMoeglich()
{
    if (!m_raster.leer())
        return true;
    if (m_gelaufen)
        melden(Symbol::Information, u"Das Diagramm enthält keinen berechneten Punkt: Bei einem Höchstwert "
                                    u"von 0 oder darunter bleibt das Raster leer."_s);
    else
        melden(Symbol::Information, u"Es ist noch kein Diagramm berechnet.\r\n"
                                    u"Bitte zuerst mit „Start“ das Diagramm berechnen."_s);
    return false;
}

std::optional<Berichtoptionen> Grafik::berichtoptionenWaehlen(bool mitAufloesung)
{
    Berichtdialog dialog(gespeicherteBerichtoptionen(), mitAufloesung, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const Berichtoptionen optionen = dialog.optionen();
    berichtoptionenMerken(optionen);
    return optionen;
}

void Grafik::berichtSpeichern()
{
    if (!berichtMoeglich())
        return;
    Dateidialog dialog;
    dialog.titel = u"Diagramm für Bericht speichern"_s;
    dialog.filter = u"SVG-Grafik (*.svg)|*.svg|PDF-Dokument (*.pdf)|*.pdf|PNG-Bild (*.png)|*.png"_s;
    dialog.filterIndex = 1;
    dialog.vorgabeEndung = u"svg"_s;
    dialog.ueberschreibenFragen = true;
    const std::optional<QString> pfad = m_dienste.dateiSpeichern(this, dialog);
    if (!pfad || pfad->isEmpty())
        return;
    const std::optional<Berichtformat> format = berichtformatVon(*pfad);
    if (!format) {
        melden(Symbol::Warnung, u"Das Format des Diagramms folgt aus der Endung des Namens:\r\n"
                                u".svg, .pdf oder .png.\r\n\r\n"_s
                                    + QDir::toNativeSeparators(*pfad));
        return;
    }
    const std::optional<Berichtoptionen> optionen = berichtoptionenWaehlen(*format == Berichtformat::Png);
    if (!optionen)
        return;
    QString grund;
    bool geschrieben = false;
    {
        Sanduhr sanduhr;
        geschrieben = berichtSchreiben(*pfad, berichtinhalt(), *optionen, &grund);
    }
    if (!geschrieben)
        melden(Symbol::Warnung, u"Das Diagramm konnte nicht gespeichert werden:\r\n"_s + QDir::toNativeSeparators(*pfad)
                                    + u"\r\n\r\n"_s + grund);
}

void Grafik::berichtDrucken()
{
    if (!berichtMoeglich())
        return;
    const std::optional<Berichtoptionen> optionen = berichtoptionenWaehlen(false);
    if (!optionen)
        return;
    const Berichtinhalt inhalt = berichtinhalt();
    Druckauftrag auftrag;
    auftrag.titel = u"Behaglichkeitsbereich"_s;
    auftrag.papierMm = seiteMm(optionen->papier);
    auftrag.randMm = QMarginsF(kBerichtrandMm, kBerichtrandMm, kBerichtrandMm, kBerichtrandMm);
    auftrag.malen = [&inhalt, &optionen](QPainter& maler, const QRectF& flaeche, int) {
        berichtMalen(maler, flaeche, inhalt, *optionen);
    };
    if (m_dienste.drucken(this, auftrag) == Druckausgang::Fehlgeschlagen)
        melden(Symbol::Warnung, u"Das Diagramm konnte nicht gedruckt werden: Es ist kein Drucker "
                                u"eingerichtet, oder der Druckauftrag ist fehlgeschlagen."_s);
}

void Grafik::neutralErmitteln(const PmvEingabe& vorbereitet)
{
    m_neutrallinie.clear();
    m_neutralText.clear();
    if (m_raster.leer())
        return;
    // The line in the window lies through the middle of the cells, which begin at their grid points.
    const Geometrie& g = m_achsen.geometrie;
    for (const Linienzug& zug : isolinie(m_raster, 0.0f)) {
        QPolygonF pixel;
        for (const QPointF& p : zug)
            pixel << QPointF((kX0 + g.kx * p.x() + kZelleBreite / 2) / kTwipsJePixel,
                             (kY0 - g.ky * p.y() + kZelleHoehe / 2) / kTwipsJePixel);
        m_neutrallinie.push_back(pixel);
    }
    m_neutralText = neutralTextFuer(m_raster, vorbereitet, programm::Raumklima, programm::TsGleichTi);
}

void Grafik::neutralZeigen()
{
    const bool zeigen = m_neutralAktion->isChecked() && !m_raster.leer();
    m_diagramm->linienSetzen(zeigen ? m_neutrallinie : std::vector<QPolygonF>{});
    m_neutralwert->setText(m_neutralText);
    m_neutralwert->setVisible(zeigen);
}

}  // namespace diagram
