// SPDX-License-Identifier: GPL-3.0-or-later
// Checks every window test shares: the contract of a window's controls (objectName, class and
// place in twips, as other windows, tests and help pictures rely on them) and no window left
// open after a test.
#pragma once

#include "twips.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <initializer_list>

// One control: objectName, class, left, top, width, height in twips (relative to its parent); a
// negative width for a control placed by a layout, whose place follows the fonts.
struct Steuerelement {
    const char* name;
    const char* klasse;
    int links, oben, breite, hoehe;
};

// Each control exists exactly once, of its class, at its place to the pixel. Fails the test.
inline void pruefeVertrag(const QWidget& fenster, std::initializer_list<Steuerelement> zeilen)
{
    for (const Steuerelement& s : zeilen) {
        const QList<QWidget*> treffer = fenster.findChildren<QWidget*>(QString::fromUtf8(s.name));
        QVERIFY2(treffer.size() == 1, s.name);
        QVERIFY2(qstrcmp(treffer[0]->metaObject()->className(), s.klasse) == 0, s.name);
        QVERIFY2(s.breite < 0 || treffer[0]->geometry() == gui::twipsRect(s.links, s.oben, s.breite, s.hoehe),
                 qPrintable(QStringLiteral("%1 steht bei %2,%3 %4x%5 Twips")
                                .arg(QString::fromUtf8(s.name))
                                .arg(treffer[0]->x() * gui::kTwipsJePixel)
                                .arg(treffer[0]->y() * gui::kTwipsJePixel)
                                .arg(treffer[0]->width() * gui::kTwipsJePixel)
                                .arg(treffer[0]->height() * gui::kTwipsJePixel)));
    }
}

// No top-level window but `erlaubt` is left once a test is done, shown or hidden (windows closed
// with deleteLater are gone first). Call it in cleanup(); it fails the test that leaked and
// removes what it found, so that the next test starts clean.
inline void keineFensterUebrig(std::initializer_list<const QWidget*> erlaubt = {})
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget*> uebrig;
    QStringList namen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (std::find(erlaubt.begin(), erlaubt.end(), w) == erlaubt.end()) {
            uebrig << w;
            namen << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
        }
    qDeleteAll(uebrig);
    QVERIFY2(uebrig.isEmpty(), qPrintable(QStringLiteral("offen geblieben: ") + namen.join(QStringLiteral(", "))));
}
