// SPDX-License-Identifier: GPL-3.0-or-later
// The heat-balance model of ISO 7730 (Fanger), evaluated in kcal/(m²·h) with the absolute
// temperature offset 273. Every stored quantity is float32; formulas run in double.
#include "pmv.h"

#include <cmath>

namespace model {

namespace {

constexpr double kWInKcal = 0.86;      // W/m² -> kcal/(m²·h)
constexpr double kCloInKcal = 0.18;    // clo -> m²·h·K/kcal
constexpr double kPaInMmHg = 0.0075;   // Pa -> mmHg
constexpr double kStrahlung = 3.4e-8;  // radiation constant, kcal/(m²·h·K⁴)
constexpr double kOffset = 273.0;      // °C -> K, kept at 273 as in the kcal form
constexpr int kMaxDurchlaeufe = 70;

inline double hoch4(double x)
{
    double q = x * x;
    return q * q;
}

inline bool endlich(float x) { return std::isfinite(x); }

struct Oberflaeche {
    float tcl;
    float hc;
    int durchlaeufe;
};

// Clothing surface temperature by Newton's method on the heat balance between skin,
// clothing and surroundings. Starts at 37 °C; stops when a step changes tcl by less than
// 0.01 K (keeping the tcl of that pass) or after 70 passes.
Oberflaeche Oberflaechentemperatur(const PmvEingabe& e)
{
    const double hcf = 12.1 * std::sqrt(double(e.var));           // forced convection
    const double c = kCloInKcal * double(e.Icl) * double(e.fcl);  // clothing constant
    const double haut = 35.7 - 0.028 * double(e.M) * (1.0 - double(e.eta));
    const double tr4 = hoch4(double(e.tr) + kOffset);
    const double ta = e.ta;

    float tcl = 37.0f;
    float hc = 0.0f;
    float neu = 0.0f;  // t' keeps its last value should |D| be exactly the guard
    for (int n = 1;; ++n) {
        const double t = tcl;
        const double tk = t + kOffset;
        double F = haut - t - c * kStrahlung * (hoch4(tk) - tr4);
        double D = -1.0 - 4.0 * c * kStrahlung * tk * tk * tk;
        const double hcn = 2.38 * std::sqrt(std::sqrt(std::fabs(t - ta)));  // natural convection
        if (hcn > hcf) {
            hc = float(hcn);
            D -= 1.25 * kWInKcal * c * hcn;
        } else {
            hc = float(hcf);
            D -= kWInKcal * c * hcf;
        }
        F -= kWInKcal * c * double(hc) * (t - ta);

        const float betragD = float(std::fabs(D));
        if (betragD > 0.001f)
            neu = float(t - F / D);
        else if (betragD < 0.001f)
            neu = float(t + 1.0);

        if (float(std::fabs(double(neu) - t)) < 0.01f)
            return {tcl, hc, n};
        tcl = neu;
        if (n + 1 > kMaxDurchlaeufe)
            return {tcl, hc, n};
    }
}

}  // namespace

float Saettigungsdruck(float t) { return float(610.78 * std::exp(17.08089 * double(t) / (234.175 + double(t)))); }

float Kleidungsflaechenfaktor(float Icl)
{
    const double x = double(Icl) * 0.155;  // clo -> m²·K/W
    if (x < 0.078)
        return float(1.0 + 0.19995 * double(Icl));
    return float(1.05 + 0.099975 * double(Icl));
}

PmvEingabe PmvEingabeAus(const Raumklima& k, bool tsGleichTi)
{
    PmvEingabe e;
    e.ta = k.Ti;
    e.tr = tsGleichTi ? e.ta : k.Ts;
    e.phi = float(k.phi);
    e.M = float(k.M);
    e.Icl = k.Icl;
    e.eta = float(double(k.W) / 100.0);
    e.var = float(std::fabs(double(k.v_rel) + double(k.v_Luft)));
    e.fcl = Kleidungsflaechenfaktor(k.Icl);
    return e;
}

bool PmvBerechnen(const PmvEingabe& e, PmvErgebnis& r)
{
    r.psat = Saettigungsdruck(e.ta);
    r.pa = float(double(e.phi) * double(r.psat) / 100.0);

    const Oberflaeche o = Oberflaechentemperatur(e);
    r.tcl = o.tcl;
    r.hc = o.hc;
    r.durchlaeufe = o.durchlaeufe;

    // Heat load in kcal/(m²·h), terms subtracted in the order of the standard's equation.
    const double M = e.M, ta = e.ta, pa = r.pa, fcl = e.fcl, tcl = r.tcl;
    const double Mw = kWInKcal * M * (1.0 - double(e.eta));
    double L = Mw - 0.35 * (43.0 - 0.052 * M - kPaInMmHg * pa);           // skin diffusion
    L -= 0.42 * (Mw - 50.0);                                              // sweating
    L -= 0.002 * M * (44.0 - kPaInMmHg * pa) + 0.0012 * M * (34.0 - ta);  // respiration
    L -= kStrahlung * fcl * (hoch4(tcl + kOffset) - hoch4(double(e.tr) + kOffset));
    L -= kWInKcal * fcl * double(r.hc) * (tcl - ta);

    const float pmv = float((0.352 * std::exp(-0.036 * M) + 0.032) * L);
    if (!(endlich(r.psat) && endlich(r.pa) && endlich(r.tcl) && endlich(r.hc) && endlich(pmv)))
        return false;

    r.PMVroh = pmv;
    r.PMV = pmv > 3.0f ? 3.0f : (pmv < -3.0f ? -3.0f : pmv);
    const double p = r.PMV;
    r.PPD = float(100.0 - 95.0 * std::exp(-p * p / (4.1 - 0.6 * std::fabs(p))));
    return true;
}

}  // namespace model
