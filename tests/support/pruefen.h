// Comparisons with a stated absolute tolerance: QCOMPARE's fuzzy compare is relative and
// fails near zero, where PMV usually is.
#pragma once

#include <QTest>
#include <cmath>

#define TEMPARA_NAHE(ist, soll, toleranz)                                                          \
    QVERIFY2(std::fabs(double(ist) - double(soll)) <= double(toleranz),                            \
             qPrintable(QStringLiteral("%1 = %2, erwartet %3 ± %4")                                \
                            .arg(QLatin1String(#ist)).arg(double(ist), 0, 'g', 9)                  \
                            .arg(double(soll), 0, 'g', 9).arg(double(toleranz))))
