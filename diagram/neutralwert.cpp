// SPDX-License-Identifier: GPL-3.0-or-later
#include "neutralwert.h"

#include "zahlen.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace model;

namespace diagram {

namespace {

struct Abweichung {
    bool gueltig;
    float wert;  // PMV − ziel
};

}  // namespace

std::vector<double> neutraleWerte(const PmvEingabe& vorbereitet, float v_rel, int xGroesse, int yGroesse, float yWert,
                                  double von, double bis, Rechenverfahren verfahren, float ziel, int teile)
{
    std::vector<double> werte;
    if (!std::isfinite(von) || !std::isfinite(bis) || !(bis > von) || teile < 1)
        return werte;
    PmvEingabe e = vorbereitet;
    setzeGroesse(e, yGroesse, yWert, v_rel);
    auto abweichung = [&](double x) {
        setzeGroesse(e, xGroesse, float(x), v_rel);
        PmvErgebnis ergebnis;
        const bool gueltig = PmvBerechnen(e, ergebnis, verfahren);
        return Abweichung{gueltig, gueltig ? ergebnis.PMV - ziel : 0.0f};
    };
    double links = von;
    Abweichung a = abweichung(links);
    for (int k = 1; k <= teile; ++k) {
        const double rechts = von + (bis - von) * k / teile;
        const Abweichung b = abweichung(rechts);
        if (a.gueltig && b.gueltig && (a.wert >= 0) != (b.wert >= 0)) {
            double l = links, r = rechts;
            const bool linksOben = a.wert >= 0;
            for (int schritt = 0; schritt < 60 && float(l) != float(r); ++schritt) {
                const double mitte = 0.5 * (l + r);
                const Abweichung m = abweichung(mitte);
                if (!m.gueltig)
                    break;
                ((m.wert >= 0) == linksOben ? l : r) = mitte;
            }
            werte.push_back(0.5 * (l + r));
        }
        links = rechts;
        a = b;
    }
    return werte;
}

float aktuellerWert(const Raumklima& k, bool tsGleichTi, int groesse)
{
    switch (groesse) {
    case Lufttemperatur: return k.Ti;
    case Strahlungstemperatur: return tsGleichTi ? k.Ti : k.Ts;
    case Luftgeschwindigkeit: return k.v_Luft;
    case Luftfeuchte: return k.phi;
    case Energieumsatz: return k.M;
    case Kleidung: return k.Icl;
    default: return 0.0f;
    }
}

QString groessenText(int groesse, double wert)
{
    const Groesseninfo& g = info(groesse);
    // Held together on one line wherever the text wraps.
    const QChar fest(0x00a0);
    return QString::fromUtf16(g.symbol) + fest + u'=' + fest + formatiereZahl(wert, g.stellen, u',') + fest
           + QString::fromUtf16(g.einheit);
}

QString neutralText(const std::vector<double>& werte, int xGroesse, double von, double bis, int yGroesse, float yWert)
{
    const Groesseninfo& g = info(xGroesse);
    const QString bei = QStringLiteral(" (") + groessenText(yGroesse, yWert) + u')';
    if (werte.empty())
        return QStringLiteral("nicht neutral zwischen ") + QString::fromUtf16(g.symbol) + QStringLiteral(" = ")
               + formatiereZahl(von, g.stellen, u',') + QStringLiteral(" und ") + formatiereZahl(bis, g.stellen, u',')
               + QChar(u' ') + QString::fromUtf16(g.einheit) + bei;
    QStringList zahlen;
    for (const double w : werte)
        zahlen << formatiereZahl(w, g.stellen, u',');
    return QStringLiteral("neutral bei ") + QString::fromUtf16(g.symbol) + QStringLiteral("\u00a0=\u00a0")
           + zahlen.join(QStringLiteral(" und ")) + QChar(0x00a0) + QString::fromUtf16(g.einheit) + bei;
}

QString neutralTextFuer(const Rasterwerte& r, const PmvEingabe& vorbereitet, const Raumklima& klima, bool tsGleichTi)
{
    if (r.leer())
        return {};
    const auto [von, bis] = std::minmax(r.x.front(), r.x.back());
    const float yWert = aktuellerWert(klima, tsGleichTi, r.yGroesse);
    return neutralText(neutraleWerte(vorbereitet, klima.v_rel, r.xGroesse, r.yGroesse, yWert, von, bis, r.verfahren),
                       r.xGroesse, von, bis, r.yGroesse, yWert);
}

}  // namespace diagram
