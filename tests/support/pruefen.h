// SPDX-License-Identifier: GPL-3.0-or-later
// Comparisons with a stated absolute tolerance: QCOMPARE's fuzzy compare is relative and
// fails near zero, where PMV usually is. And readable failures for the model's records.
#pragma once

#include "raumklima.h"

#include <QTest>
#include <cmath>

#define TEMPARA_NAHE(ist, soll, toleranz)                                                                              \
    QVERIFY2(std::fabs(double(ist) - double(soll)) <= double(toleranz),                                                \
             qPrintable(QString::asprintf("%s = %.9g, erwartet %.9g ± %g", #ist, double(ist), double(soll),            \
                                          double(toleranz))))

namespace model {

inline bool operator==(const Raumklima& a, const Raumklima& b)
{
    return a.Ti == b.Ti && a.Ts == b.Ts && a.v_Luft == b.v_Luft && a.phi == b.phi && a.M == b.M && a.W == b.W
           && a.v_rel == b.v_rel && a.Icl == b.Icl;
}

// Found by QCOMPARE through argument-dependent lookup.
inline char* toString(const Raumklima& k)
{
    return qstrdup(qPrintable(
        QString::asprintf("Raumklima{Ti %g, Ts %g, v_Luft %g, phi %d, M %d, W %d, v_rel %g, Icl %g}", double(k.Ti),
                          double(k.Ts), double(k.v_Luft), k.phi, k.M, k.W, double(k.v_rel), double(k.Icl))));
}

}  // namespace model
