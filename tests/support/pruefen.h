// SPDX-License-Identifier: GPL-3.0-or-later
// Comparisons with a stated absolute tolerance: QCOMPARE's fuzzy compare is relative and
// fails near zero, where PMV usually is. And readable failures for the model's records.
#pragma once

#include "raumklima.h"

#include <QTest>
#include <cmath>

#define TEMPARA_NAHE(ist, soll, toleranz)                                                                              \
    QVERIFY2(std::fabs(double(ist) - double(soll)) <= double(toleranz),                                                \
             qPrintable(QStringLiteral("%1 = %2, erwartet %3 ± %4")                                                    \
                            .arg(QLatin1String(#ist))                                                                  \
                            .arg(double(ist), 0, 'g', 9)                                                               \
                            .arg(double(soll), 0, 'g', 9)                                                              \
                            .arg(double(toleranz))))

namespace model {

inline bool operator==(const Raumklima& a, const Raumklima& b)
{
    return a.Ti == b.Ti && a.Ts == b.Ts && a.v_Luft == b.v_Luft && a.phi == b.phi && a.M == b.M && a.W == b.W
           && a.v_rel == b.v_rel && a.Icl == b.Icl;
}

// Found by QCOMPARE through argument-dependent lookup.
inline char* toString(const Raumklima& k)
{
    return qstrdup(QStringLiteral("Raumklima{Ti %1, Ts %2, v_Luft %3, phi %4, M %5, W %6, v_rel %7, Icl %8}")
                       .arg(k.Ti)
                       .arg(k.Ts)
                       .arg(k.v_Luft)
                       .arg(k.phi)
                       .arg(k.M)
                       .arg(k.W)
                       .arg(k.v_rel)
                       .arg(k.Icl)
                       .toUtf8()
                       .constData());
}

}  // namespace model
