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

bool PmvBerechnenIso(const PmvEingabe& e, PmvErgebnis& r)
{
    const double ta = e.ta, tr = e.tr, M = e.M;
    const double psat = SaettigungsdruckIso(ta);
    const double pa = double(e.phi) / 100.0 * psat;
    const double mw = M - M * double(e.eta);  // W = M·η
    const double icl = 0.155 * double(e.Icl);
    const double fcl = KleidungsflaechenfaktorIso(e.Icl);
    const double hcf = 12.1 * std::sqrt(double(e.var));
    const double taa = ta + kOffset;
    const double tra4 = hoch4((tr + kOffset) / 100.0);

    const double p1 = icl * fcl;
    const double p2 = p1 * 3.96;
    const double p3 = p1 * 100.0;
    const double p4 = p1 * taa;
    const double p5 = 308.7 - 0.028 * mw + p2 * tra4;
    int durchlaeufe = 0;

    // Forced convection wins while natural convection's 2.38·|tcl − ta|^¼ stays below hcf, that
    // is while |tcl − ta| < (hcf / 2.38)⁴. Such a pass is xn = a − b·xf⁴ and needs neither the
    // fourth root nor a division, and the next pass's mean (xf + xn) / 2 is formed straight from
    // xf⁴, so that a pass waits for four operations only: this keeps the stream of tempara-cli
    // fast. The passes are the annex's either way, up to rounding in the last digit.
    // Without clothing (p1 = 0) every pass gives xn = p5 / 100 whatever hc is: the cheap pass
    // serves, and hc is taken once at the end from the last pass's xf.
    const bool nackt = p1 == 0.0;
    const double erzwungenBis = nackt ? std::numeric_limits<double>::infinity() : hoch4(hcf / 2.38);
    const double b = p2 / (100.0 + p3 * hcf);
    const double a = (p5 + p4 * hcf) / (100.0 + p3 * hcf);

    const double tcla = taa + (35.5 - ta) / (3.5 * icl + 0.1);  // first guess
    double xn = tcla / 100.0;
    double xf = (tcla / 50.0 + xn) / 2.0;  // the first pass's mean
    double hc = hcf;
    double abstand = std::fabs(100.0 * xf - taa);  // |tcl − ta| of the pass, in K
    for (int n = 1;; ++n) {
        const double xf4 = hoch4(xf);
        double naechstes;
        double naechsterAbstand;
        if (abstand < erzwungenBis) {
            hc = hcf;
            xn = a - b * xf4;
            naechstes = (0.5 * xf + 0.5 * a) - (0.5 * b) * xf4;
            naechsterAbstand = 100.0 * naechstes - taa;
        } else {
            // What does not wait for the roots is formed beside them.
            const double rest = p5 - p2 * xf4;
            const double halb = 50.0 * xf - taa;
            hc = 2.38 * std::sqrt(std::sqrt(abstand));
            xn = (rest + p4 * hc) / (100.0 + p3 * hc);
            naechstes = 0.5 * xf + 0.5 * xn;
            naechsterAbstand = halb + 50.0 * xn;
        }
        if (n > kMaxDurchlaeufe)
            return false;
        if (!(std::fabs(xn - xf) > kGenauigkeit)) {  // a NaN leaves the loop and fails below
            durchlaeufe = n;
            break;
        }
        xf = naechstes;
        abstand = std::fabs(naechsterAbstand);
    }
    if (nackt)
        hc = std::max(hcf, 2.38 * std::sqrt(std::sqrt(std::fabs(100.0 * xf - taa))));
    const double tcl = 100.0 * xn - kOffset;

    // The heat load: skin diffusion, sweating, latent and dry respiration, radiation, convection.
    const double hl1 = 3.05e-3 * (5733.0 - 6.99 * mw - pa);
    const double hl2 = mw > 58.15 ? 0.42 * (mw - 58.15) : 0.0;
    const double hl3 = 1.7e-5 * M * (5867.0 - pa);
    const double hl4 = 0.0014 * M * (34.0 - ta);
    const double hl5 = 3.96 * fcl * (hoch4(xn) - tra4);
    const double hl6 = fcl * hc * (tcl - ta);
    const double pmv = (0.303 * std::exp(-0.036 * M) + 0.028) * (mw - hl1 - hl2 - hl3 - hl4 - hl5 - hl6);
    const double q = pmv * pmv;
    const double ppd = 100.0 - 95.0 * std::exp(-0.03353 * q * q - 0.2179 * q);
    if (!(std::isfinite(pmv) && std::isfinite(ppd) && std::isfinite(tcl)))
        return false;

    r.PMV = float(pmv);
    r.PPD = float(ppd);
    r.tcl = float(tcl);
    r.hc = float(hc);
    r.pa = float(pa);
    r.psat = float(psat);
    r.durchlaeufe = durchlaeufe;
    return true;
}

}  // namespace model
