// SPDX-License-Identifier: GPL-3.0-or-later
// The annex writes the clothing surface temperature in hundreds of kelvin (xn = T/100), so
// that its fourth power stays small; the code keeps that scale and the annex's constants.
#include "pmv_iso.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace model {

namespace {

constexpr double kOffset = 273.0;  // the annex adds 273, not 273,15
constexpr double kGenauigkeit = 0.00015;
constexpr int kMaxDurchlaeufe = 150;
// The passes keep |tcl − ta| divided by 50 K, so that the next one is xf − taa/100 plus the
// share just divided out; the fourth root of 50 moves into the constants.
constexpr double kWurzel50 = 2.6591479484724942;  // ⁴√50

inline double hoch4(double x)
{
    const double q = x * x;
    return q * q;
}

}  // namespace

double SaettigungsdruckIso(double t) { return 1000.0 * std::exp(16.6536 - 4030.183 / (t + 235.0)); }

double KleidungsflaechenfaktorIso(double Icl)
{
    const double icl = 0.155 * Icl;  // clo -> m²·K/W
    return icl <= 0.078 ? 1.00 + 1.290 * icl : 1.05 + 0.645 * icl;
}

namespace {

// One case's iteration between its passes. Vorbereiten, Durchlauf and Abschliessen are the
// single case's steps; the group entry point runs the same steps for several cases in turn,
// so that its results are those of the single case bit for bit.
struct Lauf {
    double ta, M, mw, pa, psat, fcl, taa, tra4, hcf, p2, p3, p4, p5;
    double c, k, f1;  // 100 and 1 over 2.38·⁴√50·p3, and taa / 100: see the free-convection pass
    double a, b, erzwungenBis50;
    double xf, xn, hc, abstand, naechstes, naechsterAbstand;
    double zaehler;  // 0,303·e^(−0,036·M) + 0,028, formed before the passes so it overlaps them
    int n;
    bool nackt;
};

inline void Vorbereiten(const PmvEingabe& e, Lauf& l)
{
    const double ta = e.ta, tr = e.tr, M = e.M;
    l.ta = ta;
    l.M = M;
    l.mw = M - M * double(e.eta);  // W = M·η
    const double icl = 0.155 * double(e.Icl);
    l.fcl = KleidungsflaechenfaktorIso(e.Icl);
    l.hcf = 12.1 * std::sqrt(double(e.var));
    l.taa = ta + kOffset;
    l.tra4 = hoch4((tr + kOffset) / 100.0);

    const double p1 = icl * l.fcl;
    l.p2 = p1 * 3.96;
    l.p3 = p1 * 100.0;
    l.p4 = p1 * l.taa;
    l.f1 = 1.0 / (2.38 * kWurzel50 * l.p3);
    l.c = 100.0 * l.f1;
    l.k = l.taa / 100.0;
    l.p5 = 308.7 - 0.028 * l.mw + l.p2 * l.tra4;

    // Forced convection wins while natural convection's 2.38·|tcl − ta|^¼ stays below hcf, that
    // is while |tcl − ta| < (hcf / 2.38)⁴. Such a pass is xn = a − b·xf⁴ and needs neither the
    // fourth root nor a division, and the next pass's mean (xf + xn) / 2 is formed straight from
    // xf⁴, so that a pass waits for four operations only. The passes are the annex's either
    // way, up to rounding in the last digit.
    // Without clothing (p1 = 0) every pass gives xn = p5 / 100 whatever hc is: the cheap pass
    // serves, and hc is taken once at the end from the last pass's xf.
    l.nackt = p1 == 0.0;
    l.erzwungenBis50 = l.nackt ? std::numeric_limits<double>::infinity() : hoch4(l.hcf / 2.38) / 50.0;
    l.b = l.p2 / (100.0 + l.p3 * l.hcf);
    l.a = (l.p5 + l.p4 * l.hcf) / (100.0 + l.p3 * l.hcf);

    const double tcla = l.taa + (35.5 - ta) / (3.5 * icl + 0.1);  // first guess
    l.xn = tcla / 100.0;
    l.xf = (tcla / 50.0 + l.xn) / 2.0;  // the first pass's mean
    l.hc = l.hcf;
    l.abstand = std::fabs(2.0 * (l.xf - l.k));  // |tcl − ta| / 50 K of the pass
    l.n = 0;
    // The exponentials wait for nothing the passes need: issued after the first guess, they
    // run beside the passes.
    l.psat = SaettigungsdruckIso(ta);
    l.pa = double(e.phi) / 100.0 * l.psat;
    l.zaehler = 0.303 * std::exp(-0.036 * M) + 0.028;
}

enum class Stand { Weiter, Eingeschwungen, Gescheitert };

inline Stand Durchlauf(Lauf& l)
{
    ++l.n;
    const double xf = l.xf;
    const double xf4 = hoch4(xf);
    if (l.nackt || l.abstand < l.erzwungenBis50) {
        l.hc = l.hcf;
        l.xn = l.a - l.b * xf4;
        l.naechstes = (0.5 * xf + 0.5 * l.a) - (0.5 * l.b) * xf4;
        l.naechsterAbstand = 2.0 * l.naechstes - 2.0 * l.k;
    } else {
        // xn = (p5 − p2·xf⁴ + p4·hc) / (100 + p3·hc) with p4 = p3·taa/100 is
        // taa/100 + (p5 − p2·xf⁴ − taa) / (100 + p3·hc); divided through by p3·2.38·⁴√50, a pass
        // waits after the roots for one addition and one division only. What does not wait
        // for the roots is formed beside them.
        const double ueber = l.p5 - l.p2 * xf4 - l.taa;
        const double vorher = xf - l.k;
        const double wurzel = std::sqrt(std::sqrt(l.abstand));
        const double nenner = l.c + wurzel;
        l.hc = (2.38 * kWurzel50) * wurzel;
        const double anteil = (l.f1 * ueber) / nenner;
        l.xn = l.k + anteil;
        l.naechstes = 0.5 * xf + 0.5 * l.xn;
        l.naechsterAbstand = vorher + anteil;
    }
    if (l.n > kMaxDurchlaeufe)
        return Stand::Gescheitert;
    if (!(std::fabs(l.xn - xf) > kGenauigkeit))  // a NaN leaves the loop and fails below
        return Stand::Eingeschwungen;
    l.xf = l.naechstes;
    l.abstand = std::fabs(l.naechsterAbstand);
    return Stand::Weiter;
}

inline bool Abschliessen(const Lauf& l, PmvErgebnis& r)
{
    const double ta = l.ta, M = l.M, mw = l.mw, pa = l.pa, xn = l.xn;
    double hc = l.hc;
    if (l.nackt)
        hc = std::max(l.hcf, 2.38 * std::sqrt(std::sqrt(std::fabs(100.0 * l.xf - l.taa))));
    const double tcl = 100.0 * xn - kOffset;

    // The heat load: skin diffusion, sweating, latent and dry respiration, radiation, convection.
    const double hl1 = 3.05e-3 * (5733.0 - 6.99 * mw - pa);
    const double hl2 = mw > 58.15 ? 0.42 * (mw - 58.15) : 0.0;
    const double hl3 = 1.7e-5 * M * (5867.0 - pa);
    const double hl4 = 0.0014 * M * (34.0 - ta);
    const double hl5 = 3.96 * l.fcl * (hoch4(xn) - l.tra4);
    const double hl6 = l.fcl * hc * (tcl - ta);
    const double pmv = l.zaehler * (mw - hl1 - hl2 - hl3 - hl4 - hl5 - hl6);
    const double q = pmv * pmv;
    const double ppd = 100.0 - 95.0 * std::exp(-0.03353 * q * q - 0.2179 * q);
    if (!(std::isfinite(pmv) && std::isfinite(ppd) && std::isfinite(tcl)))
        return false;

    r.PMV = float(pmv);
    r.PMVroh = r.PMV;
    r.PPD = float(ppd);
    r.tcl = float(tcl);
    r.hc = float(hc);
    r.pa = float(l.pa);
    r.psat = float(l.psat);
    r.durchlaeufe = l.n;
    return true;
}

}  // namespace

bool PmvBerechnenIso(const PmvEingabe& e, PmvErgebnis& r)
{
    Lauf l;
    Vorbereiten(e, l);
    Stand stand;
    while ((stand = Durchlauf(l)) == Stand::Weiter) {
    }
    return stand == Stand::Eingeschwungen && Abschliessen(l, r);
}

void PmvBerechnenIsoGruppe(const PmvEingabe* eingaben, PmvErgebnis* ergebnisse, bool* gerechnet, int anzahl)
{
    // The passes of one case wait on each other (two roots and a division in a chain); the
    // passes of different cases do not, so taking the cases in turn lets the processor work on
    // several chains at once. Each case leaves the round at its own last pass.
    for (int anfang = 0; anfang < anzahl; anfang += kGruppenbreite) {
        const int breite = std::min(kGruppenbreite, anzahl - anfang);
        Lauf l[kGruppenbreite];
        Stand stand[kGruppenbreite];
        for (int k = 0; k < breite; ++k) {
            Vorbereiten(eingaben[anfang + k], l[k]);
            stand[k] = Stand::Weiter;
        }
        for (int offen = breite; offen > 0;) {
            for (int k = 0; k < breite; ++k) {
                if (stand[k] != Stand::Weiter)
                    continue;
                stand[k] = Durchlauf(l[k]);
                offen -= stand[k] != Stand::Weiter;
            }
        }
        for (int k = 0; k < breite; ++k)
            gerechnet[anfang + k] = stand[k] == Stand::Eingeschwungen && Abschliessen(l[k], ergebnisse[anfang + k]);
    }
}

}  // namespace model
